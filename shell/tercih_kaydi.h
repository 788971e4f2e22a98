// Between the preferences dialog and the program: the values it shows, and
// applying and storing what its "Tamam" hands back.
#pragma once

#include "ayar_deposu.h"
#include "program_durumu.h"
#include "tercih_degerleri.h"

namespace velzora {

Tercih_Degerleri tercih_degerleri(const Program_Durumu& durum);

// Applies the values and writes them to the store at once. Sozluk_Degisti is
// set when the dictionary path differs from the stored one, so that every
// analysis reloads it until a "Tamam" leaves the two equal.
void tercihleri_sakla(const Tercih_Degerleri& degerler, Program_Durumu& durum,
                      Ayar_Deposu& ayarlar);

}  // namespace velzora
