// Loading a full dictionary and reading and writing the largest template.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

#include <unistd.h>

#include "izgara/izgara.h"
#include "izgara/rastgele_yerlestir.h"
#include "izgara/sablon_dosyasi.h"
#include "ortak/rastgele.h"
#include "sozluk/sozluk.h"

namespace {

using namespace velzora;
namespace fs = std::filesystem;

fs::path gecici_yol(const std::string& ad) {
    return fs::temp_directory_path() / ("velzora-bench-" + std::to_string(::getpid()) + "-" + ad);
}

// 32,767 entries with Turkish letters, word lengths 2..15 and clues of 20..60 bytes.
std::string tam_sozluk() {
    std::mt19937 rng(1);
    const std::string harfler =
        "ABC\xC7"
        "DEFG\xD0HI\xDDJKLMNO\xD6PRS\xDETU\xDCVYZ";
    std::string m;
    for (int i = 0; i < EN_COK_KAYIT; ++i) {
        const int uz = 2 + static_cast<int>(rng() % 14);
        for (int k = 0; k < uz; ++k)
            m += harfler[rng() % harfler.size()];
        m += ':';
        const int soru = 20 + static_cast<int>(rng() % 41);
        for (int k = 0; k < soru; ++k)
            m += static_cast<char>('a' + rng() % 26);
        m += "\r\n";
    }
    return m;
}

void BM_Sozluk_Yukle_32767(benchmark::State& state) {
    const auto yol = gecici_yol("sozluk.txt");
    std::ofstream(yol, std::ios::binary) << tam_sozluk();
    for (auto _ : state) {
        Sozluk s;
        if (s.oku(yol) != Sozluk_Hatasi::Yok || s.Kelime_Sayisi() != EN_COK_KAYIT) {
            state.SkipWithError("load failed");
        }
        benchmark::DoNotOptimize(s.Kelime_Sayisi());
    }
    fs::remove(yol);
}
BENCHMARK(BM_Sozluk_Yukle_32767)->Unit(benchmark::kMillisecond);

void elli_elli(Izgara& g) {
    g.ebat_ver(50, 50);
    Mt_Kaynak k(1);
    rast_yerlestir(g, 0.3f, k);
}

void BM_Sablon_Yaz_50x50(benchmark::State& state) {
    Izgara g;
    elli_elli(g);
    const auto yol = gecici_yol("sab_yaz.txt");
    for (auto _ : state) {
        if (sablon_yaz(yol, g) != Sablon_Hatasi::Yok)
            state.SkipWithError("save failed");
    }
    fs::remove(yol);
}
BENCHMARK(BM_Sablon_Yaz_50x50)->Unit(benchmark::kMicrosecond);

void BM_Sablon_Oku_50x50(benchmark::State& state) {
    Izgara g;
    elli_elli(g);
    const auto yol = gecici_yol("sab_oku.txt");
    sablon_yaz(yol, g);
    Izgara okunan;
    for (auto _ : state) {
        int r = 0, c = 0;
        Sablon_Icerigi sablon;
        if (sablon_oku(yol, sablon) != Sablon_Hatasi::Yok)
            state.SkipWithError("read failed");
        satsutoku(sablon, r, c);
        okunan.ebat_ver(r, c);
        syhkroku(sablon, okunan);
    }
    fs::remove(yol);
}
BENCHMARK(BM_Sablon_Oku_50x50)->Unit(benchmark::kMicrosecond);

}  // namespace
