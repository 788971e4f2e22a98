#include "gecici_belge.h"

#include <stdlib.h>

#include <string>

namespace velzora {

std::optional<std::filesystem::path> gecici_belge_yolu() {
    std::error_code hata;
    const auto kok = std::filesystem::temp_directory_path(hata);
    if (hata)
        return std::nullopt;
    // mkdtemp creates the folder with mode 0700 and never reuses one.
    std::string sablon = (kok / "velzora-belge-XXXXXX").string();
    if (::mkdtemp(sablon.data()) == nullptr)
        return std::nullopt;
    return std::filesystem::path(sablon) / GECICI_BELGE_ADI;
}

}  // namespace velzora
