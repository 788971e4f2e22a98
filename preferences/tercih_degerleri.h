// The values the preferences dialog shows and, on "Tamam", hands back: the
// dictionary, the default template, the black-square ratio, word repetition
// and the restart search.
#pragma once

#include <QString>

namespace velzora {

struct Tercih_Degerleri {
    QString Sozluk_Yolu;
    QString Sablon_Yolu;
    float Siyah_Orani = 0;
    bool Tekrar_Izni = false;
    bool Akilli_Arama = false;
};

}  // namespace velzora
