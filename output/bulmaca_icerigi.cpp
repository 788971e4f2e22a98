#include "bulmaca_icerigi.h"

#include "ortak/cp1254.h"

namespace velzora {
namespace {

constexpr char KIRILABILIR_YER[] = "\u200B";

}  // namespace

Bulmaca_Icerigi bulmaca_icerigi(const Izgara& izgara, const Cozum_Sorulari& cozum,
                                bool cozum_sayfasi) {
    const int R = izgara.Satir_Sayisi();
    const int C = izgara.Sutun_Sayisi();
    return {izgara, soldan_satirlari(R, C, cozum), yukaridan_satirlari(R, C, cozum), cozum_sayfasi};
}

std::string soru_metni(const std::string& satir) {
    std::string temiz;
    temiz.reserve(satir.size());
    for (const char k : satir) {
        const auto b = static_cast<unsigned char>(k);
        if (b == '\t' || b >= 0x20)
            temiz += k;
    }
    // Clues joined by "..." make one long word that would otherwise break
    // anywhere, or leave the number alone on its line.
    std::string metin;
    std::size_t bas = 0;
    for (std::size_t nokta = temiz.find("...", bas); nokta != std::string::npos;
         nokta = temiz.find("...", bas)) {
        metin += cp1254_utf8(temiz.substr(bas, nokta + 3 - bas)) + KIRILABILIR_YER;
        bas = nokta + 3;
    }
    return metin + cp1254_utf8(temiz.substr(bas));
}

}  // namespace velzora
