#include "cozucu/yeniden_baslatma.h"

#include <limits>

namespace velzora {

long long luby(long long i) {
    // Within a block of 2^k - 1 terms the sequence repeats the block of
    // 2^(k-1) - 1 terms twice, then ends with 2^(k-1).
    for (;;) {
        long long blok = 1;
        while (blok * 2 - 1 < i)
            blok *= 2;
        if (blok * 2 - 1 == i)
            return blok;
        i -= blok - 1;
    }
}

long long tur_butcesi(long long i, long long taban) {
    constexpr long long TAVAN = std::numeric_limits<long long>::max() / 4;
    const long long l = luby(i);
    if (taban < 1)
        taban = 1;
    return l > TAVAN / taban ? TAVAN : l * taban;
}

}  // namespace velzora
