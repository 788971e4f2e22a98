#include "arac_cubugu.h"

namespace velzora {
namespace {

struct Dugme {
    const char* anahtar;  // null for a separator
    const char* ipucu;
    Resim resim;
};

constexpr Dugme AYIRAC{nullptr, nullptr, Resim::Yeni};

constexpr std::array<Dugme, Arac_Cubugu::KONUM_SAYISI> DUGMELER{{
    {"Yeni", "Yeni Şablon Yarat", Resim::Yeni},
    {"Ac", "Şablon Aç", Resim::Ac},
    {"Sakla", "Şablon Sakla", Resim::Sakla},
    AYIRAC,
    {"Rastgele", "Rastgele Yerleştir", Resim::Rastgele},
    AYIRAC,
    {"Basla", "Bulmacayı Çöz", Resim::Basla},
    AYIRAC,
    {"Kopyala", "Panoya Kopyala", Resim::Kopyala},
    AYIRAC,
    {"Duzenle", "Bulmacayı Duzenle", Resim::Duzenle},
    AYIRAC,
    {"Sec", "Seçenekler", Resim::Secenekler},
    AYIRAC,
    {"Yardim", "Yardım", Resim::Yardim},
}};

}  // namespace

Arac_Cubugu::Arac_Cubugu(QWidget* ebeveyn) : QToolBar(ebeveyn) {
    setObjectName(QStringLiteral("tbToolBar"));
    setMovable(false);
    for (int i = 0; i < RESIM_SAYISI; ++i)
        resimler_[static_cast<std::size_t>(i)] = resim(static_cast<Resim>(i + 1));

    for (std::size_t i = 0; i < DUGMELER.size(); ++i) {
        const Dugme& d = DUGMELER[i];
        if (d.anahtar == nullptr) {
            konumlar_[i] = addSeparator();
            continue;
        }
        const QString anahtar = QString::fromLatin1(d.anahtar);
        QAction* eylem = addAction(imlToolbarIcons(d.resim), QString::fromUtf8(d.ipucu));
        eylem->setObjectName(anahtar);
        eylem->setData(anahtar);
        eylem->setToolTip(QString::fromUtf8(d.ipucu));
        konumlar_[i] = eylem;
    }
    connect(this, &QToolBar::actionTriggered, this,
            [this](QAction* eylem) { emit tiklandi(eylem->data().toString()); });
}

QString Arac_Cubugu::anahtar(int i) const {
    return konum(i)->data().toString();
}

}  // namespace velzora
