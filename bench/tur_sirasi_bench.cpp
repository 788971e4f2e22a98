// What a new round of the restart search costs: reshuffling every slot's
// order on random grids at ratio 0.17, with the built-in dictionary when the
// build made one (else the benchmark says so and measures nothing). Times
// the rounds of a run (stats.rounds of velzora-cli solve --json) give the
// share of a run spent on reshuffles.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "analiz/aday_listeleri.h"
#include "analiz/harf_tablosu.h"
#include "analiz/yer_tablosu.h"
#include "cozucu/tur_sirasi.h"
#include "izgara/izgara.h"
#include "izgara/rastgele_yerlestir.h"
#include "ortak/rastgele.h"
#include "sozluk/sozluk.h"

namespace {

using namespace velzora;

void BM_TurKaristir(benchmark::State& state) {
    Sozluk sozluk;
    if (!std::filesystem::exists(VELZORA_YERLESIK_SOZLUK) ||
        sozluk.oku(VELZORA_YERLESIK_SOZLUK) != Sozluk_Hatasi::Yok) {
        state.SkipWithError("yerlesik sozluk yok");
        return;
    }
    const int ebat = static_cast<int>(state.range(0));
    Izgara g;
    g.ebat_ver(ebat, ebat);
    Mt_Kaynak kaynak(3);
    rast_yerlestir(g, 0.17f, kaynak);
    Yer_Tablosu yerler;
    yerler.yerleri_bul(g);
    Harf_Tablosu harfler;
    harfler.harf_oku(g);
    Aday_Listeleri adaylar;
    adaylar.aday_bul(yerler, harfler, sozluk, kaynak, std::size_t{1} << 32);
    Tur_Sirasi sira;
    sira.hazirla(adaylar);
    for (auto _ : state)
        sira.karistir(kaynak);
    state.counters["aday"] = static_cast<double>(adaylar.aday_toplami());
}
BENCHMARK(BM_TurKaristir)->Arg(11)->Arg(13)->Arg(15)->Unit(benchmark::kMillisecond);

}  // namespace
