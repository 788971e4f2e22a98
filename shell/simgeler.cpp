#include "simgeler.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

namespace velzora {
namespace {

// One palette for all pictures: the grid view's teal and orange, a dark
// outline, and green and red for start and stop.
constexpr QColor CIZGI{45, 45, 50};
constexpr QColor CAMGOBEGI{0, 128, 128};
constexpr QColor TURUNCU{255, 192, 128};
constexpr QColor KOYU_TURUNCU{225, 140, 60};
constexpr QColor KAGIT{252, 252, 248};
constexpr QColor YESIL{40, 160, 70};
constexpr QColor KIRMIZI{205, 50, 45};
constexpr QColor SIYAH{20, 20, 20};

// Every picture is drawn on a 24 x 24 canvas.
constexpr double TUVAL = 24.0;

QPen kalem(QColor renk, double kalinlik = 1.5) {
    return QPen(renk, kalinlik, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A small grid of n x n cells at (x, y) with cells of side k; `siyahlar`
// lists black cells as row * n + column.
void kucuk_izgara(QPainter& p, double x, double y, double k, int n,
                  std::initializer_list<int> siyahlar) {
    p.setPen(Qt::NoPen);
    p.setBrush(KAGIT);
    p.drawRect(QRectF(x, y, k * n, k * n));
    p.setBrush(SIYAH);
    for (const int s : siyahlar)
        p.drawRect(QRectF(x + (s % n) * k, y + (s / n) * k, k, k));
    p.setPen(kalem(CIZGI, 0.8));
    for (int i = 0; i <= n; ++i) {
        p.drawLine(QPointF(x + i * k, y), QPointF(x + i * k, y + n * k));
        p.drawLine(QPointF(x, y + i * k), QPointF(x + n * k, y + i * k));
    }
}

void sayfa(QPainter& p, const QRectF& r) {
    const double kose = 4;
    QPainterPath yol;
    yol.moveTo(r.left(), r.top());
    yol.lineTo(r.right() - kose, r.top());
    yol.lineTo(r.right(), r.top() + kose);
    yol.lineTo(r.right(), r.bottom());
    yol.lineTo(r.left(), r.bottom());
    yol.closeSubpath();
    p.setPen(kalem(CIZGI));
    p.setBrush(KAGIT);
    p.drawPath(yol);
    p.drawPolyline(
        QPolygonF({QPointF(r.right() - kose, r.top()), QPointF(r.right() - kose, r.top() + kose),
                   QPointF(r.right(), r.top() + kose)}));
}

void rozet(QPainter& p, QPointF merkez, double yaricap, QColor renk) {
    p.setPen(kalem(renk.darker(130), 1.0));
    p.setBrush(renk);
    p.drawEllipse(merkez, yaricap, yaricap);
}

void yeni_ciz(QPainter& p) {
    sayfa(p, QRectF(4, 2.5, 13, 18));
    kucuk_izgara(p, 6.5, 6, 2.6, 3, {});
    rozet(p, QPointF(17.5, 17.5), 5, YESIL);
    p.setPen(kalem(Qt::white, 1.8));
    p.drawLine(QPointF(17.5, 14.8), QPointF(17.5, 20.2));
    p.drawLine(QPointF(14.8, 17.5), QPointF(20.2, 17.5));
}

void ac_ciz(QPainter& p) {
    QPainterPath arka;
    arka.moveTo(2.5, 19.5);
    arka.lineTo(2.5, 5);
    arka.lineTo(9, 5);
    arka.lineTo(11, 7.5);
    arka.lineTo(19.5, 7.5);
    arka.lineTo(19.5, 10);
    p.setPen(kalem(CIZGI));
    p.setBrush(KOYU_TURUNCU);
    p.drawPath(arka);
    QPainterPath on;
    on.moveTo(2.5, 19.5);
    on.lineTo(6, 10.5);
    on.lineTo(22, 10.5);
    on.lineTo(18.5, 19.5);
    on.closeSubpath();
    p.setBrush(TURUNCU);
    p.drawPath(on);
}

void sakla_ciz(QPainter& p) {
    QPainterPath govde;
    govde.addRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
    p.setPen(kalem(CIZGI));
    p.setBrush(CAMGOBEGI);
    p.drawPath(govde);
    p.setBrush(KAGIT);
    p.drawRect(QRectF(6.5, 3, 11, 7));
    p.setBrush(CIZGI);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(13.5, 4.5, 2.5, 4));
    p.setPen(kalem(CIZGI, 1.0));
    p.setBrush(KAGIT);
    p.drawRect(QRectF(6.5, 13.5, 11, 7.5));
}

void basla_ciz(QPainter& p) {
    rozet(p, QPointF(12, 12), 9.5, YESIL);
    QPainterPath ucgen;
    ucgen.moveTo(9.5, 7);
    ucgen.lineTo(17.5, 12);
    ucgen.lineTo(9.5, 17);
    ucgen.closeSubpath();
    p.setPen(kalem(Qt::white, 1.0));
    p.setBrush(Qt::white);
    p.drawPath(ucgen);
}

void durdur_ciz(QPainter& p) {
    rozet(p, QPointF(12, 12), 9.5, KIRMIZI);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(8, 8, 8, 8), 1, 1);
}

void rastgele_ciz(QPainter& p) {
    kucuk_izgara(p, 2.5, 2.5, 4.75, 4, {1, 6, 8, 13, 15});
    p.setPen(kalem(CIZGI));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2.5, 2.5, 19, 19));
}

