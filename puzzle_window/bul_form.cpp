#include "bul_form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <string>
#include <utility>

#include "izgara/rastgele_yerlestir.h"
#include "izgara/sablon_dosyasi.h"
#include "ortak/cp1254.h"
#include "ortak/rastgele.h"

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
      grid_(new Izgara_Gorunumu(izgara)),
      kaydirma_(new QScrollArea),
      menu_cubugu_(new QMenuBar(this)) {
    setObjectName(QStringLiteral("Bul_Form"));
    setWindowTitle(QString::fromUtf8(PENCERE_BASLIGI));
    grid_->setObjectName(QStringLiteral("grid"));
    kaydirma_->setWidget(grid_);
    kaydirma_->setWidgetResizable(false);
    auto* yerlesim = new QVBoxLayout(this);
    yerlesim->setContentsMargins(0, 0, 0, 0);
    yerlesim->addWidget(kaydirma_);
    setFocusProxy(grid_);
    menuyu_kur();

    connect(grid_, &Izgara_Gorunumu::hucreye_girildi, this, &Bul_Form::hucreye_girildi);
    connect(grid_, &Izgara_Gorunumu::cift_tiklandi, this, &Bul_Form::cift_tiklandi);
    connect(grid_, &Izgara_Gorunumu::harf_basildi, this, &Bul_Form::harf_basildi);
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
    ayir(mnuFile, "mnuSablonAyir1");
    degistiren_komutlar_[2] =
        ekle(mnuFile, "mnuRastgele", MENU_RASTGELE, &Bul_Form::rast_yerlestir_istendi);
    ayir(mnuFile, "mnuSablonAyir2");
    degistiren_komutlar_[3] = ekle(mnuFile, "mnuTemizle", MENU_TEMIZLE, [this] {
        if (!kilit_bildir())
            izgara_.harf_temizle();
    });
    ayir(mnuFile, "mnuSablonAyir3");
    // Ends the program at once: the main window's closing step does not run.
    ekle(mnuFile, "mnuCikis", MENU_CIKIS, [this] {
        emit Cikis_istendi();
        QCoreApplication::exit(0);
    });

    QAction* mnuBasla = menu_cubugu_->addAction(QString::fromUtf8(MENU_BASLA));
    mnuBasla->setObjectName(QStringLiteral("mnuBasla"));
    connect(mnuBasla, &QAction::triggered, this, &Bul_Form::Kos_istendi);

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
    return grid_->dogal_boyut() + QSize(cerceve, cerceve);
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

void Bul_Form::resizeEvent(QResizeEvent* olay) {
    QWidget::resizeEvent(olay);
    sigdir();
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

    {
        Izgara::Toplu_Degisiklik toplu(izgara_);
        izgara_.ebat_ver(Satir_Sayisi, Sutun_Sayisi);
        if (sablon != nullptr)
            syhkroku(*sablon, izgara_);
        else
            izgara_.sabbosalt();
    }

    // The typing target is left where reading the grid ended.
    const Hucre_Konumu son =
        sablon != nullptr ? son_okunan_hucre(izgara_) : Hucre_Konumu{Satir_Sayisi, Sutun_Sayisi};
    grid_->hucreye_git(son);
    Cizim_Tamam_ = true;
    return Cizim_Sonucu::Tamam;
}

void Bul_Form::rast_yerlestir(float Siyah_Orani) {
    Mt_Kaynak kaynak(gece_yarisindan_saniye());
    velzora::rast_yerlestir(izgara_, Siyah_Orani, kaynak);
}

void Bul_Form::duzenleme_kilidi(bool kilitli) {
    kilitli_ = kilitli;
    for (QAction* eylem : degistiren_komutlar_)
        eylem->setEnabled(!kilitli);
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
    izgara_.siyah_yap(h.satir, h.sutun,
                      izgara_.siyah_mi(h.satir, h.sutun) ? Renk_Kodu::Beyaz : Renk_Kodu::Siyah);
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
    izgara_.harf_yaz(h.satir, h.sutun, Girilen_Harf);
}

}  // namespace velzora
