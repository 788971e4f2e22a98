// The puzzle document for the word processor: an Office Open XML (.docx)
// file with the title, the empty grid and the numbered clue lists.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "izgara/izgara.h"

namespace velzora {

enum class Belge_Hatasi {
    Yok,
    Olusturulamadi,  // the document could not be put together in memory
    Yazilamadi       // the file could not be written completely
};

// The file's bytes. Clue lines are Windows-1254 (as soldan_satirlari and
// yukaridan_satirlari give them), written in the order given.
std::optional<std::string> belge_baytlari(const Izgara& izgara,
                                          const std::vector<std::string>& soldan,
                                          const std::vector<std::string>& yukaridan);

// Writes the document to `yol`; the file appears under its name only when
// complete, and on failure an existing file is left as it was.
Belge_Hatasi belge_olustur(const std::filesystem::path& yol, const Izgara& izgara,
                           const std::vector<std::string>& soldan,
                           const std::vector<std::string>& yukaridan);

}  // namespace velzora
