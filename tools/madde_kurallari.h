// The rules that turn a WordNet literal into a dictionary word, and the ones
// every clue text obeys: one clean line of Windows-1254 that does not give the
// answer away. Input is UTF-8; results are Windows-1254 bytes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velzora::sozluk_yapici {

inline constexpr std::size_t EN_KISA_KELIME = 2;
// The loader reads at most 19 characters before the colon.
inline constexpr std::size_t EN_UZUN_KELIME = 19;
// A printed puzzle's clue lists live in two narrow columns: a definition up to
// IYI_IPUCU characters is used whole, longer clues only where nothing shorter
// exists, and none is longer than EN_UZUN_IPUCU.
inline constexpr std::size_t IYI_IPUCU = 40;
inline constexpr std::size_t UZUN_IPUCU = 50;
inline constexpr std::size_t EN_UZUN_IPUCU = 70;

// The capital of one letter of the Turkish alphabet (i -> İ, ı -> I), with a
// circumflex dropped (â -> A, î -> İ, û -> U), as a Windows-1254 byte; nullopt
// for anything else, including q, w and x.
std::optional<char> turkce_buyuk_harf(char32_t karakter);

// The whole text upper-cased by turkce_buyuk_harf; nullopt when it holds
// anything but Turkish letters (a blank, a hyphen, a digit...) or is empty.
std::optional<std::string> buyuk_kelime(std::string_view utf8);

// A dictionary word: buyuk_kelime() of 2 to 19 letters.
std::optional<std::string> kelime_bicimle(std::string_view literal_utf8);

// A WordNet text as one line of Windows-1254, blanks collapsed and trimmed.
// nullopt when nothing is left, when a character has no Windows-1254 form, and
// for an editor's note or an English gloss.
std::optional<std::string> metin_temizle(std::string_view utf8);

// `metin` (Windows-1254) as Turkish capitals without circumflexes, other
// letters as their plain capitals, and one blank between words.
std::string karsilastirma_bicimi(std::string_view metin);

// True when `metin` (Windows-1254) gives `kelime` away through its stem: for
// a word of up to three letters, the word itself; up to five, a word starting
// with it; longer, a word starting with its first five letters. Compared as
// karsilastirma_bicimi(), so that "evler", "ILIK" and "iğne" are seen.
bool cevabi_veriyor(std::string_view metin, std::string_view kelime);

// `metin` with its first letter a Turkish capital (i -> İ, ı -> I).
std::string buyuk_harfle_baslat(std::string metin);

}  // namespace velzora::sozluk_yapici
