// The numbered clue lines of a run, one per row (across) or column (down):
// " 1.clue" and, for a second word in the same line, "...clue".
#pragma once

#include <string>
#include <vector>

#include "cozucu.h"

namespace velzora::cli {

// Windows-1254 texts, index 0 for row (column) 1; lines of rows without a
// word stay empty and use no number.
std::vector<std::string> soldan_satirlari(const Bulmaca_Cozucu& cozucu, int satir_sayisi);
std::vector<std::string> yukaridan_satirlari(const Bulmaca_Cozucu& cozucu, int sutun_sayisi);

}  // namespace velzora::cli
