#include "hakk_form.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "surum.h"

namespace velzora {
namespace {

constexpr char BASLIK[] = "Hakkında";
constexpr char PROGRAM_ADI[] = "VELZORA";
constexpr char ACIKLAMA[] = "Türkçe Kare Bulmaca Tasarım Programı";
constexpr char TAMAM[] = "Tamam";
constexpr int SIMGE_BOYU = 64;

}  // namespace

Hakk_Form::Hakk_Form(const QIcon& simge, QWidget* ebeveyn)
    : QDialog(ebeveyn),
      lblTitle(new QLabel(QString::fromUtf8(PROGRAM_ADI))),
      lblVersion(new QLabel(QString::fromStdString(surum_metni()))),
      lblDescription(new QLabel(QString::fromUtf8(ACIKLAMA))),
      picIcon(new QLabel),
      cmdOK(new QPushButton(QString::fromUtf8(TAMAM))) {
    setObjectName(QStringLiteral("Hakk_Form"));
    setWindowTitle(QString::fromUtf8(BASLIK));
    setModal(false);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    picIcon->setObjectName(QStringLiteral("picIcon"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));

    QFont buyuk = lblTitle->font();
    buyuk.setPointSizeF(buyuk.pointSizeF() * 2);
    buyuk.setBold(true);
    lblTitle->setFont(buyuk);
    picIcon->setPixmap(simge.pixmap(SIMGE_BOYU, SIMGE_BOYU));

    auto* yerlesim = new QGridLayout(this);
    yerlesim->setHorizontalSpacing(16);
    yerlesim->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);
    yerlesim->addWidget(lblTitle, 0, 1);
    yerlesim->addWidget(lblVersion, 1, 1);
    yerlesim->addWidget(lblDescription, 2, 1);
    yerlesim->addWidget(cmdOK, 3, 0, 1, 2, Qt::AlignRight);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);
}

}  // namespace velzora