void kopyala_ciz(QPainter& p) {
    QPainterPath pano;
    pano.addRoundedRect(QRectF(4, 4, 16, 18), 2, 2);
    p.setPen(kalem(CIZGI));
    p.setBrush(KOYU_TURUNCU);
    p.drawPath(pano);
    p.setBrush(CAMGOBEGI);
    p.drawRoundedRect(QRectF(8, 2, 8, 4), 1, 1);
    kucuk_izgara(p, 7, 9, 3.3, 3, {2, 3});
}

void duzenle_ciz(QPainter& p) {
    sayfa(p, QRectF(4, 2, 16, 20));
    kucuk_izgara(p, 6.5, 4.5, 2.4, 3, {4});
    p.setPen(kalem(CAMGOBEGI, 1.3));
    for (const double y : {14.0, 16.5, 19.0})
        p.drawLine(QPointF(6.5, y), QPointF(17.5, y));
    p.drawLine(QPointF(14.5, 6.0), QPointF(17.5, 6.0));
    p.drawLine(QPointF(14.5, 8.5), QPointF(17.5, 8.5));
}

void secenekler_ciz(QPainter& p) {
    const double satirlar[] = {6, 12, 18};
    const double dugmeler[] = {15, 8, 12.5};
    for (int i = 0; i < 3; ++i) {
        p.setPen(kalem(CIZGI, 1.8));
        p.drawLine(QPointF(3, satirlar[i]), QPointF(21, satirlar[i]));
        rozet(p, QPointF(dugmeler[i], satirlar[i]), 2.6, i == 1 ? KOYU_TURUNCU : CAMGOBEGI);
    }
}

void yardim_ciz(QPainter& p) {
    rozet(p, QPointF(12, 12), 9.5, CAMGOBEGI);
    QPainterPath soru;
    soru.moveTo(8.8, 9.3);
    soru.cubicTo(8.8, 5.8, 15.2, 5.8, 15.2, 9.3);
    soru.cubicTo(15.2, 11.6, 12, 11.6, 12, 14.2);
    p.setPen(kalem(Qt::white, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(soru);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12, 17.6), 1.4, 1.4);
}

