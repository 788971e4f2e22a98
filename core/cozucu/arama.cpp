#include "cozucu/arama.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <numeric>
#include <utility>

namespace velzora {
namespace {

// hedef = a AND b over W words; returns the number of set bits. Deep in the
// search most words of `a` are zero, and skipping them saves reading `b`.
[[gnu::always_inline]] inline int ve_say(std::uint64_t* __restrict hedef,
                                         const std::uint64_t* __restrict a,
                                         const std::uint64_t* __restrict b, int W) {
    int sayi = 0;
    for (int i = 0; i < W; ++i) {
        const std::uint64_t x = a[i] == 0 ? 0 : a[i] & b[i];
        hedef[i] = x;
        sayi += __builtin_popcountll(x);
    }
    return sayi;
}

}  // namespace

void Arama::hazirla(const Analiz_Tablolari& tablolar, std::size_t bellek_siniri) {
    t_ = &tablolar;
    n_ = tablolar.yerler.Yer_Sayisi();
    const auto boy = static_cast<std::size_t>(n_) + 2;
    std::vector<int> kelime_sayilari(static_cast<std::size_t>(n_) + 1, 0);
    // A slot gets a new version only from a crossing word or for its own
    // tried candidates, so (length + 1) versions per slot hold a whole path
    // without repetition; the repetition rule may add more as the search goes.
    std::size_t ayrilan = 0;
    for (int s = 1; s <= n_; ++s) {
        kelime_sayilari[static_cast<std::size_t>(s)] = tablolar.maskeler.kelime_sayisi(s);
        ayrilan += static_cast<std::size_t>(tablolar.yerler.Yer(s).Uzunluk + 1) *
                   static_cast<std::size_t>(tablolar.maskeler.kelime_sayisi(s));
    }
    durum_.hazirla(kelime_sayilari, ayrilan, bellek_siniri);
    k_.Sira.assign(boy, 0);
    konum_.assign(boy, 0);
    k_.yerlesen.assign(boy, 0);
    k_.son_kabul.assign(boy, 0);
    k_.en_iyi.assign(boy, 0);
    isaret_.assign(boy + 1, Seviye_Durumu::Isaret{});
    imlec_.assign(boy, 0);
    k_.En_Derin = 0;
    kabul_ = denenen_ = geri_donus_ = 0;
}

Arama_Istatistigi Arama::istatistik() const {
    Arama_Istatistigi i;
    i.kabul_edilen = kabul_;
    i.denenen = denenen_;
    i.geri_donus = geri_donus_;
    i.tepe_seviye_bayti = durum_.tepe_bayt();
    return i;
}

Arama_Sonucu Arama::bulmaca_coz() {
    // Level 0: the identity fill order, no words, every candidate possible.
    std::iota(k_.Sira.begin(), k_.Sira.end() - 1, 0);
    k_.Sira.back() = 0;
    std::iota(konum_.begin(), konum_.end(), 0);
    std::fill(k_.yerlesen.begin(), k_.yerlesen.end(), 0);
    std::fill(k_.son_kabul.begin(), k_.son_kabul.end(), 0);
    std::fill(k_.en_iyi.begin(), k_.en_iyi.end(), 0);
    adetler_.assign(static_cast<std::size_t>(n_) + 1, 0);
    bos_yer_var_ = false;
    for (int s = 1; s <= n_; ++s) {
        adetler_[static_cast<std::size_t>(s)] = t_->adaylar.Aday_Adet(s);
        bos_yer_var_ = bos_yer_var_ || (s > 1 && adetler_[static_cast<std::size_t>(s)] == 0);
    }
    durum_.baslat(adetler_);
    k_.En_Derin = 0;
    kabul_ = denenen_ = geri_donus_ = 0;
    tekrar_izni_ = d_.tekrar_izni();
    Arama_Sonucu sonuc;
#if defined(__x86_64__) || defined(__i386__)
    sonuc = __builtin_cpu_supports("popcnt") ? dongu_donanim() : dongu_genel();
#else
    sonuc = dongu_genel();
#endif
    d_.bitir(denenen_);
    return sonuc;
}

// The invariant of the search loop, checked at the top of every turn with
// 1 <= L <= n: Sira and konum_ are inverse; positions 1..L-1 hold accepted
// words that agree at every crossing among them; no later position than L
// holds a word; the slot at position L keeps its tried candidates in a
// version of level L's own, with none left before its cursor.
bool Arama::dongu_tutarli(int L) const {
    for (int p = 1; p <= n_; ++p) {
        if (konum_[static_cast<std::size_t>(k_.Sira[static_cast<std::size_t>(p)])] != p)
            return false;
    }
    for (int p = 1; p <= n_; ++p) {
        const int s = k_.Sira[static_cast<std::size_t>(p)];
        const int k = k_.yerlesen[static_cast<std::size_t>(s)];
        if (p > L && k != 0)
            return false;
        if (p >= L)
            continue;
        if (k == 0)
            return false;
        for (const Capraz& c : t_->yerler.caprazlar(s)) {
            const int kt = k_.yerlesen[static_cast<std::size_t>(c.yer)];
            if (konum_[static_cast<std::size_t>(c.yer)] < L &&
                t_->adaylar.aday_harfleri(s, k)[c.bu_konum - 1] !=
                    t_->adaylar.aday_harfleri(c.yer, kt)[c.oteki_konum - 1])
                return false;
        }
    }
    const int s = k_.Sira[static_cast<std::size_t>(L)];
    const std::uint64_t* bitler = durum_.bitler(s);
    for (int w = 0; w < imlec_[static_cast<std::size_t>(L)]; ++w) {
        if (bitler[w] != 0)
            return false;
    }
    return durum_.seviye(s) == L;
}

[[gnu::always_inline]] inline Arama_Sonucu Arama::dongu() {
    int L = 1;
    if (n_ >= 1)
        seviyeye_gir(1);
    while (L >= 1 && L <= n_) {
        assert(dongu_tutarli(L));
        int k = 0;
        const Arama_Sonucu secim = kelime_sec(L, k);
        if (secim != Arama_Sonucu::Kabul && secim != Arama_Sonucu::Tukendi)
            return secim;
        yerlestir(k_.Sira[static_cast<std::size_t>(L)], k);
        if (secim == Arama_Sonucu::Tukendi) {
            --L;
            ++geri_donus_;
            continue;
        }
        ++kabul_;
        cozum_goster(L);
        if (d_.kanca_cagir(ilerleme(Kanca_Nedeni::Kelime_Kabul_Edildi, L)) == Kanca_Yaniti::Durdur)
            return Arama_Sonucu::Durduruldu;
        tekrar_izni_ = d_.tekrar_izni();
        ++L;
        sonraki_sec(L);
        if (L <= n_)
            seviyeye_gir(L);
    }
    if (L > n_)
        return Arama_Sonucu::Kabul;
    d_.kelimeleri_ciz(k_.en_iyi);
    return Arama_Sonucu::Tukendi;
}

// Chooses the word of the slot at position L: Kabul with its candidate
// number in `k`; Tukendi with k = 0 when none is left at this level;
// Durduruldu or Sinir_Doldu when the run must end. Candidates are tried in
// the order of the slot's list.
[[gnu::always_inline]] inline Arama_Sonucu Arama::kelime_sec(int L, int& k) {
    const int s = k_.Sira[static_cast<std::size_t>(L)];
    const Seviye_Durumu::Isaret sonraki = isaret_[static_cast<std::size_t>(L) + 1];
    int& imlec = imlec_[static_cast<std::size_t>(L)];
    for (;;) {
        durum_.geri_al(sonraki);
        if (durum_.sayi(s) == 0) {
            k = 0;
            return Arama_Sonucu::Tukendi;
        }
        std::uint64_t* bitler = durum_.bitler(s);
        while (bitler[imlec] == 0)
            ++imlec;
        k = imlec * 64 + __builtin_ctzll(bitler[imlec]) + 1;
        bitler[imlec] &= bitler[imlec] - 1;
        durum_.sayi_azalt(s);
        ++denenen_;
        if (d_.sayac_doldu()) {
            if (const auto son = d_.ara_denetim(denenen_, ilerleme(Kanca_Nedeni::Ara_Denetim, L)))
                return *son;
            tekrar_izni_ = d_.tekrar_izni();
        }
        if (ileri_denetim(L, s, k)) {
            k_.son_kabul[static_cast<std::size_t>(s)] = k;
            return Arama_Sonucu::Kabul;
        }
    }
}

// Builds level L + 1 for candidate k of slot s at position L: every later
// slot keeps only the candidates that agree with it. False as soon as one
// is left with none.
[[gnu::always_inline]] inline bool Arama::ileri_denetim(int L, int s, int k) {
    const int sonraki = L + 1;
    const char* kelime = t_->adaylar.aday_harfleri(s, k);
    for (const Capraz& c : t_->yerler.caprazlar(s)) {
        const int t = c.yer;
        if (konum_[static_cast<std::size_t>(t)] <= L)
            continue;
        const std::uint64_t* maske = t_->maskeler.maske(t, c.oteki_konum, kelime[c.bu_konum - 1]);
        if (maske == nullptr)
            return false;
        const Seviye_Durumu::Yeni_Surum v = durum_.yeni_surum(t, sonraki);
        const int sayi = ve_say(v.yeni, v.eski, maske, t_->maskeler.kelime_sayisi(t));
        durum_.sayi_ata(t, sayi);
        if (sayi == 0)
            return false;
    }
    if (!tekrar_izni_) {
        for (const Es_Aday& e : t_->maskeler.esler(s, k)) {
            if (konum_[static_cast<std::size_t>(e.yer)] <= L)
                continue;
            const auto kelime_no = static_cast<std::size_t>(e.aday - 1) / 64;
            const std::uint64_t bit = std::uint64_t{1} << ((e.aday - 1) % 64);
            std::uint64_t* bitler = durum_.bitler(e.yer);
            if ((bitler[kelime_no] & bit) == 0)
                continue;
            if (durum_.seviye(e.yer) != sonraki)
                bitler = durum_.kopya_surum(e.yer, sonraki);
            bitler[kelime_no] &= ~bit;
            if (durum_.sayi_azalt(e.yer) == 0)
                return false;
        }
    }
    // Slots the word leaves alone keep their level-L sets, which are
    // non-empty from level 2 on; at level 1 an empty list rejects every word.
    return !(L == 1 && bos_yer_var_);
}

// On x86 the same loop twice: once where the processor counts bits in one
// instruction, once for any x86-64; elsewhere the compiler's own choice for
// the target. They stand after the loop's functions: a function defined
// below its caller is compiled without its always_inline, and the popcnt
// copy would then call a generic, out-of-line loop.
#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("popcnt"))) Arama_Sonucu Arama::dongu_donanim() {
    return dongu();
}
#endif
Arama_Sonucu Arama::dongu_genel() {
    return dongu();
}

