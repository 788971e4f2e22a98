// The fast solver against the literal reference on hundreds of small random
// grids and dictionaries: same slots, same shuffled lists, the same words
// accepted in the same order, the same fill order, deepest fill and clues.
// And the smart search against the exact one: the same verdict, and a valid
// fill.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "cozucu/cozucu.h"
#include "referans_cozucu.h"

namespace velzora {
namespace {

struct Kabul {
    int seviye;
    int yer;
    std::string kelime;
    bool operator==(const Kabul&) const = default;
};

struct Durum_Ornegi {
    std::string sozluk_metni;
    int satir = 0;
    int sutun = 0;
    std::vector<std::pair<int, int>> siyahlar;
    std::vector<std::tuple<int, int, char>> harfler;
    int tekrar_kipi = 0;  // 0 off, 1 on, 2 flips every few accepted words
};

Durum_Ornegi ornek_uret(std::mt19937& rng) {
    auto sayi = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng); };
    Durum_Ornegi o;
    o.satir = sayi(2, 7);
    o.sutun = sayi(2, 7);
    const int siyah_yuzde = sayi(0, 35);
    for (int r = 1; r <= o.satir; ++r) {
        for (int c = 1; c <= o.sutun; ++c) {
            if (sayi(1, 100) <= siyah_yuzde)
                o.siyahlar.emplace_back(r, c);
        }
    }
    // A small alphabet keeps crossings likely to agree; Turkish letters are
    // plain bytes like any other.
    const std::string harfler = sayi(0, 1) ? "AB" : std::string("ABC\xDD\xDE", 5);
    const std::size_t alfabe = static_cast<std::size_t>(sayi(2, static_cast<int>(harfler.size())));
    std::vector<std::string> kelimeler;
    const int adet = sayi(1, 160);
    const int bos_uzunluk = sayi(0, 1) ? sayi(2, 6) : 0;  // a length with no words at all
    for (int i = 0; i < adet; ++i) {
        if (!kelimeler.empty() && sayi(1, 10) == 1) {
            kelimeler.push_back(kelimeler[static_cast<std::size_t>(
                sayi(0, static_cast<int>(kelimeler.size()) - 1))]);
            continue;
        }
        const int uz = sayi(2, 6);
        if (uz == bos_uzunluk)
            continue;
        std::string w;
        for (int k = 0; k < uz; ++k)
            w += harfler[static_cast<std::size_t>(sayi(0, static_cast<int>(alfabe) - 1))];
        kelimeler.push_back(w);
    }
    if (kelimeler.empty())
        kelimeler.push_back("AB");
    for (std::size_t i = 0; i < kelimeler.size(); ++i)
        o.sozluk_metni += kelimeler[i] + ":soru " + std::to_string(i + 1) + "\r\n";
    if (sayi(1, 4) == 1) {
        for (int i = sayi(1, 3); i > 0; --i)
            o.harfler.emplace_back(
                sayi(1, o.satir), sayi(1, o.sutun),
                harfler[static_cast<std::size_t>(sayi(0, static_cast<int>(alfabe) - 1))]);
    }
    o.tekrar_kipi = sayi(0, 2);
    return o;
}

void izgara_kur(const Durum_Ornegi& o, Izgara& g) {
    g.ebat_ver(o.satir, o.sutun);
    for (const auto& [r, c] : o.siyahlar)
        g.siyah_yap(r, c, Renk_Kodu::Siyah);
    for (const auto& [r, c, h] : o.harfler)
        g.harf_yaz(r, c, std::string(1, h));
}

// Both solvers stop here, so a heavy-tailed case still ends quickly and the
// stopped state is compared too.
constexpr int EN_COK_KABUL = 3000;

struct Ozet {
    Cozum_Durumu durum = Cozum_Durumu::Analiz_Yok;
    long long kabul = 0;
    long long denenen = 0;
};

