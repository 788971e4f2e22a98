// The restart search: rounds on reshuffled orders escape a bad first
// shuffle, a round that exhausts slot 1 proves that no fill exists, a stop
// between rounds ends the run, and with a budget no round reaches it is the
// exact search word for word.
#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <random>
#include <set>
#include <thread>
#include <tuple>

#include "cozucu_yardimcilari.h"

namespace velzora {
namespace {

using test::izgara_yap;
using test::Sabit_Kaynak;
using test::satirlar;
using test::sozluk_yap;

TEST(Luby, DiziVeButce) {
    const std::vector<long long> beklenen = {1, 1, 2, 1, 1, 2, 4, 1, 1, 2, 1, 1, 2, 4, 8, 1};
    for (std::size_t i = 0; i < beklenen.size(); ++i)
        EXPECT_EQ(luby(static_cast<long long>(i) + 1), beklenen[i]) << i + 1;
    EXPECT_EQ(luby(1023), 512);
    EXPECT_EQ(luby(1024), 1);
    EXPECT_EQ(tur_butcesi(7, 1000), 4000);
    EXPECT_EQ(tur_butcesi(1, 0), 1);
    EXPECT_GT(tur_butcesi(1023, std::numeric_limits<long long>::max()), 0);
}

Cozum_Durumu yeniden_coz(Bulmaca_Cozucu& c, Izgara& g, bool tekrar, long long taban,
                         Rastgele_Kaynak& k, const Cozum_Kancasi& kanca = {}, bool budama = true) {
    return c.bulmaca_coz(
        g, kanca ? kanca : [](const Ilerleme&) { return Kanca_Yaniti::Devam; },
        [tekrar] { return tekrar; }, Yeniden_Baslatma{taban, budama}, k);
}

// Slot 1 (row 1) takes GA or FA; the down slot from its first cell must then
// begin with that letter. Below, `bolme` separate slots with a fixed F take
// the words F.. and nothing else. With GA the down slot takes GZZ and the
// fill is immediate; with FA it takes one of the F words and the separate
// slots are one word short, which the search proves only by trying every
// assignment. Dictionary order GA, FA: any shuffle of two exchanges them, so
// the analysis puts FA first and every new round swaps them again.
struct Kotu_Ilk_Karistirma : ::testing::Test {
    static constexpr int BOLME = 9;
    Izgara g;
    std::vector<std::string> sat = {"..#", ".##", ".##"};
    Sozluk s;
    Bulmaca_Cozucu c;
    Sabit_Kaynak k;
    void SetUp() override {
        std::vector<std::string> kelimeler = {"GA", "FA", "GZZ"};
        for (int i = 0; i < BOLME; ++i) {
            sat.push_back("###");
            sat.push_back("F..");
            kelimeler.push_back(std::string("F") + static_cast<char>('A' + i / 3) +
                                static_cast<char>('A' + i % 3));
        }
        izgara_yap(g, sat);
        s = sozluk_yap(kelimeler);
        ASSERT_EQ(test::analiz(c, g, s, k), Analiz_Sonucu::Tamam);
        ASSERT_EQ(c.Yer_Sayisi(), BOLME + 2);
        ASSERT_EQ(c.Aday_Kelime(1, 1), "FA");
    }
};

// The exact search would try every assignment under FA; the first round
// gives up within its budget and the second, on GA, fills at once.
TEST_F(Kotu_Ilk_Karistirma, YenidenBaslatmaIkinciTurdaDoldurur) {
    std::vector<long long> turlar;
    const auto d = yeniden_coz(c, g, false, 100, k, [&](const Ilerleme& i) {
        turlar.push_back(i.tur);
        return Kanca_Yaniti::Devam;
    });
    ASSERT_EQ(d, Cozum_Durumu::Cozuldu);
    EXPECT_EQ(c.Tur_Sayisi(), 2);
    EXPECT_EQ(turlar.back(), 2);
    EXPECT_LE(c.istatistik().denenen, 100 + 100);
    // The results are those of the second round: its fill order and clues.
    const auto sat = satirlar(g);
    EXPECT_EQ(sat[0], "GA#");
    EXPECT_EQ(sat[2], "Z##");
    EXPECT_EQ(c.Cozum_Kelime(1), "GA");
    EXPECT_EQ(c.Cozum_Soru(1), "GA-1");
    EXPECT_EQ(c.Cozum_Kelime(BOLME + 2), "GZZ");
    EXPECT_EQ(c.Sira()[1], 1);
    EXPECT_EQ(c.Sira()[2], BOLME + 2);
    std::set<std::string> ayri;
    for (int y = 2; y <= BOLME + 1; ++y)
        ayri.insert(std::string(c.Cozum_Kelime(y)));
    EXPECT_EQ(ayri.size(), static_cast<std::size_t>(BOLME));
    EXPECT_EQ(c.En_Derin(), BOLME + 2);
}

// Six separate slots and five words: no fill without repetition, and no
// round of 10 tried candidates can show it. Longer rounds come, and one of
// them exhausts slot 1.
TEST(Yeniden_Baslatma, DolgusuzIzgaraKanitlanir) {
    Izgara g, g_tam;
    std::vector<std::string> sat;
    for (int i = 0; i < 6; ++i) {
        if (i > 0)
            sat.push_back("##");
        sat.push_back("..");
    }
    izgara_yap(g, sat);
    izgara_yap(g_tam, sat);
    const Sozluk s = sozluk_yap({"AA", "AB", "BA", "BB", "CA"});
    Bulmaca_Cozucu tam;
    Sabit_Kaynak k1;
    test::analiz(tam, g_tam, s, k1);
    ASSERT_EQ(test::coz(tam, g_tam, false), Cozum_Durumu::Cozulemedi);
    ASSERT_GT(tam.istatistik().denenen, 10);

    Bulmaca_Cozucu c;
    Mt_Kaynak k(5);
    test::analiz(c, g, s, k);
    EXPECT_EQ(yeniden_coz(c, g, false, 10, k), Cozum_Durumu::Cozulemedi);
    EXPECT_GT(c.Tur_Sayisi(), 1);
    EXPECT_EQ(c.En_Derin(), tam.En_Derin());
    // The grid shows the deepest fill of all rounds; nothing stays placed.
    std::set<std::string> gorunen;
    for (int y = 1; y <= 6; ++y) {
        EXPECT_EQ(c.Cozum_Kelime(y), "");
        const std::string satir = satirlar(g)[static_cast<std::size_t>(2 * (y - 1))];
        EXPECT_EQ(satir, c.En_Iyi_Kelime(y).empty() ? ".." : c.En_Iyi_Kelime(y));
        if (satir != "..")
            gorunen.insert(satir);
    }
    EXPECT_EQ(gorunen.size(), static_cast<std::size_t>(c.En_Derin()));
}

// Every word fits its row, but no word can stand below the first letter of
// another: the pruning before the first word proves it, trying nothing,
// where the exact search tries every row word.
TEST(Yeniden_Baslatma, BudamaIlkKelimedenOnceKanitlar) {
    const std::vector<std::string> sat = {"..", ".."};
    const Sozluk s = sozluk_yap({"AB", "CD", "XY"});
    Izgara g, g_tam;
    izgara_yap(g, sat);
    izgara_yap(g_tam, sat);
    Bulmaca_Cozucu c, tam;
    Sabit_Kaynak k1, k2;
    test::analiz(tam, g_tam, s, k1);
    ASSERT_EQ(test::coz(tam, g_tam, false), Cozum_Durumu::Cozulemedi);
    EXPECT_GE(tam.istatistik().denenen, 3);

    test::analiz(c, g, s, k2);
    EXPECT_EQ(yeniden_coz(c, g, false, 1, k2), Cozum_Durumu::Cozulemedi);
    EXPECT_EQ(c.istatistik().denenen, 0);
    EXPECT_EQ(c.Tur_Sayisi(), 1);
    EXPECT_EQ(c.En_Derin(), 0);
    EXPECT_EQ(satirlar(g), sat);
}

// A source that can be made slow, as a reshuffle of long lists is.
class Yavas_Kaynak final : public Rastgele_Kaynak {
  public:
    double tekduze() override {
        if (yavas) {
            std::this_thread::sleep_for(std::chrono::milliseconds(60));
            yavas = false;
        }
        return 0.0;
    }
    bool yavas = false;
};

TEST(Yeniden_Baslatma, TurlarArasindaDurdurulur) {
    Izgara g;
    izgara_yap(g, {"..", "##", "..", "##", ".."});
    const Sozluk s = sozluk_yap({"AA", "AB"});
    Bulmaca_Cozucu c;
    Yavas_Kaynak k;
    test::analiz(c, g, s, k);
    k.yavas = true;
    std::vector<Ilerleme> cagrilar;
    const auto d = yeniden_coz(c, g, false, 1, k, [&](const Ilerleme& i) {
        cagrilar.push_back(i);
        return i.seviye == 0 ? Kanca_Yaniti::Durdur : Kanca_Yaniti::Devam;
    });
    EXPECT_EQ(d, Cozum_Durumu::Durduruldu);
    ASSERT_FALSE(cagrilar.empty());
    EXPECT_EQ(cagrilar.back().neden, Kanca_Nedeni::Ara_Denetim);
    EXPECT_EQ(cagrilar.back().seviye, 0);
    EXPECT_EQ(cagrilar.back().tur, 2);
    EXPECT_EQ(c.Tur_Sayisi(), 2);
    // The new round has placed nothing yet: the snapshot stands.
    EXPECT_EQ(satirlar(g), (std::vector<std::string>{"..", "##", "..", "##", ".."}));
}

// Random small grids and dictionaries, many with lists long enough for a
// round to walk its order rather than pick the earliest of a few.
struct Ornek {
    std::vector<std::string> satirlar;
    std::vector<std::string> kelimeler;
    bool tekrar = false;
};

Ornek ornek_uret(std::mt19937& rng) {
    auto sayi = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng); };
    Ornek o;
    const int satir = sayi(2, 6), sutun = sayi(2, 6), siyah = sayi(0, 30);
    for (int r = 0; r < satir; ++r) {
        std::string s;
        for (int c = 0; c < sutun; ++c)
            s += sayi(1, 100) <= siyah ? '#' : '.';
        o.satirlar.push_back(s);
    }
    const int alfabe = sayi(2, 6);
    const int adet = sayi(0, 1) ? sayi(1, 60) : sayi(200, 900);
    for (int i = 0; i < adet; ++i) {
        std::string w;
        for (int k = sayi(2, 6); k > 0; --k)
            w += static_cast<char>('A' + sayi(0, alfabe - 1));
        o.kelimeler.push_back(w);
    }
    o.tekrar = sayi(0, 1) == 1;
    return o;
}

