#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <thread>

#include <nlohmann/json.hpp>

#include "argumanlar.h"
#include "belge_ciktisi.h"
#include "bulmaca/bulmaca_dosyasi.h"
#include "cozucu/cozucu.h"
#include "cozucu/soru_satirlari.h"
#include "izgara_metni.h"
#include "komutlar.h"
#include "ortak/cp1254.h"
#include "ortak/rastgele.h"
#include "sablon_yukle.h"
#include "sozluk/sozluk.h"

namespace velzora::cli {
namespace {

constexpr std::string_view COZUM_BULUNDU = "    Çözüm Bulundu";
constexpr std::string_view GECEN_SURE = "Geçen Süre:";
constexpr std::string_view COZUM_BULUNAMADI = "Çözüm Bulunamadı";
constexpr std::string_view SOLDAN_SAGA = "SOLDAN SAĞA";
constexpr std::string_view YUKARIDAN_ASAGI = "YUKARIDAN AŞAĞI";
constexpr std::string_view DURDURULDU = "süre sınırı doldu, arama durduruldu";
constexpr std::string_view SINIR_DOLDU = "deneme sınırı doldu, arama durduruldu";
constexpr std::string_view KANITLANDI = "bu ızgaranın çözümü olmadığı kanıtlandı";
// The exit status of a solve run that reached its search.
int cikis_kodu(Cozum_Durumu d) {
    switch (d) {
        case Cozum_Durumu::Cozuldu:
            return CIKIS_TAMAM;
        case Cozum_Durumu::Cozulemedi:
            return CIKIS_COZUMSUZ;
        default:
            return CIKIS_BASARISIZ;
    }
}

const char* sonuc_adi(Cozum_Durumu d) {
    switch (d) {
        case Cozum_Durumu::Cozuldu:
            return "filled";
        case Cozum_Durumu::Cozulemedi:
            return "unfillable";
        case Cozum_Durumu::Durduruldu:
            return "out_of_time";
        case Cozum_Durumu::Sinir_Doldu:
            return "tries_spent";
        case Cozum_Durumu::Bellek_Yetersiz:
            return "out_of_memory";
        case Cozum_Durumu::Analiz_Yok:
            break;
    }
    return "none";
}

// Hours keep counting past a day, so a long run is never shown short.
std::string sure_metni(std::chrono::seconds sure) {
    const long long s = sure.count() < 0 ? 0 : sure.count();
    char tampon[48];
    std::snprintf(tampon, sizeof tampon, "%02lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
    return tampon;
}

long long milisaniye(std::chrono::steady_clock::duration d) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(d).count();
}

nlohmann::json json_metni(const Bulmaca_Cozucu& c, const Izgara& izgara, bool adaylar) {
    using nlohmann::json;
    const int n = c.Yer_Sayisi();
    json j;
    j["solved"] = c.Durum() == Cozum_Durumu::Cozuldu;
    j["proved"] = c.Durum() == Cozum_Durumu::Cozulemedi;
    j["stopped"] = c.Durum() == Cozum_Durumu::Durduruldu || c.Durum() == Cozum_Durumu::Sinir_Doldu;
    j["outcome"] = sonuc_adi(c.Durum());
    j["rows"] = izgara_satirlari(izgara);
    json yerler = json::array(), sira = json::array(), kelime = json::array(), soru = json::array();
    for (int s = 1; s <= n; ++s) {
        const Kelime_Yeri& y = c.Yerler()[static_cast<std::size_t>(s)];
        yerler.push_back({{"yon", std::string(1, static_cast<char>(y.Yon))},
                          {"satir", y.Satir},
                          {"sutun", y.Sutun},
                          {"uzunluk", y.Uzunluk}});
        sira.push_back(c.Sira()[static_cast<std::size_t>(s)]);
        kelime.push_back(cp1254_utf8(c.Cozum_Kelime(s)));
        soru.push_back(cp1254_utf8(c.Cozum_Soru(s)));
    }
    j["slots"] = yerler;
    j["sira"] = sira;
    j["cozum_kelime"] = kelime;
    j["cozum_soru"] = soru;
    j["en_derin"] = c.En_Derin();
    const Arama_Istatistigi ist = c.istatistik();
    j["stats"] = {{"accepted", ist.kabul_edilen},
                  {"tried", ist.denenen},
                  {"backtracks", ist.geri_donus},
                  {"analysis_ms", milisaniye(c.Analiz_Suresi())},
                  {"search_ms", milisaniye(c.Arama_Suresi())},
                  {"peak_level_bytes", ist.tepe_seviye_bayti},
                  {"nodes", ist.dugum},
                  {"failures", ist.basarisiz},
                  {"restarts", ist.yeniden_baslatma}};
    if (adaylar) {
        json liste = json::array();
        for (int s = 1; s <= n; ++s) {
            json a = json::array();
            for (int k = 1; k <= c.Aday_Adet(s); ++k)
                a.push_back(cp1254_utf8(c.Aday_Kelime(s, k)));
            liste.push_back(a);
        }
        j["candidates"] = liste;
    }
    return j;
}

void duz_yaz(const Bulmaca_Cozucu& c, const Izgara& izgara, bool adaylar) {
    for (const auto& satir : izgara_satirlari(izgara))
        std::cout << satir << "\n";
    if (c.Durum() == Cozum_Durumu::Cozuldu) {
        std::cout << COZUM_BULUNDU << "\n"
                  << GECEN_SURE << sure_metni(c.Bitis_Zamani() - c.Baslama_Zamani()) << "\n";
    } else if (c.Durum() == Cozum_Durumu::Cozulemedi) {
        std::cout << COZUM_BULUNAMADI << "\n";
    }
    const auto sorular = c.Cozum_Soru_Tablosu();
    const Cozum_Sorulari cozum{c.Yerler(), c.Sira(), sorular};
    std::cout << SOLDAN_SAGA << "\n";
    for (const auto& s : soldan_satirlari(izgara.Satir_Sayisi(), izgara.Sutun_Sayisi(), cozum)) {
        if (!s.empty())
            std::cout << cp1254_utf8(s) << "\n";
    }
    std::cout << YUKARIDAN_ASAGI << "\n";
    for (const auto& s : yukaridan_satirlari(izgara.Satir_Sayisi(), izgara.Sutun_Sayisi(), cozum)) {
        if (!s.empty())
            std::cout << cp1254_utf8(s) << "\n";
    }
    if (adaylar) {
        for (int s = 1; s <= c.Yer_Sayisi(); ++s) {
            std::cout << "aday " << s << ":";
            for (int k = 1; k <= c.Aday_Adet(s); ++k)
                std::cout << ' ' << cp1254_utf8(c.Aday_Kelime(s, k));
            std::cout << "\n";
        }
    }
}

}  // namespace

int komut_solve(Argumanlar& a) {
    const auto tohum = a.tamsayi("seed", 0, INT64_MAX);
    const auto sure_siniri = a.kesir("time-limit", 0.0, 1e9);
    const auto sozluk_yolu = a.deger("dict");
    const auto is_sayisi = a.tamsayi("threads", 1, 1024);
    const auto deneme_siniri = a.tamsayi("max-tried", 1, INT64_MAX);
    Izgara izgara;
    std::string hata = a.hata();
    if (hata.empty() && !sozluk_yolu)
        hata = "--dict gerekli";
    if (hata.empty() && is_sayisi && !a.var_mi("restarts"))
        hata = "--threads yalnızca --restarts ile kullanılır";
    if (hata.empty())
        hata = belge_secenekleri_hatasi(a);
    if (hata.empty())
        hata = bulmaca_yukle(a, izgara);
    if (!hata.empty()) {
        std::cerr << "velzora-cli solve: " << hata << "\n";
        return CIKIS_HATALI_GIRDI;
    }

    Sozluk sozluk;
    Sozluk_Hatasi sozluk_hatasi = Sozluk_Hatasi::Yok;
    Bulmaca_Cozucu cozucu;
    const std::uint64_t tohum_degeri =
        tohum ? static_cast<std::uint64_t>(*tohum) : gece_yarisindan_saniye();
    Mt_Kaynak kaynak(tohum_degeri);
    const auto analiz = cozucu.analiz_et(
        izgara, sozluk, false,
        [&] { return (sozluk_hatasi = sozluk.oku(*sozluk_yolu)) == Sozluk_Hatasi::Yok; }, kaynak);
    if (analiz == Analiz_Sonucu::Sozluk_Yuklenemedi) {
        std::cerr << "velzora-cli solve: " << sozluk_hata_metni(sozluk_hatasi, *sozluk_yolu)
                  << "\n";
        return CIKIS_HATALI_GIRDI;
    }
    if (analiz == Analiz_Sonucu::Bellek_Yetersiz) {
        std::cerr << "velzora-cli solve: " << BELLEK_YETERSIZ_MESAJI << "\n";
        return CIKIS_BASARISIZ;
    }

    const bool tekrar = a.var_mi("repeat");
    const auto bas = std::chrono::steady_clock::now();
    const auto sinir = std::chrono::duration<double>(sure_siniri.value_or(0.0));
    const Cozum_Kancasi kanca = [&](const Ilerleme&) {
        return sure_siniri && std::chrono::steady_clock::now() - bas >= sinir ? Kanca_Yaniti::Durdur
                                                                              : Kanca_Yaniti::Devam;
    };
    const Tekrar_Okuyucu tekrar_oku = [tekrar] { return tekrar; };
    cozucu.deneme_siniri_ata(deneme_siniri.value_or(0));
    const Akilli_Ayar akilli{
        static_cast<int>(is_sayisi.value_or(std::max(1u, std::thread::hardware_concurrency()))),
        tohum_degeri};
    const Cozum_Durumu durum = a.var_mi("restarts")
                                   ? cozucu.akilli_coz(izgara, kanca, tekrar_oku, akilli)
                                   : cozucu.bulmaca_coz(izgara, kanca, tekrar_oku);
    if (durum == Cozum_Durumu::Bellek_Yetersiz) {
        std::cerr << "velzora-cli solve: " << BELLEK_YETERSIZ_MESAJI << "\n";
        return CIKIS_BASARISIZ;
    }
    if (a.var_mi("json"))
        std::cout << json_metni(cozucu, izgara, a.var_mi("dump-candidates")).dump() << "\n";
    else
        duz_yaz(cozucu, izgara, a.var_mi("dump-candidates"));
    if (durum == Cozum_Durumu::Durduruldu)
        std::cerr << "velzora-cli solve: " << DURDURULDU << "\n";
    if (durum == Cozum_Durumu::Cozulemedi)
        std::cerr << "velzora-cli solve: " << KANITLANDI << "\n";
    if (durum == Cozum_Durumu::Sinir_Doldu)
        std::cerr << "velzora-cli solve: " << SINIR_DOLDU << "\n";
    // The documents and the puzzle file are written whatever the outcome, as
    // the desktop program's commands do.
    const Dolgu dolgu = cozumden_dolgu(cozucu, izgara).value_or(Dolgu{});
    if (!belgeleri_yaz(a, izgara, dolgu))
        return CIKIS_YAZILAMADI;
    if (const auto ipuz = a.deger("ipuz")) {
        if (const auto h = bulmaca_yaz(*ipuz, bulmaca_al(izgara, dolgu));
            h != Bulmaca_Hatasi::Yok) {
            std::cerr << "velzora-cli solve: " << bulmaca_hata_metni(h) << " " << *ipuz << "\n";
            return CIKIS_YAZILAMADI;
        }
    }
    return cikis_kodu(durum);
}

}  // namespace velzora::cli
