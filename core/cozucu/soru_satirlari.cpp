#include "cozucu/soru_satirlari.h"

#include <cstddef>

namespace velzora {
namespace {

std::vector<std::string> satirlar(int Satir_Sayisi, int Sutun_Sayisi, Yon_Turu yon,
                                  const Cozum_Sorulari& cozum) {
    const int hat_sayisi = yon == Yon_Turu::Soldan ? Satir_Sayisi : Sutun_Sayisi;
    std::vector<std::string> sonuc(static_cast<std::size_t>(hat_sayisi > 0 ? hat_sayisi : 0));
    const std::size_t yer_sayisi = cozum.Yerler.empty() ? 0 : cozum.Yerler.size() - 1;

    // How many fill positions 1..Yer_Sayisi hold each slot: after a run each
    // slot appears once, before any run none does.
    std::vector<int> adet(yer_sayisi + 1, 0);
    for (std::size_t k = 1; k <= yer_sayisi && k < cozum.Sira.size(); ++k) {
        const int j = cozum.Sira[k];
        if (j >= 1 && static_cast<std::size_t>(j) <= yer_sayisi)
            ++adet[static_cast<std::size_t>(j)];
    }

    // Slots per line in slot-table order, which is left to right (top to bottom).
    std::vector<std::vector<std::size_t>> hattaki(sonuc.size());
    for (std::size_t j = 1; j <= yer_sayisi; ++j) {
        const Kelime_Yeri& y = cozum.Yerler[j];
        if (y.Yon != yon || y.Satir < 1 || y.Satir > Satir_Sayisi || y.Sutun < 1 ||
            y.Sutun > Sutun_Sayisi)
            continue;
        const int hat = yon == Yon_Turu::Soldan ? y.Satir : y.Sutun;
        hattaki[static_cast<std::size_t>(hat - 1)].insert(
            hattaki[static_cast<std::size_t>(hat - 1)].end(), static_cast<std::size_t>(adet[j]), j);
    }

    const std::string bos;
    int n = 0;
    for (std::size_t h = 0; h < sonuc.size(); ++h) {
        for (std::size_t i = 0; i < hattaki[h].size(); ++i) {
            const std::size_t j = hattaki[h][i];
            const std::string& soru = j < cozum.Cozum_Soru.size() ? cozum.Cozum_Soru[j] : bos;
            if (i == 0)
                sonuc[h].append(" ").append(std::to_string(++n)).append(".");
            else
                sonuc[h] += "...";
            sonuc[h] += soru;
        }
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
