// One word list of a Turkish lexicon ("word CLASS CLASS ..." per line, UTF-8),
// asked whether it lists a dictionary word as a common word.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>

namespace velzora::sozluk_yapici {

class Sozcuk_Listesi {
  public:
    // False when the file cannot be read.
    bool oku(const std::filesystem::path& yol);
    void cozumle(std::string_view icerik);

    // True when the list has `kelime` (Turkish capitals, Windows-1254) with a
    // class other than proper name or abbreviation, or, for a verb in its
    // dictionary form (-MEK, -MAK), has its stem as a verb.
    bool listeler_mi(std::string_view kelime) const;

    std::size_t boyut() const { return siniflar_.size(); }

  private:
    enum Sinif : std::uint8_t { ORTAK = 1, FIIL = 2 };
    std::unordered_map<std::string, std::uint8_t> siniflar_;
};

}  // namespace velzora::sozluk_yapici
