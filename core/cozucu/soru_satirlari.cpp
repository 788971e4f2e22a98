#include "cozucu/soru_satirlari.h"

#include <cstddef>

namespace velzora {

std::vector<Soru_Girdisi> soru_girdileri(int Satir_Sayisi, int Sutun_Sayisi, Yon_Turu yon,
                                         const std::vector<Kelime_Yeri>& Yerler,
                                         const std::vector<int>& Sira) {
    const int hat_sayisi = yon == Yon_Turu::Soldan ? Satir_Sayisi : Sutun_Sayisi;
    const std::size_t yer_sayisi = Yerler.empty() ? 0 : Yerler.size() - 1;

    // How many fill positions 1..Yer_Sayisi hold each slot: after a run each
    // slot appears once, before any run none does.
    std::vector<int> adet(yer_sayisi + 1, 0);
    for (std::size_t k = 1; k <= yer_sayisi && k < Sira.size(); ++k) {
        const int j = Sira[k];
        if (j >= 1 && static_cast<std::size_t>(j) <= yer_sayisi)
            ++adet[static_cast<std::size_t>(j)];
    }

    // Slots per line in slot-table order, which is left to right (top to bottom).
    std::vector<std::vector<int>> hattaki(
        static_cast<std::size_t>(hat_sayisi > 0 ? hat_sayisi : 0));
    for (std::size_t j = 1; j <= yer_sayisi; ++j) {
        const Kelime_Yeri& y = Yerler[j];
        if (y.Yon != yon || y.Satir < 1 || y.Satir > Satir_Sayisi || y.Sutun < 1 ||
            y.Sutun > Sutun_Sayisi)
            continue;
        auto& hat =
            hattaki[static_cast<std::size_t>((yon == Yon_Turu::Soldan ? y.Satir : y.Sutun) - 1)];
        hat.insert(hat.end(), static_cast<std::size_t>(adet[j]), static_cast<int>(j));
    }

    std::vector<Soru_Girdisi> girdiler;
    int n = 0;
    for (std::size_t h = 0; h < hattaki.size(); ++h) {
        if (!hattaki[h].empty())
            ++n;
        for (std::size_t i = 0; i < hattaki[h].size(); ++i) {
            girdiler.push_back(
                {static_cast<int>(h) + 1, n, static_cast<int>(i) + 1, hattaki[h][i]});
        }
    }
    return girdiler;
}

namespace {

std::vector<std::string> satirlar(int Satir_Sayisi, int Sutun_Sayisi, Yon_Turu yon,
                                  const Cozum_Sorulari& cozum) {
    const int hat_sayisi = yon == Yon_Turu::Soldan ? Satir_Sayisi : Sutun_Sayisi;
    std::vector<std::string> sonuc(static_cast<std::size_t>(hat_sayisi > 0 ? hat_sayisi : 0));
    const std::string bos;
    for (const Soru_Girdisi& g :
         soru_girdileri(Satir_Sayisi, Sutun_Sayisi, yon, cozum.Yerler, cozum.Sira)) {
        const auto j = static_cast<std::size_t>(g.yer);
        std::string& satir = sonuc[static_cast<std::size_t>(g.hat - 1)];
        // Appended piece by piece: GCC 12 at -O3 reports a false -Wrestrict
        // on a chain of std::string operator+.
        if (g.sira == 1)
            satir.append(" ").append(std::to_string(g.numara)).append(".");
        else
            satir += "...";
        satir += j < cozum.Cozum_Soru.size() ? cozum.Cozum_Soru[j] : bos;
    }
    return sonuc;
}

}  // namespace

std::vector<std::string> soldan_satirlari(int Satir_Sayisi, int Sutun_Sayisi,
                                          const Cozum_Sorulari& cozum) {
    return satirlar(Satir_Sayisi, Sutun_Sayisi, Yon_Turu::Soldan, cozum);
}

std::vector<std::string> yukaridan_satirlari(int Satir_Sayisi, int Sutun_Sayisi,
                                             const Cozum_Sorulari& cozum) {
    return satirlar(Satir_Sayisi, Sutun_Sayisi, Yon_Turu::Yukaridan, cozum);
}

}  // namespace velzora
