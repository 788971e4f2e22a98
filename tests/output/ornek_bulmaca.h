// A solved-looking 15 x 15 puzzle made by hand: black squares, letters in
// every white cell, the slot table in scan order, a shuffled fill order and
// Turkish clues, and the clue lines built from them.
#pragma once

#include <string>
#include <vector>

#include "analiz/kelime_yeri.h"
#include "izgara/izgara.h"

namespace velzora::test {

struct Ornek_Bulmaca {
    Ornek_Bulmaca();

    Izgara izgara;
    std::vector<Kelime_Yeri> Yerler;
    std::vector<int> Sira;
    std::vector<std::string> Cozum_Soru;
    std::vector<std::string> soldan;
    std::vector<std::string> yukaridan;
};

}  // namespace velzora::test
