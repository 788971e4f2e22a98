#include "cozucu/hucre_harfleri.h"

#include <algorithm>
#include <array>

namespace velzora {

bool Hucre_Harfleri::hazirla(const Yer_Tablosu& yerler, const Aday_Listeleri& adaylar,
                             const Aday_Maskeleri& maskeler) {
    const int n = yerler.Yer_Sayisi();
    // Dense letter codes, only needed while the tables are built.
    std::array<int, 256> kod;
    kod.fill(-1);
    std::vector<char> harfler;  // by code
    kesismeler_.clear();
    bas_.assign(static_cast<std::size_t>(n) + 2, 0);
    // Cells are numbered in the order their first crossing is met.
    const int sutunlar = yerler.Sutun_Sayisi();
    std::vector<int> hucre_no(static_cast<std::size_t>(yerler.Satir_Sayisi() * sutunlar), -1);
    int hucreler = 0;
    for (int s = 1; s <= n; ++s) {
        bas_[static_cast<std::size_t>(s)] = static_cast<int>(kesismeler_.size());
        const Kelime_Yeri& y = yerler.Yer(s);
        for (const Capraz& c : yerler.caprazlar(s)) {
            int& no = hucre_no[static_cast<std::size_t>((y.satir_k(c.bu_konum) - 1) * sutunlar +
                                                        y.sutun_k(c.bu_konum) - 1)];
            if (no < 0)
                no = hucreler++;
            kesismeler_.push_back({c.yer, c.bu_konum, no});
            for (int h = 0; h < 256; ++h) {
                const char harf = static_cast<char>(h);
                if (kod[static_cast<std::size_t>(h)] < 0 &&
                    maskeler.maske(s, c.bu_konum, harf) != nullptr) {
                    if (harfler.size() == 64)
                        return false;
                    kod[static_cast<std::size_t>(h)] = static_cast<int>(harfler.size());
                    harfler.push_back(harf);
                }
            }
        }
    }
    bas_[static_cast<std::size_t>(n) + 1] = static_cast<int>(kesismeler_.size());
    maske_tablosu_.assign(kesismeler_.size() * 64, nullptr);
    std::vector<int> hucrenin_ilki(static_cast<std::size_t>(hucreler), -1);
    kod_basi_.assign(kesismeler_.size(), 0);
    kod_tablosu_.clear();
    for (int s = 1; s <= n; ++s) {
        for (const Kesisme& e : kesismeler(s)) {
            const int no = kesisme_no(e);
            kod_basi_[static_cast<std::size_t>(no)] = kod_tablosu_.size();
            for (int k = 1; k <= adaylar.Aday_Adet(s); ++k)
                kod_tablosu_.push_back(static_cast<std::uint8_t>(
                    kod[static_cast<unsigned char>(adaylar.aday_harfleri(s, k)[e.bu_konum - 1])]));
            for (std::size_t k = 0; k < harfler.size(); ++k)
                maske_tablosu_[static_cast<std::size_t>(no) * 64 + k] =
                    maskeler.maske(s, e.bu_konum, harfler[k]);
            // A cell has exactly two crossings, one from each of its slots.
            int& ilk = hucrenin_ilki[static_cast<std::size_t>(e.hucre)];
            if (ilk < 0) {
                ilk = no;
            } else {
                kesismeler_[static_cast<std::size_t>(no)].karsi = ilk;
                kesismeler_[static_cast<std::size_t>(ilk)].karsi = no;
            }
        }
    }
    alan_.assign(
        static_cast<std::size_t>(hucreler),
        harfler.size() == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << harfler.size()) - 1);
    son_destek_.assign(kesismeler_.size() * 64, 0);
    iz_.clear();
    return true;
}

void Hucre_Harfleri::taban_sakla() {
    taban_ = alan_;
    iz_.clear();
}

void Hucre_Harfleri::tabana_don() {
    std::copy(taban_.begin(), taban_.end(), alan_.begin());
    iz_.clear();
}

}  // namespace velzora
