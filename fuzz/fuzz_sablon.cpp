// Any bytes as a template file: reading never crashes, and whatever reads
// cleanly lays out and writes back to a file that reads the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "izgara/izgara.h"
#include "izgara/sablon_dosyasi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* veri, std::size_t boyut) {
    using namespace velzora;
    const std::string_view icerik(reinterpret_cast<const char*>(veri), boyut);
    Sablon_Icerigi okunan;
    if (sablon_cozumle(icerik, okunan) != Sablon_Hatasi::Yok || !okunan.ebat)
        return 0;
    Izgara izgara;
    if (!izgara.ebat_ver(okunan.ebat->first, okunan.ebat->second))
        return 0;
    for (const auto& [r, c] : okunan.siyah_kareler) {
        if (r >= 1 && r <= izgara.Satir_Sayisi() && c >= 1 && c <= izgara.Sutun_Sayisi()) {
            izgara.siyah_yap(r, c, Renk_Kodu::Siyah);
        }
    }
    Sablon_Icerigi geri;
    if (sablon_cozumle(sablon_metni(izgara), geri) != Sablon_Hatasi::Yok ||
        geri.ebat != okunan.ebat) {
        std::abort();
    }
    for (const auto& [r, c] : geri.siyah_kareler) {
        if (!izgara.siyah_mi(r, c))
            std::abort();
    }
    return 0;
}
