#include "ipucu_secimi.h"

#include <algorithm>
#include <tuple>

#include "geleneksel_ipucu.h"
#include "madde_kurallari.h"
#include "ortak/cp1254.h"
#include "tanim_kisaltma.h"

namespace velzora::sozluk_yapici {
namespace {

// A literal that can stand as a clue: letters, blanks and apostrophes, not
// an abbreviation or a symbol (nor, in es_anlamlilar, anything clued by
// convention itself, such as a chemical symbol written "ca").
bool ipucu_olabilir_mi(std::string_view utf8) {
    std::size_t harf = 0;
    for (std::size_t konum = 0; konum < utf8.size();) {
        const char32_t k = utf8_karakter_al(utf8, konum);
        if (k == U' ' || k == U'\'' || k == U'’')
            continue;
        if (yazilan_harf(k).tur != Yazim::Tur::Harf)
            return false;
        ++harf;
    }
    return harf >= 2 && !kisaltma_yazilisi_mi(utf8);
}

// Letters to change, add or drop to turn `a` into `b`.
std::size_t duzeltme_uzakligi(std::string_view a, std::string_view b) {
    std::vector<std::size_t> satir(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        satir[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t sol_ust = satir[0];
        satir[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t ust = satir[j];
            satir[j] = std::min({ust + 1, satir[j - 1] + 1, sol_ust + (a[i - 1] != b[j - 1])});
            sol_ust = ust;
        }
    }
    return satir[b.size()];
}

// Another spelling of the answer (ACAYİP: Acaip) is no clue, nor a compound
// that holds it (PUL: Posta pulu).
constexpr std::size_t YAZIM_FARKI = 2;
constexpr std::size_t KISA_YAZIM_FARKI = 1;
constexpr std::size_t KISA_KELIME = 4;

// Synonyms of `kelime` in `kume` that make a short clue: literals whose most
// common sense this synset is (a solver reads a word in its first meaning),
// single words first, then the shorter.
std::vector<std::string> es_anlamlilar(const Anlam_Kumesi& kume, std::string_view kelime,
                                       const Turkce_Sozcuk& turkce) {
    std::vector<std::tuple<bool, std::size_t, std::string>> adaylar;
    for (const auto& s : kume.sozcukler) {
        const auto metin = utf8_cp1254(s.metin);
        if (s.anlam_no != 1 || !metin || metin->size() > EN_UZUN_ES_ANLAMLI ||
            !ipucu_olabilir_mi(s.metin) || latince_ad_mi(kume, s.metin) ||
            geleneksel_ipucu(kume, s.metin) || !turkce(s.metin))
            continue;
        const std::string bicim = karsilastirma_bicimi(*metin);
        std::string bitisik = bicim;
        std::erase(bitisik, ' ');
        if (duzeltme_uzakligi(bitisik, kelime) <=
                (kelime.size() <= KISA_KELIME ? KISA_YAZIM_FARKI : YAZIM_FARKI) ||
            (" " + bicim).find(" " + std::string(kelime)) != std::string::npos)
            continue;
        adaylar.emplace_back(metin->find(' ') != std::string::npos, metin->size(),
                             buyuk_harfle_baslat(*metin));
    }
    std::sort(adaylar.begin(), adaylar.end());
    std::vector<std::string> sonuc;
    for (auto& a : adaylar) {
        if (std::find(sonuc.begin(), sonuc.end(), std::get<2>(a)) == sonuc.end())
            sonuc.push_back(std::move(std::get<2>(a)));
    }
    return sonuc;
}

// "Belirli bir tür üzüm veren bitki Vitis": the WordNet closes some
// definitions with the Latin genus, a capitalised word after a small one.
std::string_view sondaki_latinceyi_at(std::string_view tanim, const Turkce_Sozcuk& turkce) {
    while (!tanim.empty() && tanim.back() == ' ')
        tanim.remove_suffix(1);
    const std::size_t bosluk = tanim.rfind(' ');
    if (bosluk == std::string_view::npos || bosluk == 0)
        return tanim;
    const std::string_view son = tanim.substr(bosluk + 1);
    const char onceki = tanim[bosluk - 1];
    const bool kucukten_sonra =
        (onceki >= 'a' && onceki <= 'z') || static_cast<unsigned char>(onceki) >= 0x80;
    const bool latince_bicimli =
        son.size() >= 2 && son[0] >= 'A' && son[0] <= 'Z' &&
        std::all_of(son.begin() + 1, son.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    return kucukten_sonra && latince_bicimli && !turkce(son) ? tanim.substr(0, bosluk) : tanim;
}

// A lone head word ("Karşılaşma" for MAÇ) is clue enough only for a short
// answer; a long one it leaves too open ("Etken").
constexpr std::size_t YALIN_BASLI_CEVAP = 4;

struct Aday {
    std::string metin;
    Ipucu_Turu tur;
    std::size_t sinir;  // the longest it may be in the first round
};

// The candidates of one sense in their order: the conventional form, the
// whole definition if not too long, synonyms, whole clauses.
void anlam_adaylari(const Kelime_Anlami& a, std::string_view kelime, bool ana,
                    const std::optional<std::string>& tanim, const Turkce_Sozcuk& turkce,
                    std::vector<Aday>& adaylar) {
    if (auto g = geleneksel_ipucu(*a.kume, a.yazilis))
        adaylar.push_back({std::move(*g), Ipucu_Turu::Geleneksel, UZUN_IPUCU});
    const auto tanim_turu = ana ? Ipucu_Turu::Tanim : Ipucu_Turu::Diger_Anlam;
    const auto yan_turu = ana ? Ipucu_Turu::Yan_Cumle : Ipucu_Turu::Diger_Anlam;
    const bool butun = tanim && tanim->find(':') == std::string::npos && butun_mu(*tanim);
    auto parcalar = tanim ? yan_cumleler(*tanim) : std::vector<std::string>{};
    // "...; Martes martes": a clause may be a Latin name.
    std::erase_if(parcalar, [&](const std::string& y) { return !turkce.metin_mi(cp1254_utf8(y)); });
    if (butun)
        adaylar.push_back({*tanim, tanim_turu, IYI_IPUCU});
    if (ana) {
        for (auto& e : es_anlamlilar(*a.kume, kelime, turkce))
            adaylar.push_back({std::move(e), Ipucu_Turu::Es_Anlamli, IYI_IPUCU});
    }
    for (const auto& y : parcalar)
        adaylar.push_back({y, yan_turu, IYI_IPUCU});
    if (butun)
        adaylar.push_back({*tanim, tanim_turu, UZUN_IPUCU});
    for (const auto& y : parcalar)
        adaylar.push_back({y, yan_turu, UZUN_IPUCU});
}

// The clauses of a definition, or the definition itself when it has one.
std::vector<std::string> kisaltilacaklar(const std::string& tanim) {
    auto parcalar = yan_cumleler(tanim);
    if (parcalar.empty())
        parcalar.push_back(tanim);
    return parcalar;
}

}  // namespace

std::optional<Ipucu> ipucu_sec(std::string_view kelime, const std::vector<Kelime_Anlami>& anlamlar,
                               const Turkce_Sozcuk& turkce) {
    std::vector<Aday> adaylar;
    std::vector<std::string> tanimlar;  // of the usable senses, for the shortened forms
    for (const auto& a : anlamlar) {
        if (latince_ad_mi(*a.kume, a.yazilis))
            continue;
        auto tanim = turkce.metin_mi(a.kume->tanim)
                         ? metin_temizle(sondaki_latinceyi_at(a.kume->tanim, turkce))
                         : std::nullopt;
        if (tanim && gonderme_mi(*tanim, a.kume->tur))
            tanim.reset();
        anlam_adaylari(a, kelime, tanimlar.empty(), tanim, turkce, adaylar);
        if (tanim)
            tanimlar.push_back(std::move(*tanim));
    }
    for (const auto& t : tanimlar) {
        for (const auto& p : kisaltilacaklar(t)) {
            for (auto& k : basi_koruyan_kisaltmalar(p))
                adaylar.push_back({std::move(k), Ipucu_Turu::Basi_Korunan, UZUN_IPUCU});
        }
    }
    const std::size_t es_anlamlilardan_once = adaylar.size();
    // Synonyms of other senses: a solver reads a word in its first meaning.
    for (std::size_t i = 1; i < anlamlar.size(); ++i) {
        for (auto& e : es_anlamlilar(*anlamlar[i].kume, kelime, turkce))
            adaylar.push_back({std::move(e), Ipucu_Turu::Es_Anlamli, UZUN_IPUCU});
    }
    // Where nothing fits its first round, whole definitions, clauses and the
    // shortened forms up to the longest a clue may be, then head phrases.
    for (std::size_t i = 0; i < es_anlamlilardan_once; ++i) {
        if (adaylar[i].sinir == UZUN_IPUCU && adaylar[i].tur != Ipucu_Turu::Geleneksel)
            adaylar.push_back({adaylar[i].metin, adaylar[i].tur, EN_UZUN_IPUCU});
    }
    for (const auto& t : tanimlar) {
        for (const auto& p : kisaltilacaklar(t)) {
            auto b = bas_obegi(p);
            if (b && (b->find(' ') != std::string::npos || kelime.size() <= YALIN_BASLI_CEVAP))
                adaylar.push_back({std::move(*b), Ipucu_Turu::Bas_Obegi, EN_UZUN_IPUCU});
        }
    }

    // A clue that gives the answer away only where no other fits.
    for (const bool adil : {true, false}) {
        for (const auto& a : adaylar) {
            if (a.metin.size() > a.sinir || a.metin.find(':') != std::string::npos)
                continue;
            const bool veriyor = cevabi_veriyor(a.metin, kelime);
            if (!(veriyor && adil))
                return Ipucu{a.metin, a.tur, veriyor};
        }
    }
    return std::nullopt;
}

}  // namespace velzora::sozluk_yapici
