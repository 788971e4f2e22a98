// The ipuz field names and values that the puzzle file's reader and writer
// share, and the program's extension key.
#pragma once

#include <string_view>

namespace velzora::ipuz {

inline constexpr std::string_view SURUM = "http://ipuz.org/v2";
inline constexpr std::string_view SURUM_ONEKI = "http://ipuz.org/v";
inline constexpr std::string_view TUR = "http://ipuz.org/crossword#1";
inline constexpr std::string_view TUR_ONEKI = "http://ipuz.org/crossword";
// Extension keys are URIs of their owner. The program has no web address of
// its own, so its key lies under a name reserved never to be anyone's.
inline constexpr std::string_view UZANTI = "http://velzora.invalid/ipuz/kare-bulmaca#1";

inline constexpr std::string_view BLOK = "#";
inline constexpr std::string_view BOS = "0";

// A letter that "solution" would show as a black square, an empty cell or
// none at all; the extension keeps such letters instead.
inline bool cozumde_gosterilemez(char harf) {
    return harf == BLOK.front() || harf == BOS.front() || harf == ' ';
}
inline constexpr std::string_view SOLDAN = "Across";
inline constexpr std::string_view YUKARIDAN = "Down";
// What a clue that is not the first of its line shows instead of a number:
// the printed lines join such clues with three full stops.
inline constexpr std::string_view DEVAM_ETIKETI = "...";

}  // namespace velzora::ipuz
