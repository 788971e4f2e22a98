// The rules that turn a WordNet literal into a dictionary word and a WordNet
// definition into its clue. Input is UTF-8; results are Windows-1254 bytes,
// ready for the dictionary file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velzora::sozluk_yapici {

inline constexpr std::size_t EN_KISA_KELIME = 2;
// The loader reads at most 19 characters before the colon.
inline constexpr std::size_t EN_UZUN_KELIME = 19;
// Long enough to say something, short enough for a clue list.
inline constexpr std::size_t EN_UZUN_IPUCU = 60;
// A cut at a comma or semicolon must keep at least this much, else the clue
// is cut at a word boundary instead.
inline constexpr std::size_t EN_KISA_YAN_CUMLE = 20;

// The capital of one letter of the Turkish alphabet (i -> İ, ı -> I), with a
// circumflex dropped (â -> A, î -> İ, û -> U), as a Windows-1254 byte; nullopt
// for anything else, including q, w and x.
std::optional<char> turkce_buyuk_harf(char32_t karakter);

// The whole text upper-cased by turkce_buyuk_harf; nullopt when it holds
// anything but Turkish letters (a blank, a hyphen, a digit...) or is empty.
std::optional<std::string> buyuk_kelime(std::string_view utf8);

// A dictionary word: buyuk_kelime() of 2 to 19 letters.
std::optional<std::string> kelime_bicimle(std::string_view literal_utf8);

// The clue that a definition gives for `kelime` (already upper-cased): blanks
// collapsed, cut at its first colon, then cut at a clause or word boundary to
// at most EN_UZUN_IPUCU characters. nullopt when nothing usable is left, when
// a character has no Windows-1254 form, when the definition is an editor's
// note or an English gloss, or when the clue contains the answer (a word of
// it starts with it).
std::optional<std::string> ipucu_bicimle(std::string_view tanim_utf8, std::string_view kelime);

// True when a word of `metin` (Windows-1254) starts with `kelime`, compared
// by Turkish capitals without circumflexes, so that "evler" contains EV.
bool cevabi_iceriyor(std::string_view metin, std::string_view kelime);

}  // namespace velzora::sozluk_yapici
