// Clue choice on definitions as the Turkish WordNet writes them.
#include "ipucu_secimi.h"

#include <gtest/gtest.h>

#include <sstream>

#include "../core/gecici_dizin.h"
#include "madde_kurallari.h"
#include "ortak/cp1254.h"

namespace velzora::sozluk_yapici {
namespace {

struct Kume {
    const char* sozcukler;  // "literal:sense,literal:sense"
    const char* tanim;
    char tur = 'n';
};

struct Durum {
    const char* kelime;  // UTF-8 capitals
    std::vector<Kume> anlamlar;
    const char* ipucu;  // nullptr: left out
    Ipucu_Turu tur = Ipucu_Turu::Tanim;
    bool veriyor = false;
};

TEST(IpucuSecimi, WholeUnitsShortAndFairInTheirOrder) {
    using enum Ipucu_Turu;
    // clang-format off
    const Durum durumlar[] = {
        {"AB", {{"su:1,ab:1,âb:1", "Hidrojenle oksijenden oluşan, oda sıcaklığında sıvı durumunda bulunan, renksiz, kokusuz, tatsız madde"}}, "Su", Es_Anlamli},
        // Synonyms that are English or Latin are passed over.
        {"YENİYETMELİK", {{"teenage:1,yeniyetmelik:1,ergenlik:1", "Cinsel organların fizyolojik gelişmesiyle başlayan, büluğa ermişlikle yetişkinlik arasındaki dönem"}}, "Ergenlik", Es_Anlamli},
        {"KÖPEKGİLLER", {{"köpekgiller:1,Canidae:1,Canidae familyası:1", "Etçiller takımının köpeğimsiler üst familyasından, kedilere göre daha sosyal olan bir familya"}}, "Kedilere göre daha sosyal olan bir familya", Basi_Korunan},
        // The head is kept; the old cut was "Solunum organlarının salgıladığı".
        {"BALGAM", {{"balgam:1", "Solunum organlarının salgıladığı, ağızdan dışarı atılan sümüksü madde"}}, "Ağızdan dışarı atılan sümüksü madde", Basi_Korunan},
        // A list is not cut ("Asma ve benzerinin ..."), alternatives of a verb are.
        {"BUDAMAK", {{"budamak:1", "Daha çok ürün almak veya düzgün bir biçim vermek amacıyla ağaç, asma ve benzerinin dallarını kesmek, kısaltmak", 'v'}}, "Kısaltmak", Basi_Korunan},
        // Two adjectives of one phrase, and a lone head that says nothing.
        {"BAKTERİKIRAN", {{"bakterikıran:1", "Canlıların vücudunda veya laboratuvar deneylerinde bakterileri fiziksel, kimyasal etkiyle öldüren etken", 'a'}}, nullptr},
        {"İNDÜKLEMEK", {{"indüklemek:1", "Kapalı bir devreyi, şiddeti her an değişen bir manyetik alanın içine koyarak onun üzerinde bir elektrik akımı oluşturmak", 'v'}}, nullptr},
        // A cross-reference is no clue; the head phrase after a participle is.
        {"ÜTÜ", {{"ütü:1", "Genellikle giysilerin buruşukluklarını gidermek için bunların üzerinden geçirilen kızgın demir araç"}, {"ütü:2", "Bu araçla yapılan iş"}}, "Kızgın demir araç", Bas_Obegi},
        // An English gloss is no definition; a trailing Latin genus is dropped.
        {"BALZAC", {{"Balzac:1", "French novelist"}}, nullptr},
        {"ASMA", {{"asma:1", "Belirli bir tür üzüm veren bitki Vitis"}}, "Belirli bir tür üzüm veren bitki"},
        // "ise" leans on what was dropped.
        {"DALLAS", {{"Dallas:1", "ABD genelinin dokuzuncu en büyüğü, Teksas eyaletinin ise üçüncü en büyüğü olan şehir"}}, nullptr},
        {"KÜÇÜLTÜCÜ", {{"küçültücü:1", "Kelimelerin anlamına küçüklük, azlık, sevgi, acıma kavramları katan cik, -cek, -ceğiz, -imsi, -imtırak, -rek, -ce ekleri"}}, nullptr},
        // Another sense's definition comes before a shortened one.
        {"YELPAZE", {{"yelpaze:1", "Sallandığında küçük bir hava akımı yapan ve özellikle yüzü serinletmeye yarayan, küçük, katlanabilir, taşınabilir araç"},
            {"çeşitlilik:1,yelpaze:2", "Çeşidi çok olma durumu"},
            {"yelpaze:3", "Bu biçimde olan", 'a'}}, "Çeşidi çok olma durumu", Diger_Anlam},
        // The whole definition and the synonym share the stem; the tail does not.
        {"ANANAS", {{"ananas:1,ananas bitkisi:1", "Ananasgillerden, sıcak ülkelerde yetişen bir ağaç"}}, "Sıcak ülkelerde yetişen bir ağaç", Basi_Korunan},
        {"ERG", {{"erg:1", "Bir iş birimi: Bir kilogrammetre 981 x 105 erge eşittir"}}, "Bir iş birimi", Yan_Cumle},
        {"YEMENLİ", {{"Yemenli:1", "Yemen halkından kimse"}}, "Yemen halkından kimse", Tanim, true},
        {"ACCİPİTRİDAE", {{"Accipitridae familyası:1,Accipitridae:1", "Kuşlar sınıfının gündüz yırtıcıları alt takımından bir familya; atmacagiller"}}, nullptr},
        {"STK", {{"sivil toplum kuruluşu:1,STK:1,STÖ:1", "Toplumdaki çeşitli sorunları bağımsız olarak ele alıp kamuoyunu bilgilendirme ve aydınlatma işlevini yürüten kuruluş"}}, "Sivil toplum kuruluşu (kısaltma)", Geleneksel},
        {"AR", {{"argon:1,Ar:3", "Atom numarası 18, atom ağırlığı 39,9 olan, havada % 1 oranında bulunan, rengi, kokusu ve tadı olmayan bir element"}}, "Argon simgesi", Geleneksel},
        {"IV", {{"dört:3,4:2,IV:1", "Üçten bir artık", 'a'}}, "Romen rakamıyla dört", Geleneksel},
        {"AKYAZI", {{"akyazı:1", "Sakarya iline bağlı ilçelerden biri"}}, "Sakarya ilçesi", Geleneksel},
        {"AYDIN", {{"aydın:3", "Türkiye'nin Ege Bölgesi'nde yer alan illerinden biri"}}, "Ege Bölgesi'nde bir il", Geleneksel},
    };
    // clang-format on
    std::vector<Sozcuk_Listesi> baskilar(1);
    baskilar[0].cozumle("su CL_ISIM\nergenlik CL_ISIM\n");
    const Turkce_Sozcuk turkce(baskilar);
    for (const auto& d : durumlar) {
        const std::string kelime = *utf8_cp1254(d.kelime);
        std::vector<Anlam_Kumesi> kumeler;
        for (const auto& k : d.anlamlar) {
            auto& a = kumeler.emplace_back();
            a.tanim = k.tanim;
            a.tur = k.tur;
            std::stringstream liste(k.sozcukler);
            for (std::string s; std::getline(liste, s, ',');) {
                const auto iki_nokta = s.rfind(':');
                a.sozcukler.push_back({s.substr(0, iki_nokta), std::stoi(s.substr(iki_nokta + 1))});
            }
        }
        std::vector<Kelime_Anlami> anlamlar;
        for (const auto& k : kumeler) {
            for (const auto& s : k.sozcukler) {
                if (kelime_bicimle(s.metin) == kelime)
                    anlamlar.push_back({&k, s.metin});
            }
        }
        const auto ipucu = ipucu_sec(kelime, anlamlar, turkce);
        ASSERT_EQ(ipucu.has_value(), d.ipucu != nullptr) << d.kelime;
        if (!ipucu)
            continue;
        EXPECT_EQ(cp1254_utf8(ipucu->metin), d.ipucu) << d.kelime;
        EXPECT_EQ(ipucu->tur, d.tur) << d.kelime;
        EXPECT_EQ(ipucu->cevabi_veriyor, d.veriyor) << d.kelime;
    }
}

TEST(TurkceSozcuk, EveryWordTurkishByItsLettersTheSpellerOrTheWordLists) {
    test::Gecici_Dizin d;
    const auto dic = d.yaz("tr.dic", "3\nhayat\ndünya\nkitap\n");
    d.yaz("tr.aff", "SET UTF-8\n");
    std::vector<Sozcuk_Listesi> baskilar(1);
    baskilar[0].cozumle("dipdam CL_ISIM\ngreece CL_ISIM\n");
    Turkce_Sozcuk turkce(baskilar);
    ASSERT_FALSE(turkce.yazim_sozlugu_ac(d / "yok.dic"));
    ASSERT_TRUE(turkce.yazim_sozlugu_ac(dic));
    const std::pair<const char*, bool> durumlar[] = {
        {"hayat", true},           {"Hayât", true},   {"dipdam", true},   {"şart şurt", true},
        {"hayat dipdam", true},    {"Greece", false}, {"teenage", false}, {"hayat teenage", false},
        {"Poaceae ailesi", false}, {"şwş", false},    {"", false},
    };
    for (const auto& [literal, beklenen] : durumlar)
        EXPECT_EQ(turkce(literal), beklenen) << literal;
    // Definitions: a Turkish letter, one word, or half of the words suffice.
    EXPECT_TRUE(turkce.metin_mi("Albinizm"));
    EXPECT_TRUE(turkce.metin_mi("hayat kitap in Cambridge"));
    EXPECT_FALSE(turkce.metin_mi("An university in Cambridge"));
}

}  // namespace
}  // namespace velzora::sozluk_yapici
