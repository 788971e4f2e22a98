// Speed and memory of the solver on random grids with fixed seeds: tried
// candidates and accepted words per second of the fast search and of the
// literal reference on the same runs, analysis time, and the resident memory
// of a 50 x 50 grid when its search starts. Plain timing: the search is
// heavy-tailed, so every figure is a median over seeds under a time limit.
//
//   velzora_cozucu_olcumu [--sozluk FILE] [--sure SECONDS] [--tohum N] [--ebat N] [--akilli]
//
// --akilli measures the smart search on one thread instead (nodes per
// second, memory and the longest stretch without a hook call; no
// reference). --ebat N runs only the grids of that size.
// Without --sozluk it uses the built-in dictionary when the build has one,
// else a generated one of about 30,000 words.
//
// A dictionary line holds a word of at most 19 characters (the separating
// colon must stand among the first 20), so a slot of 20 or more cells never
// has a candidate. Random 30 x 30 grids often hold one; the speed runs take
// the first seeds whose grid does not, and say how many they passed over.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "analiz/yer_tablosu.h"
#include "cozucu/cozucu.h"
#include "izgara/izgara.h"
#include "izgara/rastgele_yerlestir.h"
#include "ortak/rastgele.h"
#include "referans_cozucu.h"
#include "sozluk/sozluk.h"

