#include "pdf_belgesi.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>

#include "baski_cizimi.h"
#include "belge_metinleri.h"

namespace velzora {

std::optional<std::string> pdf_baytlari(const Bulmaca_Icerigi& icerik) {
    QByteArray bayt;
    {
        QBuffer tampon(&bayt);
        tampon.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&tampon);
        pdf.setTitle(QString::fromUtf8(BELGE_BASLIGI));
        pdf.setCreator(QStringLiteral("Velzora"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        if (baski_ciz(pdf, icerik) != Baski_Sonucu::Tamam)
            return std::nullopt;
    }
    if (bayt.isEmpty())
        return std::nullopt;
    return bayt.toStdString();
}

Belge_Hatasi pdf_olustur(const std::filesystem::path& yol, const Bulmaca_Icerigi& icerik) {
    return baytlari_yaz(yol, pdf_baytlari(icerik));
}

Yazi_Ortami::Yazi_Ortami() {
    if (QGuiApplication::instance() == nullptr)
        uygulama_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

Yazi_Ortami::~Yazi_Ortami() = default;

}  // namespace velzora
