#include "tanim_kisaltma.h"

#include <algorithm>
#include <array>
#include <optional>

#include "madde_kurallari.h"
#include "ortak/cp1254.h"

namespace velzora::sozluk_yapici {
namespace {

// Definitions that open with a demonstrative point at an entry named elsewhere.
constexpr std::array<std::string_view, 10> GOSTERICILER = {
    "Bu", "Şu", "O", "Bunun", "Buna", "Bundan", "Bunlar", "Bunların", "Onun", "Ona"};
constexpr std::string_view GONDEREN_TURLER = "nav";

// Endings of a word that closes a leading modifier clause: participles,
// infinitives and verbal nouns (alternatives of a verb), and the ablative that
// names a kind ("Baklagillerden, ..."). An adjective (-lı, -sız, -ki, -sal)
// closes one only on its own ("renksiz, kokusuz madde"); after other words it
// is one of two adjectives of a phrase that goes on ("bakterileri fiziksel,
// kimyasal etkiyle").
constexpr std::array<std::string_view, 26> CUMLE_SONU_EKLERI = {
    "an",  "en",  "mış", "miş", "muş", "müş", "mak", "mek", "ma", "me",  "dık", "dik", "duk",
    "dük", "tık", "tik", "tuk", "tük", "ğı",  "ği",  "ğu",  "ğü", "cak", "cek", "dan", "den"};
constexpr std::array<std::string_view, 13> SIFAT_EKLERI = {
    "lı", "li", "lu", "lü", "sız", "siz", "suz", "süz", "ki", "sal", "sel", "tan", "ten"};
// Comma segments of this many words are whole phrases, not items of a list
// ("iki takım, iki kişi, iki taraf arasında").
constexpr std::size_t TAM_OBEK = 3;

// Participles that end a relative clause before its head noun.
constexpr std::array<std::string_view, 20> ORTACLAR = {
    "dığı", "diği",    "duğu",    "düğü",    "tığı",    "tiği",    "tuğu",
    "tüğü", "dıkları", "dikleri", "dukları", "dükleri", "tıkları", "tikleri",
    "acak", "ecek",    "mış",     "miş",     "muş",     "müş"};
// Words in -an/-en that are nouns or adverbs, not participles.
constexpr std::array<std::string_view, 24> AN_EN_ADLARI = {
    "insan", "zaman", "hayvan", "orman", "meydan", "liman", "divan", "kazan",
    "beden", "düzen", "neden",  "diken", "bazen",  "hemen", "erken", "kaplan",
    "aslan", "yılan", "tavan",  "duman", "vatan",  "kapan", "çoban", "kalkan"};
// Participles in -den and -dan, which otherwise end an ablative.
constexpr std::array<std::string_view, 3> DEN_ORTACLARI = {"eden", "giden", "güden"};

// Words a shortened clause cannot start with: they join it to what was
// dropped. "olan" and "bulunan" after a participle belong to it ("toplanmış
// olan").
constexpr std::array<std::string_view, 24> BAGLACLAR = {
    "ve",    "veya", "ya",     "yahut", "veyahut", "ile",  "ama",  "fakat",
    "ancak", "hem",  "ne",     "de",    "da",      "ki",   "gibi", "için",
    "kadar", "göre", "olarak", "diye",  "ise",     "yani", "olan", "bulunan"};
// A shortened clause must say what the thing is: a lone head or "Bir ..."
// that names only a broad class ("Kimse", "Bir araç"), and "A veya B" of
// two such words, say nothing.
constexpr std::array<std::string_view, 6> BOS_NITELEYICILER = {"bir", "ve", "veya",
                                                               "ile", "ya", "yahut"};
constexpr std::array<std::string_view, 48> GENEL_ADLAR = {
    "kimse",   "kişi",   "yer",   "şey",      "durum",  "durumu",   "iş",       "işi",
    "araç",    "alet",   "aygıt", "bitki",    "hayvan", "tür",      "türü",     "biçim",
    "biçimi",  "söz",    "sözü",  "madde",    "kap",    "nesne",    "olay",     "parça",
    "bölüm",   "bölümü", "kısım", "kısmı",    "çeşit",  "çeşidi",   "biri",     "ad",
    "adı",     "oyun",   "yapı",  "topluluk", "eylem",  "davranış", "nitelik",  "özellik",
    "familya", "takım",  "sınıf", "cins",     "terim",  "görüş",    "birleşen", "kısaltma"};
// A shortened clause starting with a possessive case ending lost its
// possessor with what was dropped ("... mikropların biçimlerini, |
// niteliklerini inceleyen bilim"); a head phrase starting with any case
// ending depended on it too ("... | biçimde düzenlenmiş vagon").
constexpr std::array<std::string_view, 24> IYELIK_HAL_EKLERI = {
    "sında", "sinde", "sunda", "sünde", "ında",  "inde",  "unda",  "ünde",
    "ının",  "inin",  "unun",  "ünün",  "ından", "inden", "undan", "ünden",
    "ına",   "ine",   "una",   "üne",   "ını",   "ini",   "unu",   "ünü"};
constexpr std::array<std::string_view, 8> HAL_EKLERI = {"da",  "de",  "ta",  "te",
                                                        "dan", "den", "tan", "ten"};
// A part of a definition that points back at what came before it ("bu
// amaca göre yetiştirilmiş") says nothing on its own.
constexpr std::array<std::string_view, 13> GOSTERME_SOZLERI = {
    "bu",      "bunu",     "buna", "bunun", "bundan", "bununla", "bunlar",
    "bunları", "bunların", "şu",   "şunu",  "şuna",   "şunun"};
// "ise" sets what follows against what came before ("... en büyük ikinci
// şehri, eyaletinin ise en büyüğü olan şehir"): a part holding it that
// dropped the first half says what it is not.
constexpr std::string_view KARSITLIK = "ise";
// A head with a possessive ending lost the noun it belongs to ("Bir
// takımı", "İbresi"), except in a compound that keeps it ("Japon yemeği").
constexpr std::array<std::string_view, 2> IYELIK_EKLERI = {"ları", "leri"};
constexpr std::array<std::string_view, 4> TEKIL_IYELIK_EKLERI = {"ı", "i", "u", "ü"};
// The head's own phrase after a relative clause is short: "kızgın demir araç".
constexpr std::size_t EN_UZUN_BAS_OBEGI = 3;

// Sentence ends are ". " before a capital, after a word of at least this many
// letters (so that "vb. " and "M.Ö. " do not end one).
constexpr std::size_t CUMLE_SONU_KELIMESI = 3;

std::vector<std::string_view> kelimelere_bol(std::string_view s) {
    std::vector<std::string_view> kelimeler;
    for (std::size_t bas = 0; bas <= s.size();) {
        std::size_t son = s.find(' ', bas);
        if (son == std::string_view::npos)
            son = s.size();
        if (son > bas)
            kelimeler.push_back(s.substr(bas, son - bas));
        bas = son + 1;
    }
    return kelimeler;
}

// A word of a Windows-1254 text in lower-case UTF-8, for the suffix tables.
std::string kucuk_utf8(std::string_view kelime) {
    std::string s = cp1254_utf8(kelime);
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

template <std::size_t N>
bool ile_biter(const std::string& kelime, const std::array<std::string_view, N>& ekler) {
    return std::any_of(ekler.begin(), ekler.end(),
                       [&](std::string_view e) { return kelime.ends_with(e); });
}

template <std::size_t N>
bool icinde(std::string_view kelime, const std::array<std::string_view, N>& liste) {
    return std::find(liste.begin(), liste.end(), kelime) != liste.end();
}

bool unlu_mu(char c) {
    return std::string_view("aeıioöuü").find(c) != std::string_view::npos ||
           static_cast<unsigned char>(c) >= 0x80;
}

bool ortac_mi(std::string_view kelime_1254) {
    // A capital starts a name (Yemen), not a participle.
    if (karsilastirma_bicimi(kelime_1254.substr(0, 1)) == kelime_1254.substr(0, 1))
        return false;
    const std::string k = kucuk_utf8(kelime_1254);
    if (ile_biter(k, ORTACLAR))
        return true;
    if (!(k.ends_with("an") || k.ends_with("en")) || k.size() < 4 || icinde(k, AN_EN_ADLARI))
        return false;
    if (k.ends_with("ken") || k.ends_with("san") || k.ends_with("sen"))
        return false;
    if (k.ends_with("dan") || k.ends_with("den"))
        return icinde(k, DEN_ORTACLARI);
    // -tan/-ten after a consonant is an ablative (ağaçtan); after a vowel a
    // participle (tutan, biten).
    if (k.ends_with("tan") || k.ends_with("ten"))
        return unlu_mu(k[k.size() - 4]);
    return true;
}

bool geri_gosterir_mi(std::string_view s) {
    const auto kelimeler = kelimelere_bol(s);
    return std::any_of(kelimeler.begin(), kelimeler.end(), [](std::string_view k) {
        std::string w = kucuk_utf8(k);
        while (!w.empty() && std::string_view(",;.").find(w.back()) != std::string_view::npos)
            w.pop_back();
        if (w.starts_with("Ş"))
            w.replace(0, std::string_view("Ş").size(), "ş");
        return icinde(w, GOSTERME_SOZLERI);
    });
}

bool karsitlik_tasir_mi(std::string_view s) {
    const auto kelimeler = kelimelere_bol(s);
    return std::find(kelimeler.begin(), kelimeler.end(), KARSITLIK) != kelimeler.end();
}

bool baglacla_baslar(std::string_view s) {
    const auto kelimeler = kelimelere_bol(s);
    return kelimeler.empty() || icinde(kucuk_utf8(kelimeler.front()), BAGLACLAR);
}

bool bilgi_verir_mi(std::string_view kuyruk) {
    const auto kelimeler = kelimelere_bol(kuyruk);
    std::vector<std::string> k;
    for (const auto w : kelimeler)
        k.push_back(kucuk_utf8(w));
    switch (k.size()) {
        case 0:
            return false;
        case 1:
            return !icinde(k[0], GENEL_ADLAR);
        case 2:
            return !(icinde(k[0], BOS_NITELEYICILER) && icinde(k[1], GENEL_ADLAR));
        case 3:
            return !(icinde(k[1], BOS_NITELEYICILER) && icinde(k[2], GENEL_ADLAR));
        default:
            return true;
    }
}

std::string kirp(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == ','))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == ','))
        s.remove_suffix(1);
    return std::string(s);
}

}  // namespace

