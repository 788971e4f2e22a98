#include "belge_ciktisi.h"

#include <iostream>

#include "belge_olustur.h"
#include "cozucu/soru_satirlari.h"
#include "pdf_belgesi.h"

namespace velzora::cli {
namespace {

constexpr const char* BELGE_YAZILAMADI = "belge yazılamadı";
constexpr const char* BELGE_OLUSTURULAMADI = "belge oluşturulamadı";

bool bildir(Belge_Hatasi hata, const std::string& yol) {
    if (hata == Belge_Hatasi::Yok)
        return true;
    std::cerr << "velzora-cli solve: "
              << (hata == Belge_Hatasi::Yazilamadi ? BELGE_YAZILAMADI : BELGE_OLUSTURULAMADI)
              << ": " << yol << "\n";
    return false;
}

}  // namespace

std::string belge_secenekleri_hatasi(const Argumanlar& a) {
    if (a.var_mi("solution") && !a.var_mi("docx") && !a.var_mi("pdf"))
        return "--solution yalnızca --docx ya da --pdf ile kullanılır";
    return {};
}

bool belgeleri_yaz(const Argumanlar& a, const Izgara& izgara, const Dolgu& dolgu) {
    const Bulmaca_Icerigi icerik = bulmaca_icerigi(izgara, dolgu.sorular(), a.var_mi("solution"));
    bool tamam = true;
    if (const auto yol = a.deger("docx"))
        tamam = bildir(belge_olustur(*yol, icerik), *yol) && tamam;
    if (const auto yol = a.deger("pdf")) {
        const Yazi_Ortami ortam;
        tamam = bildir(pdf_olustur(*yol, icerik), *yol) && tamam;
    }
    return tamam;
}

}  // namespace velzora::cli
