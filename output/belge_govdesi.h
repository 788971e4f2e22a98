// The main part of the puzzle document (word/document.xml): the title, the
// empty grid as a table with its header numbers and black squares, the
// across and down clue lists in two text columns, and the solution page.
#pragma once

#include <optional>
#include <string>

#include "bulmaca_icerigi.h"

namespace velzora {

inline constexpr const char* W_AD_ALANI =
    "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

// nullopt if the writer failed.
std::optional<std::string> belge_govdesi(const Bulmaca_Icerigi& icerik);

}  // namespace velzora
