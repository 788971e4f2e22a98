// A zip archive built in memory with libzip.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velzora {

struct Zip_Parcasi {
    std::string ad;  // path inside the archive, '/'-separated
    std::string icerik;
};

// The archive's bytes, parts in the given order and compressed; nullopt if
// libzip fails.
std::optional<std::string> zip_arsivi(const std::vector<Zip_Parcasi>& parcalar);

}  // namespace velzora
