#include "bulmaca/bulmaca.h"

#include <string_view>

namespace velzora {

Bulmaca_Hucresi hucre_al(const Izgara& izgara, int satir, int sutun) {
    const std::string h = izgara.harf_al(satir, sutun);
    return {izgara.siyah_mi(satir, sutun), !h.empty(), h.empty() ? '\0' : h.front()};
}

Bulmaca bulmaca_al(const Izgara& izgara, const Dolgu& dolgu) {
    Bulmaca b;
    b.Satir_Sayisi = izgara.Satir_Sayisi();
    b.Sutun_Sayisi = izgara.Sutun_Sayisi();
    b.hucreler.reserve(static_cast<std::size_t>(b.Satir_Sayisi * b.Sutun_Sayisi));
    for (int r = 1; r <= b.Satir_Sayisi; ++r) {
        for (int c = 1; c <= b.Sutun_Sayisi; ++c)
            b.hucreler.push_back(hucre_al(izgara, r, c));
    }
    b.dolgu = dolgu;
    return b;
}

void izgaraya_yaz(const Bulmaca& b, Izgara& izgara) {
    Izgara::Toplu_Degisiklik toplu(izgara);
    if (izgara.Satir_Sayisi() != b.Satir_Sayisi || izgara.Sutun_Sayisi() != b.Sutun_Sayisi)
        izgara.ebat_ver(b.Satir_Sayisi, b.Sutun_Sayisi);
    for (int r = 1; r <= b.Satir_Sayisi; ++r) {
        for (int c = 1; c <= b.Sutun_Sayisi; ++c) {
            const Bulmaca_Hucresi& h = b.hucre(r, c);
            izgara.siyah_yap(r, c, h.siyah ? Renk_Kodu::Siyah : Renk_Kodu::Beyaz);
            izgara.harf_yaz(r, c, h.dolu ? std::string_view(&h.harf, 1) : std::string_view());
        }
    }
}

}  // namespace velzora
