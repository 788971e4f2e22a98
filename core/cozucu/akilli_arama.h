// The smart search: the analysed grid as a constraint model for Gecode (one
// letter variable per cell of a slot, every slot a table of its candidates,
// no two slots one word unless repetition is allowed), searched with restarts
// by one engine per thread, each with a seed of its own. The first engine to
// fill the grid or to prove that no fill exists ends the run.
#pragma once

#include <cstddef>
#include <cstdint>

#include "cozucu/arama_denetcisi.h"
#include "cozucu/cozum_turleri.h"

namespace velzora {

struct Analiz_Tablolari;

struct Akilli_Ayar {
    int motor_sayisi = 1;     // engines, one thread each
    std::uint64_t tohum = 1;  // engine i breaks its ties with draws seeded from tohum + i
};

class Akilli_Arama {
  public:
    // Runs the search on the analysed tables, under the clock, hook and
    // redraw of denetci(), which the caller has started; the repetition
    // setting is the one it read then. Engine 0 runs on the calling thread
    // and calls the hook there. `bellek` is what the run may still allocate.
    Arama_Sonucu coz(const Analiz_Tablolari& t, const Akilli_Ayar& ayar, std::size_t bellek);

    Arama_Denetcisi& denetci() { return d_; }
    const Arama_Denetcisi& denetci() const { return d_; }
    const Cozum_Kaydi& kayit() const { return k_; }
    Arama_Istatistigi istatistik() const { return istatistik_; }

  private:
    Arama_Denetcisi d_;
    Cozum_Kaydi k_;
    Arama_Istatistigi istatistik_;
};

}  // namespace velzora
