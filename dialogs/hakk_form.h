// The about box: the program's name, version, purpose and icon. Shown without
// blocking the other windows.
#pragma once

#include <QDialog>
#include <QIcon>

class QLabel;
class QPushButton;

namespace velzora {

class Hakk_Form : public QDialog {
    Q_OBJECT

  public:
    explicit Hakk_Form(const QIcon& simge, QWidget* ebeveyn = nullptr);

    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* picIcon;
    QPushButton* cmdOK;
};

}  // namespace velzora
