// A solved-looking puzzle made by hand: black squares (15 x 15 drawn by
// hand, other sizes by a rule), letters in every white cell, the slot table
// in scan order, a shuffled fill order and Turkish clues, and the clue lines
// built from them.
#pragma once

#include <string>
#include <vector>

#include "bulmaca_icerigi.h"
#include "izgara/izgara.h"

namespace velzora::test {

struct Ornek_Bulmaca {
    explicit Ornek_Bulmaca(int ebat = 15);

    Bulmaca_Icerigi icerik(bool cozum_sayfasi = false) const {
        return {izgara, soldan, yukaridan, cozum_sayfasi};
    }

    Izgara izgara;
    std::vector<std::string> soldan;
    std::vector<std::string> yukaridan;
};

}  // namespace velzora::test
