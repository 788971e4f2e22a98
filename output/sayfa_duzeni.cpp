#include "sayfa_duzeni.h"

#include <algorithm>
#include <cmath>

namespace velzora {
namespace {

// The title line and the space after it, and the paragraph after the table.
constexpr double BASLIK_PAYI = 2 * BASLIK_PUNTOSU + BASLIK_SONRASI;

double hucre_siniri(double genislik, double yukseklik, double kenar, int R, int C) {
    return std::min({HUCRE_KENARI, (genislik - 2 * kenar) / (C + 1),
                     (yukseklik - 2 * kenar - BASLIK_PAYI) / (R + 1)});
}

// Sizes in whole half points, as a document stores them.
double yarim_puntoya(double punto) {
    return std::floor(2 * punto) / 2;
}

}  // namespace

Izgara_Sayfasi izgara_sayfasi(int R, int C) {
    Izgara_Sayfasi s;
    if (hucre_siniri(A4_KISA, A4_UZUN, KENAR_BOSLUGU, R, C) < HUCRE_KENARI) {
        s.ayri_sayfa = true;
        s.kenar = DAR_KENAR_BOSLUGU;
        const double dikey = hucre_siniri(A4_KISA, A4_UZUN, s.kenar, R, C);
        const double yatay = hucre_siniri(A4_UZUN, A4_KISA, s.kenar, R, C);
        s.yatay = yatay > dikey;
        // In whole twips, as the document stores it, never more than fits.
        s.hucre = std::floor(std::max(dikey, yatay) * 20) / 20;
    }
    // Two-digit numbers and a capital letter stay inside their cell.
    s.numara_puntosu = yarim_puntoya(std::min(NUMARA_PUNTOSU, 0.7 * s.hucre));
    s.harf_puntosu = yarim_puntoya(std::min(HARF_PUNTOSU, 0.6 * s.hucre));
    return s;
}

std::size_t numara_uzunlugu(std::string_view satir) {
    std::size_t i = 0;
    if (i < satir.size() && satir[i] == ' ')
        ++i;
    const std::size_t rakam_basi = i;
    while (i < satir.size() && satir[i] >= '0' && satir[i] <= '9')
        ++i;
    if (i == rakam_basi || i >= satir.size() || satir[i] != '.')
        return 0;
    return i + 1;
}

}  // namespace velzora
