// The word store: dictionary entries (word and clue, Windows-1254 bytes) in
// file order, numbered from 1, duplicates kept. Loaded from a text file of
// "WORD:clue" lines.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velzora {

inline constexpr int EN_COK_KAYIT = 32767;
// Only a colon among a line's first 20 characters separates word and clue.
inline constexpr std::size_t AYIRAC_ALANI = 20;

enum class Sozluk_Hatasi {
    Yok,
    Acilamadi,       // missing, a folder, unreadable
    Bos_Dosya,       // zero bytes
    Cok_Fazla_Kayit  // more than EN_COK_KAYIT entries
};

class Sozluk {
  public:
    int Kelime_Sayisi() const { return static_cast<int>(kayitlar_.size()); }
    // 1 <= i <= Kelime_Sayisi().
    std::string_view Kelime(int i) const { return parca(kayitlar_[i - 1].kelime); }
    std::string_view Soru(int i) const { return parca(kayitlar_[i - 1].soru); }

    // Replaces the store with the file's entries. On failure the store keeps
    // what it held.
    Sozluk_Hatasi oku(const std::filesystem::path& Sozluk_Yolu);
    Sozluk_Hatasi cozumle(std::string icerik);

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
};

}  // namespace velzora
