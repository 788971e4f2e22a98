#include "ayar_deposu.h"

#include <QDir>
#include <QSettings>

#include <charconv>
#include <cmath>
#include <string>

#include "uygulama.h"

namespace velzora {
namespace {

constexpr char BOLUM[] = "Settings";

// Opened afresh for every access, so that nothing is cached between a write
// and another window's read.
class Bolum {
  public:
    Bolum()
        : ayarlar_(QSettings::IniFormat, QSettings::UserScope, QString::fromUtf8(UYGULAMA_ADI),
                   QString::fromUtf8(UYGULAMA_ADI)) {
        ayarlar_.beginGroup(QString::fromUtf8(BOLUM));
    }
    QSettings* operator->() { return &ayarlar_; }

  private:
    QSettings ayarlar_;
};

}  // namespace

std::optional<float> tek_duyarlikli(const QString& metin) {
    const std::string s = metin.trimmed().toStdString();
    float deger = 0;
    const char* son = s.data() + s.size();
    const auto [kalan, hata] = std::from_chars(s.data(), son, deger, std::chars_format::general);
    if (s.empty() || hata != std::errc() || kalan != son || !std::isfinite(deger))
        return std::nullopt;
    return deger;
}

std::optional<bool> mantiksal(const QString& metin) {
    const QString s = metin.trimmed();
    if (s.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (s.compare(QStringLiteral("false"), Qt::CaseInsensitive) == 0)
        return false;
    if (const auto sayi = tek_duyarlikli(s))
        return *sayi != 0;
    return std::nullopt;
}

QString sayi_metni(float deger) {
    char tampon[32];
    const auto [son, hata] = std::to_chars(tampon, tampon + sizeof tampon, deger);
    return hata == std::errc() ? QString::fromLatin1(tampon, son - tampon) : QString();
}

QString mantik_metni(bool deger) {
    return deger ? QStringLiteral("true") : QStringLiteral("false");
}

Ayar_Deposu::Ayar_Deposu(const QString& veri_dizini)
    : varsayilan_sozluk_(QDir::toNativeSeparators(veri_dizini + QStringLiteral("/sozluk.txt"))),
      varsayilan_sablon_(QDir::toNativeSeparators(veri_dizini + QStringLiteral("/sablon01.txt"))) {}

QString Ayar_Deposu::oku(const char* anahtar, const QString& varsayilan) const {
    const QVariant deger = Bolum()->value(QString::fromLatin1(anahtar));
    if (!deger.isValid())
        return varsayilan;
    // A hand-edited value with commas comes back as a list; it was one text.
    if (deger.typeId() == QMetaType::QStringList)
        return deger.toStringList().join(QStringLiteral(", "));
    return deger.toString();
}

float Ayar_Deposu::sayi_oku(const char* anahtar, float varsayilan) {
    const auto deger = tek_duyarlikli(oku(anahtar, sayi_metni(varsayilan)));
    if (!deger)
        okunamayan_.emplace(anahtar);
    return deger.value_or(varsayilan);
}

bool Ayar_Deposu::mantik_oku(const char* anahtar, bool varsayilan) {
    const auto deger = mantiksal(oku(anahtar, mantik_metni(varsayilan)));
    if (!deger)
        okunamayan_.emplace(anahtar);
    return deger.value_or(varsayilan);
}

void Ayar_Deposu::yaz(const char* anahtar, const QString& deger) {
    Bolum bolum;
    bolum->setValue(QString::fromLatin1(anahtar), deger);
    bolum->sync();
    if (const auto k = okunamayan_.find(std::string_view(anahtar)); k != okunamayan_.end())
        okunamayan_.erase(k);
}

void Ayar_Deposu::sayi_sakla(const char* anahtar, float deger) {
    if (!okunamadi(anahtar))
        sayi_yaz(anahtar, deger);
}

void Ayar_Deposu::mantik_sakla(const char* anahtar, bool deger) {
    if (!okunamadi(anahtar))
        mantik_yaz(anahtar, deger);
}

}  // namespace velzora
