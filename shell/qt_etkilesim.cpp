#include "qt_etkilesim.h"

#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

#include "baslik_genisligi.h"
#include "uygulama.h"

namespace velzora {
namespace {

bool korunan_mi(const QString& klasor, const Dosya_Istegi& istek) {
    if (istek.tur != Dosya_Istegi::Tur::Sakla || istek.korunan_klasor.isEmpty())
        return false;
    const QString korunan = QFileInfo(istek.korunan_klasor).canonicalFilePath();
    const QString bu = QFileInfo(klasor).canonicalFilePath();
    return !korunan.isEmpty() && (bu == korunan || bu.startsWith(korunan + QLatin1Char('/')));
}

// A message box sizes itself to its text; a short text would leave no room
// for the caption. Its layout takes a spacer of the caption's width.
void baslik_payi(QMessageBox& kutu) {
    auto* yerlesim = qobject_cast<QGridLayout*>(kutu.layout());
    if (yerlesim == nullptr)
        return;
    yerlesim->addItem(new QSpacerItem(baslik_genisligi(kutu, kutu.windowTitle()), 0,
                                      QSizePolicy::Minimum, QSizePolicy::Minimum),
                      yerlesim->rowCount(), 0, 1, yerlesim->columnCount());
}

constexpr char KAYDET[] = "Kaydet";
constexpr char KAYDETME[] = "Kaydetme";
constexpr char IPTAL[] = "İptal";

}  // namespace

QString qt_filtresi(const QString& filtre) {
    const QStringList parcalar = filtre.split(QLatin1Char('|'));
    QStringList suzgecler;
    for (qsizetype i = 0; i + 1 < parcalar.size(); i += 2) {
        const QString& aciklama = parcalar[i];
        const QString& desen = parcalar[i + 1];
        if (aciklama.trimmed() == desen ||
            aciklama.endsWith(QLatin1Char('(') + desen + QLatin1Char(')'))) {
            suzgecler << aciklama;
        } else {
            suzgecler << aciklama + QStringLiteral(" (") + desen + QLatin1Char(')');
        }
    }
    return suzgecler.join(QStringLiteral(";;"));
}

void Qt_Etkilesim::mesaj(QWidget* sahip, const QString& metin) {
    QMessageBox kutu(QMessageBox::NoIcon, QString::fromUtf8(UYGULAMA_ADI), metin, QMessageBox::Ok,
                     sahip);
    baslik_payi(kutu);
    kutu.exec();
}

bool Qt_Etkilesim::soru(QWidget* sahip, const QString& baslik, const QString& metin) {
    QMessageBox kutu(QMessageBox::Question, baslik, metin, QMessageBox::Yes | QMessageBox::No,
                     sahip);
    kutu.setDefaultButton(QMessageBox::No);
    baslik_payi(kutu);
    return kutu.exec() == QMessageBox::Yes;
}

Kayit_Yaniti Qt_Etkilesim::kaydetsin_mi(QWidget* sahip, const QString& metin) {
    QMessageBox kutu(QMessageBox::Warning, QString::fromUtf8(UYGULAMA_ADI), metin,
                     QMessageBox::NoButton, sahip);
    QPushButton* kaydet = kutu.addButton(QString::fromUtf8(KAYDET), QMessageBox::AcceptRole);
    QPushButton* kaydetme =
        kutu.addButton(QString::fromUtf8(KAYDETME), QMessageBox::DestructiveRole);
    QPushButton* iptal = kutu.addButton(QString::fromUtf8(IPTAL), QMessageBox::RejectRole);
    kutu.setDefaultButton(kaydet);
    kutu.setEscapeButton(iptal);
    kutu.exec();
    if (kutu.clickedButton() == kaydet)
        return Kayit_Yaniti::Kaydet;
    return kutu.clickedButton() == kaydetme ? Kayit_Yaniti::Kaydetme : Kayit_Yaniti::Iptal;
}

bool Qt_Etkilesim::calisma_sorusu(QWidget* sahip, const QString& baslik, const QString& metin) {
    // Not modal: the window system's request to close a window that a modal
    // box blocks is dropped, not kept for later.
    QMessageBox kutu(QMessageBox::Question, baslik, metin, QMessageBox::Yes | QMessageBox::No,
                     sahip);
    kutu.setDefaultButton(QMessageBox::No);
    baslik_payi(kutu);
    kutu.setWindowModality(Qt::NonModal);
    QEventLoop dongu;
    QObject::connect(&kutu, &QMessageBox::finished, &dongu, &QEventLoop::quit);
    kutu.show();
    dongu.exec();
    return kutu.result() == QMessageBox::Yes;
}

QString Qt_Etkilesim::dosya_sor(QWidget* sahip, const Dosya_Istegi& istek) {
    QFileDialog dlgCommonDialog(sahip, istek.baslik);
    dlgCommonDialog.setObjectName(QStringLiteral("dlgCommonDialog"));
    dlgCommonDialog.setOption(QFileDialog::DontUseNativeDialog);
    dlgCommonDialog.setNameFilter(qt_filtresi(istek.filtre));
    dlgCommonDialog.setDefaultSuffix(istek.varsayilan_uzanti);
    if (istek.tur == Dosya_Istegi::Tur::Ac) {
        dlgCommonDialog.setAcceptMode(QFileDialog::AcceptOpen);
        dlgCommonDialog.setFileMode(istek.dosya_var_olmali ? QFileDialog::ExistingFile
                                                           : QFileDialog::AnyFile);
    } else {
        dlgCommonDialog.setAcceptMode(QFileDialog::AcceptSave);
        dlgCommonDialog.setFileMode(QFileDialog::AnyFile);
    }
    if (!istek.baslangic_klasoru.isEmpty())
        dlgCommonDialog.setDirectory(istek.baslangic_klasoru);
    if (!son_dosya_.isEmpty()) {
        // The name last chosen, in the folder last used, unless saving there
        // would replace a built-in file.
        const QFileInfo son(son_dosya_);
        if (korunan_mi(son.absolutePath(), istek))
            dlgCommonDialog.selectFile(son.fileName());
        else
            dlgCommonDialog.selectFile(son_dosya_);
    }

    if (dlgCommonDialog.exec() != QDialog::Accepted)
        return {};
    const QStringList secilen = dlgCommonDialog.selectedFiles();
    if (secilen.isEmpty())
        return {};
    son_dosya_ = secilen.front();
    return son_dosya_;
}

std::optional<Ebat> Qt_Etkilesim::ebat_sor(QWidget* sahip, Ebat baslangic) {
    Ebat_Frm frm(baslangic, sahip);
    frm.exec();
    return frm.sonuc();
}

}  // namespace velzora
