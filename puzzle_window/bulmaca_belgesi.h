// The puzzle as the window edits it: the grid (the program's one copy of
// the cells), the fill beside it, and the undo history of both. Every change
// to either goes through here, so that each can be taken back.
#pragma once

#include <QObject>
#include <QUndoStack>

#include <functional>
#include <string>

#include "bulmaca/bulmaca.h"
#include "izgara/izgara.h"

namespace velzora {

class Bulmaca_Belgesi : public QObject {
    Q_OBJECT

  public:
    explicit Bulmaca_Belgesi(Izgara& izgara, QObject* ebeveyn = nullptr);

    Izgara& izgara() const { return izgara_; }
    const Dolgu& dolgu() const { return dolgu_; }
    QUndoStack& yigin() { return yigin_; }

    // One cell's colour and letter as one undo step; nothing when unchanged.
    void hucre_degistir(int satir, int sutun, Bulmaca_Hucresi yeni, const QString& ad);
    // Runs `islem`, which may change the grid and replace the fill, and keeps
    // what it did as one undo step. Nested calls make part of the outer step.
    void toplu_degistir(const QString& ad, const std::function<void()>& islem);
    // Replaces the fill: inside toplu_degistir, or before the history starts.
    void dolgu_ata(Dolgu dolgu);
    // One slot's clue as one undo step. Refused while locked or for a slot
    // the fill does not have.
    bool soru_degistir(int yer, std::string soru);

    // While a solve run works on the grid, nothing is edited or undone.
    void kilitle(bool kilitli);
    bool kilitli() const { return kilitli_; }

    // Changes that no puzzle file holds.
    bool degisti() const { return !yigin_.isClean(); }
    // The template was saved: a puzzle that is nothing but its template has
    // nothing left unsaved.
    void sablon_saklandi();

  signals:
    void dolgu_yenilendi();
    void soru_degisti(int yer);
    void kilit_degisti(bool kilitli);

  private:
    friend class Hucre_Komutu;
    friend class Durum_Komutu;
    friend class Soru_Komutu;

    void hucreyi_yaz(int satir, int sutun, Bulmaca_Hucresi h);
    void durumu_yukle(const Bulmaca& b);
    void soruyu_yaz(int yer, const std::string& soru);

    Izgara& izgara_;
    Dolgu dolgu_;
    QUndoStack yigin_;
    bool kilitli_ = false;
    int toplu_derinlik_ = 0;
};

}  // namespace velzora
