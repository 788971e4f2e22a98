#include "cozucu/arama.h"

#include <algorithm>
#include <array>
#include <limits>
#include <numeric>
#include <utility>

namespace velzora {
namespace {

// The clock is read once per this many tried candidates, which keeps it out
// of the hot loop's cost and still hears a stop request within a few ms.
constexpr int SAAT_ARALIGI = 1024;
// The same with the restart search's pruning, where one tried candidate can
// take a hundred times longer.
constexpr int BUDAMALI_SAAT_ARALIGI = 16;
// Gap between hook calls while no word is accepted; well under the 100 ms
// that the window may stay unresponsive.
constexpr std::chrono::milliseconds ARA_DENETIM_SURESI{50};
// Below this many candidates left, a round picks the earliest of them by
// turn rather than walking its order (a few bitset words against a long walk).
constexpr int TARAMA_ESIGI = 64;

std::chrono::sys_seconds simdi_saniye() {
    return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
}

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
    Sira_.assign(boy, 0);
    konum_.assign(boy, 0);
    yerlesen_.assign(boy, 0);
    son_kabul_.assign(boy, 0);
    en_iyi_.assign(boy, 0);
    isaret_.assign(boy + 1, Seviye_Durumu::Isaret{});
    imlec_.assign(boy, 0);
    kirli_mi_.assign(boy, 0);
    kirli_.clear();
    kirli_.reserve(boy);
    En_Derin_ = 0;
    kabul_ = denenen_ = geri_donus_ = 0;
}

Arama_Istatistigi Arama::istatistik() const {
    return {kabul_, denenen_, geri_donus_, durum_.tepe_bayt()};
}

Cozum_Durumu Arama::bulmaca_coz(Izgara& izgara, const Cozum_Kancasi& kanca,
                                const Tekrar_Okuyucu& tekrar_izni) {
    if (!baslat(izgara, kanca, tekrar_izni))
        return Cozum_Durumu::Analiz_Yok;
    const Cozum_Durumu sonuc = __builtin_cpu_supports("popcnt") ? dongu_donanim() : dongu_genel();
    bitir();
    return sonuc;
}

Cozum_Durumu Arama::yeniden_baslatarak_coz(Izgara& izgara, const Cozum_Kancasi& kanca,
                                           const Tekrar_Okuyucu& tekrar_izni,
                                           const Yeniden_Baslatma& ayar, Rastgele_Kaynak& kaynak) {
    if (!baslat(izgara, kanca, tekrar_izni))
        return Cozum_Durumu::Analiz_Yok;
    tur_sirasi_.hazirla(t_->adaylar);
    if (ayar.budama && hucreler_.hazirla(t_->yerler, t_->adaylar, t_->maskeler)) {
        hucre_isareti_.assign(static_cast<std::size_t>(n_) + 3, 0);
        kuyrukta_.assign(static_cast<std::size_t>(n_) + 1, 0);
        kuyruk_.clear();
        kuyruk_.reserve(static_cast<std::size_t>(n_));
        // Pruned once before any word; every round starts from the result.
        for (int s = 1; s <= n_; ++s)
            kuyruga_ekle(s);
        const bool tutarli = harf_buda(0, 0);
        durum_.taban_sakla();
        hucreler_.taban_sakla();
        budama_ = true;
        if (!tutarli) {
            tam_ciz(en_iyi_);
            bitir();
            return Cozum_Durumu::Cozulemedi;
        }
    }
    const bool donanim = __builtin_cpu_supports("popcnt");
    Cozum_Durumu sonuc;
    for (;;) {
        butce_sonu_ = denenen_ + tur_butcesi(tur_, ayar.taban);
        saat_sayacini_kur();
        butce_bitti_ = false;
        sonuc = donanim ? tur_donanim() : tur_genel();
        if (!butce_bitti_)
            break;
        ++tur_;
        tur_sirasi_.karistir(kaynak);
        tur_hazirla();
        if (cizildi_) {
            Izgara::Toplu_Degisiklik toplu(*izgara_);
            harf_geri_yaz();
        }
        // A reshuffle takes a while on large grids; many short rounds in a
        // row must not keep the hook waiting longer than a stretch of tried
        // candidates would.
        if (sureli_denetim_durdur(0)) {
            sonuc = Cozum_Durumu::Durduruldu;
            break;
        }
    }
    bitir();
    return sonuc;
}

bool Arama::baslat(Izgara& izgara, const Cozum_Kancasi& kanca, const Tekrar_Okuyucu& tekrar_izni) {
    if (izgara.Satir_Sayisi() != t_->yerler.Satir_Sayisi() ||
        izgara.Sutun_Sayisi() != t_->yerler.Sutun_Sayisi())
        return false;
    izgara_ = &izgara;
    kanca_ = &kanca;
    tekrar_oku_ = &tekrar_izni;
    budama_ = false;
    std::fill(en_iyi_.begin(), en_iyi_.end(), 0);
    adetler_.assign(static_cast<std::size_t>(n_) + 1, 0);
    bos_yer_var_ = false;
    for (int s = 1; s <= n_; ++s) {
        adetler_[static_cast<std::size_t>(s)] = t_->adaylar.Aday_Adet(s);
        bos_yer_var_ = bos_yer_var_ || (s > 1 && adetler_[static_cast<std::size_t>(s)] == 0);
    }
    tur_hazirla();
    En_Derin_ = 0;
    kabul_ = denenen_ = geri_donus_ = 0;
    tur_ = 1;
    butce_sonu_ = std::numeric_limits<long long>::max();
    butce_bitti_ = false;
    cizildi_ = false;
    tekrar_izni_ = tekrar_izni && tekrar_izni();
    saat_sayacini_kur();
    son_ara_denetim_ = std::chrono::steady_clock::now();
    saniye_onbellegi_ = simdi_saniye();
    son_cizim_denemesi_ = -1;
    return true;
}

// Level 0 of a round: the identity fill order, no words, every candidate possible.
void Arama::tur_hazirla() {
    std::iota(Sira_.begin(), Sira_.end() - 1, 0);
    Sira_.back() = 0;
    std::iota(konum_.begin(), konum_.end(), 0);
    std::fill(yerlesen_.begin(), yerlesen_.end(), 0);
    std::fill(son_kabul_.begin(), son_kabul_.end(), 0);
    for (const int s : kirli_)
        kirli_mi_[static_cast<std::size_t>(s)] = 0;
    kirli_.clear();
    if (budama_) {
        durum_.tabana_don();
        hucreler_.tabana_don();
    } else {
        durum_.baslat(adetler_);
    }
}

void Arama::bitir() {
    if (!cizildi_ || son_cizim_denemesi_ == denenen_)
        Bitis_Zamani_ = simdi_saniye();
}

template <bool Turlu>
[[gnu::always_inline]] inline Cozum_Durumu Arama::dongu() {
    // Invariant at the top of every turn, with 1 <= L <= n: positions 1..L-1
    // hold accepted words that agree with each other; the newest version of
    // every slot at a position >= L is its candidate set at level L, and for
    // L >= 2 each of those sets is non-empty; the slot at position L has its
    // tried candidates already removed at level L;
    // with the pruning, the letters that such a slot's set has at a
    // crossing with another such slot are all in the crossing's set.
    int L = 1;
    if (n_ >= 1)
        seviyeye_gir(1);
    while (L >= 1 && L <= n_) {
        const int k = kelime_sec<Turlu>(L);
        if (k < 0)
            return Cozum_Durumu::Durduruldu;
        yerlestir(Sira_[static_cast<std::size_t>(L)], k);
        if (k == 0) {
            --L;
            ++geri_donus_;
            continue;
        }
        ++kabul_;
        cozum_goster(L);
        if (kanca_cagir(Kanca_Nedeni::Kelime_Kabul_Edildi, L) == Kanca_Yaniti::Durdur)
            return Cozum_Durumu::Durduruldu;
        ++L;
        sonraki_sec(L);
        if (L <= n_)
            seviyeye_gir(L);
    }
    if (L > n_)
        return Cozum_Durumu::Cozuldu;
    tam_ciz(en_iyi_);
    return Cozum_Durumu::Cozulemedi;
}

// Returns the accepted candidate of the slot at position L, 0 when none is
// left at this level, -1 when the hook asked to stop or the round's budget
// is spent. The exact search tries candidates in list order; a round of the
// restart search in its own order.
template <bool Turlu>
[[gnu::always_inline]] inline int Arama::kelime_sec(int L) {
    const int s = Sira_[static_cast<std::size_t>(L)];
    const Seviye_Durumu::Isaret sonraki = isaret_[static_cast<std::size_t>(L) + 1];
    int& imlec = imlec_[static_cast<std::size_t>(L)];
    for (;;) {
        durum_.geri_al(sonraki);
        if constexpr (Turlu) {
            if (budama_)
                hucreler_.geri_al(hucre_isareti_[static_cast<std::size_t>(L) + 1]);
        }
        if (durum_.sayi(s) == 0)
            return 0;
        std::uint64_t* bitler = durum_.bitler(s);
        int k;
        if constexpr (Turlu) {
            k = tur_adayi(s, bitler, imlec);
            bitler[(k - 1) / 64] &= ~(std::uint64_t{1} << ((k - 1) % 64));
        } else {
            while (bitler[imlec] == 0)
                ++imlec;
            k = imlec * 64 + __builtin_ctzll(bitler[imlec]) + 1;
            bitler[imlec] &= bitler[imlec] - 1;
        }
        durum_.sayi_azalt(s);
        ++denenen_;
        if (--saat_sayaci_ == 0 && ara_denetim_durdur(L))
            return -1;
        bool uygun = ileri_denetim(L, s, k);
        if constexpr (Turlu)
            uygun = uygun && (!budama_ || capraz_buda(L, s));
        if (uygun) {
            son_kabul_[static_cast<std::size_t>(s)] = k;
            return k;
        }
    }
}

// The untried candidate of slot s that comes first in the round's order.
// `imlec` is a turn in that order before which no candidate is left at this
// level; levels only lose candidates, so it stays valid on every return here.
[[gnu::always_inline]] inline int Arama::tur_adayi(int s, const std::uint64_t* bitler,
                                                   int& imlec) const {
    if (durum_.sayi(s) >= TARAMA_ESIGI) {
        // With many left, walking the order from the cursor meets one soon.
        const int* aday = tur_sirasi_.aday(s);
        for (;; ++imlec) {
            const int j = aday[imlec];
            if ((bitler[j / 64] >> (j % 64)) & 1)
                return j + 1;
        }
    }
    // With few left, the one with the earliest turn.
    const int* konum = tur_sirasi_.konum(s);
    const int W = t_->maskeler.kelime_sayisi(s);
    int en_iyi = 0;
    int en_erken = std::numeric_limits<int>::max();
    for (int w = 0; w < W; ++w) {
        for (std::uint64_t x = bitler[w]; x != 0; x &= x - 1) {
            const int j = w * 64 + __builtin_ctzll(x);
            if (konum[j] < en_erken) {
                en_erken = konum[j];
                en_iyi = j;
            }
        }
    }
    return en_iyi + 1;
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

// After the forward check of slot s's word at position L: the slots it
// narrowed pass the narrowing on through their shared cells.
[[gnu::always_inline]] inline bool Arama::capraz_buda(int L, int s) {
    for (const Capraz& c : t_->yerler.caprazlar(s)) {
        if (konum_[static_cast<std::size_t>(c.yer)] > L)
            kuyruga_ekle(c.yer);
    }
    return harf_buda(L, L + 1);
}

// Arc consistency over the shared cells of the slots after position L: a
// letter stays in a cell only while both slots have a candidate with it
// there, and a candidate only while its letters stay. Each slot's letters
// in a cell are within the cell's set, so a set shrinks only to what the
// slot being checked allows, and only the other slot loses candidates.
// Changed sets become versions of `seviye`. False when a slot runs empty.
[[gnu::always_inline]] inline bool Arama::harf_buda(int L, int seviye) {
    bool tutarli = true;
    while (tutarli && !kuyruk_.empty()) {
        const int t = kuyruk_.back();
        kuyruk_.pop_back();
        kuyrukta_[static_cast<std::size_t>(t)] = 0;
        for (const Kesisme& e : hucreler_.kesismeler(t)) {
            if (konum_[static_cast<std::size_t>(e.yer)] <= L)
                continue;
            const std::uint64_t eski = hucreler_.kume(e.hucre);
            const std::uint64_t yeni = destekli_harfler(t, e, eski);
            if (yeni == eski)
                continue;
            hucreler_.ata(e.hucre, yeni);
            if (yeni == 0 || !harfleri_sil(e.yer, hucreler_.karsi(e), eski & ~yeni, seviye)) {
                tutarli = false;
                break;
            }
        }
    }
    for (const int t : kuyruk_)
        kuyrukta_[static_cast<std::size_t>(t)] = 0;
    kuyruk_.clear();
    return tutarli;
}

// The letters of `kume` that some candidate of slot t still has at the
// crossing's cell.
[[gnu::always_inline]] inline std::uint64_t Arama::destekli_harfler(int t, const Kesisme& e,
                                                                    std::uint64_t kume) {
    const std::uint64_t* bitler = durum_.bitler(t);
    const int W = t_->maskeler.kelime_sayisi(t);
    std::uint64_t var = 0;
    // Few candidates: read their letters. Many: look for one per letter.
    if (durum_.sayi(t) <= 4 * __builtin_popcountll(kume)) {
        const std::uint8_t* kodlar = hucreler_.kodlar(e);
        for (int w = 0; w < W; ++w) {
            for (std::uint64_t x = bitler[w]; x != 0; x &= x - 1)
                var |= std::uint64_t{1} << kodlar[w * 64 + __builtin_ctzll(x)];
            if ((var & kume) == kume)
                break;
        }
        return var & kume;
    }
    int* son = hucreler_.son_destek(e);
    const std::uint64_t* const* maskeler = hucreler_.maskeler(e);
    for (std::uint64_t kalan = kume; kalan != 0; kalan &= kalan - 1) {
        const int kod = __builtin_ctzll(kalan);
        const std::uint64_t* maske = maskeler[kod];
        if (maske == nullptr)
            continue;
        if (son[kod] < W && (bitler[son[kod]] & maske[son[kod]]) != 0) {
            var |= std::uint64_t{1} << kod;
            continue;
        }
        for (int i = 0; i < W; ++i) {
            if (bitler[i] != 0 && (bitler[i] & maske[i]) != 0) {
                var |= std::uint64_t{1} << kod;
                son[kod] = i;
                break;
            }
        }
    }
    return var;
}

// Removes from slot u the candidates with a letter of `silinen` at the cell
// of its crossing e; a slot that lost some is queued. False when none is left.
[[gnu::always_inline]] inline bool Arama::harfleri_sil(int u, const Kesisme& e,
                                                       std::uint64_t silinen, int seviye) {
    const std::uint8_t* kodlar = hucreler_.kodlar(e);
    const int W = t_->maskeler.kelime_sayisi(u);
    std::uint64_t* bitler = durum_.bitler(u);
    bool kendi_surumu = durum_.seviye(u) == seviye;
    const int eski_sayi = durum_.sayi(u);
    int sayi = eski_sayi;
    // Few candidates: read their letters. Many: AND with each letter's mask.
    const bool az = eski_sayi * 2 <= __builtin_popcountll(silinen) * W;
    std::array<const std::uint64_t*, 64> maskeler;
    int maske_sayisi = 0;
    if (!az) {
        for (std::uint64_t kalan = silinen; kalan != 0; kalan &= kalan - 1) {
            const std::uint64_t* maske = hucreler_.maskeler(e)[__builtin_ctzll(kalan)];
            if (maske != nullptr)
                maskeler[static_cast<std::size_t>(maske_sayisi++)] = maske;
        }
    }
    for (int i = 0; i < W; ++i) {
        if (bitler[i] == 0)
            continue;
        std::uint64_t x = 0;
        if (az) {
            for (std::uint64_t y = bitler[i]; y != 0; y &= y - 1)
                x |= ((silinen >> kodlar[i * 64 + __builtin_ctzll(y)]) & 1) * (y & -y);
        } else {
            for (int m = 0; m < maske_sayisi; ++m)
                x |= maskeler[static_cast<std::size_t>(m)][i];
            x &= bitler[i];
        }
        if (x == 0)
            continue;
        if (!kendi_surumu) {
            bitler = durum_.kopya_surum(u, seviye);
            kendi_surumu = true;
        }
        bitler[i] &= ~x;
        sayi -= __builtin_popcountll(x);
    }
    if (sayi == eski_sayi)
        return true;
    durum_.sayi_ata(u, sayi);
    kuyruga_ekle(u);
    return sayi != 0;
}

[[gnu::always_inline]] inline void Arama::kuyruga_ekle(int s) {
    if (kuyrukta_[static_cast<std::size_t>(s)])
        return;
    kuyrukta_[static_cast<std::size_t>(s)] = 1;
    kuyruk_.push_back(s);
}

// The same loops twice: once where the processor counts bits in one
// instruction, once for any x86-64. They stand after the loop's templates:
// a template defined below its caller is instantiated without its
// always_inline, and the popcnt copy then calls a generic, out-of-line loop.
__attribute__((target("popcnt"))) Cozum_Durumu Arama::dongu_donanim() {
    return dongu<false>();
}
Cozum_Durumu Arama::dongu_genel() {
    return dongu<false>();
}
__attribute__((target("popcnt"))) Cozum_Durumu Arama::tur_donanim() {
    return dongu<true>();
}
Cozum_Durumu Arama::tur_genel() {
    return dongu<true>();
}

void Arama::seviyeye_gir(int L) {
    const int s = Sira_[static_cast<std::size_t>(L)];
    // Tried candidates are marked in a version of level L's own, so that
    // earlier levels still see them when the search comes back.
    if (durum_.seviye(s) != L)
        durum_.kopya_surum(s, L);
    imlec_[static_cast<std::size_t>(L)] = 0;
    isaret_[static_cast<std::size_t>(L) + 1] = durum_.isaret();
    if (budama_)
        hucre_isareti_[static_cast<std::size_t>(L) + 1] = hucreler_.isaret();
}

void Arama::sonraki_sec(int p) {
    if (p > n_)
        return;
    int en_iyi = p;
    int en_az = durum_.sayi(Sira_[static_cast<std::size_t>(p)]);
    for (int q = p + 1; q <= n_; ++q) {
        const int sayi = durum_.sayi(Sira_[static_cast<std::size_t>(q)]);
        if (sayi < en_az) {
            en_az = sayi;
            en_iyi = q;
        }
    }
    if (en_iyi != p) {
        std::swap(Sira_[static_cast<std::size_t>(en_iyi)], Sira_[static_cast<std::size_t>(p)]);
        konum_[static_cast<std::size_t>(Sira_[static_cast<std::size_t>(p)])] = p;
        konum_[static_cast<std::size_t>(Sira_[static_cast<std::size_t>(en_iyi)])] = en_iyi;
    }
}

void Arama::yerlestir(int s, int k) {
    auto& eski = yerlesen_[static_cast<std::size_t>(s)];
    if (eski == k)
        return;
    eski = k;
    if (!kirli_mi_[static_cast<std::size_t>(s)]) {
        kirli_mi_[static_cast<std::size_t>(s)] = 1;
        kirli_.push_back(s);
    }
}

void Arama::cozum_goster(int L) {
    Izgara::Toplu_Degisiklik toplu(*izgara_);
    if (!cizildi_) {
        tam_ciz(yerlesen_);
    } else {
        // Only the cells of slots whose word changed since the last redraw
        // can differ from it. Crossing words agree and fit the snapshot, so a
        // cell shows the letter of any word covering it, else the snapshot.
        const Yer_Tablosu& yerler = t_->yerler;
        for (const int s : kirli_) {
            const Kelime_Yeri& y = yerler.Yer(s);
            for (int p = 1; p <= y.Uzunluk; ++p) {
                const int r = y.satir_k(p);
                const int c = y.sutun_k(p);
                const int a = yerler.soldan_yer(r, c);
                const int d = yerler.yukaridan_yer(r, c);
                std::string_view harf = t_->harfler.Harf(r, c);
                if (d != 0 && yerlesen_[static_cast<std::size_t>(d)] != 0) {
                    harf = {t_->adaylar.aday_harfleri(d, yerlesen_[static_cast<std::size_t>(d)]) +
                                (r - yerler.Yer(d).Satir),
                            1};
                } else if (a != 0 && yerlesen_[static_cast<std::size_t>(a)] != 0) {
                    harf = {t_->adaylar.aday_harfleri(a, yerlesen_[static_cast<std::size_t>(a)]) +
                                (c - yerler.Yer(a).Sutun),
                            1};
                }
                izgara_->harf_yaz(r, c, harf);
            }
        }
    }
    for (const int s : kirli_)
        kirli_mi_[static_cast<std::size_t>(s)] = 0;
    kirli_.clear();
    if (L > En_Derin_) {
        En_Derin_ = L;
        en_iyi_ = yerlesen_;
    }
    // The clock is read with the stop check; bulmaca_coz reads it exactly
    // when the run ends right after a redraw.
    Bitis_Zamani_ = saniye_onbellegi_;
    son_cizim_denemesi_ = denenen_;
}

void Arama::harf_geri_yaz() {
    for (int r = 1; r <= izgara_->Satir_Sayisi(); ++r) {
        for (int c = 1; c <= izgara_->Sutun_Sayisi(); ++c)
            izgara_->harf_yaz(r, c, t_->harfler.Harf(r, c));
    }
}

void Arama::tam_ciz(const std::vector<int>& kelimeler) {
    Izgara::Toplu_Degisiklik toplu(*izgara_);
    harf_geri_yaz();
    for (int s = 1; s <= n_; ++s) {
        const std::string_view w =
            t_->adaylar.Aday_Kelime(s, kelimeler[static_cast<std::size_t>(s)]);
        const Kelime_Yeri& y = t_->yerler.Yer(s);
        for (int p = 1; p <= y.Uzunluk && p <= static_cast<int>(w.size()); ++p)
            izgara_->harf_yaz(y.satir_k(p), y.sutun_k(p),
                              w.substr(static_cast<std::size_t>(p) - 1, 1));
    }
    cizildi_ = true;
    Bitis_Zamani_ = simdi_saniye();
}

Kanca_Yaniti Arama::kanca_cagir(Kanca_Nedeni neden, int L) {
    Kanca_Yaniti yanit = Kanca_Yaniti::Devam;
    if (*kanca_) {
        const Ilerleme ilerleme{neden, kabul_, denenen_, L, En_Derin_, n_, tur_};
        yanit = (*kanca_)(ilerleme);
    }
    // The setting can change only inside the hook, so reading it here is
    // reading it at every compatibility test.
    tekrar_izni_ = *tekrar_oku_ && (*tekrar_oku_)();
    // A grid resized under the search can no longer take its words.
    if (izgara_->Satir_Sayisi() != t_->yerler.Satir_Sayisi() ||
        izgara_->Sutun_Sayisi() != t_->yerler.Sutun_Sayisi())
        return Kanca_Yaniti::Durdur;
    return yanit;
}

// The countdown to the next clock check; it also ends a round exactly at its
// budget.
void Arama::saat_sayacini_kur() {
    saat_sayaci_ = static_cast<int>(std::min<long long>(
        budama_ ? BUDAMALI_SAAT_ARALIGI : SAAT_ARALIGI, butce_sonu_ - denenen_));
}

// Calls the hook when ARA_DENETIM_SURESI has passed since the last such call.
bool Arama::sureli_denetim_durdur(int L) {
    saniye_onbellegi_ = simdi_saniye();
    const auto simdi = std::chrono::steady_clock::now();
    if (simdi - son_ara_denetim_ < ARA_DENETIM_SURESI)
        return false;
    son_ara_denetim_ = simdi;
    return kanca_cagir(Kanca_Nedeni::Ara_Denetim, L) == Kanca_Yaniti::Durdur;
}

bool Arama::ara_denetim_durdur(int L) {
    saat_sayacini_kur();
    if (sureli_denetim_durdur(L))
        return true;
    butce_bitti_ = denenen_ >= butce_sonu_;
    return butce_bitti_;
}

}  // namespace velzora
