// The preferences dialog: the dictionary, the default template, the ratio of
// black squares for random placement and word repetition, changed while the
// program runs. It does not block the other windows. "Tamam" applies the
// values and writes them to the settings store at once; "İptal" and the
// close box change nothing. Either way the dialog is gone afterwards.
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velzora {

class Ayar_Deposu;
class Etkilesim;
class Oran_Kutusu;
struct Program_Durumu;

class Tercihler : public QDialog {
    Q_OBJECT

  public:
    // The fields show the values current now. The browse buttons open in the
    // folder of the path in their box, or in `veri_dizini` when it has none.
    Tercihler(Program_Durumu& durum, Ayar_Deposu& ayarlar, Etkilesim& etkilesim,
              QString veri_dizini, QWidget* ebeveyn = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLineEdit* Text1;
    QLineEdit* Text2;
    // The percentage, with its up-down arrows.
    Oran_Kutusu* Text3;
    QCheckBox* Check1;
    // The restart search, under the options above.
    QCheckBox* Check2;
    QPushButton* Gozat1;
    QPushButton* Gozat2;
    QPushButton* cmdTamam;
    QPushButton* cmdiptal;

  private:
    void Form_Load();
    void Gozat1_Click();
    void Gozat2_Click();
    void cmdTamam_Click();
    void gozat(QLineEdit* kutu, const char* baslik, const char* filtre);

    Program_Durumu& durum_;
    Ayar_Deposu& ayarlar_;
    Etkilesim& etkilesim_;
    QString veri_dizini_;
};

}  // namespace velzora
