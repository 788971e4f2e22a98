#include "belge_acici.h"

#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace velzora {
namespace {

constexpr int SORGU_SURESI_MS = 5000;

// False only when xdg-mime ran and named no application.
bool uygulama_var_mi(const QString& tur) {
    const QString xdg_mime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdg_mime.isEmpty())
        return true;
    QProcess sorgu;
    sorgu.start(xdg_mime, {QStringLiteral("query"), QStringLiteral("default"), tur});
    if (!sorgu.waitForFinished(SORGU_SURESI_MS) || sorgu.exitStatus() != QProcess::NormalExit) {
        sorgu.kill();
        return true;
    }
    return !sorgu.readAllStandardOutput().trimmed().isEmpty();
}

}  // namespace

Acma_Sonucu belgeyi_ac(const std::filesystem::path& yol, const QString& tur) {
    if (!uygulama_var_mi(tur))
        return Acma_Sonucu::Uygulama_Yok;
    const QUrl adres = QUrl::fromLocalFile(QFile::decodeName(yol.c_str()));
    return QDesktopServices::openUrl(adres) ? Acma_Sonucu::Acildi : Acma_Sonucu::Uygulama_Yok;
}

}  // namespace velzora
