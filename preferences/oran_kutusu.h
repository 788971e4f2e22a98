// The black-square ratio field of the preferences, a percentage: any text
// may be typed, while its arrows (the up-down) step the whole percentage in
// it by 1 between 0 and 30.
#pragma once

#include <QAbstractSpinBox>

namespace velzora {

class Oran_Kutusu : public QAbstractSpinBox {
    Q_OBJECT

  public:
    static constexpr int EN_AZ = 0;
    static constexpr int EN_COK = 30;

    explicit Oran_Kutusu(QWidget* ebeveyn = nullptr);

    QString metin() const;
    void metin_yaz(const QString& metin);
    void stepBy(int adim) override;
    // Wide enough for the widest value the box shows, at any font size.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    StepEnabled stepEnabled() const override;
};

}  // namespace velzora
