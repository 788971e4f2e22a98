#include "ortak/sayi_okuma.h"

#include <cfenv>
#include <charconv>
#include <cmath>
#include <system_error>

namespace velzora {

double bastaki_sayi(std::string_view m) {
    std::size_t i = 0;
    while (i < m.size() && (m[i] == ' ' || m[i] == '\t'))
        ++i;
    bool eksi = false;
    if (i < m.size() && (m[i] == '+' || m[i] == '-'))
        eksi = m[i++] == '-';
    const std::size_t bas = i;
    bool rakam_var = false;
    bool nokta_var = false;
    for (; i < m.size(); ++i) {
        const char c = m[i];
        if (c >= '0' && c <= '9') {
            rakam_var = true;
        } else if (c == '.' && !nokta_var) {
            nokta_var = true;
        } else {
            break;
        }
    }
    if (!rakam_var)
        return 0.0;
    // from_chars, unlike strtod, ignores the process locale (a Turkish locale
    // would take ',' as the decimal point).
    double deger = 0.0;
    const auto [son, hata] = std::from_chars(m.data() + bas, m.data() + i, deger);
    (void)son;
    if (hata == std::errc::result_out_of_range) {
        // Too large, or so small that it underflows: tell them apart by the
        // whole part.
        const auto tam = m.substr(bas, i - bas).substr(0, m.substr(bas, i - bas).find('.'));
        deger = tam.find_first_not_of('0') == std::string_view::npos ? 0.0 : HUGE_VAL;
    }
    return eksi ? -deger : deger;
}

double yuvarla_cift(double deger) {
    // nearbyint follows the current rounding mode, which is round-to-nearest-even
    // unless someone changed it; pin it down.
    const int onceki = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double sonuc = std::nearbyint(deger);
    std::fesetround(onceki);
    return sonuc;
}

int ebat_oku(std::string_view metin) {
    const double d = yuvarla_cift(bastaki_sayi(metin));
    if (!(d >= -32768.0 && d <= 32767.0))
        return 0;
    return static_cast<int>(d);
}

}  // namespace velzora