void program_ciz(QPainter& p) {
    QPainterPath zemin;
    zemin.addRoundedRect(QRectF(1, 1, 22, 22), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(CAMGOBEGI);
    p.drawPath(zemin);
    p.setBrush(TURUNCU);
    p.drawRect(QRectF(3.5, 3.5, 3, 3));
    kucuk_izgara(p, 6.5, 6.5, 4.5, 3, {2, 6});
    QPainterPath k;
    k.moveTo(8.2, 7.6);
    k.lineTo(8.2, 10.4);
    k.moveTo(10.2, 7.6);
    k.lineTo(8.6, 9.0);
    k.lineTo(10.2, 10.4);
    p.setPen(kalem(CIZGI, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawPath(k);
}

enum class Cizim { Resim, Program };

class Simge_Motoru final : public QIconEngine {
  public:
    Simge_Motoru(Cizim cizim, Resim r) : cizim_(cizim), resim_(r) {}

    QIconEngine* clone() const override { return new Simge_Motoru(*this); }

    void paint(QPainter* p, const QRect& alan, QIcon::Mode mod, QIcon::State) override {
        if (mod != QIcon::Disabled) {
            ciz(*p, alan);
            return;
        }
        // Disabled: the same drawing, grey and faint.
        const qreal oran = p->device()->devicePixelRatioF();
        QImage resim(alan.size() * oran, QImage::Format_ARGB32_Premultiplied);
        resim.setDevicePixelRatio(oran);
        resim.fill(Qt::transparent);
        {
            QPainter rp(&resim);
            ciz(rp, QRect(QPoint(0, 0), alan.size()));
        }
        for (int y = 0; y < resim.height(); ++y) {
            auto* satir = reinterpret_cast<QRgb*>(resim.scanLine(y));
            for (int x = 0; x < resim.width(); ++x) {
                const QRgb piksel = qUnpremultiply(satir[x]);
                const int gri = 110 + qGray(piksel) / 3;
                satir[x] = qPremultiply(qRgba(gri, gri, gri, qAlpha(piksel) * 11 / 20));
            }
        }
        p->drawImage(alan.topLeft(), resim);
    }

    QPixmap pixmap(const QSize& boyut, QIcon::Mode mod, QIcon::State durum) override {
        return scaledPixmap(boyut, mod, durum, 1.0);
    }

    QPixmap scaledPixmap(const QSize& boyut, QIcon::Mode mod, QIcon::State durum,
                         qreal oran) override {
        QPixmap resim(boyut * oran);
        resim.setDevicePixelRatio(oran);
        resim.fill(Qt::transparent);
        QPainter p(&resim);
        paint(&p, QRect(QPoint(0, 0), boyut), mod, durum);
        return resim;
    }

  private:
    void ciz(QPainter& p, const QRect& alan) const {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(alan.topLeft());
        p.scale(alan.width() / TUVAL, alan.height() / TUVAL);
        if (cizim_ == Cizim::Program) {
            program_ciz(p);
        } else {
            switch (resim_) {
                case Resim::Yeni:
                    yeni_ciz(p);
                    break;
                case Resim::Ac:
                    ac_ciz(p);
                    break;
                case Resim::Sakla:
                    sakla_ciz(p);
                    break;
                case Resim::Basla:
                    basla_ciz(p);
                    break;
                case Resim::Durdur:
                    durdur_ciz(p);
                    break;
                case Resim::Rastgele:
                    rastgele_ciz(p);
                    break;
                case Resim::Kopyala:
                    kopyala_ciz(p);
                    break;
                case Resim::Duzenle:
                    duzenle_ciz(p);
                    break;
                case Resim::Secenekler:
                    secenekler_ciz(p);
                    break;
                case Resim::Yardim:
                    yardim_ciz(p);
                    break;
            }
        }
        p.restore();
    }

    Cizim cizim_;
    Resim resim_;
};

}  // namespace

QIcon resim(Resim r) {
    return QIcon(new Simge_Motoru(Cizim::Resim, r));
}

QIcon program_simgesi() {
    return QIcon(new Simge_Motoru(Cizim::Program, Resim::Yeni));
}

}  // namespace velzora