void Arama::seviyeye_gir(int L) {
    const int s = k_.Sira[static_cast<std::size_t>(L)];
    // Tried candidates are marked in a version of level L's own, so that
    // earlier levels still see them when the search comes back.
    if (durum_.seviye(s) != L)
        durum_.kopya_surum(s, L);
    imlec_[static_cast<std::size_t>(L)] = 0;
    isaret_[static_cast<std::size_t>(L) + 1] = durum_.isaret();
}

void Arama::sonraki_sec(int p) {
    if (p > n_)
        return;
    std::vector<int>& Sira = k_.Sira;
    int en_iyi = p;
    int en_az = durum_.sayi(Sira[static_cast<std::size_t>(p)]);
    for (int q = p + 1; q <= n_; ++q) {
        const int sayi = durum_.sayi(Sira[static_cast<std::size_t>(q)]);
        if (sayi < en_az) {
            en_az = sayi;
            en_iyi = q;
        }
    }
    if (en_iyi != p) {
        std::swap(Sira[static_cast<std::size_t>(en_iyi)], Sira[static_cast<std::size_t>(p)]);
        konum_[static_cast<std::size_t>(Sira[static_cast<std::size_t>(p)])] = p;
        konum_[static_cast<std::size_t>(Sira[static_cast<std::size_t>(en_iyi)])] = en_iyi;
    }
}

void Arama::yerlestir(int s, int k) {
    auto& eski = k_.yerlesen[static_cast<std::size_t>(s)];
    if (eski == k)
        return;
    eski = k;
    d_.yer_degisti(s);
}

void Arama::cozum_goster(int L) {
    d_.kelimeleri_goster(k_.yerlesen, denenen_);
    if (L > k_.En_Derin) {
        k_.En_Derin = L;
        k_.en_iyi = k_.yerlesen;
    }
}

Ilerleme Arama::ilerleme(Kanca_Nedeni neden, int L) const {
    Ilerleme i;
    i.neden = neden;
    i.kabul_edilen = kabul_;
    i.denenen = denenen_;
    i.seviye = L;
    i.En_Derin = k_.En_Derin;
    i.Yer_Sayisi = n_;
    return i;
}

}  // namespace velzora