bool gonderme_mi(std::string_view tanim, char tur) {
    if (GONDEREN_TURLER.find(tur) == std::string_view::npos)
        return false;
    const auto kelimeler = kelimelere_bol(tanim);
    return !kelimeler.empty() && icinde(cp1254_utf8(kelimeler.front()), GOSTERICILER);
}

bool butun_mu(std::string_view metin) {
    const auto say = [&](char c) { return std::count(metin.begin(), metin.end(), c); };
    return say('(') == say(')') && say('"') % 2 == 0 && say('`') % 2 == 0 &&
           say('\x93') == say('\x94');
}

std::vector<std::string> yan_cumleler(std::string_view tanim) {
    std::vector<std::string> parcalar;
    std::size_t bas = 0;
    for (std::size_t i = 0; i <= tanim.size(); ++i) {
        bool son = i == tanim.size() || tanim[i] == ';' || tanim[i] == ':';
        if (!son && tanim[i] == '.' && i + 2 < tanim.size() && tanim[i + 1] == ' ') {
            const std::size_t kelime_basi = tanim.rfind(' ', i);
            const std::size_t uzunluk =
                kelime_basi == std::string_view::npos ? i : i - kelime_basi - 1;
            const char sonraki = karsilastirma_bicimi(tanim.substr(i + 2, 1)).c_str()[0];
            son = uzunluk >= CUMLE_SONU_KELIMESI && sonraki != 0 && sonraki == tanim[i + 2];
        }
        if (!son)
            continue;
        std::string parca = kirp(tanim.substr(bas, i - bas));
        if (!parca.empty() && butun_mu(parca) && !geri_gosterir_mi(parca))
            parcalar.push_back(buyuk_harfle_baslat(std::move(parca)));
        bas = i + 1;
    }
    if (parcalar.size() < 2)
        parcalar.clear();
    return parcalar;
}

