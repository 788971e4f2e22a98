#include "izgara_gorunumu.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "ortak/cp1254.h"
#include "twip.h"

namespace velzora {

QFont izgara_yazi_tipi() {
    QFont yazi;
    yazi.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    yazi.setPointSize(12);
    return yazi;
}

Izgara_Gorunumu::Izgara_Gorunumu(Izgara& izgara, QWidget* ebeveyn)
    : QWidget(ebeveyn), izgara_(izgara), yazi_(izgara_yazi_tipi()), kalin_yazi_(yazi_) {
    kalin_yazi_.setBold(true);
    setFont(yazi_);
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel is painted, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    olculeri_hesapla();
    dinleyici_ = izgara_.dinleyici_ekle([this](const Izgara_Degisikligi& d) { degisiklik(d); });
}

Izgara_Gorunumu::~Izgara_Gorunumu() {
    izgara_.dinleyici_cikar(dinleyici_);
}

void Izgara_Gorunumu::olculeri_hesapla() {
    const double dpi_x = logicalDpiX();
    const double dpi_y = logicalDpiY();
    if (dpi_x != dpi_x_ || dpi_y != dpi_y_) {
        harf_onbellegi_.fill(std::nullopt);
        sayi_onbellegi_.fill(std::nullopt);
    }
    dpi_x_ = dpi_x;
    dpi_y_ = dpi_y;
    baslik_genislik_ = twip_piksel(BASLIK_TWIP * olcek_, dpi_x_);
    baslik_yukseklik_ = twip_piksel(BASLIK_TWIP * olcek_, dpi_y_);
    hucre_genislik_ = twip_piksel(HUCRE_TWIP * olcek_, dpi_x_);
    hucre_yukseklik_ = twip_piksel(HUCRE_TWIP * olcek_, dpi_y_);
    // The control is two cells wider and higher than the grid has cells.
    setFixedSize(twip_piksel((izgara_.Sutun_Sayisi() + 2) * HUCRE_TWIP * olcek_, dpi_x_),
                 twip_piksel((izgara_.Satir_Sayisi() + 2) * HUCRE_TWIP * olcek_, dpi_y_));

    auto sinirla = [this](Hucre_Konumu& h) {
        h.satir = std::min(h.satir, izgara_.Satir_Sayisi());
        h.sutun = std::min(h.sutun, izgara_.Sutun_Sayisi());
    };
    sinirla(gecerli_);
    sinirla(secim_sonu_);
}

QSize Izgara_Gorunumu::dogal_boyut() const {
    return {twip_piksel((izgara_.Sutun_Sayisi() + 2) * HUCRE_TWIP, dpi_x_),
            twip_piksel((izgara_.Satir_Sayisi() + 2) * HUCRE_TWIP, dpi_y_)};
}

void Izgara_Gorunumu::olcek_ver(double olcek) {
    if (olcek == olcek_)
        return;
    olcek_ = olcek;
    const QFont yazi = izgara_yazi_tipi();
    yazi_.setPointSizeF(yazi.pointSizeF() * olcek_);
    kalin_yazi_.setPointSizeF(yazi.pointSizeF() * olcek_);
    setFont(yazi_);
    harf_onbellegi_.fill(std::nullopt);
    sayi_onbellegi_.fill(std::nullopt);
    olculeri_hesapla();
    update();
}

void Izgara_Gorunumu::showEvent(QShowEvent* olay) {
    // The screen, and so the DPI, is known for certain only once shown.
    olculeri_hesapla();
    QWidget::showEvent(olay);
}

QRect Izgara_Gorunumu::hucre_alani(Hucre_Konumu h) const {
    const int x = h.sutun == 0 ? 0 : baslik_genislik_ + (h.sutun - 1) * hucre_genislik_;
    const int y = h.satir == 0 ? 0 : baslik_yukseklik_ + (h.satir - 1) * hucre_yukseklik_;
    return QRect(x, y, sutun_genisligi(h.sutun), satir_yuksekligi(h.satir));
}

std::optional<Hucre_Konumu> Izgara_Gorunumu::hucre_bul(QPoint nokta) const {
    auto sira = [](int konum, int baslik, int hucre, int adet) -> std::optional<int> {
        if (konum < 0)
            return std::nullopt;
        if (konum < baslik)
            return 0;
        const int i = 1 + (konum - baslik) / hucre;
        return i <= adet ? std::optional<int>(i) : std::nullopt;
    };
    const auto satir = sira(nokta.y(), baslik_yukseklik_, hucre_yukseklik_, izgara_.Satir_Sayisi());
    const auto sutun = sira(nokta.x(), baslik_genislik_, hucre_genislik_, izgara_.Sutun_Sayisi());
    if (!satir || !sutun)
        return std::nullopt;
    return Hucre_Konumu{*satir, *sutun};
}

QString Izgara_Gorunumu::hucre_metni(Hucre_Konumu h) const {
    if (h.satir == 0 && h.sutun == 0)
        return {};
    if (h.satir == 0)
        return QString::number(h.sutun);
    if (h.sutun == 0)
        return QString::number(h.satir);
    return QString::fromStdString(cp1254_utf8(izgara_.harf_al(h.satir, h.sutun)));
}

QColor Izgara_Gorunumu::hucre_zemini(Hucre_Konumu h) const {
    if (h.satir == 0 && h.sutun == 0)
        return KOSE_ZEMINI;
    if (baslik_mi(h))
        return BASLIK_ZEMINI;
    return izgara_.siyah_mi(h.satir, h.sutun) ? SIYAH_KARE : QColor(Qt::white);
}

void Izgara_Gorunumu::hucreye_git(Hucre_Konumu h) {
    const bool secim_vardi = secim_sonu_ != gecerli_;
    const Hucre_Konumu onceki = gecerli_;
    secim_sonu_ = h;
    if (h == onceki) {
        if (secim_vardi)
            update();
        return;
    }
    gecerli_ = h;
    if (secim_vardi) {
        update();
    } else {
        update(hucre_alani(onceki));
        update(hucre_alani(h));
    }
    emit hucreye_girildi();
}

void Izgara_Gorunumu::degisiklik(const Izgara_Degisikligi& d) {
    if (d.ebat_degisti) {
        const Hucre_Konumu gecerli = gecerli_;
        const Hucre_Konumu secim_sonu = secim_sonu_;
        olculeri_hesapla();
        update();
        // A grid that shrank under the current cell (an undo does that) took
        // it to the nearest cell still there: the typing target follows.
        if (gecerli_ != gecerli || secim_sonu_ != secim_sonu)
            emit hucreye_girildi();
        return;
    }
    const QRect ilk = hucre_alani({d.ilk_satir, d.ilk_sutun});
    const QRect son = hucre_alani({d.son_satir, d.son_sutun});
    update(ilk.united(son));
}

void Izgara_Gorunumu::mousePressEvent(QMouseEvent* olay) {
    const auto h = hucre_bul(olay->position().toPoint());
    if (!h || !(olay->button() == Qt::LeftButton || olay->button() == Qt::RightButton)) {
        QWidget::mousePressEvent(olay);
        return;
    }
    if (olay->modifiers() & Qt::ShiftModifier) {
        secim_sonu_ = *h;
        update();
    } else {
        hucreye_git(*h);
    }
}

void Izgara_Gorunumu::mouseMoveEvent(QMouseEvent* olay) {
    if (!(olay->buttons() & Qt::LeftButton))
        return;
    const auto h = hucre_bul(olay->position().toPoint());
    if (h && *h != secim_sonu_) {
        secim_sonu_ = *h;
        update();
    }
}

void Izgara_Gorunumu::mouseDoubleClickEvent(QMouseEvent* olay) {
    const auto h = hucre_bul(olay->position().toPoint());
    if (h && !baslik_mi(*h) && olay->button() == Qt::LeftButton)
        emit cift_tiklandi(*h);
}

void Izgara_Gorunumu::keyPressEvent(QKeyEvent* olay) {
    Hucre_Konumu h = gecerli_;
    switch (olay->key()) {
        case Qt::Key_Left:
            h.sutun = std::max(0, h.sutun - 1);
            break;
        case Qt::Key_Right:
            h.sutun = std::min(izgara_.Sutun_Sayisi(), h.sutun + 1);
            break;
        case Qt::Key_Up:
            h.satir = std::max(0, h.satir - 1);
            break;
        case Qt::Key_Down:
            h.satir = std::min(izgara_.Satir_Sayisi(), h.satir + 1);
            break;
        case Qt::Key_Home:
            h.sutun = 0;
            break;
        case Qt::Key_End:
            h.sutun = izgara_.Sutun_Sayisi();
            break;
        case Qt::Key_PageUp:
            h.satir = 0;
            break;
        case Qt::Key_PageDown:
            h.satir = izgara_.Satir_Sayisi();
            break;
        default: {
            const QString metin = olay->text();
            if (metin.isEmpty()) {
                QWidget::keyPressEvent(olay);
                return;
            }
            char32_t k = metin.front().unicode();
            if (metin.size() > 1 && metin[0].isHighSurrogate() && metin[1].isLowSurrogate())
                k = QChar::surrogateToUcs4(metin[0], metin[1]);
            emit harf_basildi(k);
            return;
        }
    }
    hucreye_git(h);
}

}  // namespace velzora
