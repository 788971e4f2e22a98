#include "xml_agaci.h"

#include <QXmlStreamReader>

namespace velzora::test {

QString Xml_Dugumu::nitelik(const QString& ad) const {
    const auto i = nitelikler.find(ad);
    return i == nitelikler.end() ? QString() : i->second;
}

std::vector<const Xml_Dugumu*> Xml_Dugumu::cocuk(const QString& ad) const {
    std::vector<const Xml_Dugumu*> s;
    for (const auto& c : cocuklar) {
        if (c.ad == ad)
            s.push_back(&c);
    }
    return s;
}

const Xml_Dugumu* Xml_Dugumu::ilk(const QString& ad) const {
    const auto s = cocuk(ad);
    return s.empty() ? nullptr : s.front();
}

std::vector<const Xml_Dugumu*> Xml_Dugumu::altlar(const QString& ad) const {
    std::vector<const Xml_Dugumu*> s;
    for (const auto& c : cocuklar) {
        if (c.ad == ad)
            s.push_back(&c);
        const auto alt = c.altlar(ad);
        s.insert(s.end(), alt.begin(), alt.end());
    }
    return s;
}

QString Xml_Dugumu::yazi() const {
    QString s;
    for (const auto* t : altlar(QStringLiteral("t")))
        s += t->metin;
    return s;
}

std::optional<Xml_Dugumu> xml_agaci(const std::string& bayt, std::string* hata) {
    QXmlStreamReader okuyucu(QByteArray::fromStdString(bayt));
    std::vector<Xml_Dugumu> yigin;
    std::optional<Xml_Dugumu> kok;
    while (!okuyucu.atEnd()) {
        const auto tur = okuyucu.readNext();
        if (tur == QXmlStreamReader::StartElement) {
            Xml_Dugumu& d = yigin.emplace_back();
            d.ad = okuyucu.name().toString();
            d.ad_alani = okuyucu.namespaceUri().toString();
            for (const auto& n : okuyucu.attributes()) {
                d.nitelikler[n.name().toString()] = n.value().toString();
                d.nitelik_ad_alanlari[n.name().toString()] = n.namespaceUri().toString();
            }
        } else if (tur == QXmlStreamReader::EndElement) {
            Xml_Dugumu d = std::move(yigin.back());
            yigin.pop_back();
            if (yigin.empty())
                kok = std::move(d);
            else
                yigin.back().cocuklar.push_back(std::move(d));
        } else if (tur == QXmlStreamReader::Characters && !yigin.empty()) {
            yigin.back().metin += okuyucu.text();
        }
    }
    if (okuyucu.hasError() || !kok) {
        if (hata)
            *hata = okuyucu.errorString().toStdString();
        return std::nullopt;
    }
    return kok;
}

}  // namespace velzora::test
