// The text grid of velzora-cli: one UTF-8 line per row, "#" a black square,
// "." an empty white cell, any other character a fixed letter. Read by
// --grid and written by solve.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "argumanlar.h"
#include "izgara/izgara.h"

namespace velzora::cli {

// Returns an error text, empty on success; on failure the grid is unchanged.
std::string izgara_metni_cozumle(std::string_view metin, Izgara& izgara);
std::string izgara_metni_oku(const std::filesystem::path& yol, Izgara& izgara);

// The grid's rows in the same format.
std::vector<std::string> izgara_satirlari(const Izgara& izgara);

// Loads --template FILE or --grid FILE (exactly one of them); error text or empty.
std::string bulmaca_yukle(const Argumanlar& a, Izgara& izgara);

}  // namespace velzora::cli
