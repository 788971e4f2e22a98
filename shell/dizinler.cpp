#include "dizinler.h"

#include <QCoreApplication>
#include <QDir>

namespace velzora {

Dizinler Dizinler::programinkiler() {
    const QString program = QCoreApplication::applicationDirPath();
    const QString veri = QDir::cleanPath(program + QStringLiteral("/../share/velzora"));
    return {veri, veri + QStringLiteral("/yardim"), program};
}

}  // namespace velzora
