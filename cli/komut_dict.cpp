#include <iostream>
#include <map>

#include "argumanlar.h"
#include "komutlar.h"
#include "ortak/cp1254.h"
#include "sablon_yukle.h"
#include "sozluk/sozluk.h"

namespace velzora::cli {
namespace {

const char* kodlama_adi(Sozluk_Kodlamasi k) {
    switch (k) {
        case Sozluk_Kodlamasi::Windows_1254:
            return "Windows-1254";
        case Sozluk_Kodlamasi::Utf8:
            return "UTF-8";
        case Sozluk_Kodlamasi::Utf8_Bom:
            return "UTF-8 (BOM)";
    }
    return "";
}

}  // namespace

int komut_dict(Argumanlar& a) {
    const auto yol = a.deger("dict");
    if (!a.hata().empty() || !yol) {
        std::cerr << "velzora-cli dict: " << (a.hata().empty() ? "--dict gerekli" : a.hata())
                  << "\n";
        return CIKIS_HATALI_GIRDI;
    }
    Sozluk sozluk;
    Dosya_Sonucu dosya;
    if (const auto h = sozluk.oku(*yol, &dosya); h != Sozluk_Hatasi::Yok) {
        std::cerr << "velzora-cli dict: " << sozluk_hata_metni(h, *yol, dosya) << "\n";
        return CIKIS_HATALI_GIRDI;
    }

    const Okuma_Raporu& r = sozluk.rapor();
    std::cout << "kodlama: " << kodlama_adi(r.kodlama) << "\n";
    std::cout << "kayıt: " << sozluk.Kelime_Sayisi() << "\n";
    std::cout << "atlanan satır: " << r.atlanan() << " (ilk " << AYIRAC_ALANI
              << " karakterinde iki nokta yok: " << r.ayiracsiz_satir
              << "; Windows-1254'te karşılığı olmayan karakter: " << r.donusmeyen_satir << ")\n";
    std::cout << "boş satır: " << r.bos_satir << "\n";
    std::map<std::size_t, int> uzunluklar;
    for (int i = 1; i <= sozluk.Kelime_Sayisi(); ++i)
        ++uzunluklar[sozluk.Kelime(i).size()];
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
