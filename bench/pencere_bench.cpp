// Redrawing the grid view: a full repaint of the largest grid, its picture,
// and the redraw after one word is written (what the solver does per word).
// Runs without a display (offscreen) unless QT_QPA_PLATFORM says otherwise.
#include <benchmark/benchmark.h>
#include <QApplication>

#include <string>

#include "izgara/izgara.h"
#include "izgara_gorunumu.h"

namespace {

using namespace velzora;

// A grid full of letters with a scattering of black squares.
void doldur(Izgara& g, int ebat) {
    g.ebat_ver(ebat, ebat);
    const std::string harfler =
        "ABC\xC7"
        "DEFG\xD0HI\xDDJKLMNO\xD6PRS\xDETU\xDCVYZ";
    Izgara::Toplu_Degisiklik toplu(g);
    for (int r = 1; r <= ebat; ++r) {
        for (int c = 1; c <= ebat; ++c) {
            if ((r * 7 + c * 3) % 11 == 0)
                g.siyah_yap(r, c, Renk_Kodu::Siyah);
            g.harf_yaz(r, c,
                       std::string(1, harfler[static_cast<std::size_t>(r * c) % harfler.size()]));
        }
    }
}

struct Gorunum {
    explicit Gorunum(int ebat) : gorunum(izgara) {
        doldur(izgara, ebat);
        gorunum.show();
        QApplication::processEvents();
    }
    Izgara izgara;
    Izgara_Gorunumu gorunum;
};

void BM_Tam_Yeniden_Cizim(benchmark::State& state) {
    Gorunum g(static_cast<int>(state.range(0)));
    for (auto _ : state)
        g.gorunum.repaint();
    state.counters["hucre"] = static_cast<double>(state.range(0) * state.range(0));
}
BENCHMARK(BM_Tam_Yeniden_Cizim)->Arg(9)->Arg(30)->Arg(50)->Unit(benchmark::kMillisecond);

void BM_Izgara_Resmi(benchmark::State& state) {
    Gorunum g(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(g.gorunum.resim());
}
BENCHMARK(BM_Izgara_Resmi)->Arg(50)->Unit(benchmark::kMillisecond);

// One across word of 12 letters written in a batch, then the pending redraw.
void BM_Kelime_Sonrasi_Cizim(benchmark::State& state) {
    Gorunum g(50);
    char harf = 'A';
    for (auto _ : state) {
        {
            Izgara::Toplu_Degisiklik toplu(g.izgara);
            for (int c = 20; c < 32; ++c)
                g.izgara.harf_yaz(25, c, std::string(1, harf));
        }
        harf = harf == 'Z' ? 'A' : static_cast<char>(harf + 1);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_Kelime_Sonrasi_Cizim)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QApplication uygulama(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
