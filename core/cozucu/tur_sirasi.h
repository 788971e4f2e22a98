// The order in which one round of the restart search tries each slot's
// candidates: a permutation over the analysis's list order and its inverse.
// The search keeps its masks and level sets in the analysis's order, so a new
// round only reshuffles these permutations.
#pragma once

#include <cstddef>
#include <vector>

#include "analiz/aday_listeleri.h"
#include "ortak/rastgele.h"

namespace velzora {

class Tur_Sirasi {
  public:
    // The analysis's own order, that of the first round.
    void hazirla(const Aday_Listeleri& adaylar);

    // Shuffles every slot's current order with the candidate lists' shuffle.
    void karistir(Rastgele_Kaynak& kaynak);

    // Slot s: aday(s)[i] is the candidate (0-based, analysis order) tried
    // i-th in this round, and konum(s)[j] the turn of candidate j.
    const int* aday(int s) const { return aday_.data() + bas(s); }
    const int* konum(int s) const { return konum_.data() + bas(s); }

  private:
    std::size_t bas(int s) const {
        return static_cast<std::size_t>(bas_[static_cast<std::size_t>(s)]);
    }

    std::vector<int> bas_{0, 0};  // slot s owns bas_[s] .. bas_[s + 1] - 1
    std::vector<int> aday_;
    std::vector<int> konum_;
};

}  // namespace velzora
