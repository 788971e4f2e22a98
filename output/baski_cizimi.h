// The printed puzzle drawn page by page with QPainter, laid out as the
// document is: the one drawing routine of the PDF, the printer and the print
// preview.
#pragma once

#include "bulmaca_icerigi.h"

class QPagedPaintDevice;

namespace velzora {

enum class Baski_Sonucu {
    Tamam,
    Basarisiz  // the device refused to start or to take a new page
};

// Draws every page on the device and ends the painting. The device keeps its
// paper size; orientation and margins are set per page where it allows,
// and a landscape page is drawn turned on a device that does not.
Baski_Sonucu baski_ciz(QPagedPaintDevice& aygit, const Bulmaca_Icerigi& icerik);

}  // namespace velzora
