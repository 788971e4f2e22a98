// Entries a Turkish puzzle clues by convention, recognised from the WordNet's
// own data: Latin scientific names (left out), abbreviations, chemical
// symbols, Roman numerals and Turkish districts and provinces.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "wordnet_okuma.h"

namespace velzora::sozluk_yapici {

// True when `yazilis`, a literal of `kume` as written, is a Latin scientific
// name: a capitalised literal that the synset also lists with its rank
// ("Accipitridae familyası"), or that ends like a family, order or division.
bool latince_ad_mi(const Anlam_Kumesi& kume, std::string_view yazilis);

// True when `yazilis` is written as an abbreviation or symbol (TV, kg, Ar):
// in capitals, without a vowel, or a capital and at most one more letter.
bool kisaltma_yazilisi_mi(std::string_view yazilis);

// The clue a designer expects for the word written `yazilis` in `kume`, in
// Windows-1254: "Sivil toplum kuruluşu (kısaltma)" for an abbreviation whose
// full form the synset lists, "Argon simgesi", "Romen rakamıyla dört",
// "Manisa ilçesi", "Ege Bölgesi'nde bir il". nullopt when none applies.
std::optional<std::string> geleneksel_ipucu(const Anlam_Kumesi& kume, std::string_view yazilis);

}  // namespace velzora::sozluk_yapici
