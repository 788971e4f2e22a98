// Windows-1254 (Turkish) text: the one-byte encoding of every cell, word and
// clue inside the core, and its exact conversion to and from Unicode.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velzora {

// Replacement for the seven byte values that Windows-1254 leaves undefined.
inline constexpr char32_t YEDEK_KARAKTER = 0xFFFD;

char32_t cp1254_unicode(unsigned char bayt);

// nullopt when the character has no Windows-1254 form.
std::optional<unsigned char> unicode_cp1254(char32_t karakter);

std::string cp1254_utf8(std::string_view metin);

// Where a conversion to Windows-1254 stopped: the byte offset in the UTF-8
// input and the character found there (YEDEK_KARAKTER for malformed UTF-8).
struct Donusum_Hatasi {
    std::size_t konum = 0;
    char32_t karakter = 0;
};

// Fails, instead of substituting, on a character without a Windows-1254 form.
std::optional<std::string> utf8_cp1254(std::string_view metin, Donusum_Hatasi* hata = nullptr);

// Decodes one UTF-8 character at `konum`, advancing it; malformed input gives
// YEDEK_KARAKTER and advances by one byte.
char32_t utf8_karakter_al(std::string_view metin, std::size_t& konum);
void utf8_ekle(std::string& hedef, char32_t karakter);

// What a key press writes into a white cell.
struct Yazim {
    enum class Tur {
        Harf,      // `harf` is written
        Bos,       // the cell is emptied (digits, blank, punctuation, control keys)
        Yazilamaz  // the character or its capital has no Windows-1254 form
    };
    Tur tur = Tur::Bos;
    char harf = 0;
};

// Turkish typing rules: i -> İ, ı -> I, other letters to their capitals.
Yazim yazilan_harf(char32_t basilan);

}  // namespace velzora
