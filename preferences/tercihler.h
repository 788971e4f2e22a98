// The preferences dialog: the dictionary, the default template, the ratio of
// black squares for random placement and word repetition, changed while the
// program runs. It does not block the other windows. "Tamam" hands the values
// back (the main window applies and stores them at once); "İptal" and the
// close box change nothing. Either way the dialog is gone afterwards.
#pragma once

#include <QDialog>

#include "tercih_degerleri.h"

class QCheckBox;
class QLineEdit;

namespace velzora {

class Etkilesim;
class Oran_Kutusu;

class Tercihler : public QDialog {
    Q_OBJECT

  public:
    // The fields show `degerler`. The browse buttons open in the folder of
    // the path in their box, or in `veri_dizini` when it has none.
    Tercihler(const Tercih_Degerleri& degerler, Etkilesim& etkilesim, QString veri_dizini,
              QWidget* ebeveyn = nullptr);

  signals:
    // "Tamam", before the dialog closes: the values as the fields give them,
    // the ratio read from its percentage and held at 0.3 at most.
    void onaylandi(const velzora::Tercih_Degerleri& degerler);

  private:
    void Form_Load(const Tercih_Degerleri& degerler);
    void cmdTamam_Click();
    void gozat(QLineEdit* kutu, const char* baslik, const char* filtre);

    QLineEdit* Text1;
    QLineEdit* Text2;
    // The percentage, with its up-down arrows.
    Oran_Kutusu* Text3;
    QCheckBox* Check1;
    // The restart search, under the options above.
    QCheckBox* Check2;
    Etkilesim& etkilesim_;
    QString veri_dizini_;
};

}  // namespace velzora
