#include "baslangic_denetimi.h"

#include <QApplication>
#include <QTimer>

#include <cstdlib>
#include <iostream>

#include "ana_form.h"

namespace velzora {
namespace {

constexpr char HAZIR[] = "Başlangıç tamamlandı; program komut bekliyor.";
constexpr char TAMAMLANAMADI[] = "Başlangıç kullanıcıya sormadan tamamlanamadı.";
constexpr char VERI[] = "Veri klasörü: %1";
constexpr char SOZLUK[] = "Sözlük: %1 (%2 kelime)";
constexpr char SABLON[] = "Şablon: %1";
constexpr char YARDIM[] = "Yardım: %1";
constexpr char GOSTERILECEKTI[] = "Gösterilecekti: %1";
constexpr char EBAT_SORUSU[] = "yeni şablonun ebatları";

QString metin(const char* bicim) {
    return QString::fromUtf8(bicim);
}

void yaz(std::ostream& akis, const QString& satir) {
    akis << satir.toStdString() << std::endl;
}

// Answers as a user who cancels every dialog and, offered to leave, leaves;
// notes each on standard error.
class Sormayan_Etkilesim final : public Etkilesim {
  public:
    void mesaj(QWidget*, const QString& ileti) override { not_al(ileti); }
    bool soru(QWidget*, const QString&, const QString& ileti) override {
        not_al(ileti);
        return true;
    }
    Kayit_Yaniti kaydetsin_mi(QWidget*, const QString& ileti) override {
        not_al(ileti);
        return Kayit_Yaniti::Iptal;
    }
    QString dosya_sor(QWidget*, const Dosya_Istegi& istek) override {
        not_al(istek.baslik);
        return {};
    }
    std::optional<Ebat> ebat_sor(QWidget*, Ebat) override {
        not_al(metin(EBAT_SORUSU));
        return std::nullopt;
    }
    bool soruldu() const { return soruldu_; }

  private:
    void not_al(const QString& ileti) {
        soruldu_ = true;
        yaz(std::cerr, metin(GOSTERILECEKTI).arg(ileti));
    }
    bool soruldu_ = false;
};

}  // namespace

int baslangici_denetle(Dizinler dizinler) {
    Sormayan_Etkilesim etkilesim;
    Ana_Form ana(etkilesim, std::move(dizinler));
    if (ana.MDIForm_Load() != Baslangic_Sonucu::Devam || etkilesim.soruldu()) {
        yaz(std::cerr, metin(TAMAMLANAMADI));
        return EXIT_FAILURE;
    }
    // Reported from the event loop, where the program waits for commands
    // with its windows shown.
    QTimer::singleShot(0, &ana, [&ana] {
        const Program_Durumu& d = ana.durum();
        yaz(std::cout, metin(HAZIR));
        yaz(std::cout, metin(VERI).arg(ana.dizinler().veri));
        yaz(std::cout, metin(SOZLUK).arg(d.Sozluk_Yolu, QString::number(d.Sozluk.Kelime_Sayisi())));
        yaz(std::cout, metin(SABLON).arg(d.Sablon_Yolu));
        yaz(std::cout, metin(YARDIM).arg(ana.dizinler().yardim));
        QCoreApplication::exit(EXIT_SUCCESS);
    });
    return QApplication::exec();
}

}  // namespace velzora
