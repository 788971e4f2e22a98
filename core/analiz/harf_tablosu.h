// The letter snapshot: the text of every cell when the analysis ran. The
// candidate lists are fitted to it and the solver writes it back into the
// grid before it shows a fill.
#pragma once

#include <string_view>
#include <vector>

#include "izgara/izgara.h"

namespace velzora {

class Harf_Tablosu {
  public:
    void harf_oku(const Izgara& izgara);

    // Empty, or the one letter that stood in the cell. 1 <= r, c.
    std::string_view Harf(int satir, int sutun) const {
        const Hucre& h =
            hucreler_[static_cast<std::size_t>((satir - 1) * sutun_sayisi_ + sutun - 1)];
        return h.dolu ? std::string_view(&h.harf, 1) : std::string_view();
    }

  private:
    struct Hucre {
        bool dolu = false;
        char harf = 0;
    };
    int sutun_sayisi_ = 0;
    std::vector<Hucre> hucreler_;
};

}  // namespace velzora
