#include "cozucu/akilli_arama.h"

#include <gecode/int.hh>
#include <gecode/search.hh>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <new>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "cozucu/arama.h"

namespace velzora {
namespace {

// Restarts follow the Luby sequence times this many failed nodes, and each
// keeps what its search tree learnt as no-goods down to this depth.
constexpr unsigned long LUBY_OLCEGI = 250;
constexpr unsigned NOGOOD_DERINLIGI = 128;
// The grid shows the deepest point at most this often.
constexpr std::chrono::milliseconds CIZIM_ARALIGI{100};

// Bytes the process has taken from the allocator, where the C library says
// so; the smart search's memory is Gecode's, which no table of ours holds.
std::size_t ayrilmis_bellek() {
#if defined(__GLIBC__)
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
#else
    return 0;
#endif
}

// What every engine's model is built from, once per run.
struct Model_Verisi {
    std::vector<std::pair<int, int>> hucreler;      // variable -> cell (row, column)
    std::vector<std::vector<int>> yer_hucreleri;    // slot -> its variables, in letter order
    std::vector<Gecode::TupleSet> tablolar;         // slot -> its candidates as letter codes
    std::vector<std::pair<int, int>> ayri_ciftler;  // slots of one length that must differ
    std::vector<std::vector<int>> harf_sirasi;      // variable -> letter codes, likeliest first
    std::string harfler;                            // letter code -> Windows-1254 byte
    std::size_t tablo_bayti = 0;
};

// The deepest point that any engine reached: the most cells fixed at a
// branching (where propagation is done and nothing failed), with their letters.
class En_Derin_Nokta {
  public:
    explicit En_Derin_Nokta(std::size_t hucre_sayisi) : kodlar_(hucre_sayisi, -1) {}

