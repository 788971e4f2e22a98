#include "bul_form.h"

#include <QCloseEvent>
#include <QEvent>
#include <QMenuBar>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>
#include <string>
#include <utility>

#include "izgara/rastgele_yerlestir.h"
#include "izgara/sablon_dosyasi.h"
#include "ortak/cp1254.h"
#include "ortak/rastgele.h"
#include "soru_paneli.h"

namespace velzora {
namespace {

constexpr char PENCERE_BASLIGI[] = "Bulmaca";

constexpr char MENU_SABLON[] = "&Şablon";
constexpr char MENU_YENI[] = "&Yeni";
constexpr char MENU_AC[] = "&Aç";
constexpr char MENU_SAKLA[] = "&Sakla";
constexpr char MENU_RASTGELE[] = "&Rastgele Kare Yerleştir";
constexpr char MENU_TEMIZLE[] = "&Harf Temizle";
constexpr char MENU_CIKIS[] = "&Çıkış";
constexpr char MENU_BASLA[] = "&Başla";
constexpr char MENU_YARDIM[] = "&Yardım";
constexpr char MENU_ICINDEKILER[] = "&İçindekiler";
constexpr char MENU_HAKKINDA[] = "&Hakkında";
constexpr char MENU_BULMACA_AC[] = "&Bulmaca Aç…";
constexpr char MENU_BULMACA_SAKLA[] = "Bulmacayı Sa&kla…";
constexpr char MENU_DUZEN[] = "&Düzen";
constexpr char MENU_GERI_AL[] = "&Geri Al";
constexpr char MENU_YINELE[] = "&Yinele";
constexpr char MENU_SORU_PANELI[] = "&Soru Paneli";
constexpr char ADIM_AYRACI[] = ": ";

// The names of the undo steps.
constexpr char ADIM_YAZI[] = "Harf Yazma";
constexpr char ADIM_KARE[] = "Kare Değiştirme";
constexpr char ADIM_TEMIZLE[] = "Harf Temizle";
constexpr char ADIM_RASTGELE[] = "Rastgele Kare Yerleştir";
constexpr char ADIM_SABLON[] = "Şablon Yerleşimi";
constexpr char ADIM_BULMACA_AC[] = "Bulmaca Aç";

// How far the grid shrinks to fit before it scrolls, and grows in a maximised window.
constexpr double EN_KUCUK_OLCEK = 0.5;
constexpr double EN_BUYUK_OLCEK = 3.0;

// The output menu: the main window runs each command by its item's name;
// nullptr marks a separator, and the last item is the solution page option.
constexpr char MENU_CIKTI[] = "&Çıktı";
constexpr std::array<std::pair<const char*, const char*>, 8> CIKTI_KOMUTLARI{{
    {"mnuBelge_Ac", "&Kelime İşlemcide Aç"},
    {"mnuBelge_Kaydet", "&Belge Olarak Kaydet..."},
    {"mnuPdf_Kaydet", "&PDF Olarak Kaydet..."},
    {"mnuCiktiAyir1", nullptr},
    {"mnuOnizleme", "Baskı Ö&nizleme..."},
    {"mnuYazdir", "&Yazdır..."},
    {"mnuCiktiAyir2", nullptr},
    {"mnuCozum_Sayfasi", "Çözüm &Sayfası Ekle"},
}};

constexpr char YAZILAMAZ[] = "“%1” karakteri bulmacaya yazılamaz.";
constexpr char KILITLI[] = "Çözüm sürerken bulmaca değiştirilemez.";

// The cell that reading a template visits last: its last black square in row
// order, or the last cell when it has none.
Hucre_Konumu son_okunan_hucre(const Izgara& izgara) {
    for (int r = izgara.Satir_Sayisi(); r >= 1; --r) {
        for (int c = izgara.Sutun_Sayisi(); c >= 1; --c) {
            if (izgara.siyah_mi(r, c))
                return {r, c};
        }
    }
    return {izgara.Satir_Sayisi(), izgara.Sutun_Sayisi()};
}

}  // namespace

Bul_Form::Bul_Form(Izgara& izgara, QWidget* ebeveyn)
    : QWidget(ebeveyn),
      izgara_(izgara),
      belge_(new Bulmaca_Belgesi(izgara, this)),
      grid_(new Izgara_Gorunumu(izgara)),
      kaydirma_(new QScrollArea),
      soru_paneli_(new Soru_Paneli(*belge_)),
      bolucu_(new QSplitter),
      menu_cubugu_(new QMenuBar(this)) {
    setObjectName(QStringLiteral("Bul_Form"));
    setWindowTitle(QString::fromUtf8(PENCERE_BASLIGI));
    grid_->setObjectName(QStringLiteral("grid"));
    kaydirma_->setWidget(grid_);
    kaydirma_->setWidgetResizable(false);
    kaydirma_->installEventFilter(this);
    auto* yerlesim = new QVBoxLayout(this);
    yerlesim->setContentsMargins(0, 0, 0, 0);
    // The clue panel beside the grid takes what room the grid leaves.
    bolucu_->addWidget(kaydirma_);
    bolucu_->addWidget(soru_paneli_);
    bolucu_->setStretchFactor(1, 1);
    bolucu_->setChildrenCollapsible(false);
    soru_paneli_->hide();
    yerlesim->addWidget(bolucu_);
    setFocusProxy(grid_);
    menuyu_kur();

    connect(grid_, &Izgara_Gorunumu::hucreye_girildi, this, &Bul_Form::hucreye_girildi);
    connect(grid_, &Izgara_Gorunumu::cift_tiklandi, this, &Bul_Form::cift_tiklandi);
    connect(grid_, &Izgara_Gorunumu::harf_basildi, this, &Bul_Form::harf_basildi);
    connect(&belge_->yigin(), &QUndoStack::indexChanged, this, &Bul_Form::geri_al_durumu);
    geri_al_durumu();
}

Bul_Form::~Bul_Form() {
    // The clue panel reads the puzzle's document, so it goes first; the undo
    // history's last signals, as it empties, find no window to update.
    disconnect(&belge_->yigin(), nullptr, this, nullptr);
    delete bolucu_;
}

void Bul_Form::menuyu_kur() {
    menu_cubugu_->setObjectName(QStringLiteral("menu_cubugu"));
    auto ekle = [this](QMenu* menu, const char* ad, const char* baslik, auto hedef) {
        QAction* eylem = menu->addAction(QString::fromUtf8(baslik));
        eylem->setObjectName(QString::fromLatin1(ad));
        connect(eylem, &QAction::triggered, this, hedef);
        return eylem;
    };
    auto ayir = [](QMenu* menu, const char* ad) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(ad));
    };

    QMenu* mnuFile = menu_cubugu_->addMenu(QString::fromUtf8(MENU_SABLON));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    degistiren_komutlar_[0] =
        ekle(mnuFile, "mnuYeni_Sablon", MENU_YENI, &Bul_Form::Yeni_Sablon_istendi);
    degistiren_komutlar_[1] = ekle(mnuFile, "mnuSablon_Ac", MENU_AC, &Bul_Form::Sablon_Ac_istendi);
    ekle(mnuFile, "mnuSablon_Sakla", MENU_SAKLA, &Bul_Form::Sablon_Sakla_istendi);
    ayir(mnuFile, "mnuBulmacaAyir");
    degistiren_komutlar_[4] =
        ekle(mnuFile, "mnuBulmaca_Ac", MENU_BULMACA_AC, &Bul_Form::Bulmaca_Ac_istendi);
    degistiren_komutlar_[5] =
        ekle(mnuFile, "mnuBulmaca_Sakla", MENU_BULMACA_SAKLA, &Bul_Form::Bulmacayi_Sakla_istendi);
    ayir(mnuFile, "mnuSablonAyir1");
    degistiren_komutlar_[2] =
        ekle(mnuFile, "mnuRastgele", MENU_RASTGELE, &Bul_Form::rast_yerlestir_istendi);
    ayir(mnuFile, "mnuSablonAyir2");
    degistiren_komutlar_[3] = ekle(mnuFile, "mnuTemizle", MENU_TEMIZLE, [this] {
        if (!kilit_bildir())
            belge_->toplu_degistir(QString::fromUtf8(ADIM_TEMIZLE),
                                   [this] { izgara_.harf_temizle(); });
    });
    ayir(mnuFile, "mnuSablonAyir3");
    // The main window ends the program, without its closing step.
    ekle(mnuFile, "mnuCikis", MENU_CIKIS, &Bul_Form::Cikis_istendi);

    QAction* mnuBasla = menu_cubugu_->addAction(QString::fromUtf8(MENU_BASLA));
    mnuBasla->setObjectName(QStringLiteral("mnuBasla"));
    connect(mnuBasla, &QAction::triggered, this, &Bul_Form::Kos_istendi);

    QMenu* mnuDuzen = menu_cubugu_->addMenu(QString::fromUtf8(MENU_DUZEN));
    mnuDuzen->setObjectName(QStringLiteral("mnuDuzen"));
    geri_al_ = ekle(mnuDuzen, "mnuGeri_Al", MENU_GERI_AL, [this] {
        if (!belge_->kilitli())
            belge_->yigin().undo();
    });
    geri_al_->setShortcut(QKeySequence::Undo);
    yinele_ = ekle(mnuDuzen, "mnuYinele", MENU_YINELE, [this] {
        if (!belge_->kilitli())
            belge_->yigin().redo();
    });
    yinele_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    ayir(mnuDuzen, "mnuDuzenAyir1");
    QAction* panel = ekle(mnuDuzen, "mnuSoru_Paneli", MENU_SORU_PANELI, [this](bool acik) {
        soru_paneli_->setVisible(acik);
        updateGeometry();
        emit soru_paneli_degisti();
    });
    panel->setCheckable(true);

    QMenu* mnuCikti = menu_cubugu_->addMenu(QString::fromUtf8(MENU_CIKTI));
    mnuCikti->setObjectName(QStringLiteral("mnuCikti"));
    for (const auto& [ad, baslik] : CIKTI_KOMUTLARI) {
        if (baslik == nullptr)
            ayir(mnuCikti, ad);
        else
            ekle(mnuCikti, ad, baslik,
                 [this, komut = ad] { emit cikti_istendi(QString::fromLatin1(komut)); });
    }
    // Off by default: the document is the puzzle alone.
    cozum_sayfasi_ = mnuCikti->actions().back();
    cozum_sayfasi_->setCheckable(true);

    QMenu* mnuYrd = menu_cubugu_->addMenu(QString::fromUtf8(MENU_YARDIM));
    mnuYrd->setObjectName(QStringLiteral("mnuYrd"));
    ekle(mnuYrd, "mnuYardim", MENU_ICINDEKILER, &Bul_Form::yard_istendi);
    ayir(mnuYrd, "mnuYardimAyir1");
    ekle(mnuYrd, "mnuHakkinda", MENU_HAKKINDA, &Bul_Form::Hakkinda_istendi);
}

