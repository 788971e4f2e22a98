// An XML part written into memory through QXmlStreamWriter, with one
// namespace for elements and attributes and short forms for the empty
// elements with attributes that Office Open XML is mostly made of.
#pragma once

#include <QByteArray>
#include <QString>
#include <QXmlStreamWriter>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

namespace velzora {

class Xml_Yazici {
  public:
    using Nitelikler = std::initializer_list<std::pair<const char*, QString>>;

    // With an empty `onek` the namespace is the default one and attributes
    // are unqualified, as in the package parts; otherwise both carry the prefix.
    Xml_Yazici(const QString& ad_alani, const QString& onek);
    Xml_Yazici(const Xml_Yazici&) = delete;
    Xml_Yazici& operator=(const Xml_Yazici&) = delete;

    void ac(const char* ad, Nitelikler nitelikler = {});
    void kapat() { yazici_.writeEndElement(); }
    void oge(const char* ad, Nitelikler nitelikler = {});
    void metin(const QString& metin) { yazici_.writeCharacters(metin); }
    void nitelik(const char* ad, const QString& deger);

    QXmlStreamWriter& yazici() { return yazici_; }

    // Closes every open element; nullopt if the writer failed.
    std::optional<std::string> bitir();

  private:
    QByteArray cikti_;
    QXmlStreamWriter yazici_;
    QString ad_alani_;
    bool onekli_;
};

}  // namespace velzora
