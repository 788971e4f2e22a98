// Any bytes as a dictionary file: loading never crashes, and every entry it
// yields obeys the line format.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "sozluk/sozluk.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* veri, std::size_t boyut) {
    using namespace velzora;
    Sozluk sozluk;
    if (sozluk.cozumle(std::string(reinterpret_cast<const char*>(veri), boyut)) !=
        Sozluk_Hatasi::Yok) {
        return 0;
    }
    for (int i = 1; i <= sozluk.Kelime_Sayisi(); ++i) {
        const auto k = sozluk.Kelime(i);
        const auto s = sozluk.Soru(i);
        if (k.size() >= AYIRAC_ALANI || s.find_first_of("\r\n") != std::string::npos ||
            (!k.empty() && (k.front() == ' ' || k.back() == ' '))) {
            std::abort();
        }
    }
    return 0;
}
