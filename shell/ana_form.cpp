#include "ana_form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QStatusBar>

#include "arac_cubugu.h"
#include "bul_form.h"
#include "hakk_form.h"
#include "pano_kopyasi.h"
#include "pencere_uydurma.h"
#include "simgeler.h"
#include "surum.h"
#include "tercih_kaydi.h"
#include "tercihler.h"
#include "yardim_penceresi.h"

namespace velzora {
namespace {

constexpr int DURUM_SURESI_MS = 6000;
constexpr char KOMUT_KULLANILAMAZ[] = "Çözüm sürerken bu komut kullanılamaz.";
constexpr char ADIM_COZUM[] = "Bulmaca Çözümü";

}  // namespace

Ana_Form::Ana_Form(Etkilesim& etkilesim, Dizinler dizinler, QWidget* ebeveyn)
    : QMainWindow(ebeveyn),
      etkilesim_(etkilesim),
      dizinler_(std::move(dizinler)),
      ayarlar_(dizinler_.veri),
      mdi_(new QMdiArea),
      tbToolBar_(new Arac_Cubugu),
      calisma_(*this) {
    setObjectName(QStringLiteral("Ana_Form"));
    setWindowIcon(program_simgesi());
    mdi_->setObjectName(QStringLiteral("MDIArea"));
    setCentralWidget(mdi_);
    addToolBar(Qt::TopToolBarArea, tbToolBar_);
    statusBar()->setObjectName(QStringLiteral("sbStatusBar"));
    connect(tbToolBar_, &Arac_Cubugu::tiklandi, this, &Ana_Form::arac_tiklandi);
}

Ana_Form::~Ana_Form() {
    // The puzzle window's view listens to the grid, which is a member: the
    // window must go before the members do.
    delete mdi_;
}

QString Ana_Form::ana_baslik() {
    return QStringLiteral("VELZORA ") + QString::fromStdString(surum_metni());
}

Bul_Form& Ana_Form::bul_formu_hazirla() {
    if (bul_ != nullptr)
        return *bul_;
    bul_ = new Bul_Form(durum_.Izgara);
    // No close box: there is one puzzle window for the program's lifetime.
    alt_pencere_ =
        mdi_->addSubWindow(bul_, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint);
    setMenuBar(bul_->menu_cubugu());
    new Pencere_Uydurma(*mdi_, *alt_pencere_);

    connect(bul_, &Bul_Form::Yeni_Sablon_istendi, this, &Ana_Form::Yeni_Sablon);
    connect(bul_, &Bul_Form::Sablon_Ac_istendi, this, &Ana_Form::Sablon_Ac);
    connect(bul_, &Bul_Form::Sablon_Sakla_istendi, this, &Ana_Form::Sablon_Sakla);
    connect(bul_, &Bul_Form::Bulmaca_Ac_istendi, this, &Ana_Form::Bulmaca_Ac);
    connect(bul_, &Bul_Form::Bulmacayi_Sakla_istendi, this, &Ana_Form::Bulmacayi_Sakla);
    connect(bul_, &Bul_Form::soru_paneli_degisti, this, &Ana_Form::bul_formu_goster);
    connect(bul_, &Bul_Form::rast_yerlestir_istendi, this, &Ana_Form::rast_yerlestir);
    connect(bul_, &Bul_Form::Kos_istendi, this, &Ana_Form::Kos);
    connect(bul_, &Bul_Form::yard_istendi, this, &Ana_Form::yard);
    connect(bul_, &Bul_Form::Hakkinda_istendi, this, &Ana_Form::Hakkinda_Goster);
    connect(bul_, &Bul_Form::cikti_istendi, this, &Ana_Form::Cikti_Komutu);
    connect(bul_, &Bul_Form::Cikis_istendi, this, &Ana_Form::Cikis);
    connect(bul_, &Bul_Form::durum_bildirildi, this,
            [this](const QString& metin) { statusBar()->showMessage(metin, DURUM_SURESI_MS); });
    return *bul_;
}

void Ana_Form::bul_formu_goster() {
    Bul_Form& bul = bul_formu_hazirla();
    if (!isVisible())
        show();
    if (alt_pencere_->isMinimized())
        alt_pencere_->showNormal();
    else
        alt_pencere_->show();
    alt_pencereyi_uydur(*mdi_, *alt_pencere_);
    mdi_->setActiveSubWindow(alt_pencere_);
    bul.setFocus();
}

void Ana_Form::arac_tiklandi(const QString& anahtar) {
    struct Komut {
        const char* anahtar;
        void (Ana_Form::*islev)();
    };
    static constexpr Komut KOMUTLAR[] = {
        {"Yeni", &Ana_Form::Yeni_Sablon},
        {"Ac", &Ana_Form::Sablon_Ac},
        {"Sakla", &Ana_Form::Sablon_Sakla},
        {"Rastgele", &Ana_Form::rast_yerlestir},
        {"Basla", &Ana_Form::Kos},
        {"Kopyala", &Ana_Form::Pan_Kopyala},
        {"Duzenle", &Ana_Form::Belgeye_Aktar},
        {"Sec", &Ana_Form::Tercihleri_Goster},
        {"Yardim", &Ana_Form::yard},
    };
    for (const Komut& k : KOMUTLAR) {
        if (anahtar == QLatin1String(k.anahtar)) {
            (this->*k.islev)();
            return;
        }
    }
}

void Ana_Form::buton_gizle1() {
    for (int i = 1; i <= Arac_Cubugu::KONUM_SAYISI; ++i) {
        if (i != Arac_Cubugu::BASLA_KONUMU)
            tbToolBar_->konum(i)->setEnabled(false);
    }
}

void Ana_Form::buton_goster1() {
    for (int i = 1; i <= Arac_Cubugu::KONUM_SAYISI; ++i)
        tbToolBar_->konum(i)->setEnabled(true);
}

bool Ana_Form::komut_reddedildi() {
    if (!calisma_.suruyor())
        return false;
    statusBar()->showMessage(QString::fromUtf8(KOMUT_KULLANILAMAZ), DURUM_SURESI_MS);
    return true;
}

void Ana_Form::rast_yerlestir() {
    if (komut_reddedildi())
        return;
    bul_formu_hazirla().rast_yerlestir(durum_.Siyah_Orani);
}

void Ana_Form::Kos() {
    if (calisma_.suruyor() || bul_ == nullptr) {
        calisma_.Kos();
        return;
    }
    // The grid before the run and after it, with the run's fill, make one
    // undo step. A close asked for as the run ends waits until it is made.
    Bulmaca_Belgesi& belge = bul_->belge();
    kos_kaydediliyor_ = true;
    belge.toplu_degistir(QString::fromUtf8(ADIM_COZUM), [&] {
        calisma_.Kos();
        if (auto dolgu = cozumden_dolgu(durum_.Cozucu, durum_.Izgara)) {
            dolgu->diger_alanlar = belge.dolgu().diger_alanlar;
            belge.dolgu_ata(std::move(*dolgu));
        }
    });
    kos_kaydediliyor_ = false;
    if (std::exchange(kapanis_bekliyor_, false))
        close();
}

void Ana_Form::Pan_Kopyala() {
    if (bul_ != nullptr)
        pano_kopyala(QGuiApplication::clipboard(), bul_->grid().resim());
}

void Ana_Form::Tercihleri_Goster() {
    if (tercihler_ == nullptr) {
        tercihler_ = new Tercihler(tercih_degerleri(durum_), etkilesim_, dizinler_.veri, this);
        connect(tercihler_, &Tercihler::onaylandi, this,
                [this](const Tercih_Degerleri& d) { tercihleri_sakla(d, durum_, ayarlar_); });
    }
    tercihler_->show();
    tercihler_->raise();
    tercihler_->activateWindow();
}

void Ana_Form::yard() {
    if (const auto komut = chm_komutu(dizinler_.program);
        komut && QProcess::startDetached(komut->program, komut->argumanlar)) {
        return;
    }
    if (yardim_ == nullptr)
        yardim_ = new Yardim_Penceresi(dizinler_.yardim, this);
    yardim_->konu_ac(QString::fromLatin1(BASLANGIC_KONUSU));
    yardim_->show();
    yardim_->raise();
    yardim_->activateWindow();
}

void Ana_Form::Hakkinda_Goster() {
    if (hakkinda_ == nullptr) {
        hakkinda_ = new Hakk_Form(program_simgesi(), this);
        hakkinda_->setAttribute(Qt::WA_DeleteOnClose);
    }
    hakkinda_->show();
    hakkinda_->raise();
    hakkinda_->activateWindow();
}

Sozluk_Sonucu Ana_Form::sozluk_oku() {
    const Sozluk_Sonucu sonuc =
        velzora::sozluk_oku(durum_.Sozluk, durum_.Sozluk_Yolu, etkilesim_, this, dizinler_.veri);
    // Lines the file lost are told once per dictionary, not at every reload.
    const QString not_ = atlanan_satir_notu(durum_.Sozluk.rapor());
    if (sonuc == Sozluk_Sonucu::Yuklendi && !not_.isEmpty() &&
        durum_.Sozluk_Yolu != atlanan_bildirilen_) {
        atlanan_bildirilen_ = durum_.Sozluk_Yolu;
        statusBar()->showMessage(not_, DURUM_SURESI_MS);
    }
    return sonuc;
}

void Ana_Form::closeEvent(QCloseEvent* olay) {
    // A run stops first and then closes the window again, once its undo
    // step is made.
    if (calisma_.suruyor()) {
        calisma_.kapanis_iste();
        olay->ignore();
        return;
    }
    if (kos_kaydediliyor_) {
        kapanis_bekliyor_ = true;
        olay->ignore();
        return;
    }
    if (!degisiklikler_birakilabilir()) {
        olay->ignore();
        return;
    }
    MDIForm_Unload();
    olay->accept();
}

}  // namespace velzora
