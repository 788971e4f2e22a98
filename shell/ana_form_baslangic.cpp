// Start-up and shut-down of the main window, and its placement in twips.
#include <optional>

#include "ana_form.h"
#include "bul_form.h"
#include "dosya_yolu.h"
#include "izgara/sablon_dosyasi.h"
#include "twip.h"

namespace velzora {
namespace {

constexpr char HATALI_DOSYA_ADI[] = "Hatalı Dosya Adı";

constexpr float EN_AZ_ORAN = 0.05f;
constexpr float EN_COK_ORAN = 0.30f;

}  // namespace

// A stored value that cannot be read stands in by its own default.
void Ana_Form::yerlesimi_oku() {
    const float sol = ayarlar_.sayi_oku(ayar::MainLeft, ayar::VARSAYILAN_SOL);
    const float ust = ayarlar_.sayi_oku(ayar::MainTop, ayar::VARSAYILAN_UST);
    const float genislik = ayarlar_.sayi_oku(ayar::MainWidth, ayar::VARSAYILAN_GENISLIK);
    const float yukseklik = ayarlar_.sayi_oku(ayar::MainHeight, ayar::VARSAYILAN_YUKSEKLIK);
    move(twip_piksel(sol, logicalDpiX()), twip_piksel(ust, logicalDpiY()));
    resize(twip_piksel(genislik, logicalDpiX()), twip_piksel(yukseklik, logicalDpiY()));
}

Baslangic_Sonucu Ana_Form::MDIForm_Load() {
    setWindowTitle(ana_baslik());
    yerlesimi_oku();
    durum_.Hazir = true;

    durum_.Sozluk_Yolu = ayarlar_.oku(ayar::SOZ, ayarlar_.varsayilan_sozluk());
    durum_.Sablon_Yolu = ayarlar_.oku(ayar::SAB, ayarlar_.varsayilan_sablon());
    durum_.Siyah_Orani = ayarlar_.sayi_oku(ayar::SKO, ayar::VARSAYILAN_ORAN);
    durum_.Tekrar_Izni = ayarlar_.mantik_oku(ayar::TEK, ayar::VARSAYILAN_TEKRAR);
    durum_.Akilli_Arama = ayarlar_.mantik_oku(ayar::AKL, ayar::VARSAYILAN_AKILLI);

    durum_.Satir_Sayisi = 9;
    durum_.Sutun_Sayisi = 9;
    // Compared in single precision, so that a stored 0.3 stays 0.3.
    if (durum_.Siyah_Orani < EN_AZ_ORAN || durum_.Siyah_Orani > EN_COK_ORAN)
        durum_.Siyah_Orani = ayar::VARSAYILAN_ORAN;

    Bul_Form& bul = bul_formu_hazirla();
    bul_formu_goster();
    std::optional<Sablon_Icerigi> sablon;
    if (!durum_.Sablon_Yolu.isEmpty()) {
        sablon.emplace();
        if (sablon_oku(dosya_yolu(durum_.Sablon_Yolu), *sablon) != Sablon_Hatasi::Yok)
            return baslangic_hatasi();
    }
    if (bul.sablon_ciz(sablon ? &*sablon : nullptr, durum_.Satir_Sayisi, durum_.Sutun_Sayisi) ==
        Cizim_Sonucu::Ebat_Gecersiz) {
        Yeni_Sablon();
    } else {
        bul_formu_goster();
    }
    // The puzzle laid out at start-up is where the history begins.
    bul.belge().yigin().clear();
    return sozluk_oku() == Sozluk_Sonucu::Yuklendi ? Baslangic_Sonucu::Devam
                                                   : Baslangic_Sonucu::Cikis;
}

// A default template that cannot be read ends start-up here with a new blank
// template. The dictionary is then loaded by the first solve run.
Baslangic_Sonucu Ana_Form::baslangic_hatasi() {
    if (!isVisible())
        show();
    etkilesim_.mesaj(this, QString::fromUtf8(HATALI_DOSYA_ADI));
    durum_.Satir_Sayisi = 9;
    durum_.Sutun_Sayisi = 9;
    Yeni_Sablon();
    bul_formu_hazirla().belge().yigin().clear();
    return Baslangic_Sonucu::Devam;
}

void Ana_Form::MDIForm_Unload() {
    if (!isMinimized()) {
        ayarlar_.sayi_sakla(ayar::MainLeft, static_cast<float>(piksel_twip(x(), logicalDpiX())));
        ayarlar_.sayi_sakla(ayar::MainTop, static_cast<float>(piksel_twip(y(), logicalDpiY())));
        ayarlar_.sayi_sakla(ayar::MainWidth,
                            static_cast<float>(piksel_twip(width(), logicalDpiX())));
        ayarlar_.sayi_sakla(ayar::MainHeight,
                            static_cast<float>(piksel_twip(height(), logicalDpiY())));
    }
    ayarlar_.yaz(ayar::SOZ, durum_.Sozluk_Yolu);
    ayarlar_.yaz(ayar::SAB, durum_.Sablon_Yolu);
    ayarlar_.sayi_sakla(ayar::SKO, durum_.Siyah_Orani);
    ayarlar_.mantik_sakla(ayar::TEK, durum_.Tekrar_Izni);
    ayarlar_.mantik_sakla(ayar::AKL, durum_.Akilli_Arama);
}

}  // namespace velzora
