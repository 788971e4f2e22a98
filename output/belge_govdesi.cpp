#include "belge_govdesi.h"

#include <algorithm>
#include <string_view>

#include "belge_metinleri.h"
#include "ortak/cp1254.h"
#include "xml_yazici.h"

namespace velzora {
namespace {

// Lengths are given in centimetres and stored in twentieths of a point.
constexpr int twip(double cm) {
    return static_cast<int>(cm / 2.54 * 1440.0 + 0.5);
}
// Font sizes are stored in half points.
constexpr int yarim_punto(int punto) {
    return 2 * punto;
}
constexpr int punto_twip(int punto) {
    return 20 * punto;
}

constexpr int SAYFA_GENISLIGI = twip(21.0);  // A4 portrait
constexpr int SAYFA_YUKSEKLIGI = twip(29.7);
constexpr int KENAR_BOSLUGU = twip(2.5);
constexpr int CILT_PAYI = twip(0.0);
constexpr int UST_BILGI_UZAKLIGI = twip(1.25);
constexpr int ALT_BILGI_UZAKLIGI = twip(1.25);
constexpr int METIN_GENISLIGI = SAYFA_GENISLIGI - 2 * KENAR_BOSLUGU - CILT_PAYI;
constexpr int METIN_YUKSEKLIGI = SAYFA_YUKSEKLIGI - 2 * KENAR_BOSLUGU;

constexpr int HUCRE_KENARI = twip(0.7);
constexpr int SUTUN_GENISLIGI = twip(7.38);
constexpr int SUTUN_ARALIGI = twip(1.25);
// 7.38 + 1.25 + 7.38 cm overshoots the 16 cm text width by 0.01 cm; the
// second column takes what is left so that the section fits its page.
constexpr int IKINCI_SUTUN_GENISLIGI = METIN_GENISLIGI - SUTUN_GENISLIGI - SUTUN_ARALIGI;

constexpr int BASLIK_PUNTOSU = 16;
constexpr int BASLIK_SONRASI = 20;
constexpr int SORU_PUNTOSU = 12;
// Two-digit header numbers must fit a 0.7 cm cell without wrapping.
constexpr int NUMARA_PUNTOSU = 10;
constexpr int CIZGI_KALINLIGI = 4;  // eighths of a point: 0.5 pt
// Room above the grid on its page: the title line, the space after it, and
// the paragraph that follows the table.
constexpr int BASLIK_PAYI = punto_twip(2 * BASLIK_PUNTOSU + BASLIK_SONRASI);

// Cells are 0.7 cm squares. A grid too large for the page at that size
// (more than 21 columns or 31 rows) gets the largest squares that fit, so
// that no part of it falls off the paper or onto a second page.
int hucre_kenari(int satir_sayisi, int sutun_sayisi) {
    return std::min({HUCRE_KENARI, METIN_GENISLIGI / (sutun_sayisi + 1),
                     (METIN_YUKSEKLIGI - BASLIK_PAYI) / (satir_sayisi + 1)});
}

QString sayi(int n) {
    return QString::number(n);
}

class Govde_Yazici {
  public:
    Govde_Yazici() : x_(QString::fromLatin1(W_AD_ALANI), QStringLiteral("w")) {}

    std::optional<std::string> yaz(const Izgara& izgara, const std::vector<std::string>& soldan,
                                   const std::vector<std::string>& yukaridan) {
        x_.ac("document");
        x_.ac("body");
        baslik();
        tablo(izgara);
        izgara_bolumunu_bitir();
        sorular(SOLDAN_BASLIGI, soldan, false);
        sorular(YUKARIDAN_BASLIGI, yukaridan, true);
        bolum_ozellikleri(false);
        return x_.bitir();
    }

  private:
    void yazi_ozellikleri(bool kalin, int yarim_punto_boyu) {
        x_.ac("rPr");
        if (kalin)
            x_.oge("b");
        x_.oge("sz", {{"val", sayi(yarim_punto_boyu)}});
        x_.oge("szCs", {{"val", sayi(yarim_punto_boyu)}});
        x_.kapat();
    }

    void hizala(const char* yon) { x_.oge("jc", {{"val", QString::fromLatin1(yon)}}); }

    void baslik() {
        x_.ac("p");
        x_.ac("pPr");
        x_.oge("spacing", {{"after", sayi(punto_twip(BASLIK_SONRASI))}});
        hizala("center");
        yazi_ozellikleri(true, yarim_punto(BASLIK_PUNTOSU));
        x_.kapat();
        x_.ac("r");
        yazi_ozellikleri(true, yarim_punto(BASLIK_PUNTOSU));
        x_.ac("t");
        x_.metin(QString::fromUtf8(BELGE_BASLIGI));
        x_.kapat();
        x_.kapat();
        x_.kapat();
    }

