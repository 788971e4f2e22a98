#include "ipucu_satirlari.h"

namespace velzora::cli {
namespace {

std::vector<std::string> satirlar(const Bulmaca_Cozucu& cozucu, int hat_sayisi, Yon_Turu yon) {
    std::vector<std::string> satir(static_cast<std::size_t>(hat_sayisi));
    const int n = cozucu.Yer_Sayisi();
    const auto& Sira = cozucu.Sira();
    int numara = 0;
    for (int h = 1; h <= hat_sayisi; ++h) {
        int m = 0;
        for (int j = 1; j <= n; ++j) {
            const Kelime_Yeri& y = cozucu.Yerler()[static_cast<std::size_t>(j)];
            if (y.Yon != yon || (yon == Yon_Turu::Soldan ? y.Satir : y.Sutun) != h)
                continue;
            for (int k = 1; k <= n; ++k) {
                if (Sira[static_cast<std::size_t>(k)] != j)
                    continue;
                std::string& hedef = satir[static_cast<std::size_t>(h - 1)];
                if (++m == 1)
                    hedef += " " + std::to_string(++numara) + ".";
                else
                    hedef += "...";
                hedef += cozucu.Cozum_Soru(j);
            }
        }
    }
    return satir;
}

}  // namespace

std::vector<std::string> soldan_satirlari(const Bulmaca_Cozucu& cozucu, int satir_sayisi) {
    return satirlar(cozucu, satir_sayisi, Yon_Turu::Soldan);
}

std::vector<std::string> yukaridan_satirlari(const Bulmaca_Cozucu& cozucu, int sutun_sayisi) {
    return satirlar(cozucu, sutun_sayisi, Yon_Turu::Yukaridan);
}

}  // namespace velzora::cli