std::optional<std::string> bas_obegi(std::string_view yan_cumle) {
    const auto kelimeler = kelimelere_bol(yan_cumle);
    for (std::size_t i = kelimeler.size(); i-- > 1;) {
        if (i + 1 == kelimeler.size())
            continue;
        if (kelimeler[i].back() == ',' || !ortac_mi(kelimeler[i]))
            continue;
        const std::size_t konum =
            static_cast<std::size_t>(kelimeler[i + 1].data() - yan_cumle.data());
        const std::string obek = kirp(yan_cumle.substr(konum));
        const std::string bas = kucuk_utf8(kelimeler.back());
        const std::size_t uzunluk = kelimeler.size() - i - 1;
        const bool iyelikli =
            ile_biter(bas, IYELIK_EKLERI) || (uzunluk <= 2 && ile_biter(bas, TEKIL_IYELIK_EKLERI));
        if (uzunluk > EN_UZUN_BAS_OBEGI || iyelikli || obek.front() == '(' ||
            ile_biter(kucuk_utf8(kelimeler[i + 1]), IYELIK_HAL_EKLERI) ||
            ile_biter(kucuk_utf8(kelimeler[i + 1]), HAL_EKLERI) || geri_gosterir_mi(obek) ||
            karsitlik_tasir_mi(obek) || !butun_mu(yan_cumle.substr(0, konum)) ||
            baglacla_baslar(obek) || !bilgi_verir_mi(obek))
            return std::nullopt;
        return buyuk_harfle_baslat(obek);
    }
    return std::nullopt;
}

