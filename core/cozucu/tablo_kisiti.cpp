#include "cozucu/tablo_kisiti.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstring>

namespace velzora {

Tablo_Verisi::Tablo_Verisi(const std::vector<int>& kelimeler, int uzunluk, int harf_sayisi)
    : uzunluk_(uzunluk),
      harf_sayisi_(harf_sayisi),
      kelime_sayisi_(uzunluk > 0 ? static_cast<int>(kelimeler.size()) / uzunluk : 0),
      sozcuk_sayisi_((kelime_sayisi_ + 63) / 64),
      destek_(static_cast<std::size_t>(uzunluk) * static_cast<std::size_t>(harf_sayisi) *
                  static_cast<std::size_t>(sozcuk_sayisi_),
              0) {
    assert(harf_sayisi >= 1 && harf_sayisi <= EN_COK_HARF);
    for (int k = 0; k < kelime_sayisi_; ++k) {
        for (int p = 0; p < uzunluk; ++p) {
            const int c = kelimeler[static_cast<std::size_t>(k * uzunluk + p)];
            assert(c >= 0 && c < harf_sayisi);
            destek_[sira(p, c) * static_cast<std::size_t>(sozcuk_sayisi_) +
                    static_cast<std::size_t>(k / 64)] |= std::uint64_t{1} << (k % 64);
        }
    }
    dolu_bas_.push_back(0);
    for (int p = 0; p < uzunluk; ++p) {
        for (int c = 0; c < harf_sayisi; ++c) {
            const std::uint64_t* d = destek(p, c);
            for (int w = 0; w < sozcuk_sayisi_; ++w) {
                if (d[w] != 0)
                    dolu_.push_back(w);
            }
            dolu_bas_.push_back(dolu_.size());
        }
    }
}

namespace {

using Gecode::ExecStatus;
using Gecode::Int::IntView;

std::uint64_t alan_maskesi(IntView x) {
    std::uint64_t m = 0;
    for (Gecode::Int::ViewRanges<IntView> r(x); r(); ++r) {
        const int genislik = r.max() - r.min() + 1;
        const std::uint64_t aralik =
            genislik >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << genislik) - 1;
        m |= aralik << r.min();
    }
    return m;
}

// The live candidates are the set bits of kelime_[w] for the words w listed
// in dizin_[0 .. sinir_); a word that becomes empty leaves the list, so the
// scans below cost what is left of the table, not what it began with.
// son_[p] is place p's domain as the live candidates reflect it; artik_ holds
// per place and letter the word where that letter's support was last found.
class Tablo_Kisiti final : public Gecode::Propagator {
  public:
    Tablo_Kisiti(Gecode::Home home, Gecode::ViewArray<IntView>& x, const Tablo_Verisi& t)
        : Gecode::Propagator(home), x_(x), t_(&t), sinir_(t.sozcuk_sayisi()), ilk_(true) {
        const int W = t.sozcuk_sayisi();
        const int u = x.size();
        Gecode::Space& alan = home;
        kelime_ = alan.alloc<std::uint64_t>(W);
        dizin_ = alan.alloc<int>(W);
        for (int w = 0; w < W; ++w) {
            kelime_[w] = ~std::uint64_t{0};
            dizin_[w] = w;
        }
        if (const int artan = t.kelime_sayisi() % 64; artan != 0)
            kelime_[W - 1] = (std::uint64_t{1} << artan) - 1;
        son_ = alan.alloc<std::uint64_t>(u);
        const std::uint64_t hepsi =
            t.harf_sayisi() == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << t.harf_sayisi()) - 1;
        for (int p = 0; p < u; ++p)
            son_[p] = hepsi;
        artik_ = alan.alloc<int>(u * t.harf_sayisi());
        std::memset(artik_, 0, sizeof(int) * static_cast<std::size_t>(u * t.harf_sayisi()));
        x_.subscribe(home, *this, Gecode::Int::PC_INT_DOM);
        IntView::schedule(home, *this, Gecode::Int::ME_INT_DOM);
    }

    Tablo_Kisiti(Gecode::Space& home, Tablo_Kisiti& p)
        : Gecode::Propagator(home, p), t_(p.t_), sinir_(p.sinir_), ilk_(p.ilk_) {
        x_.update(home, p.x_);
        const int W = t_->sozcuk_sayisi();
        const int u = p.x_.size();
        kelime_ = home.alloc<std::uint64_t>(W);
        std::memcpy(kelime_, p.kelime_, sizeof(std::uint64_t) * static_cast<std::size_t>(W));
        dizin_ = home.alloc<int>(sinir_);
        std::memcpy(dizin_, p.dizin_, sizeof(int) * static_cast<std::size_t>(sinir_));
        son_ = home.alloc<std::uint64_t>(u);
        std::memcpy(son_, p.son_, sizeof(std::uint64_t) * static_cast<std::size_t>(u));
        const auto artik = static_cast<std::size_t>(u * t_->harf_sayisi());
        artik_ = home.alloc<int>(static_cast<int>(artik));
        std::memcpy(artik_, p.artik_, sizeof(int) * artik);
    }

