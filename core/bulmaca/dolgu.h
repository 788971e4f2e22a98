// The fill of a puzzle: the slot table, fill order, placed words and clues
// that a solve run left or a puzzle file brought, with the designer's edits
// to the clues. The clue panel, the export and the puzzle file read it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analiz/kelime_yeri.h"
#include "cozucu/cozucu.h"
#include "cozucu/soru_satirlari.h"
#include "izgara/izgara.h"

namespace velzora {

struct Hucre_Harfi {
    int satir = 0;
    int sutun = 0;
    char harf = 0;
    bool operator==(const Hucre_Harfi&) const = default;
};

struct Dolgu {
    // All 1-based with index 0 unused; texts in Windows-1254.
    std::vector<Kelime_Yeri> Yerler;
    std::vector<int> Sira;                  // position -> slot
    std::vector<std::string> Cozum_Kelime;  // slot -> the word the run placed
    std::vector<std::string> Cozum_Soru;    // slot -> its clue, as edited
    // The letters the solver placed, row by row: a cell counts as the
    // solver's while it still holds that letter, the designer's otherwise.
    std::vector<Hucre_Harfi> yerlestirilen;
    // The fields of the puzzle file this came from that the program does
    // not use, as a JSON object text; saving writes them back.
    std::string diger_alanlar;

    int Yer_Sayisi() const { return Yerler.empty() ? 0 : static_cast<int>(Yerler.size()) - 1; }
    Cozum_Sorulari sorular() const { return {Yerler, Sira, Cozum_Soru}; }
    bool operator==(const Dolgu&) const = default;
};

// What a run of `cozucu` left in `izgara`; the clues are the dictionary's.
// Only a run whose analysis succeeded leaves a fill (nullopt otherwise).
std::optional<Dolgu> cozumden_dolgu(const Bulmaca_Cozucu& cozucu, const Izgara& izgara);

}  // namespace velzora
