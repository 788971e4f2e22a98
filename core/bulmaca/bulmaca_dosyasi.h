// Puzzle files: a whole puzzle (size, black squares, letters, fill order,
// clues) in the open crossword exchange format ipuz, version 2, UTF-8. What
// ipuz has no field for is kept under the program's own extension key.
// Reading checks the whole file before anything is handed out, so a file
// that is refused leaves the caller's puzzle as it was.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "bulmaca/bulmaca.h"
#include "ortak/dosya_islemleri.h"

namespace velzora {

enum class Bulmaca_Hatasi {
    Yok,
    Acilamadi,        // the file could not be opened or read
    Cok_Buyuk,        // larger than any puzzle of 50 x 50 can be
    Json_Degil,       // not JSON, or nested deeper than a puzzle is
    Ipuz_Degil,       // no ipuz version, or not a crossword
    Ebat_Gecersiz,    // width or height missing or outside 2..50
    Izgara_Bozuk,     // "puzzle" does not have the size or holds no cells
    Cozum_Uyusmuyor,  // "solution" does not fit "puzzle"
    Harf_Yazilamaz,   // a cell's letter is not one Windows-1254 character
    Metin_Yazilamaz,  // a clue has a character without a Windows-1254 form
    Ipucu_Disarida,   // a clue names a cell outside the grid
    Ipucu_Gecersiz,   // a clue that is no across or down run of the grid
    Uzanti_Bozuk,     // the program's own fields are damaged
    Yazilamadi        // the new file could not be written completely
};

// Texts written to and read from disk never exceed this.
inline constexpr std::size_t EN_BUYUK_BULMACA_DOSYASI = std::size_t{16} << 20;

// The Turkish message for an error (empty for Yok).
std::string_view bulmaca_hata_metni(Bulmaca_Hatasi hata);

// `cikti` is changed only when the whole text reads cleanly. `dosya`, when
// given, receives why the file itself could not be read or written.
Bulmaca_Hatasi bulmaca_cozumle(std::string_view metin, Bulmaca& cikti);
Bulmaca_Hatasi bulmaca_oku(const std::filesystem::path& yol, Bulmaca& cikti,
                           Dosya_Sonucu* dosya = nullptr);

std::string bulmaca_metni(const Bulmaca& bulmaca);
// Replaces the file only once the new one is complete on disk.
Bulmaca_Hatasi bulmaca_yaz(const std::filesystem::path& yol, const Bulmaca& bulmaca,
                           Dosya_Sonucu* dosya = nullptr);

}  // namespace velzora
