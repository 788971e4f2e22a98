// Reading a WordNet XML file (SYNSET elements holding LITERALs with their
// SENSE numbers, a POS, a DEF, links ILR and WIKI) into plain records; text
// stays UTF-8.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace velzora::sozluk_yapici {

struct Wordnet_Sozcugu {
    std::string metin;  // as written, blanks at either end removed
    int anlam_no = 1;   // the literal's sense number; 1 is its most common sense
};

struct Anlam_Kumesi {
    std::vector<Wordnet_Sozcugu> sozcukler;
    std::string tanim;
    char tur = 0;                      // part of speech: n, v, a (adjective), b (adverb)...
    bool ingilizce_karsiligi = false;  // linked to the English WordNet (ILR)
    bool ansiklopedi_maddesi = false;  // has an encyclopaedia article (WIKI)
};

struct Wordnet_Okuma {
    std::vector<Anlam_Kumesi> kumeler;  // in file order
    std::string hata;                   // empty on success
};

Wordnet_Okuma wordnet_oku(const std::filesystem::path& yol);

}  // namespace velzora::sozluk_yapici