    void bildir(const Gecode::IntVarArray& x) {
        int sabit = 0;
        for (int i = 0; i < x.size(); ++i)
            sabit += x[i].assigned();
        if (sabit <= sabit_.load(std::memory_order_relaxed))
            return;
        const std::lock_guard kilit(kilit_);
        if (sabit <= sabit_.load(std::memory_order_relaxed))
            return;
        for (int i = 0; i < x.size(); ++i)
            kodlar_[static_cast<std::size_t>(i)] = x[i].assigned() ? x[i].val() : -1;
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

class Harf_Modeli final : public Gecode::Space {
  public:
    Harf_Modeli(const Model_Verisi& v, bool tekrar_izni, unsigned tohum, En_Derin_Nokta& derin)
        : x_(*this, static_cast<int>(v.hucreler.size()), 0,
             std::max(0, static_cast<int>(v.harfler.size()) - 1)) {
        auto yer_degiskenleri = [&](std::size_t s) {
            Gecode::IntVarArgs a;
            for (const int i : v.yer_hucreleri[s])
                a << x_[i];
            return a;
        };
        for (std::size_t s = 1; s < v.yer_hucreleri.size(); ++s)
            Gecode::extensional(*this, yer_degiskenleri(s), v.tablolar[s]);
        if (!tekrar_izni) {
            for (const auto& [a, b] : v.ayri_ciftler)
                Gecode::rel(*this, yer_degiskenleri(static_cast<std::size_t>(a)), Gecode::IRT_NQ,
                            yer_degiskenleri(static_cast<std::size_t>(b)));
        }
        // The cell whose failures weigh most for its few letters; among
        // equals a drawn one. Its letter: the one the cell's slots have
        // most of at its place, which the point reached is reported with.
        const Model_Verisi* veri = &v;
        En_Derin_Nokta* nokta = &derin;
        Gecode::Rnd rnd(tohum);
        Gecode::branch(
            *this, x_, Gecode::tiebreak(Gecode::INT_VAR_AFC_SIZE_MAX(), Gecode::INT_VAR_RND(rnd)),
            Gecode::INT_VAL([veri, nokta](const Gecode::Space& home, Gecode::IntVar x, int i) {
                nokta->bildir(static_cast<const Harf_Modeli&>(home).x_);
                for (const int kod : veri->harf_sirasi[static_cast<std::size_t>(i)]) {
                    if (x.in(kod))
                        return kod;
                }
                return x.min();
            }));
    }
    Harf_Modeli(Harf_Modeli& m) : Gecode::Space(m) { x_.update(*this, m.x_); }
    Gecode::Space* copy() override { return new Harf_Modeli(*this); }

    const Gecode::IntVarArray& degiskenler() const { return x_; }

  private:
    Gecode::IntVarArray x_;
};

// A slot's candidates with the letters that the snapshot fixes: two slots
// with the same key have the same candidates, and share one table.
std::string tablo_anahtari(const Analiz_Tablolari& t, int s) {
    const Kelime_Yeri& y = t.yerler.Yer(s);
    std::string anahtar(1, static_cast<char>(y.Uzunluk));
    for (int p = 1; p <= y.Uzunluk; ++p) {
        const std::string_view h = t.harfler.Harf(y.satir_k(p), y.sutun_k(p));
        anahtar += h.empty() ? std::string_view("\0\0", 2) : std::string(1, '\1') + h[0];
    }
    return anahtar;
}

// Builds the model's data; false when its tables would take more than `bellek`.
bool veri_kur(const Analiz_Tablolari& t, bool tekrar_izni, std::size_t bellek, Model_Verisi& v) {
    const int n = t.yerler.Yer_Sayisi();
    std::vector<int> kod(256, -1);
    for (int s = 1; s <= n; ++s) {
        const int u = t.yerler.Yer(s).Uzunluk;
        for (int k = 1; k <= t.adaylar.Aday_Adet(s); ++k) {
            const char* w = t.adaylar.aday_harfleri(s, k);
            for (int p = 0; p < u; ++p) {
                int& c = kod[static_cast<unsigned char>(w[p])];
                if (c < 0) {
                    c = static_cast<int>(v.harfler.size());
                    v.harfler += w[p];
                }
            }
        }
    }

    std::vector<int> degisken(
        static_cast<std::size_t>(t.yerler.Satir_Sayisi() * t.yerler.Sutun_Sayisi()), -1);
    v.yer_hucreleri.assign(static_cast<std::size_t>(n) + 1, {});
    for (int s = 1; s <= n; ++s) {
        const Kelime_Yeri& y = t.yerler.Yer(s);
        for (int p = 1; p <= y.Uzunluk; ++p) {
            int& i = degisken[static_cast<std::size_t>(
                (y.satir_k(p) - 1) * t.yerler.Sutun_Sayisi() + y.sutun_k(p) - 1)];
            if (i < 0) {
                i = static_cast<int>(v.hucreler.size());
                v.hucreler.emplace_back(y.satir_k(p), y.sutun_k(p));
            }
            v.yer_hucreleri[static_cast<std::size_t>(s)].push_back(i);
        }
    }

    // One table per distinct key, with the frequency of every letter at
    // every place over its distinct words.
    const std::size_t A = v.harfler.size();
    std::map<std::string, std::size_t> anahtarlar;  // key -> the first slot with it
    std::vector<std::vector<double>> siklik(static_cast<std::size_t>(n) + 1);
    v.tablolar.assign(static_cast<std::size_t>(n) + 1, Gecode::TupleSet());
    for (int s = 1; s <= n; ++s) {
        const auto [yer, yeni] =
            anahtarlar.try_emplace(tablo_anahtari(t, s), static_cast<std::size_t>(s));
        if (!yeni) {
            v.tablolar[static_cast<std::size_t>(s)] = v.tablolar[yer->second];
            siklik[static_cast<std::size_t>(s)] = siklik[yer->second];
            continue;
        }
        const auto u = static_cast<std::size_t>(t.yerler.Yer(s).Uzunluk);
        std::vector<std::string_view> kelimeler;
        kelimeler.reserve(static_cast<std::size_t>(t.adaylar.Aday_Adet(s)));
        for (int k = 1; k <= t.adaylar.Aday_Adet(s); ++k)
            kelimeler.emplace_back(t.adaylar.aday_harfleri(s, k), u);
        std::sort(kelimeler.begin(), kelimeler.end());
        kelimeler.erase(std::unique(kelimeler.begin(), kelimeler.end()), kelimeler.end());
        const std::size_t sozcuk = (kelimeler.size() + 63) / 64;
        v.tablo_bayti += kelimeler.size() * u * sizeof(int) + u * A * sozcuk * 8;
        if (v.tablo_bayti > bellek)
            return false;
        auto& sk = siklik[static_cast<std::size_t>(s)];
        sk.assign(u * A, 0.0);
        Gecode::TupleSet ts(static_cast<int>(u));
        Gecode::IntArgs satir(static_cast<int>(u));
        for (const std::string_view w : kelimeler) {
            for (std::size_t p = 0; p < u; ++p) {
                const int c = kod[static_cast<unsigned char>(w[p])];
                satir[static_cast<int>(p)] = c;
                sk[p * A + static_cast<std::size_t>(c)] += 1;
            }
            ts.add(satir);
        }
        ts.finalize();
        v.tablolar[static_cast<std::size_t>(s)] = ts;
    }

    // Every cell's letters by the product of their frequencies at its place
    // in its slots.
    std::vector<std::vector<double>> puan(v.hucreler.size(), std::vector<double>(A, 1.0));
    for (int s = 1; s <= n; ++s) {
        const auto& hucreler = v.yer_hucreleri[static_cast<std::size_t>(s)];
        for (std::size_t p = 0; p < hucreler.size(); ++p) {
            for (std::size_t c = 0; c < A; ++c)
                puan[static_cast<std::size_t>(hucreler[p])][c] *=
                    siklik[static_cast<std::size_t>(s)][p * A + c];
        }
    }
    v.harf_sirasi.assign(v.hucreler.size(), {});
    for (std::size_t i = 0; i < v.hucreler.size(); ++i) {
        auto& sira = v.harf_sirasi[i];
        for (std::size_t c = 0; c < A; ++c) {
            if (puan[i][c] > 0)
                sira.push_back(static_cast<int>(c));
        }
        std::stable_sort(sira.begin(), sira.end(), [&](int a, int b) {
            return puan[i][static_cast<std::size_t>(a)] > puan[i][static_cast<std::size_t>(b)];
        });
    }

    if (!tekrar_izni) {
        for (int a = 1; a <= n; ++a) {
            for (int b = a + 1; b <= n; ++b) {
                if (t.yerler.Yer(a).Uzunluk == t.yerler.Yer(b).Uzunluk)
                    v.ayri_ciftler.emplace_back(a, b);
            }
        }
    }
    return true;
}

// What the engines share: the end of the run, its outcome and the fill
// that ended it, and every engine's counts.
class Ortak_Durum {
  public:
    explicit Ortak_Durum(int motor_sayisi)
        : sayaclar_(std::make_unique<Sayac[]>(static_cast<std::size_t>(motor_sayisi))),
          motor_sayisi_(motor_sayisi) {}

    bool bitti() const { return bitti_.load(std::memory_order_acquire); }
    // The first outcome ends the run; a stop from the hook ends it whatever
    // another engine found meanwhile, as the user asked.
    void bitir(Arama_Sonucu sonuc, std::unique_ptr<Harf_Modeli> cozum = nullptr) {
        const std::lock_guard kilit(kilit_);
        if (!bitti_.load(std::memory_order_relaxed) || sonuc == Arama_Sonucu::Durduruldu) {
            sonuc_ = sonuc;
            cozum_ = std::move(cozum);
        }
        bitti_.store(true, std::memory_order_release);
    }
    // Ends the other engines once engine 0 is back, whatever ended it.
    void kapat() { bitti_.store(true, std::memory_order_release); }
    Arama_Sonucu sonuc() const { return sonuc_; }
    const Harf_Modeli* cozum() const { return cozum_.get(); }

    void say(int motor, const Gecode::Search::Statistics& s) {
        Sayac& c = sayaclar_[static_cast<std::size_t>(motor)];
        c.dugum.store(static_cast<long long>(s.node), std::memory_order_relaxed);
        c.basarisiz.store(static_cast<long long>(s.fail), std::memory_order_relaxed);
        c.yeniden.store(static_cast<long long>(s.restart), std::memory_order_relaxed);
    }
    Arama_Istatistigi toplam() const {
        Arama_Istatistigi i;
        for (int m = 0; m < motor_sayisi_; ++m) {
            const Sayac& c = sayaclar_[static_cast<std::size_t>(m)];
            i.dugum += c.dugum.load(std::memory_order_relaxed);
            i.basarisiz += c.basarisiz.load(std::memory_order_relaxed);
            i.yeniden_baslatma += c.yeniden.load(std::memory_order_relaxed);
        }
        i.denenen = i.dugum;
        return i;
    }

  private:
    struct Sayac {
        std::atomic<long long> dugum{0};
        std::atomic<long long> basarisiz{0};
        std::atomic<long long> yeniden{0};
    };
    std::atomic<bool> bitti_{false};
    std::mutex kilit_;
    Arama_Sonucu sonuc_ = Arama_Sonucu::Durduruldu;
    std::unique_ptr<Harf_Modeli> cozum_;
    std::unique_ptr<Sayac[]> sayaclar_;
    int motor_sayisi_;
};

// An engine's stop object: asked at every node whether the engine must end.
// Engine 0's, on the calling thread, also looks at the clock, redraws the
// deepest point and calls the hook there.
class Motor_Durdurucu final : public Gecode::Search::Stop {
  public:
    using Denetim = std::function<bool()>;
    Motor_Durdurucu(Ortak_Durum& ortak, int motor, long long deneme_siniri, Denetim denetim)
        : ortak_(ortak),
          motor_(motor),
          deneme_siniri_(deneme_siniri),
          denetim_(std::move(denetim)) {}

    bool stop(const Gecode::Search::Statistics& s, const Gecode::Search::Options&) override {
        ortak_.say(motor_, s);
        if (ortak_.bitti())
            return true;
        if (deneme_siniri_ > 0 && ortak_.toplam().dugum >= deneme_siniri_) {
            ortak_.bitir(Arama_Sonucu::Sinir_Doldu);
            return true;
        }
        return denetim_ && denetim_();
    }

  private:
    Ortak_Durum& ortak_;
    int motor_;
    long long deneme_siniri_;
    Denetim denetim_;
};

// One engine from its own model to the end of the run.
void motor_calistir(const Model_Verisi& v, bool tekrar_izni, unsigned tohum, En_Derin_Nokta& derin,
                    Ortak_Durum& ortak, int no, Motor_Durdurucu& durdurucu) {
    try {
        auto model = std::make_unique<Harf_Modeli>(v, tekrar_izni, tohum, derin);
        Gecode::Search::Options o;
        o.threads = 1;
        o.stop = &durdurucu;
        o.cutoff = Gecode::Search::Cutoff::luby(LUBY_OLCEGI);
        o.nogoods_limit = NOGOOD_DERINLIGI;
        Gecode::RBS<Harf_Modeli, Gecode::DFS> motor(model.get(), o);
        std::unique_ptr<Harf_Modeli> cozum(motor.next());
        ortak.say(no, motor.statistics());
        if (cozum)
            ortak.bitir(Arama_Sonucu::Kabul, std::move(cozum));
        else if (!motor.stopped())
            ortak.bitir(Arama_Sonucu::Tukendi);
    } catch (const Gecode::MemoryExhausted&) {
        ortak.bitir(Arama_Sonucu::Bellek_Yetersiz);
    } catch (const std::bad_alloc&) {
        ortak.bitir(Arama_Sonucu::Bellek_Yetersiz);
    }
}

// The candidate of slot s whose letters the cells hold, 0 when none does.
int aday_no(const Analiz_Tablolari& t, const Model_Verisi& v, int s,
            const std::vector<int>& kodlar) {
    const auto& hucreler = v.yer_hucreleri[static_cast<std::size_t>(s)];
    std::string kelime;
    for (const int i : hucreler) {
        const int c = kodlar[static_cast<std::size_t>(i)];
        if (c < 0)
            return 0;
        kelime += v.harfler[static_cast<std::size_t>(c)];
    }
    for (int k = 1; k <= t.adaylar.Aday_Adet(s); ++k) {
        if (std::memcmp(t.adaylar.aday_harfleri(s, k), kelime.data(), kelime.size()) == 0)
            return k;
    }
    return 0;
}

}  // namespace

Arama_Sonucu Akilli_Arama::coz(const Analiz_Tablolari& t, const Akilli_Ayar& ayar,
                               std::size_t bellek) {
    const int n = t.yerler.Yer_Sayisi();
    const auto boy = static_cast<std::size_t>(n) + 2;
    k_.Sira.assign(boy, 0);
    for (int p = 1; p <= n; ++p)
        k_.Sira[static_cast<std::size_t>(p)] = p;
    k_.yerlesen.assign(boy, 0);
    k_.son_kabul.assign(boy, 0);
    k_.en_iyi.assign(boy, 0);
    k_.En_Derin = 0;
    istatistik_ = {};
    if (n == 0) {
        d_.bitir(0);
        return Arama_Sonucu::Kabul;
    }

    const std::size_t bellek_basi = ayrilmis_bellek();
    Model_Verisi v;
    if (!veri_kur(t, d_.tekrar_izni(), bellek, v)) {
        d_.bitir(0);
        return Arama_Sonucu::Bellek_Yetersiz;
    }
    const int motor_sayisi = std::max(1, ayar.motor_sayisi);
    En_Derin_Nokta derin(v.hucreler.size());
    Ortak_Durum ortak(motor_sayisi);

    // Engine 0's look at the clock: the memory, the deepest point, the hook.
    unsigned cizilen_surum = 0;
    auto son_cizim = std::chrono::steady_clock::now();
    std::vector<std::string_view> harfler(v.hucreler.size());
    auto derin_ciz = [&] {
        const std::vector<int> kodlar = derin.kodlar();
        for (std::size_t i = 0; i < kodlar.size(); ++i)
            harfler[i] = kodlar[i] < 0
                             ? std::string_view()
                             : std::string_view(&v.harfler[static_cast<std::size_t>(kodlar[i])], 1);
        d_.harfleri_ciz(v.hucreler, harfler);
        int tam = 0;
        for (int s = 1; s <= n; ++s) {
            const int k = aday_no(t, v, s, kodlar);
            k_.en_iyi[static_cast<std::size_t>(s)] = k;
            tam += k != 0;
        }
        k_.son_kabul = k_.en_iyi;
        k_.En_Derin = tam;
    };
    const auto denetim = [&]() -> bool {
        if (!d_.denetim_zamani())
            return false;
        if (bellek_basi != 0 && ayrilmis_bellek() > bellek_basi + bellek) {
            ortak.bitir(Arama_Sonucu::Bellek_Yetersiz);
            return true;
        }
        const auto simdi = std::chrono::steady_clock::now();
        if (derin.surum() != cizilen_surum && simdi - son_cizim >= CIZIM_ARALIGI) {
            cizilen_surum = derin.surum();
            son_cizim = simdi;
            derin_ciz();
        }
        const Arama_Istatistigi i = ortak.toplam();
        Ilerleme ilerleme;
        ilerleme.neden = Kanca_Nedeni::Ara_Denetim;
        ilerleme.denenen = i.denenen;
        ilerleme.En_Derin = k_.En_Derin;
        ilerleme.Yer_Sayisi = n;
        ilerleme.dugum = i.dugum;
        ilerleme.basarisiz = i.basarisiz;
        ilerleme.yeniden_baslatma = i.yeniden_baslatma;
        if (d_.kanca_cagir(ilerleme) == Kanca_Yaniti::Durdur) {
            ortak.bitir(Arama_Sonucu::Durduruldu);
            return true;
        }
        return false;
    };

    std::vector<std::unique_ptr<Motor_Durdurucu>> durduruculer;
    for (int m = 0; m < motor_sayisi; ++m)
        durduruculer.push_back(std::make_unique<Motor_Durdurucu>(
            ortak, m, d_.deneme_siniri(), m == 0 ? Motor_Durdurucu::Denetim(denetim) : nullptr));
    const bool tekrar = d_.tekrar_izni();
    auto tohum = [&](int m) {
        return static_cast<unsigned>((ayar.tohum + static_cast<std::uint64_t>(m)) * 2654435761u);
    };
    {
        std::vector<std::jthread> isler;
        for (int m = 1; m < motor_sayisi; ++m)
            isler.emplace_back([&, m] {
                motor_calistir(v, tekrar, tohum(m), derin, ortak, m,
                               *durduruculer[static_cast<std::size_t>(m)]);
            });
        motor_calistir(v, tekrar, tohum(0), derin, ortak, 0, *durduruculer[0]);
        ortak.kapat();
    }

    istatistik_ = ortak.toplam();
    const Arama_Sonucu sonuc = ortak.sonuc();
    if (const Harf_Modeli* cozum = ortak.cozum(); cozum && sonuc == Arama_Sonucu::Kabul) {
        std::vector<int> kodlar(v.hucreler.size());
        for (std::size_t i = 0; i < kodlar.size(); ++i)
            kodlar[i] = cozum->degiskenler()[static_cast<int>(i)].val();
        for (int s = 1; s <= n; ++s)
            k_.yerlesen[static_cast<std::size_t>(s)] = aday_no(t, v, s, kodlar);
        k_.son_kabul = k_.en_iyi = k_.yerlesen;
        k_.En_Derin = n;
        istatistik_.kabul_edilen = n;
        d_.kelimeleri_ciz(k_.yerlesen);
    } else {
        derin_ciz();
    }
    return sonuc;
}

}  // namespace velzora
