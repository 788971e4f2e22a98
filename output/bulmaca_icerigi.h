// What every printed form of a puzzle shows, as plain data the caller
// supplies: the grid (its black squares, and its letters for the solution
// page) and the across and down clue lines.
#pragma once

#include <string>
#include <vector>

#include "cozucu/soru_satirlari.h"
#include "izgara/izgara.h"

namespace velzora {

struct Bulmaca_Icerigi {
    const Izgara& izgara;
    // Windows-1254, one line per row (across) and per column (down), in the
    // form of soldan_satirlari and yukaridan_satirlari; written in this order.
    std::vector<std::string> soldan;
    std::vector<std::string> yukaridan;
    // A last page with the filled grid.
    bool cozum_sayfasi = false;
};

// The clue lines of a solve run's slot table, fill order and clues.
Bulmaca_Icerigi bulmaca_icerigi(const Izgara& izgara, const Cozum_Sorulari& cozum,
                                bool cozum_sayfasi);

// A clue line as UTF-8 for the page: tabs are kept, other control
// characters have no place in a document and are left out. The line may
// break after each "..." (a zero-width space).
std::string soru_metni(const std::string& satir);

}  // namespace velzora
