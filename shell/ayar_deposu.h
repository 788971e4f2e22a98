// The settings store: application "Velzora", section "Settings", the eight
// keys of the placement and the four options, and the restart-search choice.
// Every value is kept as text; numbers and flags are converted the same way
// in both directions. A stored number or flag that cannot be converted reads
// as its own default, and the store remembers the key, so that shut-down
// does not write the stand-in over what the user has there.
#pragma once

#include <QString>

#include <optional>
#include <set>
#include <string>

namespace velzora {

namespace ayar {
inline constexpr char MainLeft[] = "MainLeft";
inline constexpr char MainTop[] = "MainTop";
inline constexpr char MainWidth[] = "MainWidth";
inline constexpr char MainHeight[] = "MainHeight";
inline constexpr char SOZ[] = "SOZ";
inline constexpr char SAB[] = "SAB";
inline constexpr char SKO[] = "SKO";
inline constexpr char TEK[] = "TEK";
// Whether a solve run uses the restart search.
inline constexpr char AKL[] = "AKL";

// Placement in twips.
inline constexpr float VARSAYILAN_SOL = 1000;
inline constexpr float VARSAYILAN_UST = 1000;
inline constexpr float VARSAYILAN_GENISLIK = 6500;
inline constexpr float VARSAYILAN_YUKSEKLIK = 6500;
inline constexpr float VARSAYILAN_ORAN = 0.17f;
inline constexpr bool VARSAYILAN_TEKRAR = false;
inline constexpr bool VARSAYILAN_AKILLI = false;
}  // namespace ayar

// Decimal text with "." as the point, blanks around it allowed; nothing else.
std::optional<float> tek_duyarlikli(const QString& metin);
// "true" or "false" in any case, or a number (non-zero is true).
std::optional<bool> mantiksal(const QString& metin);
// The shortest text that reads back as the same single-precision number.
QString sayi_metni(float deger);
QString mantik_metni(bool deger);

class Ayar_Deposu {
  public:
    // The default dictionary and template are the built-in ones in the data folder.
    explicit Ayar_Deposu(const QString& veri_dizini);

    QString varsayilan_sozluk() const { return varsayilan_sozluk_; }
    QString varsayilan_sablon() const { return varsayilan_sablon_; }

    QString oku(const char* anahtar, const QString& varsayilan) const;
    float sayi_oku(const char* anahtar, float varsayilan);
    bool mantik_oku(const char* anahtar, bool varsayilan);

    // A write makes the key's value readable again.
    void yaz(const char* anahtar, const QString& deger);
    void sayi_yaz(const char* anahtar, float deger) { yaz(anahtar, sayi_metni(deger)); }
    void mantik_yaz(const char* anahtar, bool deger) { yaz(anahtar, mantik_metni(deger)); }

    // Shut-down's writes: a key whose stored value could not be read, and was
    // not written since, keeps it.
    void sayi_sakla(const char* anahtar, float deger);
    void mantik_sakla(const char* anahtar, bool deger);
    bool okunamadi(const char* anahtar) const { return okunamayan_.contains(anahtar); }

  private:
    QString varsayilan_sozluk_;
    QString varsayilan_sablon_;
    std::set<std::string, std::less<>> okunamayan_;
};

}  // namespace velzora
