#include "soru_paneli.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include "soru_modeli.h"

namespace velzora {
namespace {

constexpr char SOLDAN_SAGA[] = "SOLDAN SAĞA";
constexpr char YUKARIDAN_ASAGI[] = "YUKARIDAN AŞAĞI";
constexpr int EN_AZ_GENISLIK = 240;
constexpr int TERCIH_GENISLIK = 520;

QTableView* tablo(Soru_Modeli* model, const char* ad) {
    auto* t = new QTableView;
    t->setObjectName(QString::fromLatin1(ad));
    t->setModel(model);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setStretchLastSection(true);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    // One line a clue; the whole clue shows as the cell's tip.
    t->setWordWrap(false);
    t->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                       QAbstractItemView::AnyKeyPressed);
    return t;
}

}  // namespace

Soru_Paneli::Soru_Paneli(Bulmaca_Belgesi& belge, QWidget* ebeveyn)
    : QWidget(ebeveyn),
      soldan_(new Soru_Modeli(belge, Yon_Turu::Soldan, this)),
      yukaridan_(new Soru_Modeli(belge, Yon_Turu::Yukaridan, this)) {
    setObjectName(QStringLiteral("Soru_Paneli"));
    setMinimumWidth(EN_AZ_GENISLIK);
    auto* yerlesim = new QVBoxLayout(this);
    yerlesim->setContentsMargins(0, 0, 0, 0);
    yerlesim->addWidget(new QLabel(QString::fromUtf8(SOLDAN_SAGA)));
    yerlesim->addWidget(tablo(soldan_, "tblSoldan"));
    yerlesim->addWidget(new QLabel(QString::fromUtf8(YUKARIDAN_ASAGI)));
    yerlesim->addWidget(tablo(yukaridan_, "tblYukaridan"));
}

QSize Soru_Paneli::sizeHint() const {
    return {TERCIH_GENISLIK, QWidget::sizeHint().height()};
}

}  // namespace velzora
