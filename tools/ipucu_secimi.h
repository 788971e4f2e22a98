// Choosing a word's clue among its WordNet senses. Candidates, in order of
// preference: the form a designer expects (geleneksel_ipucu), the whole
// definition, a short Turkish synonym from the same synset, a whole clause of the
// definition, then the same from the word's other senses, then a definition
// shortened keeping its head, and last the head's own phrase. The first that
// fits its length class wins; one that gives the answer away only where
// nothing else fits at all.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "turkce_sozcuk.h"
#include "wordnet_okuma.h"

namespace velzora::sozluk_yapici {

enum class Ipucu_Turu {
    Geleneksel,
    Tanim,
    Es_Anlamli,
    Yan_Cumle,
    Diger_Anlam,
    Basi_Korunan,  // leading modifiers dropped at a comma
    Bas_Obegi      // only the head's phrase: true, but says less
};
inline constexpr std::size_t IPUCU_TURU_SAYISI = 7;

struct Ipucu {
    std::string metin;  // Windows-1254
    Ipucu_Turu tur = Ipucu_Turu::Tanim;
    bool cevabi_veriyor = false;  // shares the answer's stem (cevabi_veriyor())
};

// One sense of a word: its synset and how the synset writes the word.
struct Kelime_Anlami {
    const Anlam_Kumesi* kume = nullptr;
    std::string_view yazilis;  // UTF-8
};

// Synonyms longer than this make no short clue.
inline constexpr std::size_t EN_UZUN_ES_ANLAMLI = 25;

// `kelime` in Turkish capitals (Windows-1254), its senses most common first.
// nullopt when no sense gives a clue of at most EN_UZUN_IPUCU characters, or
// every sense is a Latin scientific name. A synonym is a clue only where
// `turkce` finds it Turkish.
std::optional<Ipucu> ipucu_sec(std::string_view kelime, const std::vector<Kelime_Anlami>& anlamlar,
                               const Turkce_Sozcuk& turkce);

}  // namespace velzora::sozluk_yapici