void karsilastir(const Durum_Ornegi& o, std::uint64_t tohum, Ozet& ozet) {
    Sozluk sozluk;
    ASSERT_EQ(sozluk.cozumle(o.sozluk_metni), Sozluk_Hatasi::Yok);

    Izgara gr;
    izgara_kur(o, gr);
    referans::Referans_Cozucu ref;
    Mt_Kaynak kr(tohum);
    ref.analiz_et(gr, sozluk, kr);
    bool ref_tekrar = o.tekrar_kipi == 1;
    std::vector<Kabul> ref_kabul;
    const bool ref_cozuldu = ref.bulmaca_coz(
        gr, [&] { return ref_tekrar; },
        [&](int L) {
            const int s = ref.Sira[static_cast<std::size_t>(L)];
            ref_kabul.push_back({L, s, ref.Cozum_Kelime[static_cast<std::size_t>(s)]});
            if (o.tekrar_kipi == 2 && ref_kabul.size() % 3 == 0)
                ref_tekrar = !ref_tekrar;
            return ref_kabul.size() < EN_COK_KABUL;
        });

    Izgara gh;
    izgara_kur(o, gh);
    Bulmaca_Cozucu cozucu;
    Mt_Kaynak kh(tohum);
    ASSERT_EQ(cozucu.analiz_et(
                  gh, sozluk, false, [] { return true; }, kh),
              Analiz_Sonucu::Tamam);
    bool tekrar = o.tekrar_kipi == 1;
    std::vector<Kabul> kabul;
    const Cozum_Durumu durum = cozucu.bulmaca_coz(
        gh,
        [&](const Ilerleme& i) {
            if (i.neden != Kanca_Nedeni::Kelime_Kabul_Edildi)
                return Kanca_Yaniti::Devam;
            const int s = cozucu.Sira()[static_cast<std::size_t>(i.seviye)];
            kabul.push_back({i.seviye, s, std::string(cozucu.Cozum_Kelime(s))});
            if (o.tekrar_kipi == 2 && kabul.size() % 3 == 0)
                tekrar = !tekrar;
            return kabul.size() < EN_COK_KABUL ? Kanca_Yaniti::Devam : Kanca_Yaniti::Durdur;
        },
        [&] { return tekrar; });

    const int n = ref.Yer_Sayisi;
    ASSERT_EQ(cozucu.Yer_Sayisi(), n);
    for (int s = 1; s <= n; ++s)
        ASSERT_EQ(cozucu.Yerler()[static_cast<std::size_t>(s)],
                  ref.Yerler[static_cast<std::size_t>(s)]);
    for (int a = 0; a <= n; ++a) {
        for (int b = 0; b <= n; ++b) {
            const auto& k = ref.Kesisim[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)];
            ASSERT_EQ(cozucu.Kesisim(a, b), (Kesisim_Noktasi{k.Konum_A, k.Konum_B}))
                << a << "," << b;
        }
    }
    ASSERT_EQ(cozucu.En_Cok_Aday(), ref.En_Cok_Aday);
    for (int s = 1; s <= n; ++s) {
        ASSERT_EQ(cozucu.Aday_Adet(s), ref.Aday_Adet[static_cast<std::size_t>(s)]);
        for (int k = 1; k <= cozucu.Aday_Adet(s); ++k) {
            ASSERT_EQ(cozucu.Aday_Kelime(s, k),
                      ref.Aday_Kelime[static_cast<std::size_t>(s)][static_cast<std::size_t>(k)]);
            ASSERT_EQ(cozucu.Aday_Soru(s, k),
                      ref.Aday_Soru[static_cast<std::size_t>(s)][static_cast<std::size_t>(k)]);
        }
    }

    const Cozum_Durumu beklenen = ref.durduruldu ? Cozum_Durumu::Durduruldu
                                  : ref_cozuldu  ? Cozum_Durumu::Cozuldu
                                                 : Cozum_Durumu::Cozulemedi;
    EXPECT_EQ(durum, beklenen);
    ozet = {durum, static_cast<long long>(kabul.size()), cozucu.istatistik().denenen};
    ASSERT_EQ(kabul, ref_kabul);
    EXPECT_EQ(cozucu.istatistik().denenen, ref.denenen);
    EXPECT_EQ(cozucu.istatistik().kabul_edilen, static_cast<long long>(ref_kabul.size()));
    EXPECT_EQ(cozucu.En_Derin(), ref.En_Derin);
    for (int p = 1; p <= n; ++p)
        EXPECT_EQ(cozucu.Sira()[static_cast<std::size_t>(p)], ref.Sira[static_cast<std::size_t>(p)])
            << p;
    for (int s = 1; s <= n; ++s) {
        EXPECT_EQ(cozucu.Cozum_Kelime(s), ref.Cozum_Kelime[static_cast<std::size_t>(s)]) << s;
        EXPECT_EQ(cozucu.Cozum_Soru(s), ref.Cozum_Soru[static_cast<std::size_t>(s)]) << s;
        EXPECT_EQ(cozucu.En_Iyi_Kelime(s), ref.En_Iyi_Kelime[static_cast<std::size_t>(s)]) << s;
    }
    for (int r = 1; r <= o.satir; ++r) {
        for (int c = 1; c <= o.sutun; ++c)
            EXPECT_EQ(gh.harf_al(r, c), gr.harf_al(r, c)) << r << "," << c;
    }
}

