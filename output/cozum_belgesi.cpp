#include "cozum_belgesi.h"

#include "cozucu/soru_satirlari.h"

namespace velzora {

Belge_Hatasi cozum_belgesi_yaz(const std::filesystem::path& yol, const Izgara& izgara,
                               const Dolgu& dolgu) {
    const Cozum_Sorulari cozum = dolgu.sorular();
    const int R = izgara.Satir_Sayisi();
    const int C = izgara.Sutun_Sayisi();
    return belge_olustur(yol, izgara, soldan_satirlari(R, C, cozum),
                         yukaridan_satirlari(R, C, cozum));
}

}  // namespace velzora
