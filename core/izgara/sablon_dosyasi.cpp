#include "izgara/sablon_dosyasi.h"

#include <charconv>

#include "ortak/dosya_islemleri.h"

namespace velzora {
namespace {

bool ayirac_mi(char c) {
    return c == ' ' || c == ',' || c == '\r' || c == '\n' || c == '\t';
}

Sablon_Hatasi alan_oku(std::string_view alan, int& deger) {
    if (!alan.empty() && alan.front() == '+')
        alan.remove_prefix(1);
    if (alan.empty() || alan.front() == '+')
        return Sablon_Hatasi::Sayi_Degil;
    long sayi = 0;
    const auto [son, hata] = std::from_chars(alan.data(), alan.data() + alan.size(), sayi);
    if (son != alan.data() + alan.size())
        return Sablon_Hatasi::Sayi_Degil;
    if (hata == std::errc::result_out_of_range || sayi < -32768 || sayi > 32767) {
        return Sablon_Hatasi::Sayi_Tasmasi;
    }
    if (hata != std::errc())
        return Sablon_Hatasi::Sayi_Degil;
    deger = static_cast<int>(sayi);
    return Sablon_Hatasi::Yok;
}

}  // namespace

Sablon_Hatasi sablon_cozumle(std::string_view icerik, Sablon_Icerigi& cikti) {
    cikti = {};
    int alan_no = 0;
    int ilk = 0;
    std::size_t i = 0;
    while (i < icerik.size()) {
        while (i < icerik.size() && ayirac_mi(icerik[i]))
            ++i;
        if (i == icerik.size())
            break;
        const std::size_t bas = i;
        while (i < icerik.size() && !ayirac_mi(icerik[i]))
            ++i;
        const int sira = alan_no++;
        if (sira < 2)
            continue;  // the header's two words
        int deger = 0;
        if (const auto h = alan_oku(icerik.substr(bas, i - bas), deger); h != Sablon_Hatasi::Yok) {
            return h;
        }
        if (sira % 2 == 0) {
            ilk = deger;
        } else if (sira == 3) {
            cikti.ebat = {ilk, deger};
        } else {
            cikti.siyah_kareler.emplace_back(ilk, deger);
        }
    }
    return Sablon_Hatasi::Yok;
}

Sablon_Hatasi sablon_oku(const std::filesystem::path& sab_adi, Sablon_Icerigi& cikti,
                         Dosya_Sonucu* dosya) {
    std::string icerik;
    const Dosya_Sonucu okuma = dosya_oku(sab_adi, EN_BUYUK_SABLON, icerik);
    if (dosya != nullptr)
        *dosya = okuma;
    if (!okuma)
        return Sablon_Hatasi::Acilamadi;
    return sablon_cozumle(icerik, cikti);
}

void satsutoku(const Sablon_Icerigi& sablon, int& Satir_Sayisi, int& Sutun_Sayisi) {
    if (sablon.ebat) {
        Satir_Sayisi = sablon.ebat->first;
        Sutun_Sayisi = sablon.ebat->second;
    }
}

void syhkroku(const Sablon_Icerigi& sablon, Izgara& izgara) {
    Izgara::Toplu_Degisiklik toplu(izgara);
    izgara.sabbosalt();
    for (const auto& [r, c] : sablon.siyah_kareler) {
        if (r >= 1 && r <= izgara.Satir_Sayisi() && c >= 1 && c <= izgara.Sutun_Sayisi()) {
            izgara.siyah_yap(r, c, Renk_Kodu::Siyah);
        }
    }
}

std::string sablon_metni(const Izgara& izgara) {
    // Each number stands between two blanks, the layout existing template files have.
    auto satir = [](int a, int b) {
        // Appended: a literal + std::string draws a false -Wrestrict from GCC 12 at -O3.
        std::string s(" ");
        s.append(std::to_string(a)).append("  ").append(std::to_string(b)).append(" \r\n");
        return s;
    };
    std::string metin(SABLON_BASLIGI);
    metin += "\r\n";
    metin += satir(izgara.Satir_Sayisi(), izgara.Sutun_Sayisi());
    for (int r = 1; r <= izgara.Satir_Sayisi(); ++r) {
        for (int c = 1; c <= izgara.Sutun_Sayisi(); ++c) {
            if (izgara.siyah_mi(r, c))
                metin += satir(r, c);
        }
    }
    return metin;
}

Sablon_Hatasi sablon_yaz(const std::filesystem::path& sab_adi, const Izgara& izgara,
                         Dosya_Sonucu* dosya) {
    const Dosya_Sonucu yazma = dosyayi_guvenle_yaz(sab_adi, sablon_metni(izgara));
    if (dosya != nullptr)
        *dosya = yazma;
    return yazma ? Sablon_Hatasi::Yok : Sablon_Hatasi::Yazilamadi;
}

}  // namespace velzora
