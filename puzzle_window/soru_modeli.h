// The clues of one direction of the fill as a table: number, row or column,
// placed word and clue, in the order and with the numbers the export prints.
// Reads the puzzle's fill and sends clue edits back as undo steps; it keeps
// only the clue order, which it takes again whenever the fill is replaced.
#pragma once

#include <QAbstractTableModel>

#include <vector>

#include "analiz/kelime_yeri.h"
#include "cozucu/soru_satirlari.h"

namespace velzora {

class Bulmaca_Belgesi;

class Soru_Modeli : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Sutun { Numara, Hat, Kelime, Soru, SUTUN_SAYISI };

    Soru_Modeli(Bulmaca_Belgesi& belge, Yon_Turu yon, QObject* ebeveyn = nullptr);

    int rowCount(const QModelIndex& ust = {}) const override;
    int columnCount(const QModelIndex& ust = {}) const override;
    QVariant data(const QModelIndex& indeks, int rol) const override;
    QVariant headerData(int bolum, Qt::Orientation yon, int rol) const override;
    Qt::ItemFlags flags(const QModelIndex& indeks) const override;
    bool setData(const QModelIndex& indeks, const QVariant& deger, int rol = Qt::EditRole) override;

    // The slot of a row.
    int yer(int satir) const { return girdiler_[static_cast<std::size_t>(satir)].yer; }

  private:
    void yenile();
    void soru_degisti(int yer);

    Bulmaca_Belgesi& belge_;
    Yon_Turu yon_;
    std::vector<Soru_Girdisi> girdiler_;
};

}  // namespace velzora
