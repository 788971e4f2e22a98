#include "xml_yazici.h"

namespace velzora {

Xml_Yazici::Xml_Yazici(const QString& ad_alani, const QString& onek)
    : yazici_(&cikti_), ad_alani_(ad_alani), onekli_(!onek.isEmpty()) {
    yazici_.writeStartDocument(QStringLiteral("1.0"), true);
    if (onekli_)
        yazici_.writeNamespace(ad_alani_, onek);
    else
        yazici_.writeDefaultNamespace(ad_alani_);
}

void Xml_Yazici::nitelik(const char* ad, const QString& deger) {
    if (onekli_)
        yazici_.writeAttribute(ad_alani_, QString::fromLatin1(ad), deger);
    else
        yazici_.writeAttribute(QString::fromLatin1(ad), deger);
}

void Xml_Yazici::ac(const char* ad, Nitelikler nitelikler) {
    yazici_.writeStartElement(ad_alani_, QString::fromLatin1(ad));
    for (const auto& [n, d] : nitelikler)
        nitelik(n, d);
}

void Xml_Yazici::oge(const char* ad, Nitelikler nitelikler) {
    yazici_.writeEmptyElement(ad_alani_, QString::fromLatin1(ad));
    for (const auto& [n, d] : nitelikler)
        nitelik(n, d);
}

std::optional<std::string> Xml_Yazici::bitir() {
    yazici_.writeEndDocument();
    if (yazici_.hasError())
        return std::nullopt;
    return cikti_.toStdString();
}

}  // namespace velzora
