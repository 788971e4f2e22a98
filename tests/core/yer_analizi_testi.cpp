// Slot table, crossings, letter snapshot, candidate lists, the shuffle and
// the dictionary reload rule of the analysis.
#include <gtest/gtest.h>

#include "cozucu_yardimcilari.h"
#include "yer_tablosu.h"

namespace velzora {
namespace {

using test::izgara_yap;
using test::Sabit_Kaynak;
using test::sozluk_yap;

Yer_Tablosu yerler(const std::vector<std::string>& satirlar) {
    Izgara g;
    izgara_yap(g, satirlar);
    Yer_Tablosu y;
    y.yerleri_bul(g);
    return y;
}

Kelime_Yeri yer(Yon_Turu yon, int satir, int sutun, int uzunluk) {
    Kelime_Yeri y;
    y.Yon = yon;
    y.Satir = satir;
    y.Sutun = sutun;
    y.Uzunluk = uzunluk;
    return y;
}

TEST(Yer_Tablosu, SlotsuzIzgaralar) {
    EXPECT_EQ(yerler({"##", "##"}).Yer_Sayisi(), 0);
    EXPECT_EQ(yerler({"#.", ".#"}).Yer_Sayisi(), 0);
    EXPECT_EQ(yerler({"#.", ".#"}).Kesisim(0, 0), Kesisim_Noktasi{});
}

TEST(Yer_Tablosu, TekBeyazHucreYerDegilVeYerSatirSonundaBiter) {
    const Yer_Tablosu y = yerler({"..#.", "####", "...."});
    ASSERT_EQ(y.Yer_Sayisi(), 2);
    EXPECT_EQ(y.Yer(1), yer(Yon_Turu::Soldan, 1, 1, 2));
    EXPECT_EQ(y.Yer(2), yer(Yon_Turu::Soldan, 3, 1, 4));
    // A run that reaches the last cell of a column ends there; the next
    // column starts a new slot.
    const Yer_Tablosu d = yerler({"..", "..", "#.", "..", "#."});
    ASSERT_EQ(d.Yer_Sayisi(), 3 + 2);
    EXPECT_EQ(d.Yer(3), yer(Yon_Turu::Soldan, 4, 1, 2));
    EXPECT_EQ(d.Yer(4), yer(Yon_Turu::Yukaridan, 1, 1, 2));
    EXPECT_EQ(d.Yer(5), yer(Yon_Turu::Yukaridan, 1, 2, 5));
}

TEST(Yer_Tablosu, UcUcBeyazNumaralarVeKesisimler) {
    const Yer_Tablosu y = yerler({"...", "...", "..."});
    ASSERT_EQ(y.Yer_Sayisi(), 6);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(y.Yer(i), yer(Yon_Turu::Soldan, i, 1, 3));
        EXPECT_EQ(y.Yer(i + 3), yer(Yon_Turu::Yukaridan, 1, i, 3));
    }
    EXPECT_EQ(y.Kesisim(2, 5), (Kesisim_Noktasi{2, 2}));
    EXPECT_EQ(y.Kesisim(3, 4), (Kesisim_Noktasi{1, 3}));
    EXPECT_EQ(y.Kesisim(4, 3), (Kesisim_Noktasi{3, 1}));
    EXPECT_EQ(y.Kesisim(1, 2), Kesisim_Noktasi{});
    EXPECT_EQ(y.Kesisim(4, 5), Kesisim_Noktasi{});
    EXPECT_EQ(y.Kesisim(2, 2), Kesisim_Noktasi{});
    EXPECT_EQ(y.Kesisim(0, 4), Kesisim_Noktasi{});
}

TEST(Yer_Tablosu, IkinciAnalizAyniTablolariVerir) {
    Izgara g;
    izgara_yap(g, {"..#..", ".....", "#...#", "....."});
    Yer_Tablosu a, b;
    a.yerleri_bul(g);
    b.yerleri_bul(g);
    b.yerleri_bul(g);
    ASSERT_EQ(a.Yerler(), b.Yerler());
    for (int s = 0; s <= a.Yer_Sayisi(); ++s) {
        for (int t = 0; t <= a.Yer_Sayisi(); ++t)
            EXPECT_EQ(a.Kesisim(s, t), b.Kesisim(s, t));
    }
}

TEST(Aday_Listeleri, SabitHarfeTamEslesme) {
    Izgara g;
    izgara_yap(g, {"A...", "####"});
    // "\xC2" is Â: a different letter from A, as is a.
    const Sozluk s = sozluk_yap({"ARAB", "aRAB", "\xC2RAB", "KAR", "ALTI", "BABA"});
    Bulmaca_Cozucu c;
    Sabit_Kaynak k;
    ASSERT_EQ(test::analiz(c, g, s, k), Analiz_Sonucu::Tamam);
    ASSERT_EQ(c.Yer_Sayisi(), 1);
    ASSERT_EQ(c.Aday_Adet(1), 2);
    // Two candidates are always exchanged.
    EXPECT_EQ(c.Aday_Kelime(1, 1), "ALTI");
    EXPECT_EQ(c.Aday_Kelime(1, 2), "ARAB");
    EXPECT_EQ(c.Aday_Soru(1, 2), "ARAB-1");
    EXPECT_EQ(c.Aday_Kelime(1, 3), "");
    EXPECT_EQ(c.Harf(1, 1), "A");
    EXPECT_EQ(c.Harf(1, 2), "");
}

TEST(Aday_Listeleri, HarfsizIzgaradaUzunluktakiHerKelimeSozlukSirasiylaVeTekrarlarla) {
    Izgara g;
    izgara_yap(g, {"...#", "####"});
    const Sozluk s = sozluk_yap({"EVE", "AT", "KAR", "EVE", "KALEM", "YOL"});
    Bulmaca_Cozucu c;
    // h = 2: u = 0.5 gives 0.5 * 1 + 3 = 3.5, which rounds to 4 (even).
    Sabit_Kaynak k({0.5, 0.0});
    ASSERT_EQ(test::analiz(c, g, s, k), Analiz_Sonucu::Tamam);
    ASSERT_EQ(c.Aday_Adet(1), 4);
    // EVE KAR EVE YOL: 1 <-> 4, then 2 <-> 3.
    EXPECT_EQ(c.Aday_Kelime(1, 1), "YOL");
    EXPECT_EQ(c.Aday_Kelime(1, 2), "EVE");
    EXPECT_EQ(c.Aday_Soru(1, 2), "EVE-4");
    EXPECT_EQ(c.Aday_Kelime(1, 3), "KAR");
    EXPECT_EQ(c.Aday_Kelime(1, 4), "EVE");
    EXPECT_EQ(c.Aday_Soru(1, 4), "EVE-1");
    EXPECT_EQ(k.cekilen, 2);
    EXPECT_EQ(c.En_Cok_Aday(), 4);
}

TEST(Aday_Listeleri, KaristirmaEsleri) {
    Izgara g;
    izgara_yap(g, {".....", "#####"});
    const Sozluk s = sozluk_yap({"AAAAA", "BBBBB", "CCCCC", "DDDDD", "EEEEE"});
    // h = 2: the partner is the nearest whole number to u + 3, so u < 0.5
    // draws 3 and u >= 0.5 draws 4 (3.5 goes to the even 4). Candidate 5 stays.
    auto sira = [&](double u1, double u2) {
        Bulmaca_Cozucu c;
        Sabit_Kaynak k({u1, u2});
        test::analiz(c, g, s, k);
        std::string v;
        for (int i = 1; i <= c.Aday_Adet(1); ++i)
            v += c.Aday_Kelime(1, i)[0];
        return v;
    };
    EXPECT_EQ(sira(0.0, 0.0), "CABDE");
    EXPECT_EQ(sira(0.0, 0.6), "CDABE");
    EXPECT_EQ(sira(0.6, 0.0), "DCBAE");
    EXPECT_EQ(sira(0.6, 0.6), "DACBE");
    EXPECT_EQ(sira(0.5, 0.5), "DACBE");
}

TEST(Aday_Listeleri, KaristirmadaYarimlarCifteYuvarlanir) {
    Izgara g;
    izgara_yap(g, {"......", "######"});
    const Sozluk s = sozluk_yap({"AAAAAA", "BBBBBB", "CCCCCC", "DDDDDD", "EEEEEE", "FFFFFF"});
    Bulmaca_Cozucu c;
    // h = 3: u = 0.25 gives 4.5, which goes to 4, not 5.
    Sabit_Kaynak k({0.25, 0.0, 0.0});
    test::analiz(c, g, s, k);
    std::string v;
    for (int i = 1; i <= c.Aday_Adet(1); ++i)
        v += c.Aday_Kelime(1, i)[0];
    EXPECT_EQ(v, "DABCEF");
}

TEST(Aday_Listeleri, IkiVeUcAdayHepTakasBirAdayHic) {
    auto ilk = [](std::vector<std::string> kelimeler, std::initializer_list<double> u) {
        Izgara g;
        izgara_yap(g, {"..", "##"});
        const Sozluk s = sozluk_yap(kelimeler);
        Bulmaca_Cozucu c;
        Sabit_Kaynak k(u);
        test::analiz(c, g, s, k);
        std::string v;
        for (int i = 1; i <= c.Aday_Adet(1); ++i)
            v += c.Aday_Kelime(1, i);
        return v;
    };
    EXPECT_EQ(ilk({"AB", "CD"}, {0.99}), "CDAB");
    EXPECT_EQ(ilk({"AB", "CD", "EF"}, {0.0}), "CDABEF");
    EXPECT_EQ(ilk({"AB"}, {}), "AB");
    EXPECT_EQ(ilk({"ABC"}, {}), "");
}

TEST(Analiz, YerYokkenEnCokAdaySifir) {
    Izgara g;
    izgara_yap(g, {"#.", ".#"});
    const Sozluk s = sozluk_yap({"AB"});
    Bulmaca_Cozucu c;
    Sabit_Kaynak k;
    ASSERT_EQ(test::analiz(c, g, s, k), Analiz_Sonucu::Tamam);
    EXPECT_EQ(c.Yer_Sayisi(), 0);
    EXPECT_EQ(c.En_Cok_Aday(), 0);
    EXPECT_EQ(test::coz(c, g, false), Cozum_Durumu::Cozuldu);
    EXPECT_LE(c.Bitis_Zamani() - c.Baslama_Zamani(), std::chrono::seconds(1));
}

TEST(Analiz, SozlukIlkAnalizdeVeDegistikceYuklenir) {
    Izgara g;
    izgara_yap(g, {"..", "##"});
    Sozluk s = sozluk_yap({"AB"});
    Bulmaca_Cozucu c;
    Sabit_Kaynak k;
    int yukleme = 0;
    bool basarili = false;
    auto yukle = [&] {
        ++yukleme;
        if (basarili)
            s = sozluk_yap({"XY", "ZW"});
        return basarili;
    };
    EXPECT_TRUE(c.sozluk_yuklenmeli(false));
    EXPECT_EQ(c.analiz_et(g, s, false, yukle, k), Analiz_Sonucu::Sozluk_Yuklenemedi);
    EXPECT_EQ(test::coz(c, g, false), Cozum_Durumu::Analiz_Yok);
    // A failed reload leaves the next analysis to try again.
    basarili = true;
    EXPECT_EQ(c.analiz_et(g, s, false, yukle, k), Analiz_Sonucu::Tamam);
    EXPECT_EQ(yukleme, 2);
    EXPECT_EQ(c.Aday_Adet(1), 2);
    EXPECT_FALSE(c.sozluk_yuklenmeli(false));
    EXPECT_EQ(c.analiz_et(g, s, false, yukle, k), Analiz_Sonucu::Tamam);
    EXPECT_EQ(yukleme, 2);
    // While the preferences report a change, every analysis reloads.
    EXPECT_EQ(c.analiz_et(g, s, true, yukle, k), Analiz_Sonucu::Tamam);
    EXPECT_EQ(c.analiz_et(g, s, true, yukle, k), Analiz_Sonucu::Tamam);
    EXPECT_EQ(yukleme, 4);
}

TEST(Analiz, AdaylarSozlukDegisseDeOkunurKalir) {
    Izgara g;
    izgara_yap(g, {"..", "##"});
    Sozluk s = sozluk_yap({"AB"});
    Bulmaca_Cozucu c;
    Sabit_Kaynak k;
    ASSERT_EQ(test::analiz(c, g, s, k), Analiz_Sonucu::Tamam);
    ASSERT_EQ(test::coz(c, g, false), Cozum_Durumu::Cozuldu);
    s = sozluk_yap({"QQ", "RR", "SS"});
    EXPECT_EQ(c.Aday_Kelime(1, 1), "AB");
    EXPECT_EQ(c.Cozum_Kelime(1), "AB");
    EXPECT_EQ(c.Cozum_Soru(1), "AB-1");
}

TEST(Analiz, DoluIzgaradaIkinciCozumHarfleriSabitAlir) {
    Izgara g;
    izgara_yap(g, {"..", "##"});
    const Sozluk s = sozluk_yap({"AB", "CD"});
    Bulmaca_Cozucu c;
    Sabit_Kaynak k;
    ASSERT_EQ(test::analiz(c, g, s, k), Analiz_Sonucu::Tamam);
    ASSERT_EQ(test::coz(c, g, false), Cozum_Durumu::Cozuldu);
    EXPECT_EQ(test::satirlar(g)[0], "CD");
    ASSERT_EQ(test::analiz(c, g, s, k), Analiz_Sonucu::Tamam);
    EXPECT_EQ(c.Aday_Adet(1), 1);
    EXPECT_EQ(c.Aday_Kelime(1, 1), "CD");
}

TEST(Analiz, BellekSiniriAsilincaDuzenliHata) {
    Izgara g;
    izgara_yap(g, {"...", "...", "..."});
    const Sozluk s = sozluk_yap({"ABC", "BCA", "CAB", "ACB"});
    Bulmaca_Cozucu c;
    c.bellek_siniri_ata(64);
    Sabit_Kaynak k;
    EXPECT_EQ(test::analiz(c, g, s, k), Analiz_Sonucu::Bellek_Yetersiz);
    EXPECT_EQ(test::coz(c, g, false), Cozum_Durumu::Bellek_Yetersiz);
    EXPECT_EQ(c.Durum(), Cozum_Durumu::Bellek_Yetersiz);
    EXPECT_EQ(test::satirlar(g)[0], "...");
    c.bellek_siniri_ata(VARSAYILAN_BELLEK_SINIRI);
    EXPECT_EQ(test::analiz(c, g, s, k), Analiz_Sonucu::Tamam);
}

}  // namespace
}  // namespace velzora
