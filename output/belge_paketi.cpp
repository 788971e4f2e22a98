#include "belge_paketi.h"

#include <array>

#include "belge_govdesi.h"
#include "belge_metinleri.h"
#include "xml_yazici.h"

namespace velzora {
namespace {

constexpr const char* TUR_AD_ALANI = "http://schemas.openxmlformats.org/package/2006/content-types";
constexpr const char* ILISKI_AD_ALANI =
    "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr const char* ILISKI_TURU =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

struct Iliski {
    const char* tur;  // after ILISKI_TURU, or a full address
    const char* hedef;
};

struct Parca {
    const char* ad;
    const char* icerik_turu;  // nullptr: a relationships part, typed by its extension
    std::optional<std::string> icerik;
};

constexpr const char* BELGE = "word/document.xml";
constexpr const char* BICEMLER = "word/styles.xml";
constexpr const char* AYARLAR = "word/settings.xml";
constexpr const char* OZELLIKLER = "docProps/core.xml";
constexpr const char* UYGULAMA = "docProps/app.xml";
constexpr const char* PAKET_ILISKILERI = "_rels/.rels";
constexpr const char* BELGE_ILISKILERI = "word/_rels/document.xml.rels";

constexpr std::array<Iliski, 3> PAKETTEN{{
    {"officeDocument", BELGE},
    {"http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties",
     OZELLIKLER},
    {"extended-properties", UYGULAMA},
}};

// Targets relative to word/.
constexpr std::array<Iliski, 2> BELGEDEN{{
    {"styles", "styles.xml"},
    {"settings", "settings.xml"},
}};

QString L(const char* s) {
    return QString::fromLatin1(s);
}

std::optional<std::string> icerik_turleri(const std::vector<Parca>& parcalar) {
    Xml_Yazici x(L(TUR_AD_ALANI), {});
    x.ac("Types");
    x.oge("Default",
          {{"Extension", QStringLiteral("rels")},
           {"ContentType",
            QStringLiteral("application/vnd.openxmlformats-package.relationships+xml")}});
    x.oge("Default", {{"Extension", QStringLiteral("xml")},
                      {"ContentType", QStringLiteral("application/xml")}});
    for (const Parca& p : parcalar) {
        if (p.icerik_turu)
            x.oge("Override",
                  {{"PartName", QLatin1Char('/') + L(p.ad)}, {"ContentType", L(p.icerik_turu)}});
    }
    return x.bitir();
}

template <std::size_t N>
std::optional<std::string> iliskiler(const std::array<Iliski, N>& liste) {
    Xml_Yazici x(L(ILISKI_AD_ALANI), {});
    x.ac("Relationships");
    int no = 0;
    for (const Iliski& i : liste) {
        const QString tur = L(i.tur);
        x.oge("Relationship",
              {{"Id", QStringLiteral("rId%1").arg(++no)},
               {"Type", tur.startsWith(QLatin1String("http")) ? tur : L(ILISKI_TURU) + tur},
               {"Target", L(i.hedef)}});
    }
    return x.bitir();
}

// Times New Roman, single spacing and no space after paragraphs, so that
// the sizes the document sets are the only ones that count.
std::optional<std::string> bicemler() {
    Xml_Yazici x(L(W_AD_ALANI), QStringLiteral("w"));
    x.ac("styles");
    x.ac("docDefaults");
    x.ac("rPrDefault");
    x.ac("rPr");
    const QString yazi_tipi = QStringLiteral("Times New Roman");
    x.oge("rFonts",
          {{"ascii", yazi_tipi}, {"hAnsi", yazi_tipi}, {"eastAsia", yazi_tipi}, {"cs", yazi_tipi}});
    x.oge("sz", {{"val", QStringLiteral("24")}});
    x.oge("szCs", {{"val", QStringLiteral("24")}});
    x.oge("lang", {{"val", QStringLiteral("tr-TR")}});
    x.kapat();
    x.kapat();
    x.ac("pPrDefault");
    x.ac("pPr");
    x.oge("spacing", {{"after", QStringLiteral("0")},
                      {"line", QStringLiteral("240")},
                      {"lineRule", QStringLiteral("auto")}});
    x.kapat();
    x.kapat();
    x.kapat();

    x.ac("style", {{"type", QStringLiteral("paragraph")},
                   {"default", QStringLiteral("1")},
                   {"styleId", QStringLiteral("Normal")}});
    x.oge("name", {{"val", QStringLiteral("Normal")}});
    x.oge("qFormat");
    x.kapat();
    x.ac("style", {{"type", QStringLiteral("table")},
                   {"default", QStringLiteral("1")},
                   {"styleId", QStringLiteral("TableNormal")}});
    x.oge("name", {{"val", QStringLiteral("Normal Table")}});
    x.oge("semiHidden");
    x.ac("tblPr");
    x.ac("tblCellMar");
    for (const auto& [kenar, genislik] :
         {std::pair{"top", 0}, {"left", 108}, {"bottom", 0}, {"right", 108}})
        x.oge(kenar, {{"w", QString::number(genislik)}, {"type", QStringLiteral("dxa")}});
    x.kapat();
    x.kapat();
    x.kapat();
    return x.bitir();
}

// Opens in the page layout view.
std::optional<std::string> ayarlar() {
    Xml_Yazici x(L(W_AD_ALANI), QStringLiteral("w"));
    x.ac("settings");
    x.oge("view", {{"val", QStringLiteral("print")}});
    x.oge("zoom", {{"percent", QStringLiteral("100")}});
    x.oge("defaultTabStop", {{"val", QStringLiteral("709")}});
    x.oge("characterSpacingControl", {{"val", QStringLiteral("doNotCompress")}});
    x.ac("compat");
    x.oge("compatSetting", {{"name", QStringLiteral("compatibilityMode")},
                            {"uri", QStringLiteral("http://schemas.microsoft.com/office/word")},
                            {"val", QStringLiteral("15")}});
    x.kapat();
    return x.bitir();
}

std::optional<std::string> ozellikler() {
    const QString cp =
        QStringLiteral("http://schemas.openxmlformats.org/package/2006/metadata/core-properties");
    const QString dc = QStringLiteral("http://purl.org/dc/elements/1.1/");
    Xml_Yazici x(cp, QStringLiteral("cp"));
    QXmlStreamWriter& w = x.yazici();
    w.writeNamespace(dc, QStringLiteral("dc"));
    x.ac("coreProperties");
    w.writeTextElement(dc, QStringLiteral("title"), QString::fromUtf8(BELGE_BASLIGI));
    w.writeTextElement(dc, QStringLiteral("language"), QStringLiteral("tr-TR"));
    return x.bitir();
}

std::optional<std::string> uygulama() {
    const QString ep =
        QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/extended-properties");
    Xml_Yazici x(ep, {});
    x.ac("Properties");
    x.yazici().writeTextElement(ep, QStringLiteral("Application"), QStringLiteral("Velzora"));
    return x.bitir();
}

}  // namespace

std::optional<std::vector<Zip_Parcasi>> belge_paketi(const Bulmaca_Icerigi& icerik,
                                                     Belge_Turu tur) {
    // The two differ only in the main part's content type.
    const char* ana_tur =
        tur == Belge_Turu::Sablon
            ? "application/vnd.openxmlformats-officedocument.wordprocessingml.template.main+xml"
            : "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml";
    std::vector<Parca> parcalar;
    parcalar.push_back({PAKET_ILISKILERI, nullptr, iliskiler(PAKETTEN)});
    parcalar.push_back({BELGE, ana_tur, belge_govdesi(icerik)});
    parcalar.push_back({BELGE_ILISKILERI, nullptr, iliskiler(BELGEDEN)});
    parcalar.push_back({BICEMLER,
                        "application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml",
                        bicemler()});
    parcalar.push_back(
        {AYARLAR, "application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml",
         ayarlar()});
    parcalar.push_back(
        {OZELLIKLER, "application/vnd.openxmlformats-package.core-properties+xml", ozellikler()});
    parcalar.push_back({UYGULAMA,
                        "application/vnd.openxmlformats-officedocument.extended-properties+xml",
                        uygulama()});

    auto turler = icerik_turleri(parcalar);
    if (!turler)
        return std::nullopt;
    std::vector<Zip_Parcasi> paket{{"[Content_Types].xml", std::move(*turler)}};
    for (Parca& p : parcalar) {
        if (!p.icerik)
            return std::nullopt;
        paket.push_back({p.ad, std::move(*p.icerik)});
    }
    return paket;
}

}  // namespace velzora
