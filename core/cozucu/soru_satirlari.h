// The numbered clue lines of the exported puzzle: one text per row (across)
// or per column (down), built from the slot table, the fill order and the
// clues of the last solve run. Texts are Windows-1254.
#pragma once

#include <string>
#include <vector>

#include "analiz/kelime_yeri.h"

namespace velzora {

// What a solve run leaves for the export. All three are 1-based with index 0
// unused; `Sira` and `Cozum_Soru` may be shorter than `Yerler` (or all zero and
// empty) when no run has filled them, and an empty `Yerler` means no analysis.
struct Cozum_Sorulari {
    const std::vector<Kelime_Yeri>& Yerler;
    const std::vector<int>& Sira;                // position -> slot number
    const std::vector<std::string>& Cozum_Soru;  // slot number -> clue, untrimmed
};

// One clue of the lines: the row (across) or column (down) it stands on, the
// number its line prints, its place in the line (1 opens it, 2 follows "...")
// and its slot.
struct Soru_Girdisi {
    int hat = 0;
    int numara = 0;
    int sira = 0;
    int yer = 0;
    bool operator==(const Soru_Girdisi&) const = default;
};

// The clues of one direction in the order the lines print them.
std::vector<Soru_Girdisi> soru_girdileri(int Satir_Sayisi, int Sutun_Sayisi, Yon_Turu yon,
                                         const std::vector<Kelime_Yeri>& Yerler,
                                         const std::vector<int>& Sira);

// R lines (index r - 1 for row r). A row that receives clues reads " n." and
// its first clue, then "..." and each further clue, left to right; n counts
// the rows with clues, so a row without across slots stays empty and uses no
// number. Each slot contributes its clue once per position of `Sira` holding it.
std::vector<std::string> soldan_satirlari(int Satir_Sayisi, int Sutun_Sayisi,
                                          const Cozum_Sorulari& cozum);

// The same for the down slots: C lines, numbered by their own count.
std::vector<std::string> yukaridan_satirlari(int Satir_Sayisi, int Sutun_Sayisi,
                                             const Cozum_Sorulari& cozum);

}  // namespace velzora
