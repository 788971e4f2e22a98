#include "sozluk_yukleyici.h"

#include "dosya_yolu.h"
#include "uygulama.h"

namespace velzora {
namespace {

constexpr char DOSYA_BULUNAMADI[] = "Dosya bulunamadı";
constexpr char SOZLUK_AC[] = "Sözlük Aç";
constexpr char SOZLUK_FILTRESI[] = "Sözlük Dosyaları (*.txt)|*.txt";
constexpr char CIKILSIN_MI[] =
    "Sözlük yüklenemedi. Sözlük olmadan bulmaca çözülemez.\n"
    "Programdan çıkmak istiyor musunuz?";

constexpr char ATLANAN_SATIRLAR[] =
    "Sözlükte %1 satır atlandı (%2): %3 satırın ilk 20 karakterinde iki nokta yok, "
    "%4 satırda Windows-1254'te karşılığı olmayan karakter var.";
constexpr char WINDOWS_1254[] = "Windows-1254";
constexpr char UTF8[] = "UTF-8";

// Cancelled choosers in a row before leaving is offered.
constexpr int VAZGECME_SINIRI = 2;

}  // namespace

QString atlanan_satir_notu(const Okuma_Raporu& rapor) {
    if (rapor.atlanan() == 0)
        return {};
    return QString::fromUtf8(ATLANAN_SATIRLAR)
        .arg(rapor.atlanan())
        .arg(QString::fromLatin1(rapor.kodlama == Sozluk_Kodlamasi::Windows_1254 ? WINDOWS_1254
                                                                                 : UTF8))
        .arg(rapor.ayiracsiz_satir)
        .arg(rapor.donusmeyen_satir);
}

bool sozluk_sec(QString& Sozluk_Yolu, Etkilesim& etkilesim, QWidget* sahip,
                const QString& baslangic_klasoru) {
    Dosya_Istegi istek;
    istek.tur = Dosya_Istegi::Tur::Ac;
    istek.baslik = QString::fromUtf8(SOZLUK_AC);
    istek.filtre = QString::fromUtf8(SOZLUK_FILTRESI);
    istek.varsayilan_uzanti = QStringLiteral("txt");
    istek.baslangic_klasoru = baslangic_klasoru;
    const QString secilen = etkilesim.dosya_sor(sahip, istek);
    if (secilen.isEmpty())
        return false;
    Sozluk_Yolu = secilen;
    return true;
}

Sozluk_Sonucu sozluk_oku(Sozluk& sozluk, QString& Sozluk_Yolu, Etkilesim& etkilesim, QWidget* sahip,
                         const QString& baslangic_klasoru) {
    int vazgecme = 0;
    for (;;) {
        if (!Sozluk_Yolu.isEmpty() && sozluk.oku(dosya_yolu(Sozluk_Yolu)) == Sozluk_Hatasi::Yok)
            return Sozluk_Sonucu::Yuklendi;
        etkilesim.mesaj(sahip, QString::fromUtf8(DOSYA_BULUNAMADI));
        if (sozluk_sec(Sozluk_Yolu, etkilesim, sahip, baslangic_klasoru)) {
            vazgecme = 0;
            continue;
        }
        if (++vazgecme < VAZGECME_SINIRI)
            continue;
        vazgecme = 0;
        if (etkilesim.soru(sahip, QString::fromUtf8(UYGULAMA_ADI), QString::fromUtf8(CIKILSIN_MI)))
            return Sozluk_Sonucu::Cikis_Istendi;
    }
}

}  // namespace velzora
