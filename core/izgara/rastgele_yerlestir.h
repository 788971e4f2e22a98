// Random black squares: clears the grid and scatters black squares at a given
// ratio so that no two share a side, rows taking turns and columns drawn at random.
#pragma once

#include "izgara/izgara.h"
#include "ortak/rastgele.h"

namespace velzora {

// How many placements a run aims for: R x C x ratio in single precision,
// rounded with halves to even. At least one square is placed whatever this is.
int hedef_siyah_sayisi(int satir_sayisi, int sutun_sayisi, float Siyah_Orani);

void rast_yerlestir(Izgara& izgara, float Siyah_Orani, Rastgele_Kaynak& kaynak);

}  // namespace velzora
