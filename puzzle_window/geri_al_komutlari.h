// The undo steps of the puzzle: one cell, a whole state before and after a
// larger change (random squares, a new layout, a solve run, an opened
// puzzle), and one clue.
#pragma once

#include <QUndoCommand>

#include "bulmaca/bulmaca.h"

namespace velzora {

class Bulmaca_Belgesi;

class Hucre_Komutu : public QUndoCommand {
  public:
    Hucre_Komutu(Bulmaca_Belgesi& belge, int satir, int sutun, Bulmaca_Hucresi eski,
                 Bulmaca_Hucresi yeni, const QString& ad);
    void undo() override;
    void redo() override;

  private:
    Bulmaca_Belgesi& belge_;
    int satir_;
    int sutun_;
    Bulmaca_Hucresi eski_;
    Bulmaca_Hucresi yeni_;
};

// Made after the change is done: its first redo does nothing.
class Durum_Komutu : public QUndoCommand {
  public:
    Durum_Komutu(Bulmaca_Belgesi& belge, Bulmaca once, Bulmaca sonra, const QString& ad);
    void undo() override;
    void redo() override;

  private:
    Bulmaca_Belgesi& belge_;
    Bulmaca once_;
    Bulmaca sonra_;
    bool yapildi_ = true;
};

class Soru_Komutu : public QUndoCommand {
  public:
    Soru_Komutu(Bulmaca_Belgesi& belge, int yer, std::string eski, std::string yeni,
                const QString& ad);
    void undo() override;
    void redo() override;

  private:
    Bulmaca_Belgesi& belge_;
    int yer_;
    std::string eski_;
    std::string yeni_;
};

}  // namespace velzora