// Every slot holds a candidate of its own, crossings agree (the grid has
// one letter per cell), no word twice without repetition, and every clue
// belongs to its word.
void dolgu_gecerli(const Bulmaca_Cozucu& c, const Sozluk& s, bool tekrar) {
    std::multimap<std::string, std::string> sorular;
    for (int w = 1; w <= s.Kelime_Sayisi(); ++w)
        sorular.emplace(s.Kelime(w), s.Soru(w));
    std::set<std::string_view> kullanilan;
    for (int y = 1; y <= c.Yer_Sayisi(); ++y) {
        const std::string_view w = c.Cozum_Kelime(y);
        ASSERT_EQ(static_cast<int>(w.size()), c.Yerler()[static_cast<std::size_t>(y)].Uzunluk);
        bool soru_bulundu = false;
        for (auto [a, b] = sorular.equal_range(std::string(w)); a != b; ++a)
            soru_bulundu = soru_bulundu || a->second == c.Cozum_Soru(y);
        EXPECT_TRUE(soru_bulundu) << w;
        EXPECT_TRUE(kullanilan.insert(w).second || tekrar) << w;
        for (int z = 1; z <= c.Yer_Sayisi(); ++z) {
            const Kesisim_Noktasi k = c.Kesisim(y, z);
            if (k.Konum_A != 0) {
                EXPECT_EQ(w[static_cast<std::size_t>(k.Konum_A - 1)],
                          c.Cozum_Kelime(z)[static_cast<std::size_t>(k.Konum_B - 1)]);
            }
        }
    }
}

