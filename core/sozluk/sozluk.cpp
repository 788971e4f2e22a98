#include "sozluk/sozluk.h"

#include "ortak/dosya_islemleri.h"

namespace velzora {

Sozluk_Hatasi Sozluk::oku(const std::filesystem::path& Sozluk_Yolu) {
    auto icerik = dosya_oku(Sozluk_Yolu);
    if (!icerik)
        return Sozluk_Hatasi::Acilamadi;
    return cozumle(std::move(*icerik));
}

Sozluk_Hatasi Sozluk::cozumle(std::string icerik) {
    if (icerik.empty())
        return Sozluk_Hatasi::Bos_Dosya;
    // Offsets are 32-bit; a file past 4 GiB cannot hold a valid store anyway.
    if (icerik.size() > UINT32_MAX)
        return Sozluk_Hatasi::Cok_Fazla_Kayit;

    std::vector<Kayit> kayitlar;
    const std::string_view m(icerik);
    std::size_t bas = 0;
    while (bas < m.size()) {
        // A line ends at CR LF, a lone LF or a lone CR; the last may have no end.
        std::size_t son = m.find_first_of("\r\n", bas);
        if (son == std::string_view::npos)
            son = m.size();
        const std::string_view satir = m.substr(bas, son - bas);

        const std::size_t ayirac = satir.substr(0, AYIRAC_ALANI).rfind(':');
        if (ayirac != std::string_view::npos) {
            if (kayitlar.size() == EN_COK_KAYIT)
                return Sozluk_Hatasi::Cok_Fazla_Kayit;
            std::size_t k_bas = 0;
            std::size_t k_son = ayirac;
            while (k_bas < k_son && satir[k_bas] == ' ')
                ++k_bas;
            while (k_son > k_bas && satir[k_son - 1] == ' ')
                --k_son;
            const auto konum = static_cast<std::uint32_t>(bas);
            kayitlar.push_back({{konum + static_cast<std::uint32_t>(k_bas),
                                 static_cast<std::uint32_t>(k_son - k_bas)},
                                {konum + static_cast<std::uint32_t>(ayirac + 1),
                                 static_cast<std::uint32_t>(satir.size() - ayirac - 1)}});
        }

        if (son < m.size() && m[son] == '\r' && son + 1 < m.size() && m[son + 1] == '\n')
            ++son;
        bas = son + 1;
    }
    veri_ = std::move(icerik);
    kayitlar_ = std::move(kayitlar);
    return Sozluk_Hatasi::Yok;
}

}  // namespace velzora
