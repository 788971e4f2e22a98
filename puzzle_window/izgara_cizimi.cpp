// Drawing the grid view: used for the screen and for the picture of the grid.
#include <QPaintEvent>
#include <QPainter>

#include "izgara_gorunumu.h"
#include "ortak/cp1254.h"

namespace velzora {

const QStaticText& Izgara_Gorunumu::harf_metni(unsigned char bayt) const {
    auto& yer = harf_onbellegi_[bayt];
    if (!yer) {
        yer.emplace(QString(QChar(static_cast<char16_t>(cp1254_unicode(bayt)))));
        yer->setTextFormat(Qt::PlainText);
        yer->prepare(QTransform(), yazi_);
    }
    return *yer;
}

const QStaticText& Izgara_Gorunumu::sayi_metni(int sayi) const {
    auto& yer = sayi_onbellegi_[static_cast<std::size_t>(sayi)];
    if (!yer) {
        yer.emplace(QString::number(sayi));
        yer->setTextFormat(Qt::PlainText);
        yer->prepare(QTransform(), kalin_yazi_);
    }
    return *yer;
}

void Izgara_Gorunumu::metin_ciz(QPainter& p, const QRect& hucre, const QStaticText& metin,
                                bool ustte) const {
    const QSizeF boyut = metin.size();
    const double x = hucre.x() + (hucre.width() - 1 - boyut.width()) / 2;
    const double y = ustte ? hucre.y() + 1 : hucre.y() + (hucre.height() - 1 - boyut.height()) / 2;
    p.drawStaticText(QPointF(x, y), metin);
}

void Izgara_Gorunumu::paintEvent(QPaintEvent* olay) {
    QPainter p(this);
    ciz(p, olay->rect(), true);
}

void Izgara_Gorunumu::ciz(QPainter& p, const QRect& alan, bool isaretli) const {
    const int R = izgara_.Satir_Sayisi();
    const int C = izgara_.Sutun_Sayisi();
    p.fillRect(alan, KOSE_ZEMINI);

    const QRect hucreler = hucre_alani({0, 0}).united(hucre_alani({R, C}));
    const QRect cizilecek = hucreler.intersected(alan);
    if (cizilecek.isEmpty())
        return;
    const Hucre_Konumu ilk = *hucre_bul(cizilecek.topLeft());
    const Hucre_Konumu son = *hucre_bul(cizilecek.bottomRight());

    // Flat grid lines: the line colour shows through the last pixel row and
    // column of every cell.
    p.fillRect(cizilecek, CIZGI_RENGI);
    for (int r = ilk.satir; r <= son.satir; ++r) {
        for (int c = ilk.sutun; c <= son.sutun; ++c)
            p.fillRect(hucre_alani({r, c}).adjusted(0, 0, -1, -1), hucre_zemini({r, c}));
    }

    p.setPen(Qt::white);
    p.setFont(kalin_yazi_);
    if (ilk.satir == 0) {
        for (int c = std::max(1, ilk.sutun); c <= son.sutun; ++c)
            metin_ciz(p, hucre_alani({0, c}), sayi_metni(c), true);
    }
    if (ilk.sutun == 0) {
        for (int r = std::max(1, ilk.satir); r <= son.satir; ++r)
            metin_ciz(p, hucre_alani({r, 0}), sayi_metni(r), true);
    }

    // A black square's letter is black on near-black; it is not drawn.
    p.setPen(Qt::black);
    p.setFont(yazi_);
    for (int r = std::max(1, ilk.satir); r <= son.satir; ++r) {
        for (int c = std::max(1, ilk.sutun); c <= son.sutun; ++c) {
            if (izgara_.siyah_mi(r, c))
                continue;
            const std::string harf = izgara_.harf_al(r, c);
            if (!harf.empty()) {
                metin_ciz(p, hucre_alani({r, c}), harf_metni(static_cast<unsigned char>(harf[0])),
                          false);
            }
        }
    }

    if (!isaretli)
        return;
    if (secim_sonu_ != gecerli_) {
        QColor vurgu = palette().color(QPalette::Highlight);
        vurgu.setAlpha(90);
        p.fillRect(hucre_alani(gecerli_).united(hucre_alani(secim_sonu_)), vurgu);
    }
    p.setPen(QPen(ISARET_RENGI, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(hucre_alani(gecerli_)).adjusted(1, 1, -2, -2));
}

QImage Izgara_Gorunumu::resim() const {
    // The cells alone: the view's room beyond them is no part of the grid.
    const QRect hucreler =
        hucre_alani({0, 0}).united(hucre_alani({izgara_.Satir_Sayisi(), izgara_.Sutun_Sayisi()}));
    const qreal oran = devicePixelRatioF();
    QImage resim(hucreler.size() * oran, QImage::Format_ARGB32_Premultiplied);
    resim.setDevicePixelRatio(oran);
    // Same DPI as the screen, so the 12 pt text has the size it has on screen.
    resim.setDotsPerMeterX(qRound(dpi_x_ / 0.0254));
    resim.setDotsPerMeterY(qRound(dpi_y_ / 0.0254));
    QPainter p(&resim);
    ciz(p, hucreler, false);
    return resim;
}

}  // namespace velzora
