#include "baski_cizimi.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <algorithm>
#include <memory>
#include <vector>

#include "belge_metinleri.h"
#include "ortak/cp1254.h"
#include "sayfa_duzeni.h"

namespace velzora {
namespace {

// Drawing units are twentieths of a point: fine enough for text positions
// whatever the device's resolution.
constexpr double B(double punto) {
    return punto * 20;
}

// A heading or a clue line, laid out for the width of its column.
struct Parca {
    std::unique_ptr<QTextLayout> dizgi;
    double yukseklik = 0;
    double once = 0;          // space before it, dropped at the top of a column
    bool sonrakiyle = false;  // stays in the column of the part after it
};

class Baski_Cizici {
  public:
    Baski_Cizici(QPagedPaintDevice& aygit, const Bulmaca_Icerigi& icerik)
        : aygit_(aygit),
          icerik_(icerik),
          sayfa_(izgara_sayfasi(icerik.izgara.Satir_Sayisi(), icerik.izgara.Sutun_Sayisi())),
          // Only a PDF takes a new orientation and new margins between pages.
          sayfa_degisir_(dynamic_cast<QPdfWriter*>(&aygit) != nullptr) {}

    Baski_Sonucu ciz() {
        bool tamam = sayfa_ac(sayfa_.yatay, sayfa_.kenar, true);
        double y = 0;
        if (tamam)
            y = baslikli_izgara(BELGE_BASLIGI, false);
        if (tamam && sayfa_.ayri_sayfa) {
            tamam = sayfa_ac(false, KENAR_BOSLUGU, false);
            y = 0;
        } else {
            y += B(IZGARA_SONRASI);
        }
        if (tamam)
            tamam = sorular(y);
        if (tamam && icerik_.cozum_sayfasi) {
            tamam = sayfa_ac(sayfa_.yatay, sayfa_.kenar, false);
            if (tamam)
                baslikli_izgara(COZUM_BASLIGI, true);
        }
        if (p_.isActive())
            tamam = p_.end() && tamam;
        return tamam ? Baski_Sonucu::Tamam : Baski_Sonucu::Basarisiz;
    }

  private:
    QFont yazi(double punto, bool kalin) const {
        QFont f;
        f.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                       QStringLiteral("Tinos"), QStringLiteral("serif")});
        f.setStyleHint(QFont::Serif);
        // The device resolves point sizes at its own resolution; the painter
        // then scales drawing units to it.
        f.setPointSizeF(B(punto) * 72.0 / aygit_.logicalDpiY());
        f.setBold(kalin);
        f.setHintingPreference(QFont::PreferNoHinting);
        return f;
    }

    double satir_araligi(const QFont& f) const { return QFontMetricsF(f, &aygit_).lineSpacing(); }

    // Opens the first or the next page and makes the drawing area the page
    // inside its margins, in drawing units, turned where the device keeps
    // another orientation.
    bool sayfa_ac(bool yatay, double kenar, bool ilk) {
        if (ilk || sayfa_degisir_) {
            QPageLayout duzen = aygit_.pageLayout();
            duzen.setUnits(QPageLayout::Point);
            duzen.setOrientation(yatay && sayfa_degisir_ ? QPageLayout::Landscape
                                                         : QPageLayout::Portrait);
            duzen.setMargins(QMarginsF(kenar, kenar, kenar, kenar));
            aygit_.setPageLayout(duzen);
        }
        if (ilk ? !p_.begin(&aygit_) : !aygit_.newPage())
            return false;
        const double olcek_x = aygit_.logicalDpiX() / B(72);
        const double olcek_y = aygit_.logicalDpiY() / B(72);
        p_.resetTransform();
        p_.scale(olcek_x, olcek_y);
        alan_ = QSizeF(aygit_.width() / olcek_x, aygit_.height() / olcek_y);
        // Margins a printer kept from the first page are made up inside.
        const QMarginsF mevcut = aygit_.pageLayout().margins(QPageLayout::Point);
        const double ek = B(std::max(0.0, kenar - std::min(mevcut.left(), mevcut.top())));
        p_.translate(ek, ek);
        alan_ -= QSizeF(2 * ek, 2 * ek);
        if (yatay != (alan_.width() > alan_.height())) {
            p_.translate(alan_.width(), 0);
            p_.rotate(90);
            alan_.transpose();
        }
        return true;
    }