namespace {

using namespace velzora;
using Saat = std::chrono::steady_clock;

// About 30,000 words with a spread of lengths like a Turkish word list's,
// every length a dictionary line can hold (2 to 19) present, and letters
// drawn with Turkish letter frequencies.
std::string sozluk_uret() {
    const std::string harfler = "AE\xDDNRLIKDMYUTSBO\xDC\xDEZG\xC7H\xD0VC\xD6PFJ";
    const std::vector<double> sikliklar = {11.9, 8.9, 8.6, 7.5, 6.9, 5.9, 5.1, 4.7, 4.6, 3.7,
                                           3.3,  3.2, 3.0, 3.0, 2.8, 2.5, 1.9, 1.8, 1.5, 1.3,
                                           1.2,  1.1, 1.1, 1.0, 1.0, 0.8, 0.8, 0.4, 0.1};
    const int adetler[] = {0,    0,    300,  1200, 2500, 3800, 4200, 4200,
                           3800, 3000, 2300, 1600, 1100, 700,  450,  300};
    std::mt19937 rng(20240601);
    std::discrete_distribution<int> harf(sikliklar.begin(), sikliklar.end());
    std::string m;
    for (int uz = 2; uz < static_cast<int>(AYIRAC_ALANI); ++uz) {
        const int adet = uz < 16 ? adetler[uz] : 100;
        for (int i = 0; i < adet; ++i) {
            for (int k = 0; k < uz; ++k)
                m += harfler[static_cast<std::size_t>(harf(rng))];
            m.append(":").append(std::to_string(uz)).append(" harfli sözcük ");
            m.append(std::to_string(i)).append("\r\n");
        }
    }
    return m;
}

double medyan(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double saniye(Saat::duration d) {
    return std::chrono::duration<double>(d).count();
}

long long vm_degeri(const char* ad) {
    std::ifstream f("/proc/self/status");
    std::string satir;
    while (std::getline(f, satir)) {
        if (satir.rfind(ad, 0) == 0)
            return std::stoll(satir.substr(std::strlen(ad)));
    }
    return -1;
}

void izgara_uret(Izgara& g, int ebat, std::uint64_t tohum) {
    g.ebat_ver(ebat, ebat);
    Mt_Kaynak k(tohum);
    rast_yerlestir(g, 0.17f, k);
}

bool doldurulabilir_boy(int ebat, std::uint64_t tohum) {
    Izgara g;
    izgara_uret(g, ebat, tohum);
    Yer_Tablosu y;
    y.yerleri_bul(g);
    for (int s = 1; s <= y.Yer_Sayisi(); ++s) {
        if (y.Yer(s).Uzunluk >= static_cast<int>(AYIRAC_ALANI))
            return false;
    }
    return true;
}

struct Olcum {
    double denenen_hizi = 0;
    double kabul_hizi = 0;
    double analiz_ms = 0;
    double en_uzun_ara_ms = 0;  // longest stretch without a hook call
    long long denenen = 0;
    long long dugum = 0;
    Cozum_Durumu durum = Cozum_Durumu::Analiz_Yok;
    std::size_t yer_sayisi = 0;
    int en_cok_aday = 0;
};

// The search the program runs: the exact one, or the smart one on one thread.
Cozum_Durumu coz(Bulmaca_Cozucu& c, Izgara& g, const Cozum_Kancasi& kanca, bool akilli,
                 std::uint64_t tohum) {
    const Tekrar_Okuyucu tekrar = [] { return false; };
    return akilli ? c.akilli_coz(g, kanca, tekrar, Akilli_Ayar{1, tohum})
                  : c.bulmaca_coz(g, kanca, tekrar);
}

Olcum hizli_calistir(const Sozluk& sozluk, int ebat, std::uint64_t tohum, double sure,
                     bool akilli) {
    Izgara g;
    izgara_uret(g, ebat, tohum);
    Bulmaca_Cozucu c;
    Mt_Kaynak k(tohum);
    Olcum o;
    if (c.analiz_et(
            g, sozluk, false, [] { return true; }, k) != Analiz_Sonucu::Tamam)
        return o;
    const auto bas = Saat::now();
    auto onceki = bas;
    o.durum = coz(
        c, g,
        [&](const Ilerleme&) {
            const auto simdi = Saat::now();
            o.en_uzun_ara_ms = std::max(o.en_uzun_ara_ms, saniye(simdi - onceki) * 1000);
            onceki = simdi;
            return saniye(simdi - bas) >= sure ? Kanca_Yaniti::Durdur : Kanca_Yaniti::Devam;
        },
        akilli, tohum);
    o.en_uzun_ara_ms = std::max(o.en_uzun_ara_ms, saniye(Saat::now() - onceki) * 1000);
    const double t = saniye(c.Arama_Suresi());
    const Arama_Istatistigi ist = c.istatistik();
    o.denenen = ist.denenen;
    o.dugum = ist.dugum;
    o.denenen_hizi = static_cast<double>(ist.denenen) / t;
    o.kabul_hizi = static_cast<double>(ist.kabul_edilen) / t;
    o.analiz_ms = saniye(c.Analiz_Suresi()) * 1000;
    o.yer_sayisi = static_cast<std::size_t>(c.Yer_Sayisi());
    o.en_cok_aday = c.En_Cok_Aday();
    return o;
}

// The reference on the same grid and shuffle, timed over the first `deneme`
// tried candidates of the same run.
Olcum referans_calistir(const Sozluk& sozluk, int ebat, std::uint64_t tohum, long long deneme) {
    Izgara g;
    izgara_uret(g, ebat, tohum);
    referans::Referans_Cozucu r;
    Mt_Kaynak k(tohum);
    r.analiz_et(g, sozluk, k);
    r.deneme_siniri = deneme;
    long long kabul = 0;
    const auto bas = Saat::now();
    r.bulmaca_coz(
        g, [] { return false; },
        [&](int) {
            ++kabul;
            return true;
        });
    const double t = saniye(Saat::now() - bas);
    Olcum o;
    o.denenen = r.denenen;
    o.denenen_hizi = static_cast<double>(r.denenen) / t;
    o.kabul_hizi = static_cast<double>(kabul) / t;
    return o;
}

const char* durum_adi(Cozum_Durumu d) {
    switch (d) {
        case Cozum_Durumu::Cozuldu:
            return "cozuldu";
        case Cozum_Durumu::Cozulemedi:
            return "cozulemedi";
        case Cozum_Durumu::Sinir_Doldu:
            return "sinir doldu";
        case Cozum_Durumu::Durduruldu:
            return "sure doldu";
        default:
            return "hata";
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string sozluk_yolu;
    double sure = 2.0;
    int tohum_sayisi = 10;
    int tek_ebat = 0;
    bool akilli = false;
    for (int i = 1; i < argc; i += 2) {
        if (std::strcmp(argv[i], "--akilli") == 0) {
            akilli = true;
            --i;
            continue;
        }
        if (i + 1 == argc)
            break;
        if (std::strcmp(argv[i], "--sozluk") == 0)
            sozluk_yolu = argv[i + 1];
        else if (std::strcmp(argv[i], "--sure") == 0)
            sure = std::stod(argv[i + 1]);
        else if (std::strcmp(argv[i], "--tohum") == 0)
            tohum_sayisi = std::stoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--ebat") == 0)
            tek_ebat = std::stoi(argv[i + 1]);
    }
    const std::filesystem::path yerlesik =
        std::filesystem::path(argv[0]).parent_path() / "../share/velzora/sozluk.txt";
    if (sozluk_yolu.empty() && std::filesystem::exists(yerlesik))
        sozluk_yolu = yerlesik.string();

    Sozluk sozluk;
    if (sozluk_yolu.empty()) {
        sozluk.cozumle(sozluk_uret());
        std::printf("sozluk: uretilmis, %d kayit\n", sozluk.Kelime_Sayisi());
    } else if (sozluk.oku(sozluk_yolu) != Sozluk_Hatasi::Yok) {
        std::fprintf(stderr, "sozluk okunamadi: %s\n", sozluk_yolu.c_str());
        return 2;
    } else {
        std::printf("sozluk: %s, %d kayit\n", sozluk_yolu.c_str(), sozluk.Kelime_Sayisi());
    }

    // Memory first, while the process holds nothing else.
    if (tek_ebat == 0) {
        Izgara g;
        izgara_uret(g, 50, 1);
        Bulmaca_Cozucu c;
        Mt_Kaynak k(1);
        const auto bas = Saat::now();
        c.analiz_et(
            g, sozluk, false, [] { return true; }, k);
        const double analiz = saniye(Saat::now() - bas) * 1000;
        long long rss = -1, tepe = -1;
        const auto arama_basi = Saat::now();
        double ilk_kanca_ms = -1;
        coz(
            c, g,
            [&](const Ilerleme&) {
                ilk_kanca_ms = saniye(Saat::now() - arama_basi) * 1000;
                rss = vm_degeri("VmRSS:");
                tepe = vm_degeri("VmHWM:");
                return Kanca_Yaniti::Durdur;
            },
            akilli, 1);
        if (rss < 0) {
            // The search ended before its first hook call (a slot without
            // candidates): its tables were all in place, so read them now.
            rss = vm_degeri("VmRSS:");
            tepe = vm_degeri("VmHWM:");
        }
        std::printf(
            "50x50 0.17: %d yer, en cok %d aday, analiz %.1f ms, tablolar %.1f MB; arama "
            "baslarken VmRSS %.1f MB, VmHWM %.1f MB\n",
            c.Yer_Sayisi(), c.En_Cok_Aday(), analiz, static_cast<double>(c.tablo_bayti()) / 1e6,
            static_cast<double>(rss) / 1024, static_cast<double>(tepe) / 1024);
        if (ilk_kanca_ms >= 0)
            std::printf("ilk kanca cagrisi aramanin %.1f ms'sinde\n", ilk_kanca_ms);
    }

    std::printf(
        "\nebat tohum  yer  M     analiz_ms  durum       denenen/s  kabul/s    "
        "ref_denenen/s  ref_kabul/s  oran\n");
    for (const int ebat : {9, 15, 30}) {
        if (tek_ebat != 0 && ebat != tek_ebat)
            continue;
        std::vector<double> hiz, kabul, analiz, ref_hiz, ref_kabul, oran;
        double en_uzun_ara = 0;
        int atlanan = 0;
        std::uint64_t tohum = 0;
        for (int t = 1; t <= tohum_sayisi; ++t) {
            while (!doldurulabilir_boy(ebat, ++tohum))
                ++atlanan;
            const Olcum h = hizli_calistir(sozluk, ebat, tohum, sure, akilli);
            hiz.push_back(h.denenen_hizi);
            kabul.push_back(h.kabul_hizi);
            analiz.push_back(h.analiz_ms);
            en_uzun_ara = std::max(en_uzun_ara, h.en_uzun_ara_ms);
            std::printf("%4d %5d %4zu %5d %9.2f  %-11s %10.0f %10.0f", ebat,
                        static_cast<int>(tohum), h.yer_sayisi, h.en_cok_aday, h.analiz_ms,
                        durum_adi(h.durum), h.denenen_hizi, h.kabul_hizi);
            // The reference copies a plane of (n + 2)(M + 1) bytes per tried
            // candidate; at 30 x 30 its table alone is hundreds of MB.
            const double tablo = static_cast<double>(h.yer_sayisi + 2) *
                                 static_cast<double>(h.yer_sayisi + 2) * (h.en_cok_aday + 1);
            if (!akilli && ebat <= 15 && tablo < 2e9 && h.denenen > 0) {
                const Olcum r =
                    referans_calistir(sozluk, ebat, tohum, std::min<long long>(h.denenen, 5000));
                ref_hiz.push_back(r.denenen_hizi);
                ref_kabul.push_back(r.kabul_hizi);
                oran.push_back(h.denenen_hizi / r.denenen_hizi);
                std::printf(" %14.0f %12.0f %6.0f", r.denenen_hizi, r.kabul_hizi, oran.back());
            }
            std::printf("\n");
            std::fflush(stdout);
        }
        std::printf(
            "medyan %dx%d (%d tohum, %d atlandi): denenen/s %.0f, kabul/s %.0f, analiz %.2f ms",
            ebat, ebat, tohum_sayisi, atlanan, medyan(hiz), medyan(kabul), medyan(analiz));
        std::printf(", kancasiz en uzun sure %.1f ms", en_uzun_ara);
        if (!ref_hiz.empty())
            std::printf("; referans denenen/s %.0f, kabul/s %.0f; oran (medyan) %.0f",
                        medyan(ref_hiz), medyan(ref_kabul), medyan(oran));
        std::printf("\n\n");
    }
    return 0;
}
