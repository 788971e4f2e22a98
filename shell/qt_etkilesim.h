// The real dialogs: Qt message boxes, Qt's own file dialog (so that titles,
// filters, default extension and options are the same on every desktop) and
// the size dialog. The file dialog offers the name last chosen in it, as one
// dialog shared by every command.
#pragma once

#include "etkilesim.h"

namespace velzora {

// "desc|pattern|desc|pattern" as Qt's name filters "desc (pattern);;...".
// A description that is only its pattern is shown as it stands.
QString qt_filtresi(const QString& filtre);

class Qt_Etkilesim final : public Etkilesim {
  public:
    void mesaj(QWidget* sahip, const QString& metin) override;
    bool soru(QWidget* sahip, const QString& baslik, const QString& metin) override;
    Kayit_Yaniti kaydetsin_mi(QWidget* sahip, const QString& metin) override;
    bool calisma_sorusu(QWidget* sahip, const QString& baslik, const QString& metin) override;
    QString dosya_sor(QWidget* sahip, const Dosya_Istegi& istek) override;
    std::optional<Ebat> ebat_sor(QWidget* sahip, Ebat baslangic) override;

  private:
    QString son_dosya_;
};

}  // namespace velzora
