#include "sozluk_raporu.h"

#include <algorithm>
#include <cstdio>

#include "madde_kurallari.h"
#include "ortak/cp1254.h"

namespace velzora::sozluk_yapici {
namespace {

std::size_t yuzdelik(const std::vector<std::size_t>& sirali, std::size_t yuzde) {
    if (sirali.empty())
        return 0;
    const std::size_t sira = (sirali.size() * yuzde + 99) / 100;
    return sirali[std::max<std::size_t>(sira, 1) - 1];
}

// "1234 (%3,9)": Turkish writes the percent sign first and a decimal comma.
std::string adet_ve_oran(std::size_t adet, std::size_t toplam) {
    const double oran =
        toplam == 0 ? 0.0 : 100.0 * static_cast<double>(adet) / static_cast<double>(toplam);
    char yazi[32];
    std::snprintf(yazi, sizeof yazi, "%.1f", oran);
    std::string s = yazi;
    std::replace(s.begin(), s.end(), '.', ',');
    return std::to_string(adet) + " (%" + s + ")";
}

}  // namespace

Es_Anlamlilar es_anlamlilari_topla(const std::vector<Anlam_Kumesi>& kumeler) {
    Es_Anlamlilar es;
    for (const auto& k : kumeler) {
        std::vector<std::pair<std::string, std::string>> sozcukler;  // word, comparison form
        for (const auto& s : k.sozcukler) {
            const auto metin = utf8_cp1254(s.metin);
            if (metin)
                sozcukler.emplace_back(kelime_bicimle(s.metin).value_or(""),
                                       karsilastirma_bicimi(*metin));
        }
        for (const auto& [kelime, _] : sozcukler) {
            if (kelime.empty())
                continue;
            for (const auto& [diger, bicim] : sozcukler) {
                if (diger != kelime)
                    es[kelime].insert(bicim);
            }
        }
    }
    return es;
}

Sozluk_Raporu sozluk_raporu(const Sozluk& sozluk, const Es_Anlamlilar* es) {
    Sozluk_Raporu r;
    r.kayit = static_cast<std::size_t>(sozluk.Kelime_Sayisi());
    std::vector<std::size_t> uzunluklar;
    if (es)
        r.es_anlamli = 0;
    for (int i = 1; i <= sozluk.Kelime_Sayisi(); ++i) {
        const std::string kelime(sozluk.Kelime(i));
        const std::string_view soru = sozluk.Soru(i);
        ++r.uzunluklar[kelime.size()];
        uzunluklar.push_back(soru.size());
        r.uzun += soru.size() > UZUN_IPUCU;
        r.cevabi_veren += cevabi_veriyor(soru, kelime);
        if (es) {
            const auto bulunan = es->find(kelime);
            *r.es_anlamli +=
                bulunan != es->end() && bulunan->second.contains(karsilastirma_bicimi(soru));
        }
    }
    std::sort(uzunluklar.begin(), uzunluklar.end());
    r.medyan = yuzdelik(uzunluklar, 50);
    r.yuzde_95 = yuzdelik(uzunluklar, 95);
    r.en_uzun = uzunluklar.empty() ? 0 : uzunluklar.back();
    return r;
}

std::string rapor_metni(const Sozluk_Raporu& r) {
    std::string s = "kayıt: " + std::to_string(r.kayit) + "\nuzunluk  kayıt\n";
    for (const auto& [uzunluk, adet] : r.uzunluklar)
        s += "  " + std::to_string(uzunluk) + "\t" + std::to_string(adet) + "\n";
    s += "ipucu uzunluğu: medyan " + std::to_string(r.medyan) + ", %95 " +
         std::to_string(r.yuzde_95) + ", en uzun " + std::to_string(r.en_uzun) + "\n";
    s += std::to_string(UZUN_IPUCU) + " karakterden uzun ipucu: " + adet_ve_oran(r.uzun, r.kayit) +
         "\n";
    s += "eş anlamlı ipucu: " +
         (r.es_anlamli ? adet_ve_oran(*r.es_anlamli, r.kayit) : std::string("- (--wordnet yok)")) +
         "\n";
    s += "cevabı kökünden veren ipucu: " + adet_ve_oran(r.cevabi_veren, r.kayit) + "\n";
    return s;
}

}  // namespace velzora::sozluk_yapici
