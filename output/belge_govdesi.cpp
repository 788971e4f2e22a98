#include "belge_govdesi.h"

#include <cmath>
#include <string_view>

#include "belge_metinleri.h"
#include "ortak/cp1254.h"
#include "sayfa_duzeni.h"
#include "xml_yazici.h"

namespace velzora {
namespace {

// Lengths are stored in twentieths of a point, font sizes in half points.
int twip(double punto) {
    return static_cast<int>(std::lround(punto * 20));
}
QString yarim_punto(double punto) {
    return QString::number(std::lround(punto * 2));
}
QString sayi(int n) {
    return QString::number(n);
}

constexpr int CIZGI_SEKIZDE = static_cast<int>(CIZGI_KALINLIGI * 8);

// The width of " 12." in Times New Roman, whose blank and full stop are a
// quarter of an em wide and its digits half.
int numara_genisligi(std::string_view numara) {
    double em = 0;
    for (const char k : numara)
        em += (k >= '0' && k <= '9') ? 0.5 : 0.25;
    return twip(em * SORU_PUNTOSU);
}

struct Bolum {
    const char* baslangic;  // how the section starts: "nextPage" or "continuous"
    bool yatay;
    double kenar;
    bool iki_sutun;
};

class Govde_Yazici {
  public:
    Govde_Yazici() : x_(QString::fromLatin1(W_AD_ALANI), QStringLiteral("w")) {}

    std::optional<std::string> yaz(const Bulmaca_Icerigi& icerik) {
        const Izgara& izgara = icerik.izgara;
        const Izgara_Sayfasi sayfa = izgara_sayfasi(izgara.Satir_Sayisi(), izgara.Sutun_Sayisi());
        const Bolum izgara_bolumu{"nextPage", sayfa.yatay, sayfa.kenar, false};
        // A grid with a page of its own sends the clues to the next page.
        const Bolum soru_bolumu{sayfa.ayri_sayfa ? "nextPage" : "continuous", false, KENAR_BOSLUGU,
                                true};
        // A continuous section after the clues makes the word processor
        // balance the two columns on their last page.
        const Bolum son_bolum{"continuous", false, KENAR_BOSLUGU, false};

        x_.ac("document");
        x_.ac("body");
        baslik(BELGE_BASLIGI);
        tablo(izgara, sayfa, false);
        bos_paragraf(&izgara_bolumu);
        // At the top of a page the first heading needs no space above it.
        sorular(SOLDAN_BASLIGI, icerik.soldan, sayfa.ayri_sayfa ? 0 : IZGARA_SONRASI, false,
                nullptr);
        sorular(YUKARIDAN_BASLIGI, icerik.yukaridan, IZGARA_SONRASI, true, &soru_bolumu);
        if (icerik.cozum_sayfasi) {
            bos_paragraf(&son_bolum);
            baslik(COZUM_BASLIGI);
            tablo(izgara, sayfa, true);
            bos_paragraf(nullptr);
            bolum_ozellikleri(izgara_bolumu);
        } else {
            bos_paragraf(nullptr);
            bolum_ozellikleri(son_bolum);
        }
        return x_.bitir();
    }

  private:
    void yazi_ozellikleri(bool kalin, double punto) {
        x_.ac("rPr");
        if (kalin)
            x_.oge("b");
        x_.oge("sz", {{"val", yarim_punto(punto)}});
        x_.oge("szCs", {{"val", yarim_punto(punto)}});
        x_.kapat();
    }

    void hizala(const char* yon) { x_.oge("jc", {{"val", QString::fromLatin1(yon)}}); }

    void aralik(double once, double sonra) {
        x_.oge("spacing", {{"before", sayi(twip(once))}, {"after", sayi(twip(sonra))}});
    }

    void metin(const QString& yazi) {
        x_.ac("t");
        x_.yazici().writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        x_.metin(yazi);
        x_.kapat();
    }

    void baslik(const char* yazi) {
        x_.ac("p");
        x_.ac("pPr");
        x_.oge("keepNext");
        aralik(0, BASLIK_SONRASI);
        hizala("center");
        yazi_ozellikleri(true, BASLIK_PUNTOSU);
        x_.kapat();
        x_.ac("r");
        yazi_ozellikleri(true, BASLIK_PUNTOSU);
        metin(QString::fromUtf8(yazi));
        x_.kapat();
        x_.kapat();
    }

    void cizgi(const char* kenar, bool var) {
        if (var)
            x_.oge(kenar, {{"val", QStringLiteral("single")},
                           {"sz", sayi(CIZGI_SEKIZDE)},
                           {"space", QStringLiteral("0")},
                           {"color", QStringLiteral("auto")}});
        else
            x_.oge(kenar, {{"val", QStringLiteral("nil")}});
    }

