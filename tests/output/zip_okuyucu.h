// Reads every entry of a zip archive held in memory, with libzip.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace velzora::test {

// Entry name -> bytes; nullopt if the archive does not open with its
// consistency checks or an entry cannot be read.
std::optional<std::map<std::string, std::string>> zip_parcalari(const std::string& arsiv);

}  // namespace velzora::test
