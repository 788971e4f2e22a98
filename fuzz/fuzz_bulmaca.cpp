// Any bytes as a puzzle file: reading never crashes, a refused file leaves
// the puzzle it was read into as it was, and whatever reads cleanly writes
// back to a file that reads as the same puzzle, with the same clue lines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "bulmaca/bulmaca_dosyasi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* veri, std::size_t boyut) {
    using namespace velzora;
    const std::string_view metin(reinterpret_cast<const char*>(veri), boyut);
    Bulmaca okunan;
    okunan.Satir_Sayisi = 1;
    if (bulmaca_cozumle(metin, okunan) != Bulmaca_Hatasi::Yok) {
        if (okunan != Bulmaca{.Satir_Sayisi = 1})
            std::abort();
        return 0;
    }
    if (!ebat_gecerli_mi(okunan.Satir_Sayisi, okunan.Sutun_Sayisi) ||
        okunan.hucreler.size() !=
            static_cast<std::size_t>(okunan.Satir_Sayisi * okunan.Sutun_Sayisi))
        std::abort();
    Izgara izgara;
    izgaraya_yaz(okunan, izgara);
    const Bulmaca yazilacak = bulmaca_al(izgara, okunan.dolgu);
    Bulmaca geri;
    if (yazilacak != okunan ||
        bulmaca_cozumle(bulmaca_metni(yazilacak), geri) != Bulmaca_Hatasi::Yok || geri != okunan)
        std::abort();
    const int R = okunan.Satir_Sayisi, C = okunan.Sutun_Sayisi;
    if (soldan_satirlari(R, C, geri.dolgu.sorular()) !=
            soldan_satirlari(R, C, okunan.dolgu.sorular()) ||
        yukaridan_satirlari(R, C, geri.dolgu.sorular()) !=
            yukaridan_satirlari(R, C, okunan.dolgu.sorular()))
        std::abort();
    return 0;
}
