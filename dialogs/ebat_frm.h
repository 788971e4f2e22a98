// The size dialog: asks for the rows and columns of a new blank template.
// "Tamam" reads both fields as numbers; the close box (or Escape) answers
// nothing, so the size stays as it was.
#pragma once

#include <QDialog>

#include <optional>

class QLabel;
class QPushButton;

namespace velzora {

class Ebat_Kutusu;

struct Ebat {
    int Satir_Sayisi = 0;
    int Sutun_Sayisi = 0;
    bool operator==(const Ebat&) const = default;
};

class Ebat_Frm : public QDialog {
    Q_OBJECT

  public:
    // The fields start with the given size.
    Ebat_Frm(Ebat baslangic, QWidget* ebeveyn = nullptr);

    // Set by "Tamam"; empty when the dialog was closed by its close box.
    const std::optional<Ebat>& sonuc() const { return sonuc_; }

    Ebat_Kutusu* Text1;
    Ebat_Kutusu* Text2;
    QPushButton* Command1;

  private:
    void Command1_Click();

    std::optional<Ebat> sonuc_;
};

}  // namespace velzora
