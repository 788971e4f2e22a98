// The main window's toolbar: 15 positions, nine command buttons and six
// separators, each button with its key, tooltip and picture. A click reports
// the button's key; the main window decides what it runs.
#pragma once

#include <QIcon>
#include <QToolBar>

#include <array>

#include "simgeler.h"

namespace velzora {

class Arac_Cubugu : public QToolBar {
    Q_OBJECT

  public:
    static constexpr int KONUM_SAYISI = 15;
    // The solve button: usable while a solve runs, and its picture changes.
    static constexpr int BASLA_KONUMU = 7;

    explicit Arac_Cubugu(QWidget* ebeveyn = nullptr);

    // Positions count from 1, left to right.
    QAction* konum(int i) const { return konumlar_[static_cast<std::size_t>(i - 1)]; }
    // The key of the button at a position; empty for a separator.
    QString anahtar(int i) const;

    // Picture n of the picture list (from 1).
    const QIcon& imlToolbarIcons(Resim r) const {
        return resimler_[static_cast<std::size_t>(static_cast<int>(r) - 1)];
    }
    void basla_resmi(Resim r) { konum(BASLA_KONUMU)->setIcon(imlToolbarIcons(r)); }

  signals:
    void tiklandi(const QString& anahtar);

  private:
    std::array<QAction*, KONUM_SAYISI> konumlar_{};
    std::array<QIcon, RESIM_SAYISI> resimler_;
};

}  // namespace velzora
