// Keeps the puzzle window sized to its grid within the main window's frame,
// as far as the frame has room, and the grid scaled to the window: after
// every layout and whenever the frame changes size. A maximised puzzle
// window fills the frame, and its grid the window.
#pragma once

#include <QObject>

class QMdiArea;
class QMdiSubWindow;

namespace velzora {

void alt_pencereyi_uydur(QMdiArea& alan, QMdiSubWindow& pencere);

// Fits the window at every resize of the frame; a child of the window.
class Pencere_Uydurma : public QObject {
    Q_OBJECT

  public:
    Pencere_Uydurma(QMdiArea& alan, QMdiSubWindow& pencere);

  protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;

  private:
    QMdiArea& alan_;
    QMdiSubWindow& pencere_;
};

}  // namespace velzora
