#include "sure_metni.h"

#include <QTime>

#include <algorithm>

namespace velzora {
namespace {

constexpr char GUN[] = "%1 gün %2";
constexpr long long GUN_SANIYE = 24 * 60 * 60;

}  // namespace

QString saat_bicimi(const QLocale& yerel) {
    // Drops the zone letters ("t" to "tttt") outside quoted text, with the
    // blanks that stood before them.
    const QString bicim = yerel.timeFormat(QLocale::LongFormat);
    QString sonuc;
    bool tirnakta = false;
    for (qsizetype i = 0; i < bicim.size(); ++i) {
        const QChar k = bicim[i];
        if (k == QLatin1Char('\''))
            tirnakta = !tirnakta;
        if (!tirnakta && k == QLatin1Char('t')) {
            while (sonuc.endsWith(QLatin1Char(' ')))
                sonuc.chop(1);
            continue;
        }
        sonuc += k;
    }
    return sonuc.trimmed();
}

QString gecen_sure_metni(std::chrono::seconds sure, const QLocale& yerel) {
    const long long s = std::max<long long>(sure.count(), 0);
    const long long gun = s / GUN_SANIYE;
    const QString saat =
        yerel.toString(QTime(0, 0).addSecs(static_cast<int>(s % GUN_SANIYE)), saat_bicimi(yerel));
    return gun == 0 ? saat : QString::fromUtf8(GUN).arg(yerel.toString(gun), saat);
}

}  // namespace velzora