QSize Bul_Form::sizeHint() const {
    const int cerceve = 2 * kaydirma_->frameWidth();
    QSize boyut = grid_->dogal_boyut() + QSize(cerceve, cerceve);
    if (!soru_paneli_->isHidden()) {
        const QSize panel = soru_paneli_->sizeHint();
        boyut = QSize(boyut.width() + bolucu_->handleWidth() + panel.width(),
                      std::max(boyut.height(), panel.height()));
    }
    return boyut;
}

void Bul_Form::sigdir() {
    const QSize dogal = grid_->dogal_boyut();
    const QSize oda = kaydirma_->maximumViewportSize();
    if (dogal.isEmpty() || oda.isEmpty())
        return;
    const bool buyuk = parentWidget() != nullptr && parentWidget()->isMaximized();
    // A pixel short of the room, as the scaled sizes are rounded; never
    // below 1 where the grid fits as it is.
    double olcek = std::min(double(oda.width() - 1) / dogal.width(),
                            double(oda.height() - 1) / dogal.height());
    if (dogal.width() <= oda.width() && dogal.height() <= oda.height())
        olcek = std::max(olcek, 1.0);
    grid_->olcek_ver(std::clamp(olcek, EN_KUCUK_OLCEK, buyuk ? EN_BUYUK_OLCEK : 1.0));
}

