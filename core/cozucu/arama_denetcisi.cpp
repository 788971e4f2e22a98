#include "cozucu/arama_denetcisi.h"

#include <algorithm>

#include "cozucu/arama.h"

namespace velzora {
namespace {

// The clock is read once per this many tried candidates, which keeps it out
// of the hot loop's cost and still hears a stop request within a few ms.
constexpr int SAAT_ARALIGI = 1024;

std::chrono::sys_seconds simdi_saniye() {
    return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
}

}  // namespace

void Arama_Denetcisi::baslat(Izgara& izgara, const Analiz_Tablolari& t, const Cozum_Kancasi& kanca,
                             const Tekrar_Okuyucu& tekrar_oku, long long deneme_siniri) {
    izgara_ = &izgara;
    t_ = &t;
    kanca_ = &kanca;
    tekrar_oku_ = &tekrar_oku;
    tekrar_izni_ = tekrar_oku && tekrar_oku();
    deneme_siniri_ = deneme_siniri;
    sayaci_kur(0);
    son_ara_denetim_ = std::chrono::steady_clock::now();
    saniye_onbellegi_ = simdi_saniye();
    cizildi_ = false;
    son_cizim_denemesi_ = -1;
    kirli_.clear();
    kirli_mi_.assign(static_cast<std::size_t>(t.yerler.Yer_Sayisi()) + 1, 0);
}

void Arama_Denetcisi::sayaci_kur(long long denenen) {
    sayac_ = deneme_siniri_ > 0
                 ? static_cast<int>(std::min<long long>(SAAT_ARALIGI, deneme_siniri_ - denenen))
                 : SAAT_ARALIGI;
}

std::optional<Arama_Sonucu> Arama_Denetcisi::ara_denetim(long long denenen,
                                                         const Ilerleme& ilerleme) {
    if (deneme_siniri_ > 0 && denenen >= deneme_siniri_)
        return Arama_Sonucu::Sinir_Doldu;
    sayaci_kur(denenen);
    if (denetim_zamani() && kanca_cagir(ilerleme) == Kanca_Yaniti::Durdur)
        return Arama_Sonucu::Durduruldu;
    return std::nullopt;
}

bool Arama_Denetcisi::denetim_zamani() {
    saniye_onbellegi_ = simdi_saniye();
    const auto simdi = std::chrono::steady_clock::now();
    if (simdi - son_ara_denetim_ < ARA_DENETIM_SURESI)
        return false;
    son_ara_denetim_ = simdi;
    return true;
}

Kanca_Yaniti Arama_Denetcisi::kanca_cagir(const Ilerleme& ilerleme) {
    const Kanca_Yaniti yanit = *kanca_ ? (*kanca_)(ilerleme) : Kanca_Yaniti::Devam;
    // The setting can change only inside the hook, so reading it here is
    // reading it at every compatibility test.
    tekrar_izni_ = *tekrar_oku_ && (*tekrar_oku_)();
    if (izgara_->Satir_Sayisi() != t_->yerler.Satir_Sayisi() ||
        izgara_->Sutun_Sayisi() != t_->yerler.Sutun_Sayisi())
        return Kanca_Yaniti::Durdur;
    return yanit;
}

void Arama_Denetcisi::kelimeleri_goster(const std::vector<int>& yerlesen, long long denenen) {
    if (!cizildi_) {
        kelimeleri_ciz(yerlesen);
    } else {
        Izgara::Toplu_Degisiklik toplu(*izgara_);
        // Only the cells of slots whose word changed since the last redraw
        // can differ from it. Crossing words agree and fit the snapshot, so a
        // cell shows the letter of any word covering it, else the snapshot.
        const Yer_Tablosu& yerler = t_->yerler;
        for (const int s : kirli_) {
            const Kelime_Yeri& y = yerler.Yer(s);
            for (int p = 1; p <= y.Uzunluk; ++p) {
                const int r = y.satir_k(p);
                const int c = y.sutun_k(p);
                const int a = yerler.soldan_yer(r, c);
                const int d = yerler.yukaridan_yer(r, c);
                std::string_view harf = t_->harfler.Harf(r, c);
                if (d != 0 && yerlesen[static_cast<std::size_t>(d)] != 0) {
                    harf = {t_->adaylar.aday_harfleri(d, yerlesen[static_cast<std::size_t>(d)]) +
                                (r - yerler.Yer(d).Satir),
                            1};
                } else if (a != 0 && yerlesen[static_cast<std::size_t>(a)] != 0) {
                    harf = {t_->adaylar.aday_harfleri(a, yerlesen[static_cast<std::size_t>(a)]) +
                                (c - yerler.Yer(a).Sutun),
                            1};
                }
                izgara_->harf_yaz(r, c, harf);
            }
        }
    }
    for (const int s : kirli_)
        kirli_mi_[static_cast<std::size_t>(s)] = 0;
    kirli_.clear();
    // The clock is read with the stop check; bitir reads it exactly when
    // the run ends right after a redraw.
    Bitis_Zamani_ = saniye_onbellegi_;
    son_cizim_denemesi_ = denenen;
}

void Arama_Denetcisi::harf_geri_yaz() {
    for (int r = 1; r <= izgara_->Satir_Sayisi(); ++r) {
        for (int c = 1; c <= izgara_->Sutun_Sayisi(); ++c)
            izgara_->harf_yaz(r, c, t_->harfler.Harf(r, c));
    }
}

void Arama_Denetcisi::kelimeleri_ciz(const std::vector<int>& kelimeler) {
    Izgara::Toplu_Degisiklik toplu(*izgara_);
    harf_geri_yaz();
    for (int s = 1; s <= t_->yerler.Yer_Sayisi(); ++s) {
        const std::string_view w =
            t_->adaylar.Aday_Kelime(s, kelimeler[static_cast<std::size_t>(s)]);
        const Kelime_Yeri& y = t_->yerler.Yer(s);
        for (int p = 1; p <= y.Uzunluk && p <= static_cast<int>(w.size()); ++p)
            izgara_->harf_yaz(y.satir_k(p), y.sutun_k(p),
                              w.substr(static_cast<std::size_t>(p) - 1, 1));
    }
    cizildi_ = true;
    Bitis_Zamani_ = simdi_saniye();
}

void Arama_Denetcisi::harfleri_ciz(const std::vector<std::pair<int, int>>& hucreler,
                                   const std::vector<std::string_view>& harfler) {
    Izgara::Toplu_Degisiklik toplu(*izgara_);
    harf_geri_yaz();
    for (std::size_t i = 0; i < hucreler.size(); ++i) {
        if (!harfler[i].empty())
            izgara_->harf_yaz(hucreler[i].first, hucreler[i].second, harfler[i]);
    }
    cizildi_ = true;
    Bitis_Zamani_ = simdi_saniye();
}

void Arama_Denetcisi::bitir(long long denenen) {
    if (!cizildi_ || son_cizim_denemesi_ == denenen)
        Bitis_Zamani_ = simdi_saniye();
}

}  // namespace velzora
