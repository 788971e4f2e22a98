#include "zip_okuyucu.h"

#include <zip.h>

namespace velzora::test {

std::optional<std::map<std::string, std::string>> zip_parcalari(const std::string& arsiv) {
    zip_error_t hata;
    zip_error_init(&hata);
    zip_source_t* kaynak = zip_source_buffer_create(arsiv.data(), arsiv.size(), 0, &hata);
    zip_t* z = kaynak ? zip_open_from_source(kaynak, ZIP_RDONLY | ZIP_CHECKCONS, &hata) : nullptr;
    zip_error_fini(&hata);
    if (!z) {
        zip_source_free(kaynak);
        return std::nullopt;
    }
    std::map<std::string, std::string> parcalar;
    bool tamam = true;
    const zip_int64_t adet = zip_get_num_entries(z, 0);
    for (zip_int64_t i = 0; i < adet && tamam; ++i) {
        zip_stat_t durum;
        zip_file_t* dosya = nullptr;
        tamam = zip_stat_index(z, static_cast<zip_uint64_t>(i), 0, &durum) == 0 &&
                (dosya = zip_fopen_index(z, static_cast<zip_uint64_t>(i), 0)) != nullptr;
        if (!tamam)
            break;
        std::string icerik(durum.size, '\0');
        tamam = zip_fread(dosya, icerik.data(), durum.size) == static_cast<zip_int64_t>(durum.size);
        zip_fclose(dosya);
        tamam = tamam && parcalar.emplace(durum.name, std::move(icerik)).second;
    }
    zip_discard(z);
    if (!tamam)
        return std::nullopt;
    return parcalar;
}

}  // namespace velzora::test
