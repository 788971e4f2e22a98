// The smart search on hand-made grids: proofs where no fill exists, fixed
// letters and repetition, the tries limit and a stop with several engines at
// work, and a seeded run on one engine repeated. Its verdicts against the
// exact search's on random grids are in cozucu_fark_testi.cpp. The table
// constraint is held to Gecode's own, which prunes exactly as far.
#include <gtest/gtest.h>

#include <gecode/search.hh>

#include <algorithm>
#include <random>

#include "cozucu/farkli_kelimeler.h"
#include "cozucu/tablo_kisiti.h"
#include "cozucu_yardimcilari.h"

namespace velzora {
namespace {

using test::izgara_yap;
using test::Sabit_Kaynak;
using test::satirlar;
using test::sozluk_yap;
using Satirlar = std::vector<std::string>;

Cozum_Durumu akilli(
    Bulmaca_Cozucu& c, Izgara& g, bool tekrar, int motor = 1,
    const Cozum_Kancasi& kanca = [](const Ilerleme&) { return Kanca_Yaniti::Devam; }) {
    return c.akilli_coz(
        g, kanca, [tekrar] { return tekrar; }, Akilli_Ayar{motor, 7});
}

TEST(Akilli_Arama, KucukIzgaralardaDoldururYaDaKanitlar) {
    using D = Cozum_Durumu;
    // Seventy-two letters, more than our table's domain word holds.
    Satirlar genis;
    for (int i = 0; i < 72; i += 2)
        genis.push_back({static_cast<char>(0xA0 + i), static_cast<char>(0xA1 + i)});
    const struct {
        Satirlar izgara, kelimeler;
        bool tekrar;
        D durum;
        Satirlar sonra;
    } durumlar[] = {
        {{"..", ".."}, {"AA"}, true, D::Cozuldu, {"AA", "AA"}},
        // Without repetition the 2 x 2 needs four words.
        {{"..", ".."}, {"BA", "AB"}, false, D::Cozulemedi, {"..", ".."}},
        // A fixed letter decides which of the two squares.
        {{"B.", ".."}, {"BA", "AB"}, true, D::Cozuldu, {"BA", "AB"}},
        {{"..", "##", ".."}, {"EV"}, false, D::Cozulemedi, {"..", "##", ".."}},
        {{"..", "##", ".."}, {"EV"}, true, D::Cozuldu, {"EV", "##", "EV"}},
        // Crossing words that disagree, and a slot without candidates.
        {{".B", "X#"}, {"AB", "CX"}, true, D::Cozulemedi, {".B", "X#"}},
        {{"...", "#.#"}, {"ABC", "DEF"}, true, D::Cozulemedi, {"...", "#.#"}},
        {{"##", "##"}, {"AB"}, false, D::Cozuldu, {"##", "##"}},
        {{"\xA0.", "##", ".\xA3", "##", ".."}, genis, false, D::Cozuldu, {}},
        {{"\xA0.", "##", ".\xA2"}, genis, false, D::Cozulemedi, {"\xA0.", "##", ".\xA2"}},
    };
    for (const auto& d : durumlar) {
        for (const int motor : {1, 3}) {
            SCOPED_TRACE(d.izgara[0] + "/" + d.kelimeler[0] + "/" + std::to_string(motor));
            Izgara g;
            izgara_yap(g, d.izgara);
            const Sozluk s = sozluk_yap(d.kelimeler);
            Bulmaca_Cozucu c;
            Sabit_Kaynak k;
            ASSERT_EQ(test::analiz(c, g, s, k), Analiz_Sonucu::Tamam);
            EXPECT_EQ(akilli(c, g, d.tekrar, motor), d.durum);
            if (!d.sonra.empty()) {
                EXPECT_EQ(satirlar(g), d.sonra);
            }
            if (d.durum == D::Cozuldu) {
                EXPECT_EQ(c.En_Derin(), c.Yer_Sayisi());
                for (int y = 1; y <= c.Yer_Sayisi(); ++y) {
                    EXPECT_EQ(c.Sira()[static_cast<std::size_t>(y)], y);
                    EXPECT_TRUE(c.Cozum_Soru(y).starts_with(c.Cozum_Kelime(y)));
                }
            } else {
                EXPECT_EQ(c.Cozum_Kelime(1), "");
            }
        }
    }
}

// Fifteen separate slots and fourteen words: no fill without repetition,
// and no engine proves it soon, since nothing propagates to a failure
// before most slots hold a word.
struct Guvercin : ::testing::Test {
    Izgara g;
    Bulmaca_Cozucu c;
    void SetUp() override {
        Satirlar sat;
        Satirlar kelimeler;
        for (int i = 0; i < 15; ++i) {
            sat.push_back("...");
            sat.push_back("###");
            if (i < 14)
                kelimeler.push_back(std::string("K") + static_cast<char>('A' + i) + "L");
        }
        sat.pop_back();
        izgara_yap(g, sat);
        const Sozluk s = sozluk_yap(kelimeler);
        Sabit_Kaynak k;
        ASSERT_EQ(test::analiz(c, g, s, k), Analiz_Sonucu::Tamam);
    }
};

TEST_F(Guvercin, DurdurmaBirinciKancadaButunMotorlariBitirir) {
    int kanca = 0;
    const auto d = akilli(c, g, false, 4, [&](const Ilerleme& i) {
        ++kanca;
        EXPECT_EQ(i.neden, Kanca_Nedeni::Ara_Denetim);
        EXPECT_EQ(i.Yer_Sayisi, 15);
        return Kanca_Yaniti::Durdur;
    });
    EXPECT_EQ(d, Cozum_Durumu::Durduruldu);
    EXPECT_EQ(kanca, 1);
    EXPECT_GT(c.istatistik().dugum, 0);
}

// On one engine a seed and a limit of nodes give the same run twice; on
// several the limit counts the nodes of all.
TEST_F(Guvercin, DenemeSiniriTekMotordaTekrarlanir) {
    c.deneme_siniri_ata(400);
    ASSERT_EQ(akilli(c, g, false), Cozum_Durumu::Sinir_Doldu);
    const Arama_Istatistigi once = c.istatistik();
    const Satirlar izgara = satirlar(g);
    EXPECT_EQ(once.dugum, 400);
    EXPECT_GT(c.En_Derin(), 0);
    ASSERT_EQ(akilli(c, g, false), Cozum_Durumu::Sinir_Doldu);
    EXPECT_EQ(c.istatistik().basarisiz, once.basarisiz);
    EXPECT_EQ(c.istatistik().yeniden_baslatma, once.yeniden_baslatma);
    EXPECT_EQ(satirlar(g), izgara);
    ASSERT_EQ(akilli(c, g, false, 3), Cozum_Durumu::Sinir_Doldu);
    EXPECT_GE(c.istatistik().dugum, 400);
}

// The run's one budget covers the smart search too: with just what the
// analysis needs, the model's tables do not fit.
TEST(Akilli_Arama, BellekButcesiAnalizdenKalandir) {
    // One slot of ten cells, whose table takes more than its list.
    Izgara g;
    izgara_yap(g, {"..........", "##########"});
    Satirlar kelimeler;
    std::mt19937 rng(5);
    for (int i = 0; i < 1000; ++i) {
        std::string w;
        for (int p = 0; p < 10; ++p)
            w += static_cast<char>('A' + rng() % 26);
        kelimeler.push_back(w);
    }
    const Sozluk s = sozluk_yap(kelimeler);
    Bulmaca_Cozucu c;
    Sabit_Kaynak k;
    std::size_t yetmez = 0, yeter = std::size_t{1} << 20;
    while (yeter - yetmez > 1) {
        const std::size_t orta = (yetmez + yeter) / 2;
        c.bellek_siniri_ata(orta);
        (test::analiz(c, g, s, k) == Analiz_Sonucu::Tamam ? yeter : yetmez) = orta;
    }
    c.bellek_siniri_ata(yeter);
    ASSERT_EQ(test::analiz(c, g, s, k), Analiz_Sonucu::Tamam);
    EXPECT_EQ(akilli(c, g, true), Cozum_Durumu::Bellek_Yetersiz);
    c.bellek_siniri_ata(yeter + (std::size_t{1} << 20));
    ASSERT_EQ(test::analiz(c, g, s, k), Analiz_Sonucu::Tamam);
    EXPECT_EQ(akilli(c, g, true), Cozum_Durumu::Cozuldu);
}

// Letter variables for a constraint of ours and Gecode's counterpart, each
// in a space of its own, under the same random steps.
class Tablo_Alani final : public Gecode::Space {
  public:
    Tablo_Alani(int u, int harf) : x(*this, u, 0, harf - 1) {}
    Tablo_Alani(Tablo_Alani& s) : Gecode::Space(s) { x.update(*this, s.x); }
    Gecode::Space* copy() override { return new Tablo_Alani(*this); }
    std::vector<std::vector<int>> alanlar() const {
        std::vector<std::vector<int>> a;
        for (int p = 0; p < x.size(); ++p) {
            a.emplace_back();
            for (Gecode::IntVarValues v(x[p]); v(); ++v)
                a.back().push_back(v.val());
        }
        return a;
    }
    Gecode::IntVarArray x;
};

// Steps ours and Gecode's through the same random letters taken away (or,
// with `atama`, also fixed), a copy of ours going on from where its original
// was every other step: the same status and the same letters at every step,
// until both fail or after `adimlar` steps.
void ayni_budar(std::unique_ptr<Tablo_Alani> biz, std::unique_ptr<Tablo_Alani> o, int adimlar,
                int harf, bool atama, std::mt19937& rng) {
    const auto n = static_cast<unsigned>(biz->x.size());
    for (int adim = 0;; ++adim) {
        const Gecode::SpaceStatus durum = o->status();
        ASSERT_EQ(biz->status(), durum) << adim;
        if (durum == Gecode::SS_FAILED || adim == adimlar)
            break;
        ASSERT_EQ(biz->alanlar(), o->alanlar()) << adim;
        if (adim % 2 == 1)
            biz.reset(static_cast<Tablo_Alani*>(biz->clone()));
        const int i = static_cast<int>(rng() % n);
        const int c = static_cast<int>(rng() % static_cast<unsigned>(harf));
        const auto r = atama && rng() % 3 != 0 ? Gecode::IRT_EQ : Gecode::IRT_NQ;
        Gecode::rel(*biz, biz->x[i], r, c);
        Gecode::rel(*o, o->x[i], r, c);
    }
}

TEST(Tablo_Kisiti, GecodeTablosuKadarBudar) {
    std::mt19937 rng(5);
    for (int ornek = 0; ornek < 80; ++ornek) {
        SCOPED_TRACE(ornek);
        const int u = 2 + ornek % 4, harf = 3 + ornek % 7;
        const int kelime = static_cast<int>(rng() % (ornek < 40 ? 40 : 400));
        // Sorted, as the model's words are: a letter's words then bunch up.
        std::vector<std::vector<int>> kelimeler(static_cast<std::size_t>(kelime));
        for (auto& k : kelimeler) {
            for (int p = 0; p < u; ++p)
                k.push_back(static_cast<int>(rng() % static_cast<unsigned>(harf)));
        }
        std::sort(kelimeler.begin(), kelimeler.end());
        std::vector<int> kodlar;
        Gecode::TupleSet ts(u);
        for (const auto& k : kelimeler) {
            kodlar.insert(kodlar.end(), k.begin(), k.end());
            ts.add(Gecode::IntArgs(k));
        }
        ts.finalize();
        const Tablo_Verisi veri(kodlar, u, harf);
        auto biz = std::make_unique<Tablo_Alani>(u, harf);
        auto o = std::make_unique<Tablo_Alani>(u, harf);
        tablo_kisiti(*biz, biz->x, veri);
        Gecode::extensional(*o, o->x, ts);
        ayni_budar(std::move(biz), std::move(o), 3 * u, harf, false, rng);
    }
}

// The slots of one length against every pair of them unequal. Some slots share a cell with the one
// before, at another place, as crossing slots do.
TEST(Farkli_Kelimeler, IkiliEsitsizliklerKadarBudar) {
    std::mt19937 rng(11);
    for (int ornek = 0; ornek < 120; ++ornek) {
        SCOPED_TRACE(ornek);
        const int L = 2 + ornek % 3, n = 2 + ornek % 5, harf = 2 + ornek % 2;
        std::vector<std::vector<int>> yerler(static_cast<std::size_t>(n));
        int degisken = 0;
        for (int k = 0; k < n; ++k) {
            for (int p = 0; p < L; ++p) {
                const bool ortak = k > 0 && p == 0 && rng() % 2 == 0;
                yerler[static_cast<std::size_t>(k)].push_back(
                    ortak ? yerler[static_cast<std::size_t>(k) - 1][1] : degisken++);
            }
        }
        auto biz = std::make_unique<Tablo_Alani>(degisken, harf);
        auto o = std::make_unique<Tablo_Alani>(degisken, harf);
        const auto yer = [&](Tablo_Alani& a, int k) {
            Gecode::IntVarArgs x;
            for (const int i : yerler[static_cast<std::size_t>(k)])
                x << a.x[i];
            return x;
        };
        Gecode::IntVarArgs hepsi;
        for (int k = 0; k < n; ++k) {
            hepsi << yer(*biz, k);
            for (int j = k + 1; j < n; ++j)
                Gecode::rel(*o, yer(*o, k), Gecode::IRT_NQ, yer(*o, j));
        }
        farkli_kelimeler(*biz, hepsi, L);
        ayni_budar(std::move(biz), std::move(o), 2 * degisken, harf, true, rng);
    }
}

}  // namespace
}  // namespace velzora
