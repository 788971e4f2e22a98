// The candidates still possible at every level of the search. Each slot has
// a stack of bitset versions tagged with the level that wrote them; reading
// a slot gives its newest version. A level stores only the slots it changed,
// and going back to a level drops everything written after its mark, so a
// failed choice is undone without an undo step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace velzora {

class Seviye_Durumu {
  public:
    // Where the versions of later levels begin.
    struct Isaret {
        std::size_t iz = 0;
        std::size_t alan = 0;
    };
    struct Yeni_Surum {
        std::uint64_t* yeni;        // to be filled by the caller
        const std::uint64_t* eski;  // the version it replaces
    };

    // Sizes the storage for slots with `kelime_sayilari[s]` bitset words and
    // `ayrilan` words of versions in all; throws std::bad_alloc beyond
    // `bellek_siniri` bytes. Index 0 of the spans is unused.
    void hazirla(std::span<const int> kelime_sayilari, std::size_t ayrilan,
                 std::size_t bellek_siniri);

    // Level 0: every slot holds its first `adetler[s]` candidates.
    void baslat(std::span<const int> adetler);

    std::uint64_t* bitler(int t) { return alan_.get() + yer(t).konum; }
    const std::uint64_t* bitler(int t) const { return alan_.get() + yer(t).konum; }
    int sayi(int t) const { return yer(t).sayi; }
    void sayi_ata(int t, int sayi) { yer(t).sayi = sayi; }
    int sayi_azalt(int t) { return --yer(t).sayi; }
    int seviye(int t) const { return yer(t).seviye; }

    // A new, unfilled version of t for `seviye`; may move the storage, so
    // pointers taken before are stale.
    Yeni_Surum yeni_surum(int t, int seviye) {
        const auto W = static_cast<std::size_t>(yer(t).kelime_sayisi);
        if (boy_ + W > kapasite_)
            buyut(W);
        Yer_Kaydi& y = yer(t);
        iz_.push_back({t, y.konum, y.sayi, y.seviye});
        const std::size_t eski = y.konum;
        y.konum = boy_;
        y.seviye = seviye;
        boy_ += W;
        if (boy_ > tepe_)
            tepe_ = boy_;
        return {alan_.get() + y.konum, alan_.get() + eski};
    }
    // A copy of t's newest version for `seviye`, with the same count.
    std::uint64_t* kopya_surum(int t, int seviye);

    Isaret isaret() const { return {iz_.size(), boy_}; }
    void geri_al(Isaret i) {
        while (iz_.size() > i.iz) {
            const Iz& z = iz_.back();
            Yer_Kaydi& y = yer(z.yer);
            y.konum = z.konum;
            y.sayi = z.sayi;
            y.seviye = z.seviye;
            iz_.pop_back();
        }
        boy_ = i.alan;
    }

    // Most bytes that the versions of all levels held at once, with the undo trail.
    std::size_t tepe_bayt() const;
    std::size_t ayrilan_bayt() const { return kapasite_ * sizeof(std::uint64_t); }

  private:
    struct Yer_Kaydi {
        std::size_t konum = 0;  // newest version in alan_
        int sayi = 0;
        int seviye = 0;
        int kelime_sayisi = 0;
    };
    struct Iz {
        int yer;
        std::size_t konum;
        int sayi;
        int seviye;
    };
    Yer_Kaydi& yer(int t) { return yerler_[static_cast<std::size_t>(t)]; }
    const Yer_Kaydi& yer(int t) const { return yerler_[static_cast<std::size_t>(t)]; }
    void buyut(std::size_t en_az);
    void tabani_yerlestir();

    std::vector<Yer_Kaydi> yerler_;
    std::vector<Iz> iz_;
    std::unique_ptr<std::uint64_t[]> alan_;
    std::size_t kapasite_ = 0;
    std::size_t boy_ = 0;
    std::size_t taban_ = 0;  // words of level 0
    std::size_t tepe_ = 0;
    std::size_t bellek_siniri_ = 0;
};

}  // namespace velzora
