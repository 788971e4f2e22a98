// The whole units of meaning a WordNet definition can be shortened to. A
// Turkish definition ends in its head, the noun or verb that says what the
// thing is, so every unit keeps the end of a clause: a clue is never a prefix
// cut at a blank or a comma. Texts are Windows-1254.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velzora::sozluk_yapici {

// A definition that only points at another entry ("Bu ağacın yemişi": which
// tree?). Only for nouns, adjectives and verbs (WordNet parts of speech n, a,
// v); for adverbs and pronouns "Bu biçimde" is the meaning itself.
bool gonderme_mi(std::string_view tanim, char tur);

// Quotation marks and parentheses come in pairs: a unit never splits them.
bool butun_mu(std::string_view metin);

// The clauses of a definition, between semicolons, colons and sentence ends,
// in order, each starting with a capital. Empty when there is only one.
std::vector<std::string> yan_cumleler(std::string_view tanim);

// Shorter forms of one clause that keep its head, longest first: leading
// modifiers dropped at a comma. A bare head of a broad class ("Kimse", "Bir
// araç") says too little and is never one of them.
std::vector<std::string> basi_koruyan_kisaltmalar(std::string_view yan_cumle);

// The head's own short phrase, the leading relative clause dropped after its
// participle ("... kan dağıtan büyük atardamar" -> "Büyük atardamar"); nullopt
// where that leaves a phrase that depended on what was dropped.
std::optional<std::string> bas_obegi(std::string_view yan_cumle);

}  // namespace velzora::sozluk_yapici