bool Bul_Form::eventFilter(QObject* nesne, QEvent* olay) {
    // The grid's room is the scroll area's, which the layout sizes only after
    // this window's own resize.
    if (nesne == kaydirma_ && olay->type() == QEvent::Resize)
        sigdir();
    return QWidget::eventFilter(nesne, olay);
}

void Bul_Form::closeEvent(QCloseEvent* olay) {
    // There is one puzzle window for the program's lifetime.
    olay->ignore();
}

Cizim_Sonucu Bul_Form::sablon_ciz(const Sablon_Icerigi* sablon, int& Satir_Sayisi,
                                  int& Sutun_Sayisi) {
    Cizim_Tamam_ = false;
    if (sablon != nullptr)
        satsutoku(*sablon, Satir_Sayisi, Sutun_Sayisi);
    if (!ebat_gecerli_mi(Satir_Sayisi, Sutun_Sayisi))
        return Cizim_Sonucu::Ebat_Gecersiz;

    // A new layout is a new puzzle: the fill of the old one goes with it.
    // Nothing unsaved comes of it when nothing was unsaved before.
    const bool kayitliydi = !belge_->degisti();
    belge_->toplu_degistir(QString::fromUtf8(ADIM_SABLON), [&] {
        Izgara::Toplu_Degisiklik toplu(izgara_);
        izgara_.ebat_ver(Satir_Sayisi, Sutun_Sayisi);
        if (sablon != nullptr)
            syhkroku(*sablon, izgara_);
        else
            izgara_.sabbosalt();
        belge_->dolgu_ata({});
    });
    if (kayitliydi)
        belge_->yigin().setClean();

    // The typing target is left where reading the grid ended.
    const Hucre_Konumu son =
        sablon != nullptr ? son_okunan_hucre(izgara_) : Hucre_Konumu{Satir_Sayisi, Sutun_Sayisi};
    grid_->hucreye_git(son);
    Cizim_Tamam_ = true;
    return Cizim_Sonucu::Tamam;
}