    void cizgi(const char* kenar, bool var) {
        if (var)
            x_.oge(kenar, {{"val", QStringLiteral("single")},
                           {"sz", sayi(CIZGI_KALINLIGI)},
                           {"space", QStringLiteral("0")},
                           {"color", QStringLiteral("auto")}});
        else
            x_.oge(kenar, {{"val", QStringLiteral("nil")}});
    }

    void tablo(const Izgara& izgara) {
        const int satirlar = izgara.Satir_Sayisi() + 1;
        const int sutunlar = izgara.Sutun_Sayisi() + 1;
        kenar_ = hucre_kenari(izgara.Satir_Sayisi(), izgara.Sutun_Sayisi());
        // Numbers shrink with the cells, down to a size still printable.
        numara_boyu_ = std::max(yarim_punto(NUMARA_PUNTOSU) * kenar_ / HUCRE_KENARI, 6);
        x_.ac("tbl");
        x_.ac("tblPr");
        x_.oge("tblW", {{"w", QStringLiteral("0")}, {"type", QStringLiteral("auto")}});
        hizala("center");
        // A new table is ruled all over with single 0.5 pt lines; the header
        // row and column lose theirs cell by cell below.
        x_.ac("tblBorders");
        for (const char* kenar : {"top", "left", "bottom", "right", "insideH", "insideV"})
            cizgi(kenar, true);
        x_.kapat();
        x_.oge("tblLayout", {{"type", QStringLiteral("fixed")}});
        x_.ac("tblCellMar");
        for (const char* kenar : {"top", "left", "bottom", "right"})
            x_.oge(kenar, {{"w", QStringLiteral("0")}, {"type", QStringLiteral("dxa")}});
        x_.kapat();
        x_.kapat();

        x_.ac("tblGrid");
        for (int j = 1; j <= sutunlar; ++j)
            x_.oge("gridCol", {{"w", sayi(kenar_)}});
        x_.kapat();

        for (int i = 1; i <= satirlar; ++i) {
            x_.ac("tr");
            x_.ac("trPr");
            x_.oge("trHeight", {{"val", sayi(kenar_)}, {"hRule", QStringLiteral("exact")}});
            hizala("center");
            x_.kapat();
            for (int j = 1; j <= sutunlar; ++j) {
                const bool siyah = i > 1 && j > 1 && izgara.siyah_mi(i - 1, j - 1);
                int numara = 0;
                if (i == 1 && j > 1)
                    numara = j - 1;
                else if (j == 1 && i > 1)
                    numara = i - 1;
                hucre(i, j, siyah, numara);
            }
            x_.kapat();
        }
        x_.kapat();
    }

    // The number column keeps only its right-hand line and the number row
    // only its bottom line, so the header numbers stand outside the grid and
    // the corner cell has no lines at all.
    void hucre(int i, int j, bool siyah, int numara) {
        x_.ac("tc");
        x_.ac("tcPr");
        x_.oge("tcW", {{"w", sayi(kenar_)}, {"type", QStringLiteral("dxa")}});
        x_.ac("tcBorders");
        cizgi("top", i > 1 && j > 1);
        cizgi("left", i > 1 && j > 1);
        cizgi("bottom", j > 1);
        cizgi("right", i > 1);
        x_.kapat();
        if (siyah)
            x_.oge("shd", {{"val", QStringLiteral("clear")},
                           {"color", QStringLiteral("auto")},
                           {"fill", QStringLiteral("000000")}});
        x_.oge("vAlign", {{"val", QStringLiteral("center")}});
        x_.kapat();
        x_.ac("p");
        x_.ac("pPr");
        hizala("center");
        yazi_ozellikleri(false, numara_boyu_);
        x_.kapat();
        if (numara > 0) {
            x_.ac("r");
            yazi_ozellikleri(false, numara_boyu_);
            x_.ac("t");
            x_.metin(sayi(numara));
            x_.kapat();
            x_.kapat();
        }
        x_.kapat();
        x_.kapat();
    }

    // The paragraph after the table ends the grid's section; the clues follow
    // on the same page in a continuous section.
    void izgara_bolumunu_bitir() {
        x_.ac("p");
        x_.ac("pPr");
        x_.oge("spacing", {{"after", QStringLiteral("0")}});
        bolum_ozellikleri(true);
        x_.kapat();
        x_.kapat();
    }

