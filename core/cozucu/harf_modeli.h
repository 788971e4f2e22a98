// The smart search's constraint model of an analysed grid: one letter
// variable per cell of a slot, each slot a table of its candidates' letters,
// the slots of one length never the same word unless repetition is allowed,
// and the branching on letters. Built once per run as Model_Verisi, then one
// Harf_Modeli per engine.
#pragma once

#include <gecode/int.hh>

#include <atomic>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "cozucu/tablo_kisiti.h"

namespace velzora {

struct Analiz_Tablolari;

// What every engine's model is built from, once per run.
struct Model_Verisi {
    std::vector<std::pair<int, int>> hucreler;    // variable -> cell (row, column)
    std::vector<std::vector<int>> yer_hucreleri;  // slot -> its variables, in letter order
    // A slot's candidates as letter codes: our own table where the letters
    // fit one machine word, Gecode's otherwise.
    struct Yer_Tablosu {
        std::shared_ptr<const Tablo_Verisi> dar;
        Gecode::TupleSet genis;
    };
    std::vector<Yer_Tablosu> tablolar;           // slot -> its table
    std::vector<std::vector<int>> ayri_gruplar;  // slots of one length, which must differ
    std::vector<std::vector<int>> harf_sirasi;   // variable -> letter codes, likeliest first
    std::string harfler;                         // letter code -> Windows-1254 byte
    std::size_t tablo_bayti = 0;
};

// Builds the model's data; false when its tables would take more than `bellek`.
bool veri_kur(const Analiz_Tablolari& t, bool tekrar_izni, std::size_t bellek, Model_Verisi& v);

// The candidate of slot s whose letters the variables hold (letter codes,
// -1 for none), 0 when none does.
int aday_no(const Analiz_Tablolari& t, const Model_Verisi& v, int s,
            const std::vector<int>& kodlar);

// The deepest point that any engine reached: the most cells fixed at a
// branching (where propagation is done and nothing failed), with their letters.
class En_Derin_Nokta {
  public:
    explicit En_Derin_Nokta(std::size_t hucre_sayisi) : kodlar_(hucre_sayisi, -1) {}

    // An engine's point with `sabit` cells fixed, `kodlar` as kodlar() gives.
    void bildir(const std::vector<int>& kodlar, int sabit) {
        if (sabit <= sabit_.load(std::memory_order_relaxed))
            return;
        const std::lock_guard kilit(kilit_);
        if (sabit <= sabit_.load(std::memory_order_relaxed))
            return;
        kodlar_ = kodlar;
        sabit_.store(sabit, std::memory_order_relaxed);
        surum_.fetch_add(1, std::memory_order_relaxed);
    }
    unsigned surum() const { return surum_.load(std::memory_order_relaxed); }
    // Letter codes per variable, -1 where none was fixed.
    std::vector<int> kodlar() {
        const std::lock_guard kilit(kilit_);
        return kodlar_;
    }

  private:
    std::atomic<int> sabit_{-1};
    std::atomic<unsigned> surum_{0};
    std::mutex kilit_;
    std::vector<int> kodlar_;
};

// One engine's deepest point, for that engine's thread alone. Its value
// choice tries these letters first, so that after a restart the engine
// heads back to where it got furthest instead of starting afresh; a deeper
// point goes on to the run's shared one.
class Motor_Hedefi {
  public:
    Motor_Hedefi(std::size_t hucre_sayisi, En_Derin_Nokta& ortak)
        : ortak_(&ortak), kodlar_(hucre_sayisi, -1) {}

    // At every branching.
    void bildir(const Gecode::IntVarArray& x) {
        int sabit = 0;
        for (int i = 0; i < x.size(); ++i)
            sabit += x[i].assigned();
        if (sabit <= sabit_)
            return;
        sabit_ = sabit;
        for (int i = 0; i < x.size(); ++i)
            kodlar_[static_cast<std::size_t>(i)] = x[i].assigned() ? x[i].val() : -1;
        ortak_->bildir(kodlar_, sabit);
    }
    // Variable i's letter code there, -1 where it was open.
    int harf(int i) const { return kodlar_[static_cast<std::size_t>(i)]; }

  private:
    En_Derin_Nokta* ortak_;
    int sabit_ = -1;
    std::vector<int> kodlar_;
};

class Harf_Modeli final : public Gecode::Space {
  public:
    // Engine `tohum`'s model; every branching reports to `hedef`.
    Harf_Modeli(const Model_Verisi& v, bool tekrar_izni, unsigned tohum, Motor_Hedefi& hedef);
    Harf_Modeli(Harf_Modeli& m) : Gecode::Space(m) { x_.update(*this, m.x_); }
    Gecode::Space* copy() override { return new Harf_Modeli(*this); }

    const Gecode::IntVarArray& degiskenler() const { return x_; }

  private:
    Gecode::IntVarArray x_;
};

}  // namespace velzora
