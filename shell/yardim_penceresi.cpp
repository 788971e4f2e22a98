#include "yardim_penceresi.h"

#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace velzora {
namespace {

constexpr char BASLIK[] = "Velzora Yardım";
constexpr char GERI[] = "Geri";
constexpr char ILERI[] = "İleri";
constexpr char ICINDEKILER[] = "İçindekiler";

}  // namespace

std::optional<Harici_Komut> chm_komutu(const QString& program_klasoru) {
    const QString dosya = QDir(program_klasoru).absoluteFilePath(QString::fromLatin1(CHM_DOSYASI));
    if (!QFileInfo(dosya).isFile())
        return std::nullopt;
    const QString konu = QString::fromLatin1(BASLANGIC_KONUSU);
    if (const QString xchm = QStandardPaths::findExecutable(QStringLiteral("xchm"));
        !xchm.isEmpty()) {
        return Harici_Komut{xchm,
                            {QStringLiteral("file:") + dosya + QStringLiteral("#xchm:/") + konu}};
    }
    if (const QString kchm = QStandardPaths::findExecutable(QStringLiteral("kchmviewer"));
        !kchm.isEmpty()) {
        return Harici_Komut{kchm, {QStringLiteral("-showPage"), konu, dosya}};
    }
    return std::nullopt;
}

Yardim_Penceresi::Yardim_Penceresi(const QString& yardim_klasoru, QWidget* ebeveyn)
    : QWidget(ebeveyn, Qt::Window), tarayici_(new QTextBrowser) {
    setObjectName(QStringLiteral("Yardim_Penceresi"));
    setWindowTitle(QString::fromUtf8(BASLIK));
    tarayici_->setSearchPaths({yardim_klasoru});
    tarayici_->setOpenExternalLinks(true);

    auto* araclar = new QToolBar;
    QAction* geri = araclar->addAction(QString::fromUtf8(GERI), tarayici_, &QTextBrowser::backward);
    QAction* ileri =
        araclar->addAction(QString::fromUtf8(ILERI), tarayici_, &QTextBrowser::forward);
    araclar->addAction(QString::fromUtf8(ICINDEKILER), this,
                       [this] { konu_ac(QString::fromLatin1(BASLANGIC_KONUSU)); });
    geri->setEnabled(false);
    ileri->setEnabled(false);
    connect(tarayici_, &QTextBrowser::backwardAvailable, geri, &QAction::setEnabled);
    connect(tarayici_, &QTextBrowser::forwardAvailable, ileri, &QAction::setEnabled);

    auto* yerlesim = new QVBoxLayout(this);
    yerlesim->setContentsMargins(0, 0, 0, 0);
    yerlesim->setSpacing(0);
    yerlesim->addWidget(araclar);
    yerlesim->addWidget(tarayici_);
    resize(640, 520);
}

void Yardim_Penceresi::showEvent(QShowEvent* olay) {
    QWidget::showEvent(olay);
    if (!yerlestirildi_ && parentWidget() != nullptr) {
        QRect alan = geometry();
        alan.moveCenter(parentWidget()->frameGeometry().center());
        setGeometry(alan);
    }
    yerlestirildi_ = true;
    const QScreen* ekran = screen();
    if (ekran == nullptr)
        return;
    // The frame (title bar included) must fit: shrink to the screen, then
    // move inside it.
    const QRect ekran_alani = ekran->availableGeometry();
    const QMargins cerceve(geometry().left() - frameGeometry().left(),
                           geometry().top() - frameGeometry().top(),
                           frameGeometry().right() - geometry().right(),
                           frameGeometry().bottom() - geometry().bottom());
    const QRect icerik_alani = ekran_alani.marginsRemoved(cerceve);
    QRect alan = geometry();
    alan.setSize(alan.size().boundedTo(icerik_alani.size()));
    alan.moveLeft(
        std::clamp(alan.left(), icerik_alani.left(), icerik_alani.right() - alan.width() + 1));
    alan.moveTop(
        std::clamp(alan.top(), icerik_alani.top(), icerik_alani.bottom() - alan.height() + 1));
    if (alan != geometry())
        setGeometry(alan);
}

void Yardim_Penceresi::konu_ac(const QString& konu) {
    tarayici_->setSource(QUrl(konu));
}

}  // namespace velzora
