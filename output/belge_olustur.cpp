#include "belge_olustur.h"

#include <exception>

#include "belge_paketi.h"
#include "ortak/dosya_islemleri.h"

namespace velzora {

std::optional<std::string> belge_baytlari(const Izgara& izgara,
                                          const std::vector<std::string>& soldan,
                                          const std::vector<std::string>& yukaridan) {
    try {
        const auto parcalar = belge_paketi(izgara, soldan, yukaridan);
        if (!parcalar)
            return std::nullopt;
        return zip_arsivi(*parcalar);
    } catch (const std::exception&) {
        // Out of memory: the export ends without a document.
        return std::nullopt;
    }
}

Belge_Hatasi belge_olustur(const std::filesystem::path& yol, const Izgara& izgara,
                           const std::vector<std::string>& soldan,
                           const std::vector<std::string>& yukaridan) {
    const auto bayt = belge_baytlari(izgara, soldan, yukaridan);
    if (!bayt)
        return Belge_Hatasi::Olusturulamadi;
    try {
        return dosyayi_guvenle_yaz(yol, *bayt) ? Belge_Hatasi::Yok : Belge_Hatasi::Yazilamadi;
    } catch (const std::exception&) {
        return Belge_Hatasi::Yazilamadi;
    }
}

}  // namespace velzora
