// Every part of the puzzle document's Office Open XML package, with the
// content types and relationships that tie them together.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "izgara/izgara.h"
#include "zip_arsivi.h"

namespace velzora {

// The parts in archive order, "[Content_Types].xml" first; nullopt if an
// XML writer failed. Clue lines are Windows-1254.
std::optional<std::vector<Zip_Parcasi>> belge_paketi(const Izgara& izgara,
                                                     const std::vector<std::string>& soldan,
                                                     const std::vector<std::string>& yukaridan);

}  // namespace velzora
