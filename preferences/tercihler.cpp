#include "tercihler.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

#include "etkilesim.h"
#include "oran_kutusu.h"
#include "ortak/sayi_okuma.h"

namespace velzora {
namespace {

constexpr char BASLIK[] = "Tercihler";
constexpr char VARSAYILAN_SOZLUK[] = "Varsayılan Sözlük";
constexpr char VARSAYILAN_SABLON[] = "Varsayılan Şablon";
constexpr char SIYAH_KARE_ORANI[] = "Rastgele Siyah Kare Oranı  %";
constexpr char KELIME_TEKRARI[] = "Kelime Tekrarına İzin Ver";
constexpr char AKILLI_ARAMA[] = "Akıllı arama (yeniden başlatmalı)";
constexpr char GOZAT[] = "Gözat";
constexpr char TAMAM[] = "Tamam";
constexpr char IPTAL[] = "İptal";
constexpr char SOZLUK_AC[] = "Sözlük Aç";
constexpr char SOZLUK_FILTRESI[] = "Sözlükler (*.txt)|*.txt";
constexpr char SABLON_AC[] = "Şablon Aç";
constexpr char SABLON_FILTRESI[] = "Şablonlar (sab*.txt)|sab*.txt";
constexpr char UZANTI[] = "txt";

// The ratio is read as a percentage and never stored above this.
constexpr float EN_COK_ORAN = 0.3f;
// Digits of a single-precision number, as it is shown in the field.
constexpr int TEK_DUYARLIK_BASAMAGI = 7;

template <typename T>
T* adli(T* nesne, const char* ad) {
    nesne->setObjectName(QString::fromLatin1(ad));
    return nesne;
}

}  // namespace

Tercihler::Tercihler(const Tercih_Degerleri& degerler, Etkilesim& etkilesim, QString veri_dizini,
                     QWidget* ebeveyn)
    : QDialog(ebeveyn),
      Text1(adli(new QLineEdit, "Text1")),
      Text2(adli(new QLineEdit, "Text2")),
      Text3(adli(new Oran_Kutusu, "Text3")),
      Check1(adli(new QCheckBox(QString::fromUtf8(KELIME_TEKRARI)), "Check1")),
      Check2(adli(new QCheckBox(QString::fromUtf8(AKILLI_ARAMA)), "Check2")),
      etkilesim_(etkilesim),
      veri_dizini_(std::move(veri_dizini)) {
    setObjectName(QStringLiteral("Tercihler"));
    setWindowTitle(QString::fromUtf8(BASLIK));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* Label1 = adli(new QLabel(QString::fromUtf8(VARSAYILAN_SOZLUK)), "Label1");
    auto* Label2 = adli(new QLabel(QString::fromUtf8(VARSAYILAN_SABLON)), "Label2");
    auto* Label3 = adli(new QLabel(QString::fromUtf8(SIYAH_KARE_ORANI)), "Label3");
    auto* Gozat1 = adli(new QPushButton(QString::fromUtf8(GOZAT)), "Gozat1");
    auto* Gozat2 = adli(new QPushButton(QString::fromUtf8(GOZAT)), "Gozat2");
    auto* cmdTamam = adli(new QPushButton(QString::fromUtf8(TAMAM)), "cmdTamam");
    auto* cmdiptal = adli(new QPushButton(QString::fromUtf8(IPTAL)), "cmdiptal");
    Label1->setBuddy(Text1);
    Label2->setBuddy(Text2);
    Label3->setBuddy(Text3);
    Text1->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 48);

    auto* alanlar = new QGridLayout;
    alanlar->addWidget(Label1, 0, 0);
    alanlar->addWidget(Text1, 0, 1);
    alanlar->addWidget(Gozat1, 0, 2);
    alanlar->addWidget(Label2, 1, 0);
    alanlar->addWidget(Text2, 1, 1);
    alanlar->addWidget(Gozat2, 1, 2);
    alanlar->addWidget(Label3, 2, 0);
    alanlar->addWidget(Text3, 2, 1, Qt::AlignLeft);
    alanlar->addWidget(Check1, 3, 0, 1, 3);
    alanlar->addWidget(Check2, 4, 0, 1, 3);
    auto* dugmeler = new QHBoxLayout;
    dugmeler->addStretch();
    dugmeler->addWidget(cmdTamam);
    dugmeler->addWidget(cmdiptal);
    auto* yerlesim = new QVBoxLayout(this);
    yerlesim->addLayout(alanlar);
    yerlesim->addLayout(dugmeler);
    cmdTamam->setDefault(true);

    connect(Gozat1, &QPushButton::clicked, this,
            [this] { gozat(Text1, SOZLUK_AC, SOZLUK_FILTRESI); });
    connect(Gozat2, &QPushButton::clicked, this,
            [this] { gozat(Text2, SABLON_AC, SABLON_FILTRESI); });
    connect(cmdTamam, &QPushButton::clicked, this, &Tercihler::cmdTamam_Click);
    connect(cmdiptal, &QPushButton::clicked, this, &QDialog::close);
    Form_Load(degerler);
}

void Tercihler::Form_Load(const Tercih_Degerleri& degerler) {
    adjustSize();
    const QScreen* ekran =
        parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (ekran != nullptr) {
        const QRect alan = ekran->geometry();
        move(alan.x() + (alan.width() - width()) / 2, alan.y() + (alan.height() - height()) / 2);
    }
    Text1->setText(degerler.Sozluk_Yolu);
    Text2->setText(degerler.Sablon_Yolu);
    // Multiplied in single precision: 0.17 shows as 17.
    const float yuzde = degerler.Siyah_Orani * 100.0f;
    Text3->metin_yaz(QLocale().toString(static_cast<double>(yuzde), 'g', TEK_DUYARLIK_BASAMAGI));
    Check1->setChecked(degerler.Tekrar_Izni);
    Check2->setChecked(degerler.Akilli_Arama);
}

void Tercihler::gozat(QLineEdit* kutu, const char* baslik, const char* filtre) {
    Dosya_Istegi istek;
    istek.tur = Dosya_Istegi::Tur::Ac;
    istek.baslik = QString::fromUtf8(baslik);
    istek.filtre = QString::fromUtf8(filtre);
    istek.varsayilan_uzanti = QString::fromLatin1(UZANTI);
    // The folder must exist, the file need not.
    istek.dosya_var_olmali = false;
    const QFileInfo simdiki(kutu->text());
    istek.baslangic_klasoru = !kutu->text().isEmpty() && simdiki.absoluteDir().exists()
                                  ? simdiki.absolutePath()
                                  : veri_dizini_;
    const QString secilen = etkilesim_.dosya_sor(this, istek);
    if (!secilen.isEmpty())
        kutu->setText(secilen);
}

void Tercihler::cmdTamam_Click() {
    Tercih_Degerleri d;
    d.Sozluk_Yolu = Text1->text();
    d.Sablon_Yolu = Text2->text();
    // Kept in single precision; a number beyond its range is held at its ends.
    const double okunan = bastaki_sayi(Text3->metin().toStdString()) / 100.0;
    d.Siyah_Orani = static_cast<float>(
        std::clamp(okunan, double{std::numeric_limits<float>::lowest()}, double{EN_COK_ORAN}));
    d.Tekrar_Izni = Check1->isChecked();
    d.Akilli_Arama = Check2->isChecked();
    emit onaylandi(d);
    close();
}

}  // namespace velzora
