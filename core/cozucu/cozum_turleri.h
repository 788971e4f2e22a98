// What the solver tells the program that runs it: the outcome of a run, the
// progress handed to the window hook, and the hooks' signatures.
#pragma once

#include <functional>

namespace velzora {

enum class Analiz_Sonucu {
    Tamam,
    Sozluk_Yuklenemedi,  // the reload callback gave up
    Bellek_Yetersiz      // the run's tables would not fit in memory
};

enum class Cozum_Durumu {
    Analiz_Yok,      // no successful analysis since the last change
    Cozuldu,         // every slot holds a word
    Cozulemedi,      // slot 1 ran out of candidates: no fill exists
    Durduruldu,      // the hook asked to stop
    Bellek_Yetersiz  // the level storage would not fit in memory
};

enum class Kanca_Nedeni {
    Kelime_Kabul_Edildi,  // a word was accepted and the grid was redrawn
    Ara_Denetim           // time passed without an accepted word; nothing redrawn
};

enum class Kanca_Yaniti { Devam, Durdur };

// Read from the hook; counts cover the whole run so far.
struct Ilerleme {
    Kanca_Nedeni neden = Kanca_Nedeni::Kelime_Kabul_Edildi;
    long long kabul_edilen = 0;  // accepted words
    long long denenen = 0;       // candidates tried
    int seviye = 0;              // current level; 0 between two rounds
    int En_Derin = 0;            // deepest level with a word placed
    int Yer_Sayisi = 0;
    long long tur = 1;  // round of the restart search; 1 in the exact search
};

using Cozum_Kancasi = std::function<Kanca_Yaniti(const Ilerleme&)>;

// Reads the repetition setting, which the program may change inside the hook.
using Tekrar_Okuyucu = std::function<bool()>;

// Reloads the program's word store (the one passed to the analysis) from the
// current dictionary path. The desktop program asks for another file until a
// load succeeds; the command-line tool gives up and returns false.
using Sozluk_Yukleyici = std::function<bool()>;

}  // namespace velzora
