#include "soru_modeli.h"

#include "bulmaca_belgesi.h"
#include "ortak/cp1254.h"

namespace velzora {
namespace {

constexpr char NUMARA[] = "No";
constexpr char SATIR[] = "Satır";
constexpr char SUTUN[] = "Sütun";
constexpr char KELIME[] = "Kelime";
constexpr char SORU[] = "Soru";
// Shown for a clue that follows another in its line, as the export joins them.
constexpr char DEVAM[] = "...";

QString metin(const std::vector<std::string>& tablo, int yer) {
    const auto j = static_cast<std::size_t>(yer);
    return j < tablo.size() ? QString::fromStdString(cp1254_utf8(tablo[j])) : QString();
}

}  // namespace

Soru_Modeli::Soru_Modeli(Bulmaca_Belgesi& belge, Yon_Turu yon, QObject* ebeveyn)
    : QAbstractTableModel(ebeveyn), belge_(belge), yon_(yon) {
    girdiler_ = soru_girdileri(belge_.izgara().Satir_Sayisi(), belge_.izgara().Sutun_Sayisi(), yon_,
                               belge_.dolgu().Yerler, belge_.dolgu().Sira);
    connect(&belge_, &Bulmaca_Belgesi::dolgu_yenilendi, this, &Soru_Modeli::yenile);
    connect(&belge_, &Bulmaca_Belgesi::soru_degisti, this, &Soru_Modeli::soru_degisti);
}

void Soru_Modeli::yenile() {
    beginResetModel();
    girdiler_ = soru_girdileri(belge_.izgara().Satir_Sayisi(), belge_.izgara().Sutun_Sayisi(), yon_,
                               belge_.dolgu().Yerler, belge_.dolgu().Sira);
    endResetModel();
}

void Soru_Modeli::soru_degisti(int yer) {
    for (std::size_t i = 0; i < girdiler_.size(); ++i) {
        if (girdiler_[i].yer == yer) {
            const QModelIndex h = index(static_cast<int>(i), Soru);
            emit dataChanged(h, h, {Qt::DisplayRole, Qt::EditRole});
        }
    }
}

int Soru_Modeli::rowCount(const QModelIndex& ust) const {
    return ust.isValid() ? 0 : static_cast<int>(girdiler_.size());
}

int Soru_Modeli::columnCount(const QModelIndex& ust) const {
    return ust.isValid() ? 0 : SUTUN_SAYISI;
}

QVariant Soru_Modeli::data(const QModelIndex& indeks, int rol) const {
    if (!checkIndex(indeks, CheckIndexOption::IndexIsValid))
        return {};
    const Soru_Girdisi& g = girdiler_[static_cast<std::size_t>(indeks.row())];
    if (rol == Qt::ToolTipRole && indeks.column() == Soru)
        return metin(belge_.dolgu().Cozum_Soru, g.yer);
    if (rol != Qt::DisplayRole && rol != Qt::EditRole)
        return {};
    switch (indeks.column()) {
        case Numara:
            return g.sira == 1 ? QString::number(g.numara) : QString::fromLatin1(DEVAM);
        case Hat:
            return g.hat;
        case Kelime:
            return metin(belge_.dolgu().Cozum_Kelime, g.yer);
        case Soru:
            return metin(belge_.dolgu().Cozum_Soru, g.yer);
        default:
            return {};
    }
}

QVariant Soru_Modeli::headerData(int bolum, Qt::Orientation yon, int rol) const {
    if (yon != Qt::Horizontal || rol != Qt::DisplayRole)
        return QAbstractTableModel::headerData(bolum, yon, rol);
    switch (bolum) {
        case Numara:
            return QString::fromUtf8(NUMARA);
        case Hat:
            return QString::fromUtf8(yon_ == Yon_Turu::Soldan ? SATIR : SUTUN);
        case Kelime:
            return QString::fromUtf8(KELIME);
        case Soru:
            return QString::fromUtf8(SORU);
        default:
            return {};
    }
}

Qt::ItemFlags Soru_Modeli::flags(const QModelIndex& indeks) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(indeks);
    if (indeks.isValid() && indeks.column() == Soru && !belge_.kilitli())
        f |= Qt::ItemIsEditable;
    return f;
}

bool Soru_Modeli::setData(const QModelIndex& indeks, const QVariant& deger, int rol) {
    if (!checkIndex(indeks, CheckIndexOption::IndexIsValid) || indeks.column() != Soru ||
        rol != Qt::EditRole)
        return false;
    // The clue must be writable in the document's and the dictionary's encoding.
    const auto soru = utf8_cp1254(deger.toString().toStdString());
    return soru && belge_.soru_degistir(yer(indeks.row()), *soru);
}

}  // namespace velzora
