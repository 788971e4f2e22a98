// Twips (1/1440 inch): the unit of the grid view's sizes and of the stored
// window placement, and their conversion to pixels at a logical DPI.
#pragma once

#include <algorithm>
#include <cmath>

namespace velzora {

inline constexpr double TWIP_INCH = 1440.0;

// Far beyond any screen, but small enough that no later sum overflows an int.
inline constexpr double EN_BUYUK_PIKSEL = 1'000'000.0;

inline int twip_piksel(double twip, double dpi) {
    const double piksel = std::clamp(twip * dpi / TWIP_INCH, -EN_BUYUK_PIKSEL, EN_BUYUK_PIKSEL);
    return static_cast<int>(std::lround(piksel));
}

inline double piksel_twip(int piksel, double dpi) {
    return piksel * TWIP_INCH / dpi;
}

}  // namespace velzora
