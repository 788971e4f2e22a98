#include "baslik_genisligi.h"

#include <QFontMetrics>
#include <QWidget>

namespace velzora {
namespace {

// The title bar's face against the window's own, and its icon, three buttons
// and margins in lines of the window's text.
constexpr double BASLIK_YAZISI_ORANI = 1.25;
constexpr int DUGME_SATIRLARI = 8;

}  // namespace

int baslik_genisligi(const QWidget& pencere, const QString& baslik) {
    QFont kalin = pencere.font();
    kalin.setBold(true);
    kalin.setPointSizeF(kalin.pointSizeF() * BASLIK_YAZISI_ORANI);
    return QFontMetrics(kalin).horizontalAdvance(baslik) +
           DUGME_SATIRLARI * pencere.fontMetrics().height();
}

}  // namespace velzora
