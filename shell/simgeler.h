// The program's pictures, drawn with QPainter at whatever size and pixel
// ratio is asked for, so they stay sharp on every screen. The toolbar's
// picture list is numbered from 1; pictures 4 and 5 are the solve button's
// "start" and "stop" looks.
#pragma once

#include <QIcon>

namespace velzora {

enum class Resim {
    Yeni = 1,
    Ac = 2,
    Sakla = 3,
    Basla = 4,
    Durdur = 5,
    Rastgele = 6,
    Kopyala = 7,
    Duzenle = 8,
    Secenekler = 9,
    Yardim = 10,
};
inline constexpr int RESIM_SAYISI = 10;

QIcon resim(Resim r);
// The program's own icon: a small puzzle grid.
QIcon program_simgesi();

}  // namespace velzora
