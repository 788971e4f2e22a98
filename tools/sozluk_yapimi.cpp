#include "sozluk_yapimi.h"

#include "ortak/dosya_islemleri.h"
#include "wordnet_okuma.h"

namespace velzora::sozluk_yapici {

Yapim_Raporu sozluk_yap(const Yapim_Ayarlari& ayarlar) {
    Yapim_Raporu rapor;
    auto wordnet = wordnet_oku(ayarlar.wordnet);
    if (!wordnet.hata.empty()) {
        rapor.hata = wordnet.hata;
        return rapor;
    }
    std::vector<Sozcuk_Listesi> baskilar(ayarlar.baskilar.size());
    for (std::size_t i = 0; i < baskilar.size(); ++i) {
        if (!baskilar[i].oku(ayarlar.baskilar[i])) {
            rapor.hata = ayarlar.baskilar[i].string() + ": okunamadı";
            return rapor;
        }
    }

    Turkce_Sozcuk turkce(baskilar);
    if (!ayarlar.yazim_sozlugu.empty() && !turkce.yazim_sozlugu_ac(ayarlar.yazim_sozlugu)) {
        rapor.hata = ayarlar.yazim_sozlugu.string() + ": okunamadı";
        return rapor;
    }

    auto maddeler = maddeleri_topla(wordnet.kumeler, baskilar, turkce);
    for (const auto& m : maddeler)
        ++rapor.uzunluklar[m.kelime.size()].bulunan;
    const auto secilen = maddeleri_sec(std::move(maddeler), ayarlar.boyut);
    for (const auto& m : secilen) {
        ++rapor.uzunluklar[m.kelime.size()].secilen;
        ++rapor.ipucu_turleri[static_cast<std::size_t>(m.ipucu_turu)];
    }
    rapor.toplam = secilen.size();

    const std::string metin = sozluk_metni(secilen);
    Sozluk yazilan;
    yazilan.cozumle(metin);
    const auto es = es_anlamlilari_topla(wordnet.kumeler);
    rapor.kalite = sozluk_raporu(yazilan, &es);
    if (!dosyayi_guvenle_yaz(ayarlar.cikti, metin))
        rapor.hata = ayarlar.cikti.string() + ": yazılamadı";
    return rapor;
}

}  // namespace velzora::sozluk_yapici
