// Where the puzzle goes on paper: the sizes that the document writer and the
// drawing routine (PDF, printer, preview) share, so that all of them show the
// same page. Lengths are in points (1/72 inch).
#pragma once

#include <cstddef>
#include <string_view>

namespace velzora {

constexpr double santim(double cm) {
    return cm / 2.54 * 72.0;
}

inline constexpr double A4_KISA = santim(21.0);
inline constexpr double A4_UZUN = santim(29.7);
inline constexpr double KENAR_BOSLUGU = santim(2.5);
// The margins of a page that holds a grid too large for 0.7 cm cells.
inline constexpr double DAR_KENAR_BOSLUGU = santim(1.25);
inline constexpr double HUCRE_KENARI = santim(0.7);
inline constexpr double SORU_SUTUNU = santim(7.38);
inline constexpr double SUTUN_ARALIGI = santim(1.25);

inline constexpr double BASLIK_PUNTOSU = 16;
inline constexpr double BASLIK_SONRASI = 20;
inline constexpr double SORU_PUNTOSU = 12;
inline constexpr double NUMARA_PUNTOSU = 10;
inline constexpr double HARF_PUNTOSU = 12;
// Between the grid and the first clue heading, and before the down heading.
inline constexpr double IZGARA_SONRASI = 18;
inline constexpr double CIZGI_KALINLIGI = 0.5;

// The page of the grid (and of the solution, which repeats its layout).
struct Izgara_Sayfasi {
    bool yatay = false;  // landscape
    double kenar = KENAR_BOSLUGU;
    double hucre = HUCRE_KENARI;
    double numara_puntosu = NUMARA_PUNTOSU;
    double harf_puntosu = HARF_PUNTOSU;
    // The grid has its page to itself and the clues start on the next one.
    bool ayri_sayfa = false;

    double genislik() const { return yatay ? A4_UZUN : A4_KISA; }
    double yukseklik() const { return yatay ? A4_KISA : A4_UZUN; }
};

// 0.7 cm cells below the title on an A4 portrait page with 2.5 cm margins,
// the clues following on the same page, wherever the grid fits that way.
// A larger grid gets a page of its own with narrow margins, turned to
// landscape when that gives larger cells, and the largest cells that fit.
Izgara_Sayfasi izgara_sayfasi(int Satir_Sayisi, int Sutun_Sayisi);

// The length of a clue line's number, " 12." with its blank and full stop;
// 0 when the line does not start with one. Wrapped lines are indented by the
// width of that prefix, so they start under the clue text.
std::size_t numara_uzunlugu(std::string_view satir);

}  // namespace velzora
