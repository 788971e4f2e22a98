#include "dizinler.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "kurulum.h"

namespace velzora {

Dizinler Dizinler::programinkiler() {
    const QString program = QCoreApplication::applicationDirPath();
    // Beside the executable first: the build folder, an install under another
    // prefix and an unpacked package each use their own data, even where
    // another version is installed at the configured place.
    QString veri =
        QDir::cleanPath(program + QLatin1Char('/') + QString::fromUtf8(GORELI_VERI_DIZINI));
    if (!QFileInfo(veri).isDir())
        veri = QString::fromUtf8(KURULU_VERI_DIZINI);
    return {veri, veri + QStringLiteral("/yardim"), program};
}

}  // namespace velzora