TEST(Yeniden_Baslatma, RastgeleIzgaralardaTamAramayaUyar) {
    std::mt19937 rng(8);
    int cozulen = 0, cozulemeyen = 0, cok_turlu = 0;
    for (int i = 0; i < 250; ++i) {
        const Ornek o = ornek_uret(rng);
        const Sozluk s = sozluk_yap(o.kelimeler);
        Izgara g_tam, g_tek, g_tur, g_budamali;
        Bulmaca_Cozucu tam, tek, tur, budamali;
        const auto tohum = static_cast<std::uint64_t>(i);
        Mt_Kaynak k1(tohum), k2(tohum), k3(tohum), k4(tohum);
        for (auto [g, c, k] : {std::tuple{&g_tam, &tam, &k1},
                               {&g_tek, &tek, &k2},
                               {&g_tur, &tur, &k3},
                               {&g_budamali, &budamali, &k4}}) {
            izgara_yap(*g, o.satirlar);
            test::analiz(*c, *g, s, *k);
        }
        // A rare hard case would only make the test slow.
        const auto d_tam = tam.bulmaca_coz(
            g_tam,
            [&](const Ilerleme& i) {
                return i.denenen > 20'000 ? Kanca_Yaniti::Durdur : Kanca_Yaniti::Devam;
            },
            [&] { return o.tekrar; });
        if (d_tam == Cozum_Durumu::Durduruldu)
            continue;

        // Without pruning, a single round that never spends its budget is
        // the exact search.
        const auto d_tek = yeniden_coz(tek, g_tek, o.tekrar, 1'000'000'000, k2, {}, false);
        ASSERT_EQ(d_tek, d_tam) << i;
        EXPECT_EQ(tek.Tur_Sayisi(), 1);
        EXPECT_EQ(tek.Sira(), tam.Sira()) << i;
        EXPECT_EQ(tek.istatistik().denenen, tam.istatistik().denenen) << i;
        EXPECT_EQ(tek.En_Derin(), tam.En_Derin()) << i;
        EXPECT_EQ(satirlar(g_tek), satirlar(g_tam)) << i;
        for (int y = 1; y <= tam.Yer_Sayisi(); ++y)
            EXPECT_EQ(tek.Cozum_Soru(y), tam.Cozum_Soru(y)) << i;

        // Short rounds, without and with pruning, reach the same verdict
        // with fills of their own; so does one long pruned round, whose
        // pruning must never cut away the only fill.
        const auto d_tur = yeniden_coz(tur, g_tur, o.tekrar, 3, k3, {}, i % 2 == 0);
        ASSERT_EQ(d_tur, d_tam) << i;
        const auto d_budamali = yeniden_coz(budamali, g_budamali, o.tekrar, 1'000'000'000, k4);
        ASSERT_EQ(d_budamali, d_tam) << i;
        cok_turlu += tur.Tur_Sayisi() > 1;
        cozulemeyen += d_tur == Cozum_Durumu::Cozulemedi;
        cozulen += d_tur == Cozum_Durumu::Cozuldu;
        if (d_tam == Cozum_Durumu::Cozuldu) {
            for (const Bulmaca_Cozucu* c : {&tur, &budamali}) {
                dolgu_gecerli(*c, s, o.tekrar);
                EXPECT_EQ(c->Sira()[1], c->Yer_Sayisi() ? 1 : 0);
            }
        }
    }
    EXPECT_GT(cozulen, 30);
    EXPECT_GT(cozulemeyen, 30);
    EXPECT_GT(cok_turlu, 30);
}

// A cell's letters are one 64-bit set: with more distinct letters at the
// crossings the rounds run without the pruning, and still fill.
TEST(Yeniden_Baslatma, AltmisDorttenCokHarfteBudamasizDoldurur) {
    std::vector<std::string> kelimeler;
    for (const char h :
         std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789!?*+"))
        kelimeler.push_back(std::string(2, h));
    kelimeler.push_back("ZQ");
    const Sozluk s = sozluk_yap(kelimeler);
    Izgara g;
    izgara_yap(g, {"..", ".."});
    Bulmaca_Cozucu c;
    Mt_Kaynak k(3);
    test::analiz(c, g, s, k);
    ASSERT_EQ(yeniden_coz(c, g, true, 2, k), Cozum_Durumu::Cozuldu);
    dolgu_gecerli(c, s, true);
}

}  // namespace
}  // namespace velzora
