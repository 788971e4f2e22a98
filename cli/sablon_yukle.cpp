#include "sablon_yukle.h"

namespace velzora::cli {

std::string sablon_hata_metni(Sablon_Hatasi hata) {
    switch (hata) {
        case Sablon_Hatasi::Yok:
            return {};
        case Sablon_Hatasi::Acilamadi:
            return "şablon dosyası açılamadı";
        case Sablon_Hatasi::Sayi_Degil:
            return "şablon dosyasında sayı olmayan bir alan var";
        case Sablon_Hatasi::Sayi_Tasmasi:
            return "şablon dosyasında çok büyük bir sayı var";
        case Sablon_Hatasi::Yazilamadi:
            return "şablon dosyası yazılamadı";
    }
    return {};
}

std::string sozluk_hata_metni(Sozluk_Hatasi hata, const std::filesystem::path& yol,
                              const Dosya_Sonucu& dosya) {
    // The program's own message for every load failure, then the reason.
    std::string neden;
    switch (hata) {
        case Sozluk_Hatasi::Yok:
            return {};
        case Sozluk_Hatasi::Acilamadi:
            neden = dosya ? "açılamadı" : "açılamadı: " + dosya.neden();
            break;
        case Sozluk_Hatasi::Bos_Dosya:
            neden = "boş dosya";
            break;
        case Sozluk_Hatasi::Cok_Fazla_Kayit:
            neden = std::to_string(EN_COK_KAYIT) + " kayıttan fazla";
            break;
    }
    return "Dosya bulunamadı: " + yol.string() + " (" + neden + ")";
}

std::string sablon_yukle(const std::filesystem::path& yol, Izgara& izgara) {
    Sablon_Icerigi sablon;
    Dosya_Sonucu dosya;
    if (const auto h = sablon_oku(yol, sablon, &dosya); h != Sablon_Hatasi::Yok) {
        const std::string neden = dosya ? std::string() : " (" + dosya.neden() + ")";
        return sablon_hata_metni(h) + ": " + yol.string() + neden;
    }
    int satir = izgara.Satir_Sayisi();
    int sutun = izgara.Sutun_Sayisi();
    satsutoku(sablon, satir, sutun);
    if (!izgara.ebat_ver(satir, sutun)) {
        return "şablonun ebadı " + std::to_string(satir) + " x " + std::to_string(sutun) +
               " 2..50 aralığında değil: " + yol.string();
    }
    syhkroku(sablon, izgara);
    return {};
}

}  // namespace velzora::cli
