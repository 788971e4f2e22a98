// How long the printed puzzle takes to build: the word-processor document
// and the PDF of the 15 x 15 and the 50 x 50 sample puzzle, each with its
// solution page, in memory (writing the file is the safe writer's cost).
//   velzora_belge_olcumu [--tekrar N]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <vector>

#include "belge_olustur.h"
#include "ornek_bulmaca.h"
#include "pdf_belgesi.h"

namespace {

using Saat = std::chrono::steady_clock;

// The median and the fastest of `tekrar` runs, in milliseconds, by the
// clock and by the processor time this process used (the steadier figure
// on a machine shared with other work).
void olc(const char* ad, int tekrar, const std::function<std::size_t()>& is) {
    std::vector<double> sureler, islemci;
    std::size_t boyut = 0;
    for (int i = 0; i < tekrar; ++i) {
        const auto bas = Saat::now();
        const std::clock_t islemci_bas = std::clock();
        boyut = is();
        islemci.push_back(1000.0 * static_cast<double>(std::clock() - islemci_bas) /
                          CLOCKS_PER_SEC);
        sureler.push_back(std::chrono::duration<double, std::milli>(Saat::now() - bas).count());
    }
    std::sort(sureler.begin(), sureler.end());
    std::sort(islemci.begin(), islemci.end());
    std::printf(
        "%-22s saat: ortanca %7.1f ms, en iyi %7.1f ms   işlemci: ortanca %7.1f ms"
        "   %6zu bayt\n",
        ad, sureler[sureler.size() / 2], sureler.front(), islemci[islemci.size() / 2], boyut);
}

}  // namespace

int main(int argc, char** argv) {
    int tekrar = 20;
    if (argc == 3 && std::strcmp(argv[1], "--tekrar") == 0)
        tekrar = std::max(1, std::atoi(argv[2]));
    const velzora::Yazi_Ortami ortam;
    for (const int ebat : {15, 50}) {
        const velzora::test::Ornek_Bulmaca o(ebat);
        const auto icerik = o.icerik(true);
        char ad[64];
        std::snprintf(ad, sizeof ad, "%d x %d belge (.docx)", ebat, ebat);
        olc(ad, tekrar, [&] { return velzora::belge_baytlari(icerik).value_or("").size(); });
        std::snprintf(ad, sizeof ad, "%d x %d PDF", ebat, ebat);
        olc(ad, tekrar, [&] { return velzora::pdf_baytlari(icerik).value_or("").size(); });
    }
    return 0;
}
