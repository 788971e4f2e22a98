// From WordNet records to dictionary entries: one entry per word with the
// clue of its most common usable sense, and the rule that chooses which
// entries the built-in dictionary keeps.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "ipucu_secimi.h"
#include "sozcuk_listesi.h"
#include "wordnet_okuma.h"

namespace velzora::sozluk_yapici {

struct Madde {
    std::string kelime;  // Turkish capitals, Windows-1254
    std::string ipucu;   // Windows-1254
    Ipucu_Turu ipucu_turu = Ipucu_Turu::Tanim;
    bool cevabi_veriyor = false;       // the clue shares the answer's stem
    int baski_sayisi = 0;              // how many of the dated word lists list the word
    int anlam_sayisi = 0;              // how many senses the WordNet gives the word
    bool ingilizce_karsiligi = false;  // a sense is linked to the English WordNet
    bool ansiklopedi_maddesi = false;  // a sense has an encyclopaedia article
};

// How much a puzzle designer would want the word: words long in the
// dictionary, general concepts and words of many senses are the ones solvers
// know. The number of dated word lists listing it, counted up to 5 (the lists
// have gaps, and being in all of them favours old loanwords), +2 when linked to
// the English WordNet, +2 with an encyclopaedia article, + its number of
// senses up to 4.
int istek_puani(const Madde& m);

// Every word of the WordNet that has a usable clue, once, in Turkish
// alphabetical order, with the clue ipucu_sec() chooses among its senses, most
// common first (lowest sense number, then file order); `turkce` tells which
// synonyms may be clues.
std::vector<Madde> maddeleri_topla(const std::vector<Anlam_Kumesi>& kumeler,
                                   const std::vector<Sozcuk_Listesi>& baskilar,
                                   const Turkce_Sozcuk& turkce);

// Leaves room under the loader's 32,767 for a user's own words.
inline constexpr int VARSAYILAN_BOYUT = 32000;

// Lengths whose every word is kept: few words exist there, and a slot length
// without words makes every grid that has one unsolvable.
bool korunan_uzunluk(std::size_t uzunluk);

// A clue kept only where the word is scarce: it gives the answer away or is
// longer than UZUN_IPUCU.
bool zayif_ipucu(const Madde& m);

// Of `boyut`, the share in percent that entries with a weak clue may take.
// Kept small: they take room from the words of 5 to 10 letters that the
// built-in templates are filled with.
inline constexpr int ZAYIF_IPUCU_PAYI = 2;

// Keeps at most `boyut` entries (never more than the loader takes): every word
// of a protected length whose clue is not weak, and of each other length a
// share of the remaining room proportional to how many such words it has,
// taking the words of the highest istek_puani() first; among equals a fixed
// hash of the word decides, so that no part of the alphabet is favoured.
// Words with a weak clue come only from the protected lengths, within
// ZAYIF_IPUCU_PAYI percent of `boyut`, shared out the same way; so do words
// clued by a bare head phrase (Ipucu_Turu::Bas_Obegi), without a limit. When the
// protected lengths alone do not fit, they are shared out too. The result is
// in Turkish alphabetical order.
std::vector<Madde> maddeleri_sec(std::vector<Madde> maddeler, int boyut);

// Shares `butce` among groups of the given sizes in proportion to their size
// (largest remainders get the odd units); a group never gets more than it has.
std::vector<std::size_t> paylastir(const std::vector<std::size_t>& adetler, std::size_t butce);

// The dictionary file: "WORD:clue" lines ending in CR LF.
std::string sozluk_metni(const std::vector<Madde>& maddeler);

// Turkish alphabetical order of two words in Turkish capitals.
bool turkce_once_mi(const std::string& a, const std::string& b);

}  // namespace velzora::sozluk_yapici
