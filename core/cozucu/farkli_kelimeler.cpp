#include "cozucu/farkli_kelimeler.h"

#include <cassert>

namespace velzora {
namespace {

using Gecode::ExecStatus;
using Gecode::Int::IntView;

// Fails when two complete slots are equal, and takes from a slot with one
// open cell the letters that would make it equal to a complete one: what
// every pair's disequality does, as one propagator. (Two slots that share
// their one open cell at the same place wait for that cell to be fixed.)
class Farkli_Kelimeler final : public Gecode::NaryPropagator<IntView, Gecode::Int::PC_INT_VAL> {
    using Taban = Gecode::NaryPropagator<IntView, Gecode::Int::PC_INT_VAL>;

  public:
    Farkli_Kelimeler(Gecode::Home home, Gecode::ViewArray<IntView>& x, int uzunluk)
        : Taban(home, x), L_(uzunluk) {}
    Farkli_Kelimeler(Gecode::Space& home, Farkli_Kelimeler& p) : Taban(home, p), L_(p.L_) {}

    Gecode::Propagator* copy(Gecode::Space& home) override {
        return new (home) Farkli_Kelimeler(home, *this);
    }
    Gecode::PropCost cost(const Gecode::Space&, const Gecode::ModEventDelta&) const override {
        return Gecode::PropCost::quadratic(Gecode::PropCost::LO, x.size());
    }

    ExecStatus propagate(Gecode::Space& home, const Gecode::ModEventDelta&) override {
        const int n = x.size() / L_;
        Gecode::Region r;
        int* tam = r.alloc<int>(n);    // slots with every letter fixed
        int* acik = r.alloc<int>(n);   // slots with one open cell ...
        int* delik = r.alloc<int>(n);  // ... and that cell's place
        int tam_sayisi = 0;
        int acik_sayisi = 0;
        for (int k = 0; k < n; ++k) {
            int bos = 0;
            int yer = -1;
            for (int p = 0; p < L_ && bos < 2; ++p) {
                if (!x[k * L_ + p].assigned()) {
                    ++bos;
                    yer = p;
                }
            }
            if (bos == 0) {
                tam[tam_sayisi++] = k;
            } else if (bos == 1) {
                acik[acik_sayisi] = k;
                delik[acik_sayisi++] = yer;
            }
        }
        // Equal on every place but `haric`.
        const auto esit = [&](int a, int b, int haric) {
            for (int p = 0; p < L_; ++p) {
                if (p != haric && x[a * L_ + p].val() != x[b * L_ + p].val())
                    return false;
            }
            return true;
        };
        for (int i = 0; i < tam_sayisi; ++i) {
            for (int j = i + 1; j < tam_sayisi; ++j) {
                if (esit(tam[i], tam[j], -1))
                    return Gecode::ES_FAILED;
            }
        }
        bool degisti = false;
        for (int i = 0; i < acik_sayisi; ++i) {
            IntView h = x[acik[i] * L_ + delik[i]];
            for (int j = 0; j < tam_sayisi && !h.assigned(); ++j) {
                if (esit(acik[i], tam[j], delik[i])) {
                    const Gecode::ModEvent me = h.nq(home, x[tam[j] * L_ + delik[i]].val());
                    if (Gecode::me_failed(me))
                        return Gecode::ES_FAILED;
                    degisti = degisti || me != Gecode::Int::ME_INT_NONE;
                }
            }
        }
        if (tam_sayisi == n)
            return home.ES_SUBSUMED(*this);
        return degisti ? Gecode::ES_NOFIX : Gecode::ES_FIX;
    }

  private:
    int L_;
};

}  // namespace

void farkli_kelimeler(Gecode::Home home, const Gecode::IntVarArgs& x, int uzunluk) {
    if (home.failed())
        return;
    assert(uzunluk > 0 && x.size() % uzunluk == 0);
    if (x.size() <= uzunluk)
        return;
    Gecode::ViewArray<IntView> v(home, x);
    (void)new (home) Farkli_Kelimeler(home, v, uzunluk);
}

}  // namespace velzora
