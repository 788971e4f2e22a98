// The main part of the puzzle document (word/document.xml): the title, the
// empty grid as a table with its header numbers and black squares, and the
// across and down clue lists in two text columns.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "izgara/izgara.h"

namespace velzora {

inline constexpr const char* W_AD_ALANI =
    "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

// Clue lines are Windows-1254, one per row (across) and per column (down),
// each written followed by a manual line break. nullopt if the writer failed.
std::optional<std::string> belge_govdesi(const Izgara& izgara,
                                         const std::vector<std::string>& soldan,
                                         const std::vector<std::string>& yukaridan);

}  // namespace velzora
