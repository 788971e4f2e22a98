// Loading a template file into a grid for the command-line tool, with the
// Turkish error texts it prints.
#pragma once

#include <filesystem>
#include <string>

#include "izgara/izgara.h"
#include "izgara/sablon_dosyasi.h"
#include "sozluk/sozluk.h"

namespace velzora::cli {

std::string sablon_hata_metni(Sablon_Hatasi hata);
// `dosya` adds the reason when the file itself failed.
std::string sozluk_hata_metni(Sozluk_Hatasi hata, const std::filesystem::path& yol,
                              const Dosya_Sonucu& dosya = {});

// Reads the file once, then size and black squares as the layout does; a file
// without a size keeps the grid's current one. Returns an error text, empty
// on success.
std::string sablon_yukle(const std::filesystem::path& yol, Izgara& izgara);

}  // namespace velzora::cli
