// Whole-file reading, and writing that replaces a file only once the new
// content is complete on disk.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velzora {

// nullopt when the file cannot be opened or read (a folder, no permission...).
std::optional<std::string> dosya_oku(const std::filesystem::path& yol);

// Writes to a new file in the destination's folder, flushes it to disk, then
// renames it over the destination. An existing file keeps its permissions, and
// a symbolic link keeps pointing where it did. On any failure the destination
// is untouched and false is returned.
bool dosyayi_guvenle_yaz(const std::filesystem::path& yol, std::string_view icerik);

}  // namespace velzora
