// The search on hand-made grids: hooks and stops, the tries limit, and the
// memory limit. Fill order, accepted words, clues and
// verdicts are held to the literal reference in cozucu_fark_testi.cpp.
#include <gtest/gtest.h>

#include <thread>

#include "cozucu/seviye_durumu.h"
#include "cozucu_yardimcilari.h"

namespace velzora {
namespace {

using test::izgara_yap;
using test::Sabit_Kaynak;
using test::satirlar;
using test::sozluk_yap;

TEST(Arama, KancadaEbatDegisirseAramaGuvenleBiter) {
    Izgara g;
    izgara_yap(g, {"..", ".."});
    const Sozluk s = sozluk_yap({"BA", "AB"});
    Bulmaca_Cozucu c;
    Sabit_Kaynak k;
    ASSERT_EQ(test::analiz(c, g, s, k), Analiz_Sonucu::Tamam);
    const auto d = c.bulmaca_coz(
        g,
        [&](const Ilerleme&) {
            g.ebat_ver(3, 3);
            return Kanca_Yaniti::Devam;
        },
        [] { return true; });
    EXPECT_EQ(d, Cozum_Durumu::Durduruldu);
    EXPECT_EQ(c.istatistik().kabul_edilen, 1);
    // A grid of another size than the analysed one is not searched at all.
    EXPECT_EQ(test::coz(c, g, true), Cozum_Durumu::Analiz_Yok);
    EXPECT_EQ(satirlar(g), (std::vector<std::string>{"...", "...", "..."}));
}

// Ten separate slots and nine words: without repetition no fill exists, and
// the search walks through a great many partial fills to prove it.
struct On_Yer : ::testing::Test {
    Izgara g;
    Bulmaca_Cozucu c;
    void SetUp() override {
        std::vector<std::string> sat;
        for (int i = 0; i < 10; ++i) {
            sat.push_back("..");
            if (i < 9)
                sat.push_back("##");
        }
        izgara_yap(g, sat);
        const Sozluk s = sozluk_yap({"AA", "AB", "AC", "BA", "BB", "BC", "CA", "CB", "CC"});
        Sabit_Kaynak k;
        test::analiz(c, g, s, k);
        ASSERT_EQ(c.Yer_Sayisi(), 10);
    }
};

// A limit of tries ends the run at exactly that count, the same way every time.
TEST_F(On_Yer, DenemeSiniriAyniYerdeBitirir) {
    c.deneme_siniri_ata(5000);
    ASSERT_EQ(test::coz(c, g, false), Cozum_Durumu::Sinir_Doldu);
    EXPECT_EQ(c.istatistik().denenen, 5000);
    const auto once = satirlar(g);
    const long long kabul = c.istatistik().kabul_edilen;
    ASSERT_EQ(test::coz(c, g, false), Cozum_Durumu::Sinir_Doldu);
    EXPECT_EQ(satirlar(g), once);
    EXPECT_EQ(c.istatistik().kabul_edilen, kabul);
}

TEST_F(On_Yer, AraDenetimKelimesizSurelerdeCagrilirVeDurdurabilir) {
    int ara = 0;
    const auto d = c.bulmaca_coz(
        g,
        [&](const Ilerleme& i) {
            if (i.neden == Kanca_Nedeni::Ara_Denetim) {
                ++ara;
                return Kanca_Yaniti::Durdur;
            }
            // A slow redraw once: the next clock check finds the time gone.
            if (i.kabul_edilen == 1)
                std::this_thread::sleep_for(std::chrono::milliseconds(60));
            return Kanca_Yaniti::Devam;
        },
        [] { return false; });
    EXPECT_EQ(d, Cozum_Durumu::Durduruldu);
    EXPECT_EQ(ara, 1);
    EXPECT_GT(c.istatistik().kabul_edilen, 1);
}

TEST(Seviye_Durumu, BuyumeEskiVeYeniKopyayiSayar) {
    // Growing the storage holds the old and the new copy at once: both count.
    Seviye_Durumu dar;
    const std::vector<int> yuz = {0, 100};
    EXPECT_THROW(dar.hazirla(yuz, 0, 64), std::bad_alloc);
    dar.hazirla(yuz, 0, 3 * 100 * 8 - 1);
    dar.baslat(std::vector<int>{0, 6400});
    EXPECT_THROW(dar.kopya_surum(1, 1), std::bad_alloc);
}

// Over the budget the run ends with a plain error and the grid untouched.
// One budget for the whole run: the lists, the masks and the level storage
// together. Each of them fits alone into the second one here.
TEST(Arama, BellekSiniriButunCalismayiKapsar) {
    Izgara g;
    izgara_yap(g, {"...", "...", "..."});
    std::vector<std::string> kelimeler;
    for (int i = 0; i < 300; ++i)
        kelimeler.push_back({static_cast<char>('A' + i % 7), static_cast<char>('A' + i / 7 % 7),
                             static_cast<char>('A' + i / 49)});
    const Sozluk s = sozluk_yap(kelimeler);
    Bulmaca_Cozucu c;
    Sabit_Kaynak k;
    c.bellek_siniri_ata(64);
    EXPECT_EQ(test::analiz(c, g, s, k), Analiz_Sonucu::Bellek_Yetersiz);
    EXPECT_EQ(test::coz(c, g, false), Cozum_Durumu::Bellek_Yetersiz);
    EXPECT_EQ(c.Durum(), Cozum_Durumu::Bellek_Yetersiz);
    EXPECT_EQ(satirlar(g)[0], "...");
    c.bellek_siniri_ata(VARSAYILAN_BELLEK_SINIRI);
    ASSERT_EQ(test::analiz(c, g, s, k), Analiz_Sonucu::Tamam);
    test::coz(c, g, true);
    std::size_t listeler = 0, seviyeler = 0;
    for (int y = 1; y <= c.Yer_Sayisi(); ++y) {
        const auto uzunluk = c.Yerler()[static_cast<std::size_t>(y)].Uzunluk;
        const auto adet = static_cast<std::size_t>(c.Aday_Adet(y));
        listeler += adet * Aday_Listeleri::aday_bayti(uzunluk);
        seviyeler += 8 * static_cast<std::size_t>(uzunluk + 2) * ((adet + 63) / 64);
    }
    c.bellek_siniri_ata(std::max(listeler, c.tablo_bayti() + seviyeler) + 64);
    g.harf_temizle();
    EXPECT_TRUE(test::analiz(c, g, s, k) == Analiz_Sonucu::Bellek_Yetersiz ||
                test::coz(c, g, true) == Cozum_Durumu::Bellek_Yetersiz);
}

}  // namespace
}  // namespace velzora
