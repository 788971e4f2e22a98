// The grid view: draws the puzzle grid straight from the core grid (the only
// copy of the cells) under a header row and column of numbers, keeps the
// current cell and the selection, and reports cell-entered, double-click and
// typed-character events to the puzzle window.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QStaticText>
#include <QWidget>

#include <array>
#include <optional>

#include "izgara/izgara.h"

namespace velzora {

struct Hucre_Konumu {
    int satir = 0;
    int sutun = 0;
    bool operator==(const Hucre_Konumu&) const = default;
};

class Izgara_Gorunumu : public QWidget {
    Q_OBJECT

  public:
    // Sizes in twips: the header row and column, every other row and column.
    static constexpr int BASLIK_TWIP = 350;
    static constexpr int HUCRE_TWIP = 400;

    static constexpr QColor BASLIK_ZEMINI{0, 128, 128};  // teal
    // Light orange: the corner cell, and the control's area outside the cells.
    static constexpr QColor KOSE_ZEMINI{255, 192, 128};
    static constexpr QColor SIYAH_KARE{1, 0, 0};  // near-black
    static constexpr QColor CIZGI_RENGI{128, 128, 128};
    static constexpr QColor ISARET_RENGI{0, 90, 200};  // frame of the current cell

    explicit Izgara_Gorunumu(Izgara& izgara, QWidget* ebeveyn = nullptr);
    ~Izgara_Gorunumu() override;

    // Rows and columns of the view, header included: R + 1 and C + 1.
    int satir_adedi() const { return izgara_.Satir_Sayisi() + 1; }
    int sutun_adedi() const { return izgara_.Sutun_Sayisi() + 1; }
    int sutun_genisligi(int sutun) const { return sutun == 0 ? baslik_genislik_ : hucre_genislik_; }
    int satir_yuksekligi(int satir) const {
        return satir == 0 ? baslik_yukseklik_ : hucre_yukseklik_;
    }
    QRect hucre_alani(Hucre_Konumu h) const;
    std::optional<Hucre_Konumu> hucre_bul(QPoint nokta) const;

    // What a cell shows: header numbers, or the puzzle cell's letter.
    QString hucre_metni(Hucre_Konumu h) const;
    QColor hucre_zemini(Hucre_Konumu h) const;
    bool baslik_mi(Hucre_Konumu h) const { return h.satir == 0 || h.sutun == 0; }

    Hucre_Konumu gecerli_hucre() const { return gecerli_; }
    // The far end of the selection; the current cell when one cell is selected.
    Hucre_Konumu secim_sonu() const { return secim_sonu_; }
    // Makes a cell current and selects it alone; announces the move when the
    // current cell changes.
    void hucreye_git(Hucre_Konumu h);

    // The whole grid as drawn, header included, without the current-cell mark
    // and without the view's background around the cells.
    QImage resim() const;

    // Twips and the letters' size are drawn at this scale, so that the
    // puzzle window can fit the grid to its room; 1 draws them as they are.
    void olcek_ver(double olcek);
    double olcek() const { return olcek_; }
    // The view's size at scale 1.
    QSize dogal_boyut() const;

    QSize sizeHint() const override { return size(); }

  signals:
    void hucreye_girildi();
    void cift_tiklandi(velzora::Hucre_Konumu hucre);
    void harf_basildi(char32_t karakter);

  protected:
    void paintEvent(QPaintEvent* olay) override;
    void mousePressEvent(QMouseEvent* olay) override;
    void mouseMoveEvent(QMouseEvent* olay) override;
    void mouseDoubleClickEvent(QMouseEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;
    void showEvent(QShowEvent* olay) override;

  private:
    void olculeri_hesapla();
    void degisiklik(const Izgara_Degisikligi& d);
    void ciz(QPainter& p, const QRect& alan, bool isaretli) const;
    void metin_ciz(QPainter& p, const QRect& hucre, const QStaticText& metin, bool ustte) const;
    const QStaticText& harf_metni(unsigned char bayt) const;
    const QStaticText& sayi_metni(int sayi) const;

    Izgara& izgara_;
    int dinleyici_ = 0;

    double dpi_x_ = 96;
    double dpi_y_ = 96;
    double olcek_ = 1;
    int baslik_genislik_ = 0;
    int baslik_yukseklik_ = 0;
    int hucre_genislik_ = 0;
    int hucre_yukseklik_ = 0;

    Hucre_Konumu gecerli_;
    Hucre_Konumu secim_sonu_;

    QFont yazi_;
    QFont kalin_yazi_;
    // Laid-out texts, so that a full repaint does no text layout.
    mutable std::array<std::optional<QStaticText>, 256> harf_onbellegi_;
    mutable std::array<std::optional<QStaticText>, EN_COK_EBAT + 1> sayi_onbellegi_;
};

// Arial 12 pt; Liberation Sans, which has the same metrics, where Arial is missing.
QFont izgara_yazi_tipi();

}  // namespace velzora