    void tablo(const Izgara& izgara, const Izgara_Sayfasi& sayfa, bool harfli) {
        const int satirlar = izgara.Satir_Sayisi() + 1;
        const int sutunlar = izgara.Sutun_Sayisi() + 1;
        const int kenar = twip(sayfa.hucre);
        x_.ac("tbl");
        x_.ac("tblPr");
        x_.oge("tblW", {{"w", QStringLiteral("0")}, {"type", QStringLiteral("auto")}});
        hizala("center");
        // A new table is ruled all over with single 0.5 pt lines; the header
        // row and column lose theirs cell by cell below.
        x_.ac("tblBorders");
        for (const char* k : {"top", "left", "bottom", "right", "insideH", "insideV"})
            cizgi(k, true);
        x_.kapat();
        x_.oge("tblLayout", {{"type", QStringLiteral("fixed")}});
        x_.ac("tblCellMar");
        for (const char* k : {"top", "left", "bottom", "right"})
            x_.oge(k, {{"w", QStringLiteral("0")}, {"type", QStringLiteral("dxa")}});
        x_.kapat();
        x_.kapat();

        x_.ac("tblGrid");
        for (int j = 1; j <= sutunlar; ++j)
            x_.oge("gridCol", {{"w", sayi(kenar)}});
        x_.kapat();

        for (int i = 1; i <= satirlar; ++i) {
            x_.ac("tr");
            x_.ac("trPr");
            // A grid never breaks across pages.
            x_.oge("cantSplit");
            x_.oge("trHeight", {{"val", sayi(kenar)}, {"hRule", QStringLiteral("exact")}});
            hizala("center");
            x_.kapat();
            for (int j = 1; j <= sutunlar; ++j) {
                Hucre h{i, j, kenar, sayfa.numara_puntosu, false, {}};
                if (i > 1 && j > 1) {
                    h.siyah = izgara.siyah_mi(i - 1, j - 1);
                    if (harfli && !h.siyah) {
                        h.yazi = QString::fromStdString(cp1254_utf8(izgara.harf_al(i - 1, j - 1)));
                        h.punto = sayfa.harf_puntosu;
                    }
                } else if (i == 1 && j > 1) {
                    h.yazi = sayi(j - 1);
                } else if (j == 1 && i > 1) {
                    h.yazi = sayi(i - 1);
                }
                hucre(h, harfli && i > 1 && j > 1);
            }
            x_.kapat();
        }
        x_.kapat();
    }

    struct Hucre {
        int i, j, kenar;
        double punto;
        bool siyah;
        QString yazi;
    };

    // The number column keeps only its right-hand line and the number row
    // only its bottom line, so the header numbers stand outside the grid and
    // the corner cell has no lines at all.
    void hucre(const Hucre& h, bool kalin) {
        x_.ac("tc");
        x_.ac("tcPr");
        x_.oge("tcW", {{"w", sayi(h.kenar)}, {"type", QStringLiteral("dxa")}});
        x_.ac("tcBorders");
        cizgi("top", h.i > 1 && h.j > 1);
        cizgi("left", h.i > 1 && h.j > 1);
        cizgi("bottom", h.j > 1);
        cizgi("right", h.i > 1);
        x_.kapat();
        if (h.siyah)
            x_.oge("shd", {{"val", QStringLiteral("clear")},
                           {"color", QStringLiteral("auto")},
                           {"fill", QStringLiteral("000000")}});
        x_.oge("vAlign", {{"val", QStringLiteral("center")}});
        x_.kapat();
        x_.ac("p");
        x_.ac("pPr");
        hizala("center");
        yazi_ozellikleri(kalin, h.punto);
        x_.kapat();
        if (!h.yazi.isEmpty()) {
            x_.ac("r");
            yazi_ozellikleri(kalin, h.punto);
            x_.ac("t");
            x_.metin(h.yazi);
            x_.kapat();
            x_.kapat();
        }
        x_.kapat();
        x_.kapat();
    }

    // An empty paragraph; with a section, the one that ends it. One point
    // high, so the space after the grid is the heading's alone whether the
    // word processor shows the paragraph or folds it into the section break.
    void bos_paragraf(const Bolum* bolum) {
        x_.ac("p");
        x_.ac("pPr");
        x_.oge("spacing", {{"before", QStringLiteral("0")},
                           {"after", QStringLiteral("0")},
                           {"line", sayi(twip(1))},
                           {"lineRule", QStringLiteral("exact")}});
        yazi_ozellikleri(false, 1);
        if (bolum)
            bolum_ozellikleri(*bolum);
        x_.kapat();
        x_.kapat();
    }