std::vector<std::string> basi_koruyan_kisaltmalar(std::string_view yan_cumle) {
    std::vector<std::string> kisaltmalar;
    const auto ekle = [&](std::string_view kuyruk) {
        std::string k = kirp(kuyruk);
        // "cik, | -cek, -ceğiz ... ekleri": the rest of a list of suffixes.
        if (k.empty() || k.front() == '-' || baglacla_baslar(k) || !butun_mu(k) ||
            !bilgi_verir_mi(k) || geri_gosterir_mi(k) || karsitlik_tasir_mi(k) ||
            ile_biter(kucuk_utf8(kelimelere_bol(k)[0]), IYELIK_HAL_EKLERI))
            return;
        k = buyuk_harfle_baslat(std::move(k));
        if (std::find(kisaltmalar.begin(), kisaltmalar.end(), k) == kisaltmalar.end())
            kisaltmalar.push_back(std::move(k));
    };

    // At a comma, when what is dropped ends in a modifier, or is a whole
    // phrase followed by another (not an item of a list: "ağaç, asma ve ...").
    for (std::size_t virgul = yan_cumle.find(", "); virgul != std::string_view::npos;
         virgul = yan_cumle.find(", ", virgul + 1)) {
        const std::string_view atilan = yan_cumle.substr(0, virgul);
        const std::string_view kalan = yan_cumle.substr(virgul + 2);
        const std::size_t onceki = atilan.rfind(", ");
        const auto son_obek =
            kelimelere_bol(onceki == std::string_view::npos ? atilan : atilan.substr(onceki + 2));
        const auto sonraki_obek = kelimelere_bol(kalan.substr(0, kalan.find(", ")));
        if (son_obek.empty())
            continue;
        const std::string son = kucuk_utf8(son_obek.back());
        const bool niteleyen = ile_biter(son, CUMLE_SONU_EKLERI) ||
                               (son_obek.size() == 1 && ile_biter(son, SIFAT_EKLERI));
        const bool obek_obege = son_obek.size() >= TAM_OBEK && sonraki_obek.size() >= TAM_OBEK &&
                                !ile_biter(son, SIFAT_EKLERI) &&
                                !icinde(kucuk_utf8(sonraki_obek[1]), BOS_NITELEYICILER);
        if (butun_mu(atilan) && (niteleyen || obek_obege))
            ekle(kalan);
    }
    return kisaltmalar;
}

}  // namespace velzora::sozluk_yapici
