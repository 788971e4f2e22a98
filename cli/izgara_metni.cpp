#include "izgara_metni.h"

#include <optional>

#include "ortak/cp1254.h"
#include "ortak/dosya_islemleri.h"
#include "sablon_yukle.h"

namespace velzora::cli {
namespace {

struct Hucre_Metni {
    bool siyah = false;
    std::optional<char> harf;
};

}  // namespace

std::string izgara_metni_cozumle(std::string_view metin, Izgara& izgara) {
    if (metin.substr(0, 3) == "\xEF\xBB\xBF")
        metin.remove_prefix(3);
    std::vector<std::vector<Hucre_Metni>> satirlar;
    std::size_t bas = 0;
    while (bas < metin.size()) {
        std::size_t son = metin.find('\n', bas);
        if (son == std::string_view::npos)
            son = metin.size();
        std::string_view satir = metin.substr(bas, son - bas);
        if (!satir.empty() && satir.back() == '\r')
            satir.remove_suffix(1);
        bas = son + 1;
        if (satir.empty()) {
            // Blank lines may only close the text.
            if (metin.find_first_not_of("\r\n", bas) == std::string_view::npos)
                break;
            return "ızgara metninde " + std::to_string(satirlar.size() + 1) + ". satır boş";
        }
        std::vector<Hucre_Metni> hucreler;
        for (std::size_t i = 0; i < satir.size();) {
            const char32_t k = utf8_karakter_al(satir, i);
            Hucre_Metni h;
            if (k == U'#') {
                h.siyah = true;
            } else if (k != U'.') {
                const auto bayt = unicode_cp1254(k);
                if (k == YEDEK_KARAKTER || k < 0x20 || !bayt)
                    return "ızgara metninin " + std::to_string(satirlar.size() + 1) +
                           ". satırında harf olarak yazılamayan bir karakter var";
                h.harf = static_cast<char>(*bayt);
            }
            hucreler.push_back(h);
        }
        if (!satirlar.empty() && hucreler.size() != satirlar.front().size())
            return "ızgara metninin satırları aynı uzunlukta değil (" +
                   std::to_string(satirlar.size() + 1) + ". satır)";
        satirlar.push_back(std::move(hucreler));
    }
    const int R = static_cast<int>(satirlar.size());
    const int C = satirlar.empty() ? 0 : static_cast<int>(satirlar.front().size());
    if (!ebat_gecerli_mi(R, C))
        return "ızgaranın ebadı " + std::to_string(R) + " x " + std::to_string(C) +
               " 2..50 aralığında değil";
    Izgara::Toplu_Degisiklik toplu(izgara);
    izgara.ebat_ver(R, C);
    for (int r = 1; r <= R; ++r) {
        for (int c = 1; c <= C; ++c) {
            const Hucre_Metni& h =
                satirlar[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)];
            if (h.siyah)
                izgara.siyah_yap(r, c, Renk_Kodu::Siyah);
            else if (h.harf)
                izgara.harf_yaz(r, c, std::string(1, *h.harf));
        }
    }
    return {};
}

std::string izgara_metni_oku(const std::filesystem::path& yol, Izgara& izgara) {
    std::string icerik;
    if (const auto s = dosya_oku(yol, EN_BUYUK_SABLON, icerik); !s)
        return "ızgara dosyası açılamadı: " + yol.string() + " (" + s.neden() + ")";
    const std::string hata = izgara_metni_cozumle(icerik, izgara);
    return hata.empty() ? hata : hata + ": " + yol.string();
}

std::vector<std::string> izgara_satirlari(const Izgara& izgara) {
    std::vector<std::string> satirlar;
    for (int r = 1; r <= izgara.Satir_Sayisi(); ++r) {
        std::string satir;
        for (int c = 1; c <= izgara.Sutun_Sayisi(); ++c) {
            if (izgara.siyah_mi(r, c))
                satir += '#';
            else if (const std::string h = izgara.harf_al(r, c); h.empty())
                satir += '.';
            else
                satir += cp1254_utf8(h);
        }
        satirlar.push_back(std::move(satir));
    }
    return satirlar;
}

std::string bulmaca_yukle(const Argumanlar& a, Izgara& izgara) {
    const auto sablon = a.deger("template");
    const auto izgara_yolu = a.deger("grid");
    if (sablon.has_value() == izgara_yolu.has_value())
        return "--template ya da --grid seçeneklerinden biri gerekli";
    return sablon ? sablon_yukle(*sablon, izgara) : izgara_metni_oku(*izgara_yolu, izgara);
}

}  // namespace velzora::cli
