// A size field of the size dialog: any text may be typed, while its arrows
// step the number in it by 1 between 2 and 30.
#pragma once

#include <QAbstractSpinBox>

namespace velzora {

class Ebat_Kutusu : public QAbstractSpinBox {
    Q_OBJECT

  public:
    static constexpr int OK_EN_AZ = 2;
    static constexpr int OK_EN_COK = 30;

    explicit Ebat_Kutusu(QWidget* ebeveyn = nullptr);

    QString metin() const;
    void metin_yaz(const QString& metin);
    void stepBy(int adim) override;

  protected:
    StepEnabled stepEnabled() const override;
};

}  // namespace velzora
