// What the solver tells the program that runs it: the outcome of a run, the
// progress handed to the window hook, the hooks' signatures, and what a
// search leaves for the output.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace velzora {

enum class Analiz_Sonucu {
    Tamam,
    Sozluk_Yuklenemedi,  // the reload callback gave up
    Bellek_Yetersiz      // the run's tables would not fit in memory
};

enum class Cozum_Durumu {
    Analiz_Yok,      // no successful analysis since the last change
    Cozuldu,         // every slot holds a word
    Cozulemedi,      // proved: no fill exists for these candidate lists
    Durduruldu,      // the hook asked to stop
    Sinir_Doldu,     // the run tried as many candidates as it was allowed
    Bellek_Yetersiz  // the run's memory budget is spent
};

// What one step of a search (choosing a slot's word) and a whole search end
// in: a word accepted (every slot filled), the choices exhausted (no fill),
// a stop from the hook, the allowed tries spent, the memory budget spent.
enum class Arama_Sonucu { Kabul, Tukendi, Durduruldu, Sinir_Doldu, Bellek_Yetersiz };

enum class Kanca_Nedeni {
    Kelime_Kabul_Edildi,  // a word was accepted and the grid was redrawn
    Ara_Denetim           // time passed without an accepted word; the smart
                          // search may have redrawn its deepest point
};

enum class Kanca_Yaniti { Devam, Durdur };

// Read from the hook; counts cover the whole run so far.
struct Ilerleme {
    Kanca_Nedeni neden = Kanca_Nedeni::Kelime_Kabul_Edildi;
    long long kabul_edilen = 0;  // accepted words
    long long denenen = 0;       // candidates tried (the smart search's nodes)
    int seviye = 0;              // current level
    int En_Derin = 0;            // deepest level with a word placed (slots filled)
    int Yer_Sayisi = 0;
    // The smart search's engines, all of them together: nodes, failed
    // nodes, restarts. Zero in the exact search.
    long long dugum = 0;
    long long basarisiz = 0;
    long long yeniden_baslatma = 0;
};

struct Arama_Istatistigi {
    long long kabul_edilen = 0;
    long long denenen = 0;  // every candidate taken off a level, accepted or not
    long long geri_donus = 0;
    std::size_t tepe_seviye_bayti = 0;
    long long dugum = 0;  // the smart search, as in Ilerleme
    long long basarisiz = 0;
    long long yeniden_baslatma = 0;
};

// What a search leaves for the output: candidate numbers per slot (index 0
// unused, 0 for none) of the word in the slot now, of the last accepted one
// (kept when withdrawn) and of the deepest fill; the fill order; the
// deepest level reached.
struct Cozum_Kaydi {
    std::vector<int> Sira;  // position p (1..n) holds the slot filled at level p
    std::vector<int> yerlesen;
    std::vector<int> son_kabul;
    std::vector<int> en_iyi;
    int En_Derin = 0;
};

using Cozum_Kancasi = std::function<Kanca_Yaniti(const Ilerleme&)>;

// Reads the repetition setting, which the program may change inside the hook.
using Tekrar_Okuyucu = std::function<bool()>;

// Reloads the program's word store (the one passed to the analysis) from the
// current dictionary path. The desktop program asks for another file until a
// load succeeds; the command-line tool gives up and returns false.
using Sozluk_Yukleyici = std::function<bool()>;

}  // namespace velzora