TEST(Cozucu_Fark, RastgeleIzgaralardaReferanslaAyni) {
    int cozulen = 0, cozulemeyen = 0, durdurulan = 0;
    long long toplam_kabul = 0;
    // The tried counts, summed and folded in order: a change to the search's
    // order shows here first (--gtest_output=xml records them).
    long long toplam_denenen = 0;
    std::uint64_t iz = 0;
    for (std::uint64_t i = 1; i <= 600; ++i) {
        std::mt19937 rng(static_cast<std::mt19937::result_type>(i));
        const Durum_Ornegi o = ornek_uret(rng);
        SCOPED_TRACE("ornek " + std::to_string(i));
        Ozet ozet;
        karsilastir(o, i * 7919, ozet);
        if (HasFatalFailure() || HasNonfatalFailure())
            return;
        toplam_kabul += ozet.kabul;
        toplam_denenen += ozet.denenen;
        iz = iz * 1000003 + static_cast<std::uint64_t>(ozet.denenen);
        cozulen += ozet.durum == Cozum_Durumu::Cozuldu;
        cozulemeyen += ozet.durum == Cozum_Durumu::Cozulemedi;
        durdurulan += ozet.durum == Cozum_Durumu::Durduruldu;
    }
    RecordProperty("denenen_toplami", std::to_string(toplam_denenen));
    RecordProperty("denenen_izi", std::to_string(iz));
    // The sample must reach every outcome and accept many words.
    EXPECT_GT(cozulen, 50);
    EXPECT_GT(cozulemeyen, 50);
    EXPECT_GT(durdurulan, 5);
    EXPECT_GT(toplam_kabul, 20000);
}

// Where the exact search reaches its verdict, the smart search (on one
// engine or on two) reaches the same; its fill puts a candidate in every
// slot, keeps the fixed letters, and without repetition no word twice.
TEST(Cozucu_Fark, AkilliAramaAyniHukmuVerir) {
    int karsilastirilan = 0;
    for (std::uint64_t i = 1; i <= 300; ++i) {
        std::mt19937 rng(static_cast<std::mt19937::result_type>(i));
        const Durum_Ornegi o = ornek_uret(rng);
        SCOPED_TRACE("ornek " + std::to_string(i));
        const bool tekrar = o.tekrar_kipi == 1;
        Sozluk sozluk;
        ASSERT_EQ(sozluk.cozumle(o.sozluk_metni), Sozluk_Hatasi::Yok);
        const auto coz = [&](Izgara& g, Bulmaca_Cozucu& c, bool akilli) {
            izgara_kur(o, g);
            Mt_Kaynak k(i);
            EXPECT_EQ(c.analiz_et(
                          g, sozluk, false, [] { return true; }, k),
                      Analiz_Sonucu::Tamam);
            c.deneme_siniri_ata(100000);
            const Cozum_Kancasi devam = [](const Ilerleme&) { return Kanca_Yaniti::Devam; };
            const Tekrar_Okuyucu oku = [tekrar] { return tekrar; };
            return akilli ? c.akilli_coz(g, devam, oku, Akilli_Ayar{1 + static_cast<int>(i % 2), i})
                          : c.bulmaca_coz(g, devam, oku);
        };
        Izgara gt, ga;
        Bulmaca_Cozucu tam, akilli;
        const Cozum_Durumu beklenen = coz(gt, tam, false);
        if (beklenen == Cozum_Durumu::Sinir_Doldu)
            continue;
        ++karsilastirilan;
        ASSERT_EQ(coz(ga, akilli, true), beklenen);
        if (beklenen != Cozum_Durumu::Cozuldu)
            continue;
        std::set<std::string_view> kelimeler;
        for (int s = 1; s <= akilli.Yer_Sayisi(); ++s) {
            const std::string_view w = akilli.Cozum_Kelime(s);
            ASSERT_FALSE(w.empty()) << s;
            EXPECT_TRUE(tekrar || kelimeler.insert(w).second) << w;
            const Kelime_Yeri& y = akilli.Yerler()[static_cast<std::size_t>(s)];
            for (int p = 1; p <= y.Uzunluk; ++p)
                EXPECT_EQ(ga.harf_al(y.satir_k(p), y.sutun_k(p)),
                          std::string(1, w[static_cast<std::size_t>(p) - 1]));
        }
        Izgara sabit;
        izgara_kur(o, sabit);
        for (const auto& [r, c, h] : o.harfler) {
            if (ga.beyaz_mi(r, c)) {
                EXPECT_EQ(ga.harf_al(r, c), sabit.harf_al(r, c));
            }
        }
    }
    EXPECT_GT(karsilastirilan, 250);
}

}  // namespace
}  // namespace velzora