    // The title and the grid below it, centred; returns where the grid ends.
    double baslikli_izgara(const char* baslik, bool harfli) {
        const QFont baslik_yazisi = yazi(BASLIK_PUNTOSU, true);
        p_.setFont(baslik_yazisi);
        p_.setPen(Qt::black);
        const double baslik_boyu = satir_araligi(baslik_yazisi);
        p_.drawText(QRectF(0, 0, alan_.width(), baslik_boyu), Qt::AlignHCenter | Qt::AlignTop,
                    QString::fromUtf8(baslik));
        const double y = baslik_boyu + B(BASLIK_SONRASI);

        const int R = icerik_.izgara.Satir_Sayisi();
        const int C = icerik_.izgara.Sutun_Sayisi();
        // The page's cells, smaller only where a printer's paper is.
        const double hucre =
            std::min({B(sayfa_.hucre), alan_.width() / (C + 1), (alan_.height() - y) / (R + 1)});
        const double oran = hucre / B(sayfa_.hucre);
        izgara(QPointF((alan_.width() - (C + 1) * hucre) / 2, y), hucre,
               sayfa_.numara_puntosu * oran, sayfa_.harf_puntosu * oran, harfli);
        return y + (R + 1) * hucre;
    }

    // The puzzle ruled around and inside, the header numbers outside it,
    // black squares filled; the letters only on the solution page.
    void izgara(QPointF sol_ust, double hucre, double numara, double harf, bool harfli) {
        const Izgara& g = icerik_.izgara;
        const int R = g.Satir_Sayisi();
        const int C = g.Sutun_Sayisi();
        auto alan = [&](int i, int j) {
            return QRectF(sol_ust.x() + j * hucre, sol_ust.y() + i * hucre, hucre, hucre);
        };
        for (int i = 1; i <= R; ++i) {
            for (int j = 1; j <= C; ++j) {
                if (g.siyah_mi(i, j))
                    p_.fillRect(alan(i, j), Qt::black);
            }
        }
        p_.setPen(QPen(Qt::black, B(CIZGI_KALINLIGI)));
        const double sol = sol_ust.x() + hucre;
        const double sag = sol_ust.x() + (C + 1) * hucre;
        const double ust = sol_ust.y() + hucre;
        const double alt = sol_ust.y() + (R + 1) * hucre;
        for (int i = 1; i <= R + 1; ++i) {
            const double y = sol_ust.y() + i * hucre;
            p_.drawLine(QPointF(sol, y), QPointF(sag, y));
        }
        for (int j = 1; j <= C + 1; ++j) {
            const double x = sol_ust.x() + j * hucre;
            p_.drawLine(QPointF(x, ust), QPointF(x, alt));
        }

        p_.setFont(yazi(numara, false));
        for (int j = 1; j <= C; ++j)
            p_.drawText(alan(0, j), Qt::AlignCenter, QString::number(j));
        for (int i = 1; i <= R; ++i)
            p_.drawText(alan(i, 0), Qt::AlignCenter, QString::number(i));
        if (!harfli)
            return;
        p_.setFont(yazi(harf, true));
        for (int i = 1; i <= R; ++i) {
            for (int j = 1; j <= C; ++j) {
                if (!g.siyah_mi(i, j))
                    p_.drawText(alan(i, j), Qt::AlignCenter,
                                QString::fromStdString(cp1254_utf8(g.harf_al(i, j))));
            }
        }
    }

    // Wrapped lines start at `girinti`, under the clue text.
    Parca parca(const QString& metin, const QFont& f, double genislik, double girinti,
                Qt::Alignment hiza) const {
        Parca p;
        p.dizgi = std::make_unique<QTextLayout>(metin, f, &aygit_);
        QTextOption secenek(hiza);
        secenek.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        p.dizgi->setTextOption(secenek);
        const double aralik = satir_araligi(f);
        p.dizgi->beginLayout();
        for (QTextLine satir = p.dizgi->createLine(); satir.isValid();
             satir = p.dizgi->createLine()) {
            const double x = p.yukseklik > 0 ? girinti : 0;
            satir.setLineWidth(genislik - x);
            satir.setPosition(QPointF(x, p.yukseklik));
            p.yukseklik += aralik;
        }
        p.dizgi->endLayout();
        p.yukseklik = std::max(p.yukseklik, aralik);
        return p;
    }

