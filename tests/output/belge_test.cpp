#include "belge_olustur.h"

#include <QStringList>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>
#include <set>
#include <utility>

#include "gecici_belge.h"
#include "ornek_bulmaca.h"
#include "ortak/cp1254.h"
#include "xml_agaci.h"
#include "zip_okuyucu.h"

namespace velzora {
namespace {

using test::Xml_Dugumu;

const QString W = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
const QString XML_AD_ALANI = QStringLiteral("http://www.w3.org/XML/1998/namespace");

std::string S(const QString& s) {
    return s.toStdString();
}

std::map<std::string, std::string> paket(const Bulmaca_Icerigi& icerik,
                                         Belge_Turu tur = Belge_Turu::Belge) {
    const auto bayt = belge_baytlari(icerik, tur);
    const auto parcalar = bayt ? test::zip_parcalari(*bayt) : std::nullopt;
    if (!parcalar)
        ADD_FAILURE() << "no readable zip archive";
    return parcalar.value_or(std::map<std::string, std::string>{});
}

Xml_Dugumu agac(const std::string& bayt) {
    std::string hata;
    auto d = test::xml_agaci(bayt, &hata);
    if (!d)
        ADD_FAILURE() << "not well-formed: " << hata;
    return d.value_or(Xml_Dugumu{});
}

// word/document.xml's body.
Xml_Dugumu govde(const Bulmaca_Icerigi& icerik) {
    const Xml_Dugumu belge = agac(paket(icerik)["word/document.xml"]);
    const Xml_Dugumu* body = belge.ilk("body");
    return body ? *body : Xml_Dugumu{};
}

Bulmaca_Icerigi bos_listeli(const Izgara& g, bool cozum = false) {
    return {g, std::vector<std::string>(g.Satir_Sayisi()),
            std::vector<std::string>(g.Sutun_Sayisi()), cozum};
}

// An attribute found by a path of child names; "<yok>" when an element is missing.
std::string ozellik(const Xml_Dugumu* d, const char* yol, const char* nitelik = "val") {
    for (const auto& ad : QString::fromLatin1(yol).split(QLatin1Char('/')))
        d = d ? d->ilk(ad) : nullptr;
    return d ? S(d->nitelik(QString::fromLatin1(nitelik))) : "<yok>";
}

int sayi(const Xml_Dugumu* d, const char* yol, const char* nitelik = "val") {
    return QString::fromStdString(ozellik(d, yol, nitelik)).toInt();
}

// A paragraph's text with its tabs, as it reads: the break chances after
// "..." left out.
std::string paragraf_metni(const Xml_Dugumu& p) {
    QString metin;
    for (const auto* r : p.cocuk(QStringLiteral("r"))) {
        for (const auto& c : r->cocuklar)
            metin += c.ad == QLatin1String("tab") ? QStringLiteral("\t") : c.metin;
    }
    return S(metin.remove(QChar(0x200B)));
}

// The body's parts in order: the paragraph that ends each section, and the
// clue paragraphs after each heading.
struct Govde_Parcalari {
    std::vector<const Xml_Dugumu*> bolum_sonlari;  // sectPr, last the body's own
    std::vector<const Xml_Dugumu*> soldan, yukaridan;
    std::vector<const Xml_Dugumu*> tablolar;
};

Govde_Parcalari parcalar(const Xml_Dugumu& body) {
    Govde_Parcalari g{
        body.altlar(QStringLiteral("sectPr")), {}, {}, body.cocuk(QStringLiteral("tbl"))};
    std::vector<const Xml_Dugumu*>* liste = nullptr;
    for (const auto* p : body.cocuk(QStringLiteral("p"))) {
        if (p->yazi() == QStringLiteral("SOLDAN SAĞA"))
            liste = &g.soldan;
        else if (p->yazi() == QStringLiteral("YUKARIDAN AŞAĞI"))
            liste = &g.yukaridan;
        else if (liste && ozellik(p, "pPr/keepLines", "val") != "<yok>")
            liste->push_back(p);
    }
    return g;
}

TEST(Belge, GridTableCarriesTitleHeaderNumbersAndShadesExactlyTheBlackSquares) {
    Izgara g;
    g.ebat_ver(4, 11);
    const std::set<std::pair<int, int>> siyahlar{{1, 1}, {2, 5}, {4, 11}, {3, 3}, {4, 10}};
    for (auto [r, c] : siyahlar)
        g.siyah_yap(r, c, Renk_Kodu::Siyah);
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 11; ++c)
            g.harf_yaz(r, c, "K");