    void bolum_ozellikleri(const Bolum& b) {
        const int kisa = twip(A4_KISA);
        const int uzun = twip(A4_UZUN);
        const QString kenar = sayi(twip(b.kenar));
        x_.ac("sectPr");
        x_.oge("type", {{"val", QString::fromLatin1(b.baslangic)}});
        x_.oge("pgSz",
               {{"w", sayi(b.yatay ? uzun : kisa)},
                {"h", sayi(b.yatay ? kisa : uzun)},
                {"orient", b.yatay ? QStringLiteral("landscape") : QStringLiteral("portrait")}});
        x_.oge("pgMar", {{"top", kenar},
                         {"right", kenar},
                         {"bottom", kenar},
                         {"left", kenar},
                         {"header", sayi(twip(santim(1.25)))},
                         {"footer", sayi(twip(santim(1.25)))},
                         {"gutter", QStringLiteral("0")}});
        x_.oge("paperSrc", {{"first", QStringLiteral("0")}, {"other", QStringLiteral("0")}});
        if (b.iki_sutun) {
            // 7.38 + 1.25 + 7.38 cm overshoots the 16 cm text width by
            // 0.01 cm; the second column takes what is left.
            const int metin = twip(A4_KISA - 2 * KENAR_BOSLUGU);
            const int ilk = twip(SORU_SUTUNU);
            const int aralik = twip(SUTUN_ARALIGI);
            x_.ac("cols", {{"num", QStringLiteral("2")},
                           {"space", sayi(aralik)},
                           {"equalWidth", QStringLiteral("0")},
                           {"sep", QStringLiteral("0")}});
            x_.oge("col", {{"w", sayi(ilk)}, {"space", sayi(aralik)}});
            x_.oge("col", {{"w", sayi(metin - ilk - aralik)}});
            x_.kapat();
        } else {
            x_.oge("cols", {{"space", sayi(twip(SUTUN_ARALIGI))}});
        }
        x_.oge("vAlign", {{"val", QStringLiteral("top")}});
        x_.oge("noEndnote", {{"val", QStringLiteral("0")}});
        x_.oge("titlePg", {{"val", QStringLiteral("0")}});
        x_.oge("rtlGutter", {{"val", QStringLiteral("0")}});
        x_.kapat();
    }

    // A heading stays with the first line of its list; the down heading is
    // centred, the across heading keeps the default alignment. Each line is
    // a paragraph of its own that is never split between columns, its
    // wrapped lines indented under the clue text. The last line of the down
    // list ends the clue section when one is given.
    void sorular(const char* baslik_metni, const std::vector<std::string>& satirlar, double once,
                 bool ikinci, const Bolum* bolum) {
        x_.ac("p");
        x_.ac("pPr");
        x_.oge("keepNext");
        aralik(once, 0);
        if (ikinci)
            hizala("center");
        yazi_ozellikleri(true, SORU_PUNTOSU);
        x_.kapat();
        x_.ac("r");
        yazi_ozellikleri(true, SORU_PUNTOSU);
        metin(QString::fromUtf8(baslik_metni));
        x_.kapat();
        x_.kapat();

        for (std::size_t i = 0; i < satirlar.size(); ++i) {
            const bool son = i + 1 == satirlar.size();
            soru_satiri(satirlar[i], son ? bolum : nullptr);
        }
    }

    void soru_satiri(const std::string& satir, const Bolum* bolum) {
        x_.ac("p");
        x_.ac("pPr");
        x_.oge("keepLines");
        aralik(0, 0);
        if (const std::size_t n = numara_uzunlugu(satir); n > 0) {
            const QString girinti = sayi(numara_genisligi(std::string_view(satir).substr(0, n)));
            x_.oge("ind", {{"left", girinti}, {"hanging", girinti}});
        }
        hizala("left");
        yazi_ozellikleri(false, SORU_PUNTOSU);
        if (bolum)
            bolum_ozellikleri(*bolum);
        x_.kapat();
        const QString yazi = QString::fromStdString(soru_metni(satir));
        if (!yazi.isEmpty()) {
            x_.ac("r");
            yazi_ozellikleri(false, SORU_PUNTOSU);
            // A tab becomes the word processor's tab.
            const QStringList parcalar = yazi.split(QLatin1Char('\t'));
            for (qsizetype k = 0; k < parcalar.size(); ++k) {
                if (k > 0)
                    x_.oge("tab");
                if (!parcalar[k].isEmpty())
                    metin(parcalar[k]);
            }
            x_.kapat();
        }
        x_.kapat();
    }

    Xml_Yazici x_;
};

}  // namespace

std::optional<std::string> belge_govdesi(const Bulmaca_Icerigi& icerik) {
    return Govde_Yazici().yaz(icerik);
}

}  // namespace velzora
