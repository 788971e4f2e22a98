// Template files ("BULMACA SABLONU"): the size of a grid and its black squares,
// never its letters. Readers take the file as blank-, comma- or line-separated
// fields in pairs of 16-bit integers; the first pair is the header and is skipped.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "izgara/izgara.h"
#include "ortak/dosya_islemleri.h"

namespace velzora {

inline constexpr std::string_view SABLON_BASLIGI = "BULMACA SABLONU";
// A 50 x 50 template with a black square in every cell is under 30 kB.
inline constexpr std::size_t EN_BUYUK_SABLON = std::size_t{1} << 20;

enum class Sablon_Hatasi {
    Yok,
    Acilamadi,     // the file could not be opened or read, or is no regular file or too large
    Sayi_Degil,    // a field after the header is not a whole number
    Sayi_Tasmasi,  // a field does not fit in 16 bits
    Yazilamadi     // the new file could not be written completely
};

struct Sablon_Icerigi {
    // The second pair, when the file has one.
    std::optional<std::pair<int, int>> ebat;
    // Every later pair, in file order, inside the grid or not.
    std::vector<std::pair<int, int>> siyah_kareler;
};

// A pair that the file ends in the middle of is ignored.
Sablon_Hatasi sablon_cozumle(std::string_view icerik, Sablon_Icerigi& cikti);

// Reads the file once and parses it. When the file itself fails
// (Acilamadi), `dosya` says why.
Sablon_Hatasi sablon_oku(const std::filesystem::path& sab_adi, Sablon_Icerigi& cikti,
                         Dosya_Sonucu* dosya = nullptr);

// The dimensions; a template without a second pair leaves both as they were.
void satsutoku(const Sablon_Icerigi& sablon, int& Satir_Sayisi, int& Sutun_Sayisi);

// Clears the grid, then makes the template's black squares black; squares
// outside the grid are ignored.
void syhkroku(const Sablon_Icerigi& sablon, Izgara& izgara);

// The file's text: header, size, then the black squares row by row, CR LF.
std::string sablon_metni(const Izgara& izgara);

// Writes the template next to its destination and moves it into place only
// when complete, so a failed save leaves any existing file untouched; then
// `dosya` says why.
Sablon_Hatasi sablon_yaz(const std::filesystem::path& sab_adi, const Izgara& izgara,
                         Dosya_Sonucu* dosya = nullptr);

}  // namespace velzora
