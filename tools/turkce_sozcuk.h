// Whether a WordNet literal is Turkish and so may be printed as a clue: the
// Turkish WordNet lists English words and Latin names among a synset's
// literals ("ergenlik, yeniyetmelik, ..., teenage").
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "sozcuk_listesi.h"

class Hunspell;

namespace velzora::sozluk_yapici {

class Turkce_Sozcuk {
  public:
    // `baskilar` is read on every question: it must outlive this object.
    explicit Turkce_Sozcuk(const std::vector<Sozcuk_Listesi>& baskilar);
    ~Turkce_Sozcuk();
    Turkce_Sozcuk(const Turkce_Sozcuk&) = delete;
    Turkce_Sozcuk& operator=(const Turkce_Sozcuk&) = delete;

    // Opens a Turkish Hunspell dictionary: `dic` and the .aff beside it.
    // False when either cannot be read.
    bool yazim_sozlugu_ac(const std::filesystem::path& dic);

    // True when `literal` (UTF-8) has words and every word of it is Turkish:
    // without q, w and x, and with a letter that only Turkish writes (ç, ğ,
    // ı, ö, ş, ü, İ), or known to the speller (circumflexes dropped), or,
    // written small, listed by the dated word lists as a common word (they
    // also list foreign names such as "greece", capitalised in the WordNet).
    bool operator()(std::string_view literal) const;

    // True when a definition (UTF-8) reads as Turkish: it has a letter only
    // Turkish writes, is a single word, or at least half of its words are
    // Turkish as above. Some synsets carry the English WordNet's gloss
    // ("French novelist", "A city in northern Illinois").
    bool metin_mi(std::string_view metin) const;

  private:
    bool sozcuk_mu(std::string_view sozcuk) const;
    bool sakli_sozcuk_mu(const std::string& sozcuk) const;

    const std::vector<Sozcuk_Listesi>& baskilar_;
    std::unique_ptr<Hunspell> yazim_;
    mutable std::unordered_map<std::string, bool> yanitlar_;  // per word, asked before
};

}  // namespace velzora::sozluk_yapici