void Bul_Form::rast_yerlestir(float Siyah_Orani) {
    Mt_Kaynak kaynak(gece_yarisindan_saniye());
    belge_->toplu_degistir(QString::fromUtf8(ADIM_RASTGELE), [&] {
        velzora::rast_yerlestir(izgara_, Siyah_Orani, kaynak);
        belge_->dolgu_ata({});
    });
}

void Bul_Form::bulmaca_yukle(const Bulmaca& bulmaca) {
    belge_->toplu_degistir(QString::fromUtf8(ADIM_BULMACA_AC), [&] {
        izgaraya_yaz(bulmaca, izgara_);
        belge_->dolgu_ata(bulmaca.dolgu);
    });
    // The puzzle is now what its file holds.
    belge_->yigin().setClean();
    Cizim_Tamam_ = true;
    grid_->hucreye_git({1, 1});
}

void Bul_Form::duzenleme_kilidi(bool kilitli) {
    kilitli_ = kilitli;
    for (QAction* eylem : degistiren_komutlar_)
        eylem->setEnabled(!kilitli);
    belge_->kilitle(kilitli);
    geri_al_durumu();
}

void Bul_Form::geri_al_durumu() {
    const QUndoStack& y = belge_->yigin();
    const auto baslik = [](const char* ad, const QString& adim) {
        return QString::fromUtf8(ad) +
               (adim.isEmpty() ? QString() : QString::fromUtf8(ADIM_AYRACI) + adim);
    };
    geri_al_->setText(baslik(MENU_GERI_AL, y.undoText()));
    geri_al_->setEnabled(!kilitli_ && y.canUndo());
    yinele_->setText(baslik(MENU_YINELE, y.redoText()));
    yinele_->setEnabled(!kilitli_ && y.canRedo());
}

bool Bul_Form::kilit_bildir() {
    if (kilitli_)
        emit durum_bildirildi(QString::fromUtf8(KILITLI));
    return kilitli_;
}

void Bul_Form::hucreye_girildi() {
    if (Cizim_Tamam_) {
        // Header cells are never the typing target once a layout is done.
        if (grid_->gecerli_hucre().satir == 0)
            grid_->hucreye_git({1, grid_->gecerli_hucre().sutun});
        if (grid_->gecerli_hucre().sutun == 0)
            grid_->hucreye_git({grid_->gecerli_hucre().satir, 1});
    }
    const Hucre_Konumu son = grid_->secim_sonu();
    Secili_Satir_ = son.satir;
    Secili_Sutun_ = son.sutun;
    kaydir(grid_->gecerli_hucre());
}

void Bul_Form::kaydir(Hucre_Konumu h) {
    const QRect alan = grid_->hucre_alani(h);
    kaydirma_->ensureVisible(alan.center().x(), alan.center().y(), alan.width() / 2 + 2,
                             alan.height() / 2 + 2);
}

void Bul_Form::cift_tiklandi(Hucre_Konumu h) {
    if (kilit_bildir())
        return;
    Bulmaca_Hucresi yeni = hucre_al(izgara_, h.satir, h.sutun);
    yeni.siyah = !yeni.siyah;
    belge_->hucre_degistir(h.satir, h.sutun, yeni, QString::fromUtf8(ADIM_KARE));
}

void Bul_Form::harf_basildi(char32_t k) {
    grid_->hucreye_git({Secili_Satir_, Secili_Sutun_});
    std::string Girilen_Harf;
    const Hucre_Konumu h = grid_->gecerli_hucre();
    // Header cells hold numbers, never letters.
    if (h.satir < 1 || h.sutun < 1 || kilit_bildir())
        return;
    if (izgara_.beyaz_mi(h.satir, h.sutun)) {
        const Yazim yazim = yazilan_harf(k);
        if (yazim.tur == Yazim::Tur::Yazilamaz) {
            emit durum_bildirildi(QString::fromUtf8(YAZILAMAZ).arg(QString::fromUcs4(&k, 1)));
            return;
        }
        if (yazim.tur == Yazim::Tur::Harf)
            Girilen_Harf.assign(1, yazim.harf);
    }
    Bulmaca_Hucresi yeni = hucre_al(izgara_, h.satir, h.sutun);
    yeni.dolu = !Girilen_Harf.empty();
    yeni.harf = yeni.dolu ? Girilen_Harf.front() : '\0';
    belge_->hucre_degistir(h.satir, h.sutun, yeni, QString::fromUtf8(ADIM_YAZI));
}

}  // namespace velzora
