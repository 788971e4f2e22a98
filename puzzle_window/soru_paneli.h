// The clue panel: the across and down clues of the fill under the export's
// headings, each clue editable in place.
#pragma once

#include <QWidget>

class QTableView;

namespace velzora {

class Bulmaca_Belgesi;
class Soru_Modeli;

class Soru_Paneli : public QWidget {
    Q_OBJECT

  public:
    explicit Soru_Paneli(Bulmaca_Belgesi& belge, QWidget* ebeveyn = nullptr);

    Soru_Modeli& soldan() const { return *soldan_; }
    Soru_Modeli& yukaridan() const { return *yukaridan_; }

    QSize sizeHint() const override;

  private:
    Soru_Modeli* soldan_;
    Soru_Modeli* yukaridan_;
};

}  // namespace velzora
