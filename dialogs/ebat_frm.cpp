#include "ebat_frm.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "baslik_genisligi.h"
#include "ebat_kutusu.h"
#include "izgara/izgara.h"
#include "ortak/sayi_okuma.h"

namespace velzora {
namespace {

constexpr char BASLIK[] = "Tasarlanacak bulmacanın ebatlarını giriniz.";
constexpr char SATIR_ETIKETI[] = "Satır sayısı";
constexpr char SUTUN_ETIKETI[] = "Sütun sayısı";
constexpr char TAMAM[] = "Tamam";
constexpr char EBAT_ARALIGI[] = "Satır ve sütun sayısı 2 ile 50 arasında olmalıdır.";

}  // namespace

Ebat_Frm::Ebat_Frm(Ebat baslangic, QWidget* ebeveyn)
    : QDialog(ebeveyn),
      Text1(new Ebat_Kutusu),
      Text2(new Ebat_Kutusu),
      Command1(new QPushButton(QString::fromUtf8(TAMAM))) {
    setObjectName(QStringLiteral("Ebat_Frm"));
    setWindowTitle(QString::fromUtf8(BASLIK));
    setModal(true);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text2->setObjectName(QStringLiteral("Text2"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Text1->metin_yaz(QString::number(baslangic.Satir_Sayisi));
    Text2->metin_yaz(QString::number(baslangic.Sutun_Sayisi));

    auto* Label2 = new QLabel(QString::fromUtf8(SATIR_ETIKETI));
    auto* Label3 = new QLabel(QString::fromUtf8(SUTUN_ETIKETI));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3->setObjectName(QStringLiteral("Label3"));
    Label2->setBuddy(Text1);
    Label3->setBuddy(Text2);

    auto* alanlar = new QFormLayout;
    alanlar->addRow(Label2, Text1);
    alanlar->addRow(Label3, Text2);
    auto* yerlesim = new QVBoxLayout(this);
    // Shown again after a refused size: say what is accepted.
    if (!ebat_gecerli_mi(baslangic.Satir_Sayisi, baslangic.Sutun_Sayisi)) {
        auto* uyari = new QLabel(QString::fromUtf8(EBAT_ARALIGI));
        uyari->setObjectName(QStringLiteral("lblUyari"));
        uyari->setWordWrap(true);
        yerlesim->addWidget(uyari);
    }
    yerlesim->addLayout(alanlar);
    yerlesim->addWidget(Command1, 0, Qt::AlignHCenter);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Ebat_Frm::Command1_Click);
    // The title is long; the dialog must be wide enough to show all of it.
    setMinimumWidth(baslik_genisligi(*this, windowTitle()));
}

void Ebat_Frm::Command1_Click() {
    sonuc_ = Ebat{ebat_oku(Text1->metin().toStdString()), ebat_oku(Text2->metin().toStdString())};
    accept();
}

}  // namespace velzora
