#include "oran_kutusu.h"

#include <QLineEdit>
#include <QLocale>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>

#include "ortak/sayi_okuma.h"

namespace velzora {
namespace {

// The whole percentage the field holds, by the leading-number rule, kept
// inside the arrows' range: 12,5 steps from 12, 35 from 30.
int yuzde(const QString& metin) {
    const double sayi = std::clamp(bastaki_sayi(metin.toStdString()), double{Oran_Kutusu::EN_AZ},
                                   double{Oran_Kutusu::EN_COK});
    return static_cast<int>(yuvarla_cift(sayi));
}

}  // namespace

Oran_Kutusu::Oran_Kutusu(QWidget* ebeveyn) : QAbstractSpinBox(ebeveyn) {
    setAccelerated(true);
}

QString Oran_Kutusu::metin() const {
    return lineEdit()->text();
}

void Oran_Kutusu::metin_yaz(const QString& metin) {
    lineEdit()->setText(metin);
}

void Oran_Kutusu::stepBy(int adim) {
    // Steps start from the number the field holds, whatever was typed.
    const int deger = std::clamp(yuzde(metin()) + adim, EN_AZ, EN_COK);
    metin_yaz(QLocale().toString(deger));
    selectAll();
}

QSize Oran_Kutusu::sizeHint() const {
    ensurePolished();
    // The arrows' top value, or a percentage with one decimal as a stored
    // ratio may give ("12,5"), whichever is wider, and room for the cursor.
    const QLocale yerel;
    const int metin = std::max(fontMetrics().horizontalAdvance(yerel.toString(EN_COK)),
                               fontMetrics().horizontalAdvance(yerel.toString(EN_COK - 0.5)));
    QStyleOptionSpinBox secenek;
    initStyleOption(&secenek);
    const QSize icerik(metin + fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 2,
                       lineEdit()->sizeHint().height());
    return style()->sizeFromContents(QStyle::CT_SpinBox, &secenek, icerik, this);
}

QAbstractSpinBox::StepEnabled Oran_Kutusu::stepEnabled() const {
    const int deger = yuzde(metin());
    StepEnabled acik = StepNone;
    if (deger < EN_COK)
        acik |= StepUpEnabled;
    if (deger > EN_AZ)
        acik |= StepDownEnabled;
    return acik;
}

}  // namespace velzora
