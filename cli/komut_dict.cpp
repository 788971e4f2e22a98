#include <iostream>
#include <map>

#include "argumanlar.h"
#include "komutlar.h"
#include "ortak/cp1254.h"
#include "sablon_yukle.h"
#include "sozluk/sozluk.h"

namespace velzora::cli {

int komut_dict(Argumanlar& a) {
    const auto yol = a.deger("dict");
    if (!a.hata().empty() || !yol) {
        std::cerr << "velzora-cli dict: " << (a.hata().empty() ? "--dict gerekli" : a.hata())
                  << "\n";
        return CIKIS_HATALI_GIRDI;
    }
    Sozluk sozluk;
    if (const auto h = sozluk.oku(*yol); h != Sozluk_Hatasi::Yok) {
        std::cerr << "velzora-cli dict: " << sozluk_hata_metni(h, *yol) << "\n";
        return CIKIS_HATALI_GIRDI;
    }

    std::map<std::size_t, int> uzunluklar;
    for (int i = 1; i <= sozluk.Kelime_Sayisi(); ++i)
        ++uzunluklar[sozluk.Kelime(i).size()];
    std::cout << "kayıt: " << sozluk.Kelime_Sayisi() << "\n";
    for (const auto& [uzunluk, adet] : uzunluklar) {
        std::cout << "uzunluk " << uzunluk << ": " << adet << "\n";
    }
    if (a.var_mi("show")) {
        for (int i = 1; i <= sozluk.Kelime_Sayisi(); ++i) {
            std::cout << cp1254_utf8(sozluk.Kelime(i)) << '\t' << cp1254_utf8(sozluk.Soru(i))
                      << '\n';
        }
    }
    return CIKIS_TAMAM;
}

}  // namespace velzora::cli
