// Everything that asks the user and waits for the answer: message boxes, the
// main window's file dialog and the size dialog. The program shows the real
// dialogs (Qt_Etkilesim); tests answer in their place.
#pragma once

#include <QString>

#include <optional>

#include "ebat_frm.h"

class QWidget;

namespace velzora {

struct Dosya_Istegi {
    enum class Tur { Ac, Sakla };
    Tur tur = Tur::Ac;
    QString baslik;
    // Pairs of description and pattern, separated by "|": "Şablonlar (sab*.txt)|sab*.txt".
    QString filtre;
    // Added to a name typed without an extension.
    QString varsayilan_uzanti;
    // Where the dialog opens when it has no file name from an earlier use.
    QString baslangic_klasoru;
    // Opening only: the chosen file must exist. The folder must always exist,
    // and saving over an existing file always asks first.
    bool dosya_var_olmali = true;
    // Saving: a folder whose files are never offered as the target (the
    // built-in data); the name last chosen is offered in `baslangic_klasoru`.
    QString korunan_klasor{};
};

// The answer to whether unsaved changes should be saved first.
enum class Kayit_Yaniti { Kaydet, Kaydetme, Iptal };

class Etkilesim {
  public:
    virtual ~Etkilesim() = default;

    // A message with an OK button and the program's title as caption.
    virtual void mesaj(QWidget* sahip, const QString& metin) = 0;
    // A question with Yes and No, No being the default; true for Yes.
    virtual bool soru(QWidget* sahip, const QString& baslik, const QString& metin) = 0;
    // Kaydet, Kaydetme and İptal, Kaydet being the default and Escape İptal.
    virtual Kayit_Yaniti kaydetsin_mi(QWidget* sahip, const QString& metin) = 0;
    // The same question asked while a solve run waits for the answer: the
    // other windows stay open to the user meanwhile, so that closing the
    // main window is heard and honoured once the question is answered.
    virtual bool calisma_sorusu(QWidget* sahip, const QString& baslik, const QString& metin) {
        return soru(sahip, baslik, metin);
    }
    // The chosen file's full path; empty when the user cancelled.
    virtual QString dosya_sor(QWidget* sahip, const Dosya_Istegi& istek) = 0;
    // The size typed into the size dialog; nullopt when it was closed by its close box.
    virtual std::optional<Ebat> ebat_sor(QWidget* sahip, Ebat baslangic) = 0;
};

}  // namespace velzora
