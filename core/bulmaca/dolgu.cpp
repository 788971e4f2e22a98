#include "bulmaca/dolgu.h"

namespace velzora {

std::optional<Dolgu> cozumden_dolgu(const Bulmaca_Cozucu& cozucu, const Izgara& izgara) {
    switch (cozucu.Durum()) {
        case Cozum_Durumu::Cozuldu:
        case Cozum_Durumu::Cozulemedi:
        case Cozum_Durumu::Durduruldu:
        case Cozum_Durumu::Sinir_Doldu:
            break;
        case Cozum_Durumu::Analiz_Yok:
        case Cozum_Durumu::Bellek_Yetersiz:
            return std::nullopt;
    }
    Dolgu d;
    const int n = cozucu.Yer_Sayisi();
    d.Yerler = cozucu.Yerler();
    // The search keeps a sentinel after the last position.
    d.Sira.assign(
        cozucu.Sira().begin(),
        cozucu.Sira().begin() + std::min<std::ptrdiff_t>(n + 1, std::ssize(cozucu.Sira())));
    d.Cozum_Soru = cozucu.Cozum_Soru_Tablosu();
    d.Cozum_Kelime.resize(static_cast<std::size_t>(n + 1));
    for (int s = 1; s <= n; ++s) {
        // The word as the grid shows it now: the solution, or the deepest
        // fill of an unsolved run; a slot left partly empty has none.
        const Kelime_Yeri& y = d.Yerler[static_cast<std::size_t>(s)];
        std::string kelime;
        for (int k = 1; k <= y.Uzunluk; ++k) {
            const std::string h = izgara.harf_al(y.satir_k(k), y.sutun_k(k));
            if (h.empty()) {
                kelime.clear();
                break;
            }
            kelime += h;
        }
        d.Cozum_Kelime[static_cast<std::size_t>(s)] = kelime;
    }
    for (int r = 1; r <= izgara.Satir_Sayisi(); ++r) {
        for (int c = 1; c <= izgara.Sutun_Sayisi(); ++c) {
            const std::string h = izgara.harf_al(r, c);
            if (!h.empty() && izgara.beyaz_mi(r, c) && cozucu.Harf(r, c).empty())
                d.yerlestirilen.push_back({r, c, h.front()});
        }
    }
    return d;
}

}  // namespace velzora
