#include "pencere_uydurma.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "bul_form.h"

namespace velzora {

void alt_pencereyi_uydur(QMdiArea& alan, QMdiSubWindow& pencere) {
    if (!pencere.isMaximized() && !pencere.isMinimized()) {
        pencere.adjustSize();
        pencere.resize(pencere.size().boundedTo(alan.viewport()->size()));
    }
    // The size may not have changed while the grid did.
    if (auto* bul = qobject_cast<Bul_Form*>(pencere.widget()))
        bul->sigdir();
}

Pencere_Uydurma::Pencere_Uydurma(QMdiArea& alan, QMdiSubWindow& pencere)
    : QObject(&pencere), alan_(alan), pencere_(pencere) {
    alan_.viewport()->installEventFilter(this);
}

bool Pencere_Uydurma::eventFilter(QObject* nesne, QEvent* olay) {
    if (nesne == alan_.viewport() && olay->type() == QEvent::Resize && pencere_.isVisible())
        alt_pencereyi_uydur(alan_, pencere_);
    return QObject::eventFilter(nesne, olay);
}

}  // namespace velzora
