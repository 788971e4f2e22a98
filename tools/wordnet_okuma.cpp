#include "wordnet_okuma.h"

#include <QFile>
#include <QXmlStreamReader>

namespace velzora::sozluk_yapici {

Wordnet_Okuma wordnet_oku(const std::filesystem::path& yol) {
    Wordnet_Okuma sonuc;
    QFile dosya(QString::fromStdString(yol.string()));
    if (!dosya.open(QIODevice::ReadOnly)) {
        sonuc.hata = yol.string() + ": açılamadı";
        return sonuc;
    }
    QXmlStreamReader x(&dosya);
    Anlam_Kumesi* kume = nullptr;
    Wordnet_Sozcugu* sozcuk = nullptr;
    QString sozcuk_metni;
    while (!x.atEnd()) {
        switch (x.readNext()) {
            case QXmlStreamReader::StartElement: {
                const auto ad = x.name();
                if (ad == u"SYNSET") {
                    kume = &sonuc.kumeler.emplace_back();
                    sozcuk = nullptr;
                } else if (ad == u"LITERAL" && kume) {
                    sozcuk = &kume->sozcukler.emplace_back();
                    sozcuk_metni.clear();
                } else if (ad == u"SENSE" && sozcuk) {
                    bool sayi = false;
                    const int n = x.readElementText().trimmed().toInt(&sayi);
                    if (sayi)
                        sozcuk->anlam_no = n;
                } else if (ad == u"DEF" && kume) {
                    kume->tanim =
                        x.readElementText(QXmlStreamReader::IncludeChildElements).toStdString();
                } else if (ad == u"POS" && kume && !sozcuk) {
                    const QString tur = x.readElementText().trimmed();
                    kume->tur = tur.size() == 1 ? static_cast<char>(tur[0].toLatin1()) : 0;
                } else if (ad == u"ILR" && kume && !sozcuk) {
                    kume->ingilizce_karsiligi = true;
                    x.skipCurrentElement();
                } else if (ad == u"WIKI" && kume && !sozcuk) {
                    kume->ansiklopedi_maddesi = true;
                    x.skipCurrentElement();
                } else if (sozcuk) {
                    // GROUP, ORIGIN and the like inside a literal are not its text.
                    x.skipCurrentElement();
                }
                break;
            }
            case QXmlStreamReader::Characters:
                if (sozcuk)
                    sozcuk_metni += x.text();
                break;
            case QXmlStreamReader::EndElement:
                if (x.name() == u"LITERAL" && sozcuk) {
                    sozcuk->metin = sozcuk_metni.trimmed().toStdString();
                    sozcuk = nullptr;
                } else if (x.name() == u"SYNSET") {
                    kume = nullptr;
                }
                break;
            default:
                break;
        }
    }
    if (x.hasError()) {
        sonuc.hata = yol.string() + ": satır " + std::to_string(x.lineNumber()) + ": " +
                     x.errorString().toStdString();
        sonuc.kumeler.clear();
    }
    return sonuc;
}

}  // namespace velzora::sozluk_yapici
