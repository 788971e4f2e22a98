#include "belge_olustur.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>
#include <set>
#include <utility>

#include "gecici_belge.h"
#include "gecici_dizin.h"
#include "ornek_bulmaca.h"
#include "ortak/cp1254.h"
#include "xml_agaci.h"
#include "zip_okuyucu.h"

namespace velzora {
namespace {

using test::Gecici_Dizin;
using test::Xml_Dugumu;

const QString W = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
const QString XML_AD_ALANI = QStringLiteral("http://www.w3.org/XML/1998/namespace");

std::string S(const QString& s) {
    return s.toStdString();
}

// Twentieths of a point, as the word processor rounds centimetres.
constexpr int twip(double cm) {
    return static_cast<int>(cm / 2.54 * 1440.0 + 0.5);
}

std::map<std::string, std::string> paket(const Izgara& izgara,
                                         const std::vector<std::string>& soldan,
                                         const std::vector<std::string>& yukaridan) {
    const auto bayt = belge_baytlari(izgara, soldan, yukaridan);
    if (!bayt) {
        ADD_FAILURE() << "no document";
        return {};
    }
    auto parcalar = test::zip_parcalari(*bayt);
    if (!parcalar) {
        ADD_FAILURE() << "not a readable zip archive";
        return {};
    }
    return *parcalar;
}

Xml_Dugumu agac(const std::string& bayt) {
    std::string hata;
    auto d = test::xml_agaci(bayt, &hata);
    if (!d) {
        ADD_FAILURE() << "not well-formed: " << hata;
        return {};
    }
    return *d;
}

// word/document.xml's body.
Xml_Dugumu govde(const Izgara& izgara, const std::vector<std::string>& soldan,
                 const std::vector<std::string>& yukaridan) {
    const Xml_Dugumu belge = agac(paket(izgara, soldan, yukaridan)["word/document.xml"]);
    const Xml_Dugumu* body = belge.ilk("body");
    if (!body) {
        ADD_FAILURE() << "no body";
        return {};
    }
    return *body;
}

std::vector<std::string> bos_satirlar(int n) {
    return std::vector<std::string>(n);
}

// An attribute found by a path of child names; "<yok>" when an element is missing.
std::string ozellik(const Xml_Dugumu* d, const char* yol, const char* nitelik = "val") {
    for (const char* p = yol; d && *p;) {
        const char* son = p;
        while (*son && *son != '/')
            ++son;
        d = d->ilk(QString::fromLatin1(p, son - p));
        p = *son ? son + 1 : son;
    }
    return d ? S(d->nitelik(QString::fromLatin1(nitelik))) : "<yok>";
}

int sayi(const Xml_Dugumu* d, const char* yol, const char* nitelik = "val") {
    return QString::fromStdString(ozellik(d, yol, nitelik)).toInt();
}

// The lines of a list paragraph: text and tabs up to each manual break; text
// after the last break would make one more line.
std::vector<std::string> liste_satirlari(const Xml_Dugumu& p) {
    std::vector<std::string> satirlar;
    std::optional<QString> satir;
    for (const auto* r : p.cocuk(QStringLiteral("r"))) {
        for (const auto& c : r->cocuklar) {
            if (c.ad == QLatin1String("t"))
                satir = satir.value_or(QString()) + c.metin;
            else if (c.ad == QLatin1String("tab"))
                satir = satir.value_or(QString()) + QLatin1Char('\t');
            else if (c.ad == QLatin1String("br"))
                satirlar.push_back(S(std::exchange(satir, std::nullopt).value_or(QString())));
        }
    }
    if (satir)
        satirlar.push_back(S(*satir));
    return satirlar;
}

// Per cell: top, left, bottom, right; '1' a single line, '-' none. The
// puzzle is ruled around and inside, the headers only towards it.
std::string cizgiler(const Xml_Dugumu& tc) {
    const Xml_Dugumu* kenarlar = tc.ilk(QStringLiteral("tcPr"))->ilk(QStringLiteral("tcBorders"));
    if (!kenarlar)
        return "<yok>";
    std::string okunan;
    for (const char* k : {"top", "left", "bottom", "right"}) {
        const std::string v = ozellik(kenarlar, k);
        okunan += v == "single" ? '1' : (v == "nil" || v == "none") ? '-' : '?';
        if (v == "single") {
            EXPECT_EQ(ozellik(kenarlar, k, "sz"), "4") << "0.5 pt";
        }
    }
    return okunan;
}

TEST(Belge, GridTableCarriesHeaderNumbersRulesAndShadesExactlyTheBlackSquares) {
    Izgara g;
    g.ebat_ver(4, 11);
    const std::set<std::pair<int, int>> siyahlar{{1, 1}, {2, 5}, {4, 11}, {3, 3}, {4, 10}};
    for (auto [r, c] : siyahlar)
        g.siyah_yap(r, c, Renk_Kodu::Siyah);
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 11; ++c)
            g.harf_yaz(r, c, "K");

