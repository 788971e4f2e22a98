#include "qt_etkilesim.h"

#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>

#include "uygulama.h"

namespace velzora {

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
    kutu.exec();
}

bool Qt_Etkilesim::soru(QWidget* sahip, const QString& baslik, const QString& metin) {
    QMessageBox kutu(QMessageBox::Question, baslik, metin, QMessageBox::Yes | QMessageBox::No,
                     sahip);
    kutu.setDefaultButton(QMessageBox::No);
    return kutu.exec() == QMessageBox::Yes;
}

bool Qt_Etkilesim::calisma_sorusu(QWidget* sahip, const QString& baslik, const QString& metin) {
    // Not modal: the window system's request to close a window that a modal
    // box blocks is dropped, not kept for later.
    QMessageBox kutu(QMessageBox::Question, baslik, metin, QMessageBox::Yes | QMessageBox::No,
                     sahip);
    kutu.setDefaultButton(QMessageBox::No);
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
    if (!son_dosya_.isEmpty())
        dlgCommonDialog.selectFile(son_dosya_);

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
