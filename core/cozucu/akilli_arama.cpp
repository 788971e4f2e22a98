#include "cozucu/akilli_arama.h"

#include <gecode/search.hh>

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <new>
#include <string>
#include <thread>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "cozucu/arama.h"
#include "cozucu/harf_modeli.h"

// Gecode 6.2 releases a table's tuples with operator delete after taking
// them with calloc: harmless with the C library's allocator, but the address
// sanitizer would stop every run at it.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __asan_default_options() {
    return "alloc_dealloc_mismatch=0";
}
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
extern "C" const char* __asan_default_options() {
    return "alloc_dealloc_mismatch=0";
}
#endif
#endif

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
void motor_calistir(const Model_Verisi& v, bool tekrar_izni, unsigned tohum, Motor_Hedefi& hedef,
                    Ortak_Durum& ortak, int no, Motor_Durdurucu& durdurucu) {
    try {
        auto model = std::make_unique<Harf_Modeli>(v, tekrar_izni, tohum, hedef);
        // Propagation alone may prove it: then there is no search to run
        // (and Gecode's restart engine would keep its stop object for good).
        if (model->status() == Gecode::SS_FAILED) {
            ortak.bitir(Arama_Sonucu::Tukendi);
            return;
        }
        Gecode::Search::Options o;
        o.threads = 1;
        // A clone at every node: the model's space is small, and recomputing
        // a failed branch from an older clone costs more than the copy.
        o.c_d = 1;
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
    // Before `ortak`: the fill it keeps points at its engine's target.
    std::vector<Motor_Hedefi> hedefler(static_cast<std::size_t>(motor_sayisi),
                                       Motor_Hedefi(v.hucreler.size(), derin));
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
                const auto i = static_cast<std::size_t>(m);
                motor_calistir(v, tekrar, tohum(m), hedefler[i], ortak, m, *durduruculer[i]);
            });
        motor_calistir(v, tekrar, tohum(0), hedefler[0], ortak, 0, *durduruculer[0]);
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
