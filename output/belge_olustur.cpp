#include "belge_olustur.h"

#include <exception>

#include "ortak/dosya_islemleri.h"

namespace velzora {

std::optional<std::string> belge_baytlari(const Bulmaca_Icerigi& icerik, Belge_Turu tur) {
    try {
        const auto parcalar = belge_paketi(icerik, tur);
        if (!parcalar)
            return std::nullopt;
        return zip_arsivi(*parcalar);
    } catch (const std::exception&) {
        // Out of memory: there is no document to write.
        return std::nullopt;
    }
}

Belge_Hatasi baytlari_yaz(const std::filesystem::path& yol,
                          const std::optional<std::string>& bayt) {
    if (!bayt)
        return Belge_Hatasi::Olusturulamadi;
    try {
        return dosyayi_guvenle_yaz(yol, *bayt) ? Belge_Hatasi::Yok : Belge_Hatasi::Yazilamadi;
    } catch (const std::exception&) {
        return Belge_Hatasi::Yazilamadi;
    }
}

Belge_Hatasi belge_olustur(const std::filesystem::path& yol, const Bulmaca_Icerigi& icerik,
                           Belge_Turu tur) {
    return baytlari_yaz(yol, belge_baytlari(icerik, tur));
}

}  // namespace velzora
