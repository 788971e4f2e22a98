// Builds the built-in dictionary file from a WordNet XML file, the dated
// word lists that rank its words and a Turkish speller's dictionary.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "madde_kurallari.h"
#include "madde_secimi.h"
#include "sozluk_raporu.h"

namespace velzora::sozluk_yapici {

struct Yapim_Ayarlari {
    std::filesystem::path wordnet;
    std::vector<std::filesystem::path> baskilar;
    int boyut = VARSAYILAN_BOYUT;
    std::filesystem::path cikti;
    // Hunspell's Turkish .dic (its .aff beside it); empty: only the word lists
    // and the letters tell which synonyms are Turkish.
    std::filesystem::path yazim_sozlugu;
};

struct Uzunluk_Sayisi {
    std::size_t bulunan = 0;  // words of this length with a usable clue
    std::size_t secilen = 0;  // of them, written to the dictionary
};

struct Yapim_Raporu {
    std::string hata;  // empty on success; the output is then written
    std::array<Uzunluk_Sayisi, EN_UZUN_KELIME + 1> uzunluklar{};
    std::size_t toplam = 0;
    std::array<std::size_t, IPUCU_TURU_SAYISI> ipucu_turleri{};  // of the entries written
    Sozluk_Raporu kalite;                                        // of the file written
};

Yapim_Raporu sozluk_yap(const Yapim_Ayarlari& ayarlar);

}  // namespace velzora::sozluk_yapici
