// Reading numbers the way the size dialog and the preferences do: the number
// at the start of a text, and rounding with halves going to the even neighbour.
#pragma once

#include <cstdint>
#include <string_view>

namespace velzora {

// Leading blanks, an optional sign, digits with at most one "." as the decimal
// point; reading stops at the first character that cannot continue the number.
// A text without a number gives 0.
double bastaki_sayi(std::string_view metin);

// Nearest whole number, an exact half going to the even neighbour.
double yuvarla_cift(double deger);

// A size typed into the size dialog: the leading number rounded to even.
// Values that a 16-bit size cannot hold read as 0, which the layout refuses.
int ebat_oku(std::string_view metin);

}  // namespace velzora
