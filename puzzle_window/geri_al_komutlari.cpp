#include "geri_al_komutlari.h"

#include "bulmaca_belgesi.h"

namespace velzora {

Hucre_Komutu::Hucre_Komutu(Bulmaca_Belgesi& belge, int satir, int sutun, Bulmaca_Hucresi eski,
                           Bulmaca_Hucresi yeni, const QString& ad)
    : QUndoCommand(ad), belge_(belge), satir_(satir), sutun_(sutun), eski_(eski), yeni_(yeni) {}

void Hucre_Komutu::undo() {
    belge_.hucreyi_yaz(satir_, sutun_, eski_);
}

void Hucre_Komutu::redo() {
    belge_.hucreyi_yaz(satir_, sutun_, yeni_);
}

Durum_Komutu::Durum_Komutu(Bulmaca_Belgesi& belge, Bulmaca once, Bulmaca sonra, const QString& ad)
    : QUndoCommand(ad), belge_(belge), once_(std::move(once)), sonra_(std::move(sonra)) {}

void Durum_Komutu::undo() {
    belge_.durumu_yukle(once_);
}

void Durum_Komutu::redo() {
    if (std::exchange(yapildi_, false))
        return;
    belge_.durumu_yukle(sonra_);
}

Soru_Komutu::Soru_Komutu(Bulmaca_Belgesi& belge, int yer, std::string eski, std::string yeni,
                         const QString& ad)
    : QUndoCommand(ad), belge_(belge), yer_(yer), eski_(std::move(eski)), yeni_(std::move(yeni)) {}

void Soru_Komutu::undo() {
    belge_.soruyu_yaz(yer_, eski_);
}

void Soru_Komutu::redo() {
    belge_.soruyu_yaz(yer_, yeni_);
}

}  // namespace velzora
