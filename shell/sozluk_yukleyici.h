// Loading the dictionary at Sozluk_Yolu until a file loads. Every failure
// shows "Dosya bulunamadı" and the chooser; a user who has no dictionary at
// hand can leave: cancelling the chooser twice in a row offers to end the
// program.
#pragma once

#include <QString>

#include "etkilesim.h"
#include "sozluk/sozluk.h"

namespace velzora {

enum class Sozluk_Sonucu { Yuklendi, Cikis_Istendi };

Sozluk_Sonucu sozluk_oku(Sozluk& sozluk, QString& Sozluk_Yolu, Etkilesim& etkilesim, QWidget* sahip,
                         const QString& baslangic_klasoru);

// The status bar's note on the lines a load passed over that held text;
// empty when it passed over none.
QString atlanan_satir_notu(const Okuma_Raporu& rapor);

// Asks for a dictionary file and makes it the new Sozluk_Yolu; false (and the
// path unchanged) when the user cancelled.
bool sozluk_sec(QString& Sozluk_Yolu, Etkilesim& etkilesim, QWidget* sahip,
                const QString& baslangic_klasoru);

}  // namespace velzora
