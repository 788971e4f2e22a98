// A slot's table constraint for the smart search: its letter variables must
// spell one of its candidates. Compact-table propagation (the live candidates
// as a sparse bit set, each letter at each place as the set of candidates
// that have it there) with a remembered supporting word per letter, so that
// a letter that still has support is confirmed in one step instead of a scan.
#pragma once

#include <gecode/int.hh>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace velzora {

// A table's candidates, shared by every engine and every copy of the model.
class Tablo_Verisi {
  public:
    // Letter codes are below `harf_sayisi`, which is at most 64: a domain
    // fits in one machine word.
    static constexpr int EN_COK_HARF = 64;

    // `kelimeler`: the candidates as letter codes, `uzunluk` codes each.
    Tablo_Verisi(const std::vector<int>& kelimeler, int uzunluk, int harf_sayisi);

    int uzunluk() const { return uzunluk_; }
    int harf_sayisi() const { return harf_sayisi_; }
    int kelime_sayisi() const { return kelime_sayisi_; }
    int sozcuk_sayisi() const { return sozcuk_sayisi_; }
    // The candidates with letter c at place p, one bit per candidate.
    const std::uint64_t* destek(int p, int c) const {
        return destek_.data() + sira(p, c) * static_cast<std::size_t>(sozcuk_sayisi_);
    }
    // The words of destek(p, c) that are not empty, as a range of indices.
    std::pair<const int*, const int*> dolu_sozcukler(int p, int c) const {
        const std::size_t i = sira(p, c);
        return {dolu_.data() + dolu_bas_[i], dolu_.data() + dolu_bas_[i + 1]};
    }

  private:
    std::size_t sira(int p, int c) const {
        return static_cast<std::size_t>(p) * static_cast<std::size_t>(harf_sayisi_) +
               static_cast<std::size_t>(c);
    }

    int uzunluk_;
    int harf_sayisi_;
    int kelime_sayisi_;
    int sozcuk_sayisi_;
    std::vector<std::uint64_t> destek_;
    std::vector<int> dolu_;
    std::vector<std::size_t> dolu_bas_;
};

// Posts the table constraint of `x` (one variable per place) over `t`, which
// must outlive the search.
void tablo_kisiti(Gecode::Home home, const Gecode::IntVarArgs& x, const Tablo_Verisi& t);

}  // namespace velzora
