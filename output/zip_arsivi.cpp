#include "zip_arsivi.h"

#include <zip.h>

#include <memory>

namespace velzora {
namespace {

struct Kaynak_Birak {
    void operator()(zip_source_t* k) const { zip_source_free(k); }
};
using Kaynak = std::unique_ptr<zip_source_t, Kaynak_Birak>;

struct Arsiv_Birak {
    void operator()(zip_t* a) const { zip_discard(a); }
};
using Arsiv = std::unique_ptr<zip_t, Arsiv_Birak>;

std::optional<std::string> hepsini_oku(zip_source_t* kaynak) {
    zip_stat_t durum;
    zip_stat_init(&durum);
    if (zip_source_stat(kaynak, &durum) < 0 || !(durum.valid & ZIP_STAT_SIZE))
        return std::nullopt;
    if (zip_source_open(kaynak) < 0)
        return std::nullopt;
    std::string bayt(durum.size, '\0');
    const zip_int64_t okunan = zip_source_read(kaynak, bayt.data(), durum.size);
    zip_source_close(kaynak);
    if (okunan < 0 || static_cast<zip_uint64_t>(okunan) != durum.size)
        return std::nullopt;
    return bayt;
}

}  // namespace

std::optional<std::string> zip_arsivi(const std::vector<Zip_Parcasi>& parcalar) {
    zip_error_t hata;
    zip_error_init(&hata);
    Kaynak bellek(zip_source_buffer_create(nullptr, 0, 0, &hata));
    zip_error_fini(&hata);
    if (!bellek)
        return std::nullopt;

    zip_error_init(&hata);
    Arsiv arsiv(zip_open_from_source(bellek.get(), ZIP_TRUNCATE, &hata));
    zip_error_fini(&hata);
    if (!arsiv)
        return std::nullopt;
    // The archive now owns one reference; keep ours to read the result back.
    zip_source_keep(bellek.get());

    for (const Zip_Parcasi& p : parcalar) {
        zip_source_t* veri = zip_source_buffer(arsiv.get(), p.icerik.data(), p.icerik.size(), 0);
        if (!veri)
            return std::nullopt;
        if (zip_file_add(arsiv.get(), p.ad.c_str(), veri, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(veri);
            return std::nullopt;
        }
    }
    if (zip_close(arsiv.get()) < 0)
        return std::nullopt;
    arsiv.release();  // zip_close freed it
    return hepsini_oku(bellek.get());
}

}  // namespace velzora