    // The solution page repeats the table with the letters of the white cells.
    const Xml_Dugumu body = govde(bos_listeli(g, true));
    EXPECT_EQ(S(body.cocuklar.at(0).yazi()), "KARE BULMACA");
    const Govde_Parcalari b = parcalar(body);
    ASSERT_EQ(b.tablolar.size(), 2u);
    ASSERT_EQ(b.bolum_sonlari.size(), 4u);
    EXPECT_EQ(ozellik(b.bolum_sonlari[3], "type"), "nextPage") << "a page of its own";
    for (int t = 0; t < 2; ++t) {
        const auto satirlar = b.tablolar[static_cast<std::size_t>(t)]->cocuk(QStringLiteral("tr"));
        ASSERT_EQ(satirlar.size(), 5u);
        for (int i = 1; i <= 5; ++i) {
            const auto hucreler = satirlar[i - 1]->cocuk(QStringLiteral("tc"));
            ASSERT_EQ(hucreler.size(), 12u);
            for (int j = 1; j <= 12; ++j) {
                const Xml_Dugumu& tc = *hucreler[j - 1];
                SCOPED_TRACE(testing::Message() << "table " << t << ", cell " << i << ", " << j);
                const bool siyah = siyahlar.count({i - 1, j - 1}) > 0;
                QString yazi;
                if (i == 1 && j > 1)
                    yazi = QString::number(j - 1);
                else if (j == 1 && i > 1)
                    yazi = QString::number(i - 1);
                else if (t == 1 && i > 1 && !siyah)
                    yazi = QStringLiteral("K");
                EXPECT_EQ(S(tc.yazi()), S(yazi));
                const Xml_Dugumu* shd = tc.ilk(QStringLiteral("tcPr"))->ilk(QStringLiteral("shd"));
                EXPECT_EQ(shd != nullptr, siyah);
            }
        }
    }
}

// The page turns where it must; the fit below checks the page's own size.
TEST(Belge, EverySizeFromTwoToFiftyKeepsItsGridOnOnePageWithLegibleNumbers) {
    for (const auto& [R, C] : {std::pair{2, 2}, {21, 21}, {31, 21}, {50, 50}, {15, 50}}) {
        SCOPED_TRACE(testing::Message() << R << " x " << C);
        Izgara g;
        g.ebat_ver(R, C);
        const Xml_Dugumu body = govde(bos_listeli(g));
        const Govde_Parcalari b = parcalar(body);
        ASSERT_EQ(b.bolum_sonlari.size(), 3u) << "grid, clues, balancing";
        const Xml_Dugumu* izgara_bolumu = b.bolum_sonlari[0];
        const Xml_Dugumu* tbl = b.tablolar[0];
        const int kenar = sayi(tbl, "tblGrid/gridCol", "w");
        const auto satirlar = tbl->cocuk(QStringLiteral("tr"));
        EXPECT_EQ(sayi(satirlar[0], "trPr/trHeight"), kenar) << "square cells";
        const int genislik =
            sayi(izgara_bolumu, "pgSz", "w") - 2 * sayi(izgara_bolumu, "pgMar", "left");
        const int yukseklik =
            sayi(izgara_bolumu, "pgSz", "h") - 2 * sayi(izgara_bolumu, "pgMar", "top");
        EXPECT_LE((C + 1) * kenar, genislik);
        EXPECT_LE((R + 1) * kenar, yukseklik);
        // The largest number fits its cell and stays readable.
        const auto numara = satirlar[0]->cocuk(QStringLiteral("tc")).back();
        EXPECT_EQ(S(numara->yazi()), std::to_string(C));
        const int yarim_punto = sayi(numara, "p/r/rPr/sz");
        EXPECT_GE(yarim_punto, 14) << "7 pt or more";
        EXPECT_LE(yarim_punto * 10 * static_cast<int>(std::to_string(C).size()) / 2, kenar);
    }
}

TEST(Belge, ClueTextBecomesSafeUnicodeAndKeepsItsBlanks) {
    Izgara g;
    g.ebat_ver(2, 2);
    // clang-format off
    const Bulmaca_Icerigi icerik{
        g, {" 1. \xDD\xFE" "ler \xFC\xE7 <&> \"a\" ", " 2.a\tb\x01\x0B\x1F" "c\x81", " 3.a...b"},
        {"", ""}};
    // clang-format on
    const Xml_Dugumu body = govde(icerik);
    const Govde_Parcalari b = parcalar(body);
    ASSERT_EQ(b.soldan.size(), 3u);
    // Tab kept as the word processor's tab; control characters dropped; a
    // byte the code page leaves undefined shows as the replacement character.
    EXPECT_EQ(paragraf_metni(*b.soldan[0]), " 1. İşler üç <&> \"a\" ");
    EXPECT_EQ(paragraf_metni(*b.soldan[1]), " 2.a\tbc\uFFFD");
    // The line may break after "...", between two clues.
    EXPECT_EQ(S(b.soldan[2]->yazi()), " 3.a...\u200Bb");
    for (const auto* t : b.soldan[0]->altlar(QStringLiteral("t"))) {
        EXPECT_EQ(t->nitelik(QStringLiteral("space")), "preserve");
        EXPECT_EQ(t->nitelik_ad_alanlari.at(QStringLiteral("space")), XML_AD_ALANI);
    }
    EXPECT_EQ(b.yukaridan.size(), 2u) << "an empty line stays, as a blank line";
}

// "a/_rels/b.xml.rels" holds the relationships of "a/b.xml", whose relative
// targets start from "a/"; "_rels/.rels" those of the package.
std::string hedef_parca(const std::string& iliski_parcasi, const QString& hedef) {
    const std::string yol = S(hedef);
    if (yol.rfind('/', 0) == 0)
        return yol.substr(1);
    return iliski_parcasi.substr(0, iliski_parcasi.rfind("_rels/")) + yol;
}

void wml_ad_alaninda(const Xml_Dugumu& d) {
    EXPECT_EQ(d.ad_alani, W) << S(d.ad);
    for (const auto& [ad, alan] : d.nitelik_ad_alanlari)
        EXPECT_TRUE(alan == W || alan == XML_AD_ALANI) << S(d.ad) << " @" << S(ad);
    for (const auto& c : d.cocuklar)
        wml_ad_alaninda(c);
}

TEST(Belge, PackageIsCompleteAndHoldsOneParagraphPerClueLine) {
    const test::Ornek_Bulmaca o;
    const auto bolumler = paket(o.icerik(true));
    ASSERT_TRUE(bolumler.count("[Content_Types].xml"));
    ASSERT_TRUE(bolumler.count("_rels/.rels"));

    std::map<std::string, Xml_Dugumu> agaclar;
    for (const auto& [ad, icerik] : bolumler) {
        SCOPED_TRACE(ad);
        agaclar[ad] = agac(icerik);
    }

    std::map<QString, QString> varsayilan, ozel;
    for (const auto& d : agaclar["[Content_Types].xml"].cocuklar) {
        if (d.ad == QLatin1String("Default"))
            varsayilan[d.nitelik(QStringLiteral("Extension")).toLower()] =
                d.nitelik(QStringLiteral("ContentType"));
        else if (d.ad == QLatin1String("Override"))
            ozel[d.nitelik(QStringLiteral("PartName"))] = d.nitelik(QStringLiteral("ContentType"));
    }
    auto icerik_turu = [&](const std::string& ad) {
        const auto o = ozel.find(QLatin1Char('/') + QString::fromStdString(ad));
        if (o != ozel.end())
            return o->second;
        const auto nokta = ad.rfind('.');
        const auto v = varsayilan.find(QString::fromStdString(ad.substr(nokta + 1)).toLower());
        return v == varsayilan.end() ? QString() : v->second;
    };
    for (const auto& [ad, icerik] : bolumler) {
        if (ad != "[Content_Types].xml") {
            EXPECT_FALSE(icerik_turu(ad).isEmpty()) << ad << " has no content type";
        }
    }
    for (const auto& [ad, tur] : ozel)
        EXPECT_TRUE(bolumler.count(S(ad).substr(1))) << S(ad) << " is typed but missing";

    std::string ana_belge;
    for (const auto& [ad, agac] : agaclar) {
        if (ad.size() < 5 || ad.substr(ad.size() - 5) != ".rels")
            continue;
        SCOPED_TRACE(ad);
        std::set<QString> kimlikler;
        for (const auto* r : agac.cocuk(QStringLiteral("Relationship"))) {
            EXPECT_TRUE(kimlikler.insert(r->nitelik(QStringLiteral("Id"))).second);
            const std::string hedef = hedef_parca(ad, r->nitelik(QStringLiteral("Target")));
            EXPECT_TRUE(bolumler.count(hedef)) << "missing target " << hedef;
            if (ad == "_rels/.rels" &&
                r->nitelik(QStringLiteral("Type")).endsWith("/officeDocument"))
                ana_belge = hedef;
        }
    }
    ASSERT_EQ(ana_belge, "word/document.xml");
    EXPECT_EQ(S(icerik_turu(ana_belge)),
              "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");
    wml_ad_alaninda(agaclar[ana_belge]);
    const Xml_Dugumu* body = agaclar[ana_belge].ilk(QStringLiteral("body"));
    ASSERT_TRUE(body);
    const Govde_Parcalari b = parcalar(*body);
    for (auto [paragraflar, beklenen] :
         {std::pair{&b.soldan, &o.soldan}, std::pair{&b.yukaridan, &o.yukaridan}}) {
        ASSERT_EQ(paragraflar->size(), beklenen->size());
        for (std::size_t i = 0; i < beklenen->size(); ++i)
            EXPECT_EQ(paragraf_metni(*(*paragraflar)[i]), cp1254_utf8((*beklenen)[i]));
    }

    // The template differs only in the main part's type, which makes the
    // word processor open it as a new, untitled document.
    const auto sablon = paket(o.icerik(true), Belge_Turu::Sablon);
    EXPECT_EQ(sablon.at("word/document.xml"), bolumler.at("word/document.xml"));
    EXPECT_NE(sablon.at("[Content_Types].xml").find("wordprocessingml.template.main+xml\"/>"),
              std::string::npos);
}

TEST(GeciciBelge, EveryExportGetsAPrivateFolderOfItsOwn) {
    const auto a = gecici_belge_yolu();
    const auto b = gecici_belge_yolu();
    ASSERT_TRUE(a && b);
    EXPECT_NE(a->parent_path(), b->parent_path());
    for (const auto& yol : {*a, *b}) {
        struct stat durum {};
        ASSERT_EQ(::stat(yol.parent_path().c_str(), &durum), 0);
        EXPECT_TRUE(S_ISDIR(durum.st_mode));
        EXPECT_EQ(durum.st_mode & 0777, 0700u);
        EXPECT_FALSE(std::filesystem::exists(yol));
        EXPECT_EQ(yol.extension(), ".dotx");
        std::filesystem::remove_all(yol.parent_path());
    }
}

}  // namespace
}  // namespace velzora
