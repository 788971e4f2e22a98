// A parsed XML part as a small tree, read with QXmlStreamReader, so that
// tests can walk a produced document the way a consumer reads it.
#pragma once

#include <QString>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace velzora::test {

struct Xml_Dugumu {
    QString ad;  // local name
    QString ad_alani;
    std::map<QString, QString> nitelikler;  // by local name
    std::map<QString, QString> nitelik_ad_alanlari;
    std::vector<Xml_Dugumu> cocuklar;
    QString metin;  // character data directly inside

    QString nitelik(const QString& ad) const;
    // Direct children with that local name.
    std::vector<const Xml_Dugumu*> cocuk(const QString& ad) const;
    const Xml_Dugumu* ilk(const QString& ad) const;
    // Every descendant with that local name, in document order.
    std::vector<const Xml_Dugumu*> altlar(const QString& ad) const;
    // The text of every descendant <t>, in order.
    QString yazi() const;
};

// nullopt, with the parser's message in `hata`, unless the bytes are
// well-formed XML.
std::optional<Xml_Dugumu> xml_agaci(const std::string& bayt, std::string* hata = nullptr);

}  // namespace velzora::test
