#include "sozluk/sozluk.h"

#include <optional>

#include "ortak/cp1254.h"

namespace velzora {
namespace {

constexpr std::string_view BOM = "\xEF\xBB\xBF";

Sozluk_Kodlamasi kodlama_bul(std::string_view m) {
    if (m.starts_with(BOM))
        return Sozluk_Kodlamasi::Utf8_Bom;
    std::size_t cok_baytli = 0;
    std::size_t gecersiz = 0;
    for (std::size_t i = 0; i < m.size();) {
        if (static_cast<unsigned char>(m[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t bas = i;
        if (utf8_karakter_al(m, i) == YEDEK_KARAKTER && i == bas + 1)
            ++gecersiz;
        else
            ++cok_baytli;
    }
    return cok_baytli > gecersiz ? Sozluk_Kodlamasi::Utf8 : Sozluk_Kodlamasi::Windows_1254;
}

}  // namespace

Sozluk_Hatasi Sozluk::oku(const std::filesystem::path& Sozluk_Yolu, Dosya_Sonucu* dosya) {
    std::string icerik;
    const Dosya_Sonucu okuma = dosya_oku(Sozluk_Yolu, EN_BUYUK_SOZLUK, icerik);
    if (dosya != nullptr)
        *dosya = okuma;
    if (!okuma)
        return Sozluk_Hatasi::Acilamadi;
    return cozumle(std::move(icerik));
}

Sozluk_Hatasi Sozluk::cozumle(std::string icerik) {
    if (icerik.empty())
        return Sozluk_Hatasi::Bos_Dosya;
    // Offsets are 32-bit; a file past 4 GiB cannot hold a valid store anyway.
    if (icerik.size() > UINT32_MAX)
        return Sozluk_Hatasi::Cok_Fazla_Kayit;

    Okuma_Raporu rapor;
    rapor.kodlama = kodlama_bul(icerik);
    const bool utf8 = rapor.kodlama != Sozluk_Kodlamasi::Windows_1254;
    // UTF-8 entries are kept converted here; Windows-1254 ones stay in place.
    std::string cevrilen;
    std::vector<Kayit> kayitlar;
    const std::size_t baslangic = rapor.kodlama == Sozluk_Kodlamasi::Utf8_Bom ? BOM.size() : 0;
    const std::string_view m(icerik);
    std::size_t bas = baslangic;
    while (bas < m.size()) {
        // A line ends at CR LF, a lone LF or a lone CR; the last may have no end.
        std::size_t son = m.find_first_of("\r\n", bas);
        if (son == std::string_view::npos)
            son = m.size();
        std::string_view satir = m.substr(bas, son - bas);
        std::size_t konum = bas;
        std::optional<std::string> donusen;
        if (utf8) {
            donusen = utf8_cp1254(satir);
            if (donusen)
                satir = *donusen;
        }

        const std::size_t ayirac = satir.substr(0, AYIRAC_ALANI).rfind(':');
        if (utf8 && !donusen) {
            ++rapor.donusmeyen_satir;
        } else if (satir.find_first_not_of(' ') == std::string_view::npos) {
            ++rapor.bos_satir;
        } else if (ayirac == std::string_view::npos) {
            ++rapor.ayiracsiz_satir;
        } else {
            if (kayitlar.size() == EN_COK_KAYIT)
                return Sozluk_Hatasi::Cok_Fazla_Kayit;
            if (utf8) {
                konum = cevrilen.size();
                cevrilen += satir;
            }
            std::size_t k_bas = 0;
            std::size_t k_son = ayirac;
            while (k_bas < k_son && satir[k_bas] == ' ')
                ++k_bas;
            while (k_son > k_bas && satir[k_son - 1] == ' ')
                --k_son;
            const auto k = static_cast<std::uint32_t>(konum);
            kayitlar.push_back(
                {{k + static_cast<std::uint32_t>(k_bas), static_cast<std::uint32_t>(k_son - k_bas)},
                 {k + static_cast<std::uint32_t>(ayirac + 1),
                  static_cast<std::uint32_t>(satir.size() - ayirac - 1)}});
        }

        if (son < m.size() && m[son] == '\r' && son + 1 < m.size() && m[son + 1] == '\n')
            ++son;
        bas = son + 1;
    }
    veri_ = utf8 ? std::move(cevrilen) : std::move(icerik);
    kayitlar_ = std::move(kayitlar);
    rapor_ = rapor;
    return Sozluk_Hatasi::Yok;
}

}  // namespace velzora
