#include "ebat_kutusu.h"

#include <QLineEdit>

#include <algorithm>

#include "ortak/sayi_okuma.h"

namespace velzora {
namespace {

int okunan(const QString& metin) {
    return ebat_oku(metin.toStdString());
}

}  // namespace

Ebat_Kutusu::Ebat_Kutusu(QWidget* ebeveyn) : QAbstractSpinBox(ebeveyn) {
    setAccelerated(true);
}

QString Ebat_Kutusu::metin() const {
    return lineEdit()->text();
}

void Ebat_Kutusu::metin_yaz(const QString& metin) {
    lineEdit()->setText(metin);
}

void Ebat_Kutusu::stepBy(int adim) {
    // Steps start from the number the field holds, whatever was typed.
    const int deger = std::clamp(okunan(metin()) + adim, OK_EN_AZ, OK_EN_COK);
    metin_yaz(QString::number(deger));
    selectAll();
}

QAbstractSpinBox::StepEnabled Ebat_Kutusu::stepEnabled() const {
    const int deger = okunan(metin());
    StepEnabled acik = StepNone;
    if (deger < OK_EN_COK)
        acik |= StepUpEnabled;
    if (deger > OK_EN_AZ)
        acik |= StepDownEnabled;
    return acik;
}

}  // namespace velzora
