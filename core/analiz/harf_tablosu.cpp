#include "analiz/harf_tablosu.h"

namespace velzora {

void Harf_Tablosu::harf_oku(const Izgara& izgara) {
    sutun_sayisi_ = izgara.Sutun_Sayisi();
    hucreler_.assign(static_cast<std::size_t>(izgara.Satir_Sayisi() * sutun_sayisi_), Hucre{});
    for (int r = 1; r <= izgara.Satir_Sayisi(); ++r) {
        for (int c = 1; c <= sutun_sayisi_; ++c) {
            const std::string metin = izgara.harf_al(r, c);
            if (!metin.empty())
                hucreler_[static_cast<std::size_t>((r - 1) * sutun_sayisi_ + c - 1)] = {true,
                                                                                        metin[0]};
        }
    }
}

}  // namespace velzora
