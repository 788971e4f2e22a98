// The puzzle document: the grid as it stands now and the clue lines of the
// fill (the last solve run's or the opened puzzle's, with edited clues).
// Both the export command and velzora-cli write it this way.
#pragma once

#include <filesystem>

#include "belge_olustur.h"
#include "bulmaca/dolgu.h"
#include "izgara/izgara.h"

namespace velzora {

Belge_Hatasi cozum_belgesi_yaz(const std::filesystem::path& yol, const Izgara& izgara,
                               const Dolgu& dolgu);

}  // namespace velzora