    Gecode::Propagator* copy(Gecode::Space& home) override {
        return new (home) Tablo_Kisiti(home, *this);
    }
    Gecode::PropCost cost(const Gecode::Space&, const Gecode::ModEventDelta&) const override {
        return Gecode::PropCost::linear(Gecode::PropCost::HI, x_.size());
    }
    void reschedule(Gecode::Space& home) override {
        x_.reschedule(home, *this, Gecode::Int::PC_INT_DOM);
    }
    std::size_t dispose(Gecode::Space& home) override {
        x_.cancel(home, *this, Gecode::Int::PC_INT_DOM);
        (void)Gecode::Propagator::dispose(home);
        return sizeof(*this);
    }

    ExecStatus propagate(Gecode::Space& home, const Gecode::ModEventDelta&) override {
        const int u = x_.size();
        bool daraldi = ilk_;           // the first run owes a filtering of its own
        int degisen = ilk_ ? -2 : -1;  // the one place whose domain changed, -2 for more
        ilk_ = false;
        for (int p = 0; p < u; ++p) {
            const std::uint64_t alan = alan_maskesi(x_[p]);
            if (alan == son_[p])
                continue;
            degisen = degisen == -1 ? p : -2;
            if (!tabloyu_daralt(p, alan, daraldi))
                return Gecode::ES_FAILED;
        }
        // Letters keep their support while the live words stay as they
        // are; and the letters left at the one place that changed keep the
        // words that have them there.
        bool hepsi_sabit = true;
        for (int p = 0; p < u; ++p) {
            if (x_[p].assigned())
                continue;
            if (!daraldi || p == degisen) {
                hepsi_sabit = false;
                continue;
            }
            const std::uint64_t dusen = desteksizler(p);
            if (dusen != 0) {
                int degerler[Tablo_Verisi::EN_COK_HARF];
                int k = 0;
                for (std::uint64_t b = dusen; b != 0; b &= b - 1)
                    degerler[k++] = std::countr_zero(b);
                Gecode::Iter::Values::Array it(degerler, k);
                GECODE_ME_CHECK(x_[p].minus_v(home, it, false));
                son_[p] &= ~dusen;
            }
            hepsi_sabit = hepsi_sabit && x_[p].assigned();
        }
        // Letters without support leave the live candidates as they are,
        // so nothing changed here can wake this table again.
        return hepsi_sabit ? home.ES_SUBSUMED(*this) : Gecode::ES_FIX;
    }

  private:
    // Keeps the candidates whose letter at place p is in `alan`, setting
    // `daraldi` when some went; false when none is left.
    bool tabloyu_daralt(int p, std::uint64_t alan, bool& daraldi) {
        const std::uint64_t giden = son_[p] & ~alan;
        son_[p] = alan;
        // Whichever is shorter: the letters left, or the letters gone.
        const bool kalanlar = std::popcount(alan) <= std::popcount(giden);
        const std::uint64_t harfler = kalanlar ? alan : giden;
        for (int i = sinir_ - 1; i >= 0; --i) {
            const int w = dizin_[i];
            std::uint64_t birlesim = 0;
            for (std::uint64_t b = harfler; b != 0; b &= b - 1)
                birlesim |= t_->destek(p, std::countr_zero(b))[w];
            const std::uint64_t yeni = kelime_[w] & (kalanlar ? birlesim : ~birlesim);
            daraldi = daraldi || yeni != kelime_[w];
            kelime_[w] = yeni;
            if (yeni == 0) {
                dizin_[i] = dizin_[--sinir_];
                dizin_[sinir_] = w;
            }
        }
        return sinir_ > 0;
    }

    // The letters of place p that no live candidate has there.
    std::uint64_t desteksizler(int p) {
        std::uint64_t dusen = 0;
        for (std::uint64_t b = son_[p]; b != 0; b &= b - 1) {
            const int c = std::countr_zero(b);
            const std::uint64_t* d = t_->destek(p, c);
            int& artik = artik_[p * t_->harf_sayisi() + c];
            if ((kelime_[artik] & d[artik]) != 0)
                continue;
            // Through whichever is shorter: the live words, or the words
            // where this letter has candidates at all.
            const auto destekler = [&](int w) {
                if ((kelime_[w] & d[w]) == 0)
                    return false;
                artik = w;
                return true;
            };
            const auto [bas, son] = t_->dolu_sozcukler(p, c);
            const bool var = son - bas < sinir_ ? std::any_of(bas, son, destekler)
                                                : std::any_of(dizin_, dizin_ + sinir_, destekler);
            if (!var)
                dusen |= std::uint64_t{1} << c;
        }
        return dusen;
    }

    Gecode::ViewArray<IntView> x_;
    const Tablo_Verisi* t_;
    int sinir_;
    bool ilk_;
    std::uint64_t* kelime_ = nullptr;
    int* dizin_ = nullptr;
    std::uint64_t* son_ = nullptr;
    int* artik_ = nullptr;
};

}  // namespace

void tablo_kisiti(Gecode::Home home, const Gecode::IntVarArgs& x, const Tablo_Verisi& t) {
    if (home.failed())
        return;
    assert(x.size() == t.uzunluk());
    if (t.kelime_sayisi() == 0) {
        home.fail();
        return;
    }
    Gecode::ViewArray<IntView> v(home, x);
    (void)new (home) Tablo_Kisiti(home, v, t);
}

}  // namespace velzora