    const Xml_Dugumu body = govde(g, bos_satirlar(4), bos_satirlar(11));
    const auto tablolar = body.cocuk(QStringLiteral("tbl"));
    ASSERT_EQ(tablolar.size(), 1u);
    const Xml_Dugumu& tbl = *tablolar[0];
    EXPECT_EQ(ozellik(&tbl, "tblPr/jc"), "center");

    const auto sutunlar = tbl.ilk(QStringLiteral("tblGrid"))->cocuk(QStringLiteral("gridCol"));
    ASSERT_EQ(sutunlar.size(), 12u);
    for (const auto* s : sutunlar)
        EXPECT_EQ(s->nitelik(QStringLiteral("w")).toInt(), twip(0.7));

    const auto satirlar = tbl.cocuk(QStringLiteral("tr"));
    ASSERT_EQ(satirlar.size(), 5u);
    for (int i = 1; i <= 5; ++i) {
        const Xml_Dugumu& tr = *satirlar[i - 1];
        EXPECT_EQ(ozellik(&tr, "trPr/trHeight", "hRule"), "exact");
        const auto hucreler = tr.cocuk(QStringLiteral("tc"));
        ASSERT_EQ(hucreler.size(), 12u);
        for (int j = 1; j <= 12; ++j) {
            const Xml_Dugumu& tc = *hucreler[j - 1];
            SCOPED_TRACE(testing::Message() << "table cell " << i << ", " << j);
            QString numara;
            if (i == 1 && j > 1)
                numara = QString::number(j - 1);
            if (j == 1 && i > 1)
                numara = QString::number(i - 1);
            EXPECT_EQ(S(tc.yazi()), S(numara)) << "numbers only, never letters";
            EXPECT_EQ(cizgiler(tc), i == 1 ? (j == 1 ? "----" : "--1-") : j == 1 ? "---1" : "1111");

            const bool siyah = siyahlar.count({i - 1, j - 1}) > 0;
            const Xml_Dugumu* shd = tc.ilk(QStringLiteral("tcPr"))->ilk(QStringLiteral("shd"));
            EXPECT_EQ(shd != nullptr, siyah);
            if (shd) {
                EXPECT_EQ(shd->nitelik(QStringLiteral("fill")), "000000");
            }
            for (const auto* p : tc.cocuk(QStringLiteral("p")))
                EXPECT_EQ(ozellik(p, "pPr/jc"), "center");
        }
    }
}

TEST(Belge, GridsTooLargeForThePageShrinkToFitIt) {
    const int metin_genisligi = twip(21.0) - 2 * twip(2.5);
    const int metin_yuksekligi = twip(29.7) - 2 * twip(2.5);
    for (auto [R, C] : {std::pair{2, 2}, {31, 21}, {50, 50}, {50, 2}, {2, 50}}) {
        SCOPED_TRACE(testing::Message() << R << " x " << C);
        Izgara g;
        g.ebat_ver(R, C);
        const Xml_Dugumu body = govde(g, bos_satirlar(R), bos_satirlar(C));
        const Xml_Dugumu* tbl = body.ilk(QStringLiteral("tbl"));
        ASSERT_NE(tbl, nullptr);
        const int kenar = sayi(tbl, "tblGrid/gridCol", "w");
        const auto satirlar = tbl->cocuk(QStringLiteral("tr"));
        ASSERT_EQ(static_cast<int>(satirlar.size()), R + 1);
        EXPECT_EQ(sayi(satirlar[0], "trPr/trHeight"), kenar) << "square cells";
        if (R <= 31 && C <= 21) {
            EXPECT_EQ(kenar, twip(0.7));
        } else {
            EXPECT_LE((C + 1) * kenar, metin_genisligi);
            // Below the title line and its 20 pt.
            EXPECT_LE((R + 1) * kenar, metin_yuksekligi - 2 * 16 * 20 - 20 * 20);
        }
        // The largest number still fits its cell.
        const auto numara = satirlar[0]->cocuk(QStringLiteral("tc")).back();
        EXPECT_EQ(S(numara->yazi()), std::to_string(C));
        const int boy = sayi(numara, "p/r/rPr/sz") * 10;  // twips, from half points
        EXPECT_GT(boy, 0);
        EXPECT_LE(boy * static_cast<int>(std::to_string(C).size()) * 6 / 10, kenar);
        EXPECT_LE(boy, kenar);
    }
}

TEST(Belge, A4PageTitleAndAContinuousSectionOfTwoTextColumns) {
    Izgara g;
    g.ebat_ver(3, 3);
    const Xml_Dugumu body = govde(g, bos_satirlar(3), bos_satirlar(3));

    std::vector<QString> sira;
    for (const auto& c : body.cocuklar)
        sira.push_back(c.ad);
    ASSERT_EQ(sira, (std::vector<QString>{"p", "tbl", "p", "p", "p", "p", "p", "sectPr"}));
    const Xml_Dugumu& baslik = body.cocuklar[0];
    const Xml_Dugumu& bolum_sonu = body.cocuklar[2];
    const Xml_Dugumu& soldan = body.cocuklar[3];
    const Xml_Dugumu& yukaridan = body.cocuklar[5];

    EXPECT_EQ(S(baslik.yazi()), "KARE BULMACA");
    EXPECT_EQ(ozellik(&baslik, "pPr/jc"), "center");

    // The grid's section starts a new page; the clues follow on the same page.
    const Xml_Dugumu* ilk_bolum =
        bolum_sonu.ilk(QStringLiteral("pPr"))->ilk(QStringLiteral("sectPr"));
    ASSERT_NE(ilk_bolum, nullptr);
    EXPECT_TRUE(bolum_sonu.yazi().isEmpty());
    EXPECT_EQ(ozellik(ilk_bolum, "type"), "nextPage");
    const Xml_Dugumu* son_bolum = &body.cocuklar.back();
    EXPECT_EQ(ozellik(son_bolum, "type"), "continuous");
    for (const Xml_Dugumu* b : {ilk_bolum, son_bolum}) {
        EXPECT_EQ(sayi(b, "pgSz", "w"), twip(21.0));
        EXPECT_EQ(sayi(b, "pgSz", "h"), twip(29.7));
        for (const char* kenar : {"top", "bottom", "left", "right"})
            EXPECT_EQ(sayi(b, "pgMar", kenar), twip(2.5)) << kenar;
    }
    EXPECT_LE(sayi(ilk_bolum, "cols", "num"), 1) << "one column";

    const Xml_Dugumu* cols = son_bolum->ilk(QStringLiteral("cols"));
    ASSERT_NE(cols, nullptr);
    EXPECT_EQ(cols->nitelik(QStringLiteral("num")), "2");
    const auto col = cols->cocuk(QStringLiteral("col"));
    ASSERT_EQ(col.size(), 2u);
    const int genislik1 = col[0]->nitelik(QStringLiteral("w")).toInt();
    const int aralik = col[0]->nitelik(QStringLiteral("space")).toInt();
    const int genislik2 = col[1]->nitelik(QStringLiteral("w")).toInt();
    EXPECT_NEAR(genislik2, genislik1, twip(0.01));
    EXPECT_LE(genislik1 + aralik + genislik2, twip(21.0) - 2 * twip(2.5)) << "fits the page";

    EXPECT_EQ(S(soldan.yazi()), "SOLDAN SAĞA");
    EXPECT_EQ(S(yukaridan.yazi()), "YUKARIDAN AŞAĞI");
    for (const Xml_Dugumu* p : {&soldan, &yukaridan})
        EXPECT_NE(ozellik(p->cocuk(QStringLiteral("r")).back(), "rPr/b"), "<yok>");
    // The down heading starts the second text column.
    const auto yukaridan_runs = yukaridan.cocuk(QStringLiteral("r"));
    ASSERT_GE(yukaridan_runs.size(), 2u);
    EXPECT_EQ(ozellik(yukaridan_runs[0], "br", "type"), "column");
    EXPECT_EQ(S(body.cocuklar[4].yazi()), "");
}

TEST(Belge, OneListLinePerRowAndPerColumnEachEndingInAManualBreak) {
    const test::Ornek_Bulmaca o;
    const Xml_Dugumu body = govde(o.izgara, o.soldan, o.yukaridan);
    ASSERT_EQ(body.cocuklar.size(), 8u);
    for (auto [p, beklenen] :
         {std::pair{&body.cocuklar[4], &o.soldan}, std::pair{&body.cocuklar[6], &o.yukaridan}}) {
        EXPECT_EQ(ozellik(p, "pPr/jc"), "left");
        std::vector<std::string> utf8;
        for (const auto& satir : *beklenen)
            utf8.push_back(cp1254_utf8(satir));
        EXPECT_EQ(liste_satirlari(*p), utf8);
        for (const auto* r : p->cocuk(QStringLiteral("r"))) {
            EXPECT_EQ(ozellik(r, "rPr/sz"), "24");
            EXPECT_EQ(ozellik(r, "rPr/b"), "<yok>");
        }
    }
}

TEST(Belge, BeforeAnySolveBothListsAreLineBreaksOnly) {
    Izgara g;
    g.ebat_ver(5, 3);
    const Xml_Dugumu body = govde(g, bos_satirlar(5), bos_satirlar(3));
    ASSERT_EQ(body.cocuklar.size(), 8u);
    for (auto [p, adet] : {std::pair{&body.cocuklar[4], 5u}, std::pair{&body.cocuklar[6], 3u}}) {
        EXPECT_TRUE(p->yazi().isEmpty());
        EXPECT_EQ(p->altlar(QStringLiteral("br")).size(), adet);
    }
}

TEST(Belge, ClueTextBecomesSafeUnicodeAndKeepsItsBlanks) {
    Izgara g;
    g.ebat_ver(2, 2);
    const std::vector<std::string> soldan{
        " 1. \xDD\xFE"
        "ler \xFC\xE7 <&> \"a\" ",
        " 2.a\tb\x01\x0B\x1F"
        "c\x81"};
    const Xml_Dugumu body = govde(g, soldan, bos_satirlar(2));
    ASSERT_EQ(body.cocuklar.size(), 8u);
    // Tab kept as the word processor's tab; control characters dropped; a
    // byte the code page leaves undefined shows as the replacement character.
    EXPECT_EQ(liste_satirlari(body.cocuklar[4]),
              (std::vector<std::string>{" 1. İşler üç <&> \"a\" ", " 2.a\tbc\uFFFD"}));
    for (const auto* t : body.cocuklar[4].altlar(QStringLiteral("t"))) {
        EXPECT_EQ(t->nitelik(QStringLiteral("space")), "preserve");
        EXPECT_EQ(t->nitelik_ad_alanlari.at(QStringLiteral("space")), XML_AD_ALANI);
    }
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

TEST(Belge, PackageIsCompleteAndEveryPartWellFormed) {
    const test::Ornek_Bulmaca o;
    const auto parcalar = paket(o.izgara, o.soldan, o.yukaridan);
    ASSERT_TRUE(parcalar.count("[Content_Types].xml"));
    ASSERT_TRUE(parcalar.count("_rels/.rels"));

    std::map<std::string, Xml_Dugumu> agaclar;
    for (const auto& [ad, icerik] : parcalar) {
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
    for (const auto& [ad, icerik] : parcalar) {
        if (ad != "[Content_Types].xml") {
            EXPECT_FALSE(icerik_turu(ad).isEmpty()) << ad << " has no content type";
        }
    }
    for (const auto& [ad, tur] : ozel)
        EXPECT_TRUE(parcalar.count(S(ad).substr(1))) << S(ad) << " is typed but missing";

    std::string ana_belge;
    for (const auto& [ad, agac] : agaclar) {
        if (ad.size() < 5 || ad.substr(ad.size() - 5) != ".rels")
            continue;
        SCOPED_TRACE(ad);
        if (ad != "_rels/.rels") {
            const std::string kaynak =
                hedef_parca(ad, QString::fromStdString(
                                    ad.substr(ad.rfind('/') + 1, ad.size() - ad.rfind('/') - 6)));
            EXPECT_TRUE(parcalar.count(kaynak)) << "relationships of a missing part " << kaynak;
        }
        std::set<QString> kimlikler;
        for (const auto* r : agac.cocuk(QStringLiteral("Relationship"))) {
            EXPECT_TRUE(kimlikler.insert(r->nitelik(QStringLiteral("Id"))).second);
            const std::string hedef = hedef_parca(ad, r->nitelik(QStringLiteral("Target")));
            EXPECT_TRUE(parcalar.count(hedef)) << "missing target " << hedef;
            if (ad == "_rels/.rels" &&
                r->nitelik(QStringLiteral("Type")).endsWith("/officeDocument"))
                ana_belge = hedef;
        }
    }
    ASSERT_EQ(ana_belge, "word/document.xml");
    EXPECT_EQ(S(icerik_turu(ana_belge)),
              "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");
    wml_ad_alaninda(agaclar[ana_belge]);
}

TEST(Belge, FileAppearsWholeOrNotAtAll) {
    const test::Ornek_Bulmaca o;
    Gecici_Dizin d;
    EXPECT_EQ(belge_olustur(d / "b.docx", o.izgara, o.soldan, o.yukaridan), Belge_Hatasi::Yok);
    const auto parcalar = test::zip_parcalari(Gecici_Dizin::oku(d / "b.docx"));
    ASSERT_TRUE(parcalar);
    EXPECT_TRUE(parcalar->count("word/document.xml"));
    // The safe replacement is the template file's; here a failure must show.
    EXPECT_EQ(belge_olustur(d / "yok" / "b.docx", o.izgara, o.soldan, o.yukaridan),
              Belge_Hatasi::Yazilamadi);
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
        EXPECT_EQ(yol.extension(), ".docx");
        std::filesystem::remove_all(yol.parent_path());
    }
}

}  // namespace
}  // namespace velzora