    void listeye_ekle(const char* baslik, const std::vector<std::string>& satirlar,
                      Qt::Alignment hiza, double genislik) {
        Parca b = parca(QString::fromUtf8(baslik), yazi(SORU_PUNTOSU, true), genislik, 0, hiza);
        b.once = B(IZGARA_SONRASI);
        b.sonrakiyle = true;
        parcalar_.push_back(std::move(b));
        const QFont f = yazi(SORU_PUNTOSU, false);
        const QFontMetricsF olcu(f, &aygit_);
        for (const std::string& s : satirlar) {
            const std::size_t n = numara_uzunlugu(s);
            const double girinti =
                n > 0 ? olcu.horizontalAdvance(QString::fromStdString(cp1254_utf8(s.substr(0, n))))
                      : 0;
            parcalar_.push_back(
                parca(QString::fromStdString(soru_metni(s)), f, genislik, girinti, Qt::AlignLeft));
        }
    }

    // The height part i needs, with the part it keeps to.
    double gereken(std::size_t i, bool sutun_basinda) const {
        double h = (sutun_basinda ? 0 : parcalar_[i].once) + parcalar_[i].yukseklik;
        if (parcalar_[i].sonrakiyle && i + 1 < parcalar_.size())
            h += parcalar_[i + 1].once + parcalar_[i + 1].yukseklik;
        return h;
    }

    // The parts from `bas` that one column of height `h` takes: at least one.
    std::size_t sutun_sonu(std::size_t bas, double h) const {
        double y = 0;
        std::size_t i = bas;
        while (i < parcalar_.size()) {
            if (i > bas && y + gereken(i, false) > h)
                break;
            y += (i == bas ? 0 : parcalar_[i].once) + parcalar_[i].yukseklik;
            ++i;
        }
        return i;
    }

    bool iki_sutuna_sigar(std::size_t bas, double h) const {
        return sutun_sonu(sutun_sonu(bas, h), h) == parcalar_.size();
    }

    void sutuna_ciz(std::size_t bas, std::size_t son, double x, double y) {
        for (std::size_t i = bas; i < son; ++i) {
            if (i > bas)
                y += parcalar_[i].once;
            parcalar_[i].dizgi->draw(&p_, QPointF(x, y));
            y += parcalar_[i].yukseklik;
        }
    }

    // The two lists flow down the first column and on into the second, page
    // after page; on the last page both columns end at the same height.
    bool sorular(double y) {
        const double genislik = (alan_.width() - B(SUTUN_ARALIGI)) / 2;
        listeye_ekle(SOLDAN_BASLIGI, icerik_.soldan, Qt::AlignLeft, genislik);
        listeye_ekle(YUKARIDAN_BASLIGI, icerik_.yukaridan, Qt::AlignHCenter, genislik);
        p_.setPen(Qt::black);
        std::size_t bas = 0;
        for (;;) {
            double h = alan_.height() - y;
            // Below a grid that leaves no room, the clues start a page.
            if (y > 0 && gereken(bas, true) > h) {
                if (!sayfa_ac(false, KENAR_BOSLUGU, false))
                    return false;
                y = 0;
                continue;
            }
            if (iki_sutuna_sigar(bas, h)) {
                double az = 0;
                while (h - az > 1) {
                    const double orta = (az + h) / 2;
                    (iki_sutuna_sigar(bas, orta) ? h : az) = orta;
                }
            }
            const std::size_t orta = sutun_sonu(bas, h);
            const std::size_t son = sutun_sonu(orta, h);
            sutuna_ciz(bas, orta, 0, y);
            sutuna_ciz(orta, son, genislik + B(SUTUN_ARALIGI), y);
            bas = son;
            if (bas == parcalar_.size())
                return true;
            if (!sayfa_ac(false, KENAR_BOSLUGU, false))
                return false;
            y = 0;
        }
    }

    QPagedPaintDevice& aygit_;
    const Bulmaca_Icerigi& icerik_;
    const Izgara_Sayfasi sayfa_;
    const bool sayfa_degisir_;
    QPainter p_;
    QSizeF alan_;
    std::vector<Parca> parcalar_;
};

}  // namespace

Baski_Sonucu baski_ciz(QPagedPaintDevice& aygit, const Bulmaca_Icerigi& icerik) {
    return Baski_Cizici(aygit, icerik).ciz();
}

}  // namespace velzora
