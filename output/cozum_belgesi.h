// The puzzle document of the last solve run: the grid as it stands now and
// the clue lines built from the solver's slot table, fill order and clues.
// Both the export command and velzora-cli write it this way.
#pragma once

#include <filesystem>

#include "belge_olustur.h"
#include "cozucu/cozucu.h"
#include "izgara/izgara.h"

namespace velzora {

Belge_Hatasi cozum_belgesi_yaz(const std::filesystem::path& yol, const Izgara& izgara,
                               const Bulmaca_Cozucu& cozucu);

}  // namespace velzora
