// velzora-sozluk-yap: builds the built-in dictionary from the Turkish WordNet
// and prints how many words of each length it found and kept and the quality
// of their clues; with --rapor, prints the quality of a dictionary file.
#include <array>
#include <charconv>
#include <iostream>
#include <string_view>

#include "sozluk_yapimi.h"

namespace {

constexpr int CIKIS_TAMAM = 0;
constexpr int CIKIS_BASARISIZ = 1;
constexpr int CIKIS_HATALI_GIRDI = 2;

// The kinds of clue in the order of Ipucu_Turu.
constexpr std::array<std::string_view, velzora::sozluk_yapici::IPUCU_TURU_SAYISI> IPUCU_TURLERI = {
    "geleneksel biçim",      "tanım",    "eş anlamlı", "yan cümle", "başka anlam",
    "başı korunan kısaltma", "baş öbeği"};

constexpr std::string_view KULLANIM =
    "Kullanım: velzora-sozluk-yap --wordnet XML [--edition LİSTE]... [--hunspell DİC] [--size N]\n"
    "                             --out DOSYA\n"
    "          velzora-sozluk-yap --rapor SÖZLÜK [--wordnet XML]\n";

int rapor_ver(const std::filesystem::path& sozluk_yolu, const std::filesystem::path& wordnet) {
    using namespace velzora::sozluk_yapici;
    velzora::Sozluk sozluk;
    if (sozluk.oku(sozluk_yolu) != velzora::Sozluk_Hatasi::Yok) {
        std::cerr << "velzora-sozluk-yap: " << sozluk_yolu.string() << ": okunamadı\n";
        return CIKIS_BASARISIZ;
    }
    std::optional<Es_Anlamlilar> es;
    if (!wordnet.empty()) {
        const auto w = wordnet_oku(wordnet);
        if (!w.hata.empty()) {
            std::cerr << "velzora-sozluk-yap: " << w.hata << "\n";
            return CIKIS_BASARISIZ;
        }
        es = es_anlamlilari_topla(w.kumeler);
    }
    std::cout << rapor_metni(sozluk_raporu(sozluk, es ? &*es : nullptr));
    return CIKIS_TAMAM;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace velzora::sozluk_yapici;
    Yapim_Ayarlari ayarlar;
    std::filesystem::path raporlanacak;
    for (int i = 1; i < argc; ++i) {
        const std::string_view secenek = argv[i];
        if (i + 1 >= argc) {
            std::cerr << KULLANIM;
            return CIKIS_HATALI_GIRDI;
        }
        const char* deger = argv[++i];
        if (secenek == "--wordnet") {
            ayarlar.wordnet = deger;
        } else if (secenek == "--edition") {
            ayarlar.baskilar.emplace_back(deger);
        } else if (secenek == "--hunspell") {
            ayarlar.yazim_sozlugu = deger;
        } else if (secenek == "--out") {
            ayarlar.cikti = deger;
        } else if (secenek == "--rapor") {
            raporlanacak = deger;
        } else if (secenek == "--size") {
            const std::string_view d = deger;
            const auto [son, hata] = std::from_chars(d.data(), d.data() + d.size(), ayarlar.boyut);
            if (hata != std::errc() || son != d.data() + d.size() || ayarlar.boyut < 0) {
                std::cerr << "velzora-sozluk-yap: geçersiz --size: " << d << "\n";
                return CIKIS_HATALI_GIRDI;
            }
        } else {
            std::cerr << "velzora-sozluk-yap: bilinmeyen seçenek: " << secenek << "\n" << KULLANIM;
            return CIKIS_HATALI_GIRDI;
        }
    }
    if (!raporlanacak.empty())
        return rapor_ver(raporlanacak, ayarlar.wordnet);
    if (ayarlar.wordnet.empty() || ayarlar.cikti.empty()) {
        std::cerr << KULLANIM;
        return CIKIS_HATALI_GIRDI;
    }

    const auto rapor = sozluk_yap(ayarlar);
    if (!rapor.hata.empty()) {
        std::cerr << "velzora-sozluk-yap: " << rapor.hata << "\n";
        return CIKIS_BASARISIZ;
    }
    std::cout << "uzunluk  bulunan  seçilen\n";
    for (std::size_t u = EN_KISA_KELIME; u < rapor.uzunluklar.size(); ++u) {
        std::cout << "  " << u << "\t" << rapor.uzunluklar[u].bulunan << "\t"
                  << rapor.uzunluklar[u].secilen << "\n";
    }
    std::cout << "toplam: " << rapor.toplam << " kayıt -> " << ayarlar.cikti.string() << "\n";
    for (std::size_t t = 0; t < IPUCU_TURLERI.size(); ++t)
        std::cout << "  " << IPUCU_TURLERI[t] << ": " << rapor.ipucu_turleri[t] << "\n";
    std::cout << rapor_metni(rapor.kalite);
    return CIKIS_TAMAM;
}
