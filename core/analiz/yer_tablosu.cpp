#include "analiz/yer_tablosu.h"

namespace velzora {

void Yer_Tablosu::yerleri_bul(const Izgara& izgara) {
    satir_sayisi_ = izgara.Satir_Sayisi();
    sutun_sayisi_ = izgara.Sutun_Sayisi();
    Yerler_.assign(1, Kelime_Yeri{});
    hucreler_.assign(static_cast<std::size_t>(satir_sayisi_ * sutun_sayisi_), Hucre_Yerleri{});
    yer_tara(izgara, satir_sayisi_, sutun_sayisi_, Yon_Turu::Soldan);
    yer_tara(izgara, sutun_sayisi_, satir_sayisi_, Yon_Turu::Yukaridan);
    kesisim_bul();
}

void Yer_Tablosu::yer_tara(const Izgara& izgara, int hat_sayisi, int hucre_sayisi, Yon_Turu yon) {
    const bool soldan = yon == Yon_Turu::Soldan;
    auto beyaz = [&](int hat, int j) {
        return soldan ? izgara.beyaz_mi(hat, j) : izgara.beyaz_mi(j, hat);
    };
    for (int i = 1; i <= hat_sayisi; ++i) {
        bool yerde = false;
        for (int j = 1; j <= hucre_sayisi; ++j) {
            if (!beyaz(i, j)) {
                yerde = false;
            } else if (yerde) {
                ++Yerler_.back().Uzunluk;
            } else if (j < hucre_sayisi && beyaz(i, j + 1)) {
                Kelime_Yeri y;
                y.Yon = yon;
                y.Satir = soldan ? i : j;
                y.Sutun = soldan ? j : i;
                y.Uzunluk = 1;
                Yerler_.push_back(y);
                yerde = true;
            }
            if (yerde) {
                Hucre_Yerleri& h = soldan ? hucre_yaz(i, j) : hucre_yaz(j, i);
                (soldan ? h.soldan : h.yukaridan) = Yer_Sayisi();
            }
        }
    }
}

void Yer_Tablosu::kesisim_bul() {
    // Every crossing cell is covered by one across and one down slot, so the
    // cell map gives each slot its crossings in the order of its letters.
    const int n = Yer_Sayisi();
    capraz_listesi_.clear();
    capraz_basi_.assign(static_cast<std::size_t>(n) + 2, 0);
    for (int s = 1; s <= n; ++s) {
        capraz_basi_[static_cast<std::size_t>(s)] = static_cast<int>(capraz_listesi_.size());
        const Kelime_Yeri& y = Yer(s);
        for (int k = 1; k <= y.Uzunluk; ++k) {
            const auto& h = hucre(y.satir_k(k), y.sutun_k(k));
            const int t = y.Yon == Yon_Turu::Soldan ? h.yukaridan : h.soldan;
            if (t == 0)
                continue;
            const Kelime_Yeri& o = Yer(t);
            const int oteki =
                o.Yon == Yon_Turu::Soldan ? y.Sutun - o.Sutun + 1 : y.Satir - o.Satir + 1;
            capraz_listesi_.push_back({t, k, oteki});
        }
    }
    capraz_basi_[static_cast<std::size_t>(n) + 1] = static_cast<int>(capraz_listesi_.size());
}

Kesisim_Noktasi Yer_Tablosu::Kesisim(int a, int b) const {
    if (a <= 0 || b <= 0 || a > Yer_Sayisi() || b > Yer_Sayisi())
        return {};
    for (const Capraz& c : caprazlar(a)) {
        if (c.yer == b)
            return {c.bu_konum, c.oteki_konum};
    }
    return {};
}

std::span<const Capraz> Yer_Tablosu::caprazlar(int s) const {
    const auto bas = static_cast<std::size_t>(capraz_basi_[static_cast<std::size_t>(s)]);
    const auto son = static_cast<std::size_t>(capraz_basi_[static_cast<std::size_t>(s) + 1]);
    return std::span<const Capraz>(capraz_listesi_).subspan(bas, son - bas);
}

}  // namespace velzora
