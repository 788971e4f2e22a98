// The program-wide values that the commands, the settings store and the solve
// run share. The main window owns the one instance; nothing else keeps a copy.
#pragma once

#include <QString>

#include "cozucu/cozucu.h"
#include "izgara/izgara.h"
#include "sozluk/sozluk.h"

namespace velzora {

struct Program_Durumu {
    QString Sozluk_Yolu;
    // The template the next layout reads; empty for a blank grid.
    QString Sablon_Yolu;
    float Siyah_Orani = 0;
    bool Tekrar_Izni = false;
    // Solve runs use the smart search instead of the exact one.
    bool Akilli_Arama = false;
    // True when no solve run is in progress, and also when a stop was asked
    // for during one (its next stop check then asks the question). Whether
    // a run is in progress is Cozum_Calistirma's state (suruyor()), never
    // read from this flag.
    bool Hazir = false;
    // The preferences changed the dictionary path: the next analysis reloads it.
    bool Sozluk_Degisti = false;
    // The size a template or the size dialog asked for. The grid takes it only
    // when it lies inside 2..50, so it may differ from the grid's own size.
    int Satir_Sayisi = 0;
    int Sutun_Sayisi = 0;
    velzora::Sozluk Sozluk;
    velzora::Izgara Izgara;
    // The solver with the tables of the last run, which the output commands read.
    Bulmaca_Cozucu Cozucu;
};

}  // namespace velzora
