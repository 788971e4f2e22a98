// The word store: dictionary entries (word and clue, Windows-1254 bytes) in
// file order, numbered from 1, duplicates kept. Loaded from a text file of
// "WORD:clue" lines in Windows-1254 or, as other tools write them, UTF-8.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "ortak/dosya_islemleri.h"

namespace velzora {

inline constexpr int EN_COK_KAYIT = 32767;
// Only a colon among a line's first 20 characters separates word and clue.
inline constexpr std::size_t AYIRAC_ALANI = 20;
// A full store of 32,767 entries takes about 3 MB; this leaves room for long clues.
inline constexpr std::size_t EN_BUYUK_SOZLUK = std::size_t{16} << 20;

enum class Sozluk_Hatasi {
    Yok,
    Acilamadi,       // missing, unreadable, no regular file, over EN_BUYUK_SOZLUK
    Bos_Dosya,       // zero bytes
    Cok_Fazla_Kayit  // more than EN_COK_KAYIT entries
};

enum class Sozluk_Kodlamasi {
    Windows_1254,
    Utf8,
    Utf8_Bom  // UTF-8 behind a byte-order mark
};

// What a load read and what it passed over.
struct Okuma_Raporu {
    Sozluk_Kodlamasi kodlama = Sozluk_Kodlamasi::Windows_1254;
    int bos_satir = 0;         // empty, or blanks only
    int ayiracsiz_satir = 0;   // no colon among the first 20 characters
    int donusmeyen_satir = 0;  // UTF-8 only: a character Windows-1254 cannot hold
    // Lines with text that gave no entry.
    int atlanan() const { return ayiracsiz_satir + donusmeyen_satir; }
};

class Sozluk {
  public:
    int Kelime_Sayisi() const { return static_cast<int>(kayitlar_.size()); }
    // 1 <= i <= Kelime_Sayisi().
    std::string_view Kelime(int i) const { return parca(kayitlar_[i - 1].kelime); }
    std::string_view Soru(int i) const { return parca(kayitlar_[i - 1].soru); }

    // Replaces the store with the file's entries. On failure the store keeps
    // what it held; when the file itself failed (Acilamadi), `dosya` says why.
    Sozluk_Hatasi oku(const std::filesystem::path& Sozluk_Yolu, Dosya_Sonucu* dosya = nullptr);
    // UTF-8 is told apart by a byte-order mark, or by multi-byte sequences
    // that outnumber the bytes no UTF-8 text holds (Turkish Windows-1254 text
    // almost never forms one). Either way positions count characters.
    Sozluk_Hatasi cozumle(std::string icerik);
    // The last successful load's.
    const Okuma_Raporu& rapor() const { return rapor_; }

  private:
    struct Parca {
        std::uint32_t bas;
        std::uint32_t uzunluk;
    };
    struct Kayit {
        Parca kelime;
        Parca soru;
    };
    std::string_view parca(Parca p) const {
        return std::string_view(veri_).substr(p.bas, p.uzunluk);
    }

    // The file's bytes; entries point into them, so copies stay valid.
    std::string veri_;
    std::vector<Kayit> kayitlar_;
    Okuma_Raporu rapor_;
};

}  // namespace velzora
