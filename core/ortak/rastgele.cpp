#include "ortak/rastgele.h"

#include <ctime>

namespace velzora {

std::uint32_t gece_yarisindan_saniye() {
    const std::time_t simdi = std::time(nullptr);
    std::tm yerel{};
    localtime_r(&simdi, &yerel);
    return static_cast<std::uint32_t>(yerel.tm_hour * 3600 + yerel.tm_min * 60 + yerel.tm_sec);
}

}  // namespace velzora