    void bolum_ozellikleri(bool izgara_bolumu) {
        x_.ac("sectPr");
        x_.oge("type", {{"val", izgara_bolumu ? QStringLiteral("nextPage")
                                              : QStringLiteral("continuous")}});
        x_.oge("pgSz", {{"w", sayi(SAYFA_GENISLIGI)},
                        {"h", sayi(SAYFA_YUKSEKLIGI)},
                        {"orient", QStringLiteral("portrait")}});
        x_.oge("pgMar", {{"top", sayi(KENAR_BOSLUGU)},
                         {"right", sayi(KENAR_BOSLUGU)},
                         {"bottom", sayi(KENAR_BOSLUGU)},
                         {"left", sayi(KENAR_BOSLUGU)},
                         {"header", sayi(UST_BILGI_UZAKLIGI)},
                         {"footer", sayi(ALT_BILGI_UZAKLIGI)},
                         {"gutter", sayi(CILT_PAYI)}});
        x_.oge("paperSrc", {{"first", QStringLiteral("0")}, {"other", QStringLiteral("0")}});
        if (izgara_bolumu) {
            x_.oge("cols", {{"space", sayi(SUTUN_ARALIGI)}});
        } else {
            x_.ac("cols", {{"num", QStringLiteral("2")},
                           {"space", sayi(SUTUN_ARALIGI)},
                           {"equalWidth", QStringLiteral("0")},
                           {"sep", QStringLiteral("0")}});
            x_.oge("col", {{"w", sayi(SUTUN_GENISLIGI)}, {"space", sayi(SUTUN_ARALIGI)}});
            x_.oge("col", {{"w", sayi(IKINCI_SUTUN_GENISLIGI)}});
            x_.kapat();
        }
        x_.oge("vAlign", {{"val", QStringLiteral("top")}});
        x_.oge("noEndnote", {{"val", QStringLiteral("0")}});
        x_.oge("titlePg", {{"val", QStringLiteral("0")}});
        x_.oge("rtlGutter", {{"val", QStringLiteral("0")}});
        x_.kapat();
    }

    // The down heading is centred and starts the second text column; the
    // across heading keeps the default alignment.
    void sorular(const char* baslik_metni, const std::vector<std::string>& satirlar,
                 bool ikinci_sutun) {
        x_.ac("p");
        x_.ac("pPr");
        x_.oge("spacing", {{"before", QStringLiteral("0")}, {"after", QStringLiteral("0")}});
        if (ikinci_sutun)
            hizala("center");
        yazi_ozellikleri(true, yarim_punto(SORU_PUNTOSU));
        x_.kapat();
        if (ikinci_sutun) {
            x_.ac("r");
            x_.oge("br", {{"type", QStringLiteral("column")}});
            x_.kapat();
        }
        x_.ac("r");
        yazi_ozellikleri(true, yarim_punto(SORU_PUNTOSU));
        x_.ac("t");
        x_.metin(QString::fromUtf8(baslik_metni));
        x_.kapat();
        x_.kapat();
        x_.kapat();

        x_.ac("p");
        x_.ac("pPr");
        hizala("left");
        yazi_ozellikleri(false, yarim_punto(SORU_PUNTOSU));
        x_.kapat();
        for (const std::string& satir : satirlar) {
            x_.ac("r");
            yazi_ozellikleri(false, yarim_punto(SORU_PUNTOSU));
            soru_metni(satir);
            x_.oge("br");
            x_.kapat();
        }
        x_.kapat();
    }

    // A tab becomes the word processor's tab; other control characters have
    // no place in XML text and are left out.
    void soru_metni(std::string_view satir) {
        std::string parca;
        auto parcayi_yaz = [&] {
            if (parca.empty())
                return;
            x_.ac("t");
            x_.yazici().writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
            x_.metin(QString::fromStdString(cp1254_utf8(parca)));
            x_.kapat();
            parca.clear();
        };
        for (const char k : satir) {
            const auto b = static_cast<unsigned char>(k);
            if (b == '\t') {
                parcayi_yaz();
                x_.oge("tab");
            } else if (b >= 0x20) {
                parca += k;
            }
        }
        parcayi_yaz();
    }

    Xml_Yazici x_;
    int kenar_ = HUCRE_KENARI;
    int numara_boyu_ = yarim_punto(NUMARA_PUNTOSU);
};

}  // namespace

std::optional<std::string> belge_govdesi(const Izgara& izgara,
                                         const std::vector<std::string>& soldan,
                                         const std::vector<std::string>& yukaridan) {
    return Govde_Yazici().yaz(izgara, soldan, yukaridan);
}

}  // namespace velzora
