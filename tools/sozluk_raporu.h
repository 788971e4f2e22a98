// The quality report of a built dictionary: entries by word length, clue
// lengths, and how many clues are synonyms or give the answer away.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "sozluk/sozluk.h"
#include "wordnet_okuma.h"

namespace velzora::sozluk_yapici {

// For each dictionary word, the karsilastirma_bicimi() of every other literal
// of its synsets: what a synonym clue reads.
using Es_Anlamlilar = std::unordered_map<std::string, std::unordered_set<std::string>>;
Es_Anlamlilar es_anlamlilari_topla(const std::vector<Anlam_Kumesi>& kumeler);

struct Sozluk_Raporu {
    std::size_t kayit = 0;
    std::map<std::size_t, std::size_t> uzunluklar;  // word length -> entries
    // Clue lengths in characters, nearest-rank percentiles.
    std::size_t medyan = 0;
    std::size_t yuzde_95 = 0;
    std::size_t en_uzun = 0;
    std::size_t uzun = 0;                   // clues longer than UZUN_IPUCU
    std::optional<std::size_t> es_anlamli;  // unknown without the WordNet
    std::size_t cevabi_veren = 0;           // cevabi_veriyor()
};

// `es` may be null: the synonym count is then unknown.
Sozluk_Raporu sozluk_raporu(const Sozluk& sozluk, const Es_Anlamlilar* es);

// The report as the lines velzora-sozluk-yap prints (UTF-8).
std::string rapor_metni(const Sozluk_Raporu& r);

}  // namespace velzora::sozluk_yapici
