// The analysis and the search written as plainly as they are described, with
// the full byte table of candidate states per level. Slow and memory-hungry
// on purpose: it is only the oracle that the fast solver is compared with.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "analiz/kelime_yeri.h"
#include "izgara/izgara.h"
#include "ortak/rastgele.h"
#include "sozluk/sozluk.h"

namespace velzora::referans {

struct Kesisim_Noktasi {
    int Konum_A = 0;
    int Konum_B = 0;
};

class Referans_Cozucu {
  public:
    void analiz_et(const Izgara& izgara, const Sozluk& sozluk, Rastgele_Kaynak& kaynak);

    // `kabul` runs after every redraw of an accepted word; false stops the run.
    // `tekrar_izni` is read at every compatibility test.
    bool bulmaca_coz(Izgara& izgara, const std::function<bool()>& tekrar_izni,
                     const std::function<bool(int seviye)>& kabul);

    // Tables, 1-based as described.
    int Yer_Sayisi = 0;
    std::vector<Kelime_Yeri> Yerler;
    std::vector<std::vector<Kesisim_Noktasi>> Kesisim;
    std::vector<std::vector<std::string>> Harf;
    std::vector<std::vector<std::string>> Aday_Kelime;
    std::vector<std::vector<std::string>> Aday_Soru;
    std::vector<int> Aday_Adet;
    int En_Cok_Aday = 0;
    std::vector<int> Sira;
    std::vector<int> Aday_Sayisi;
    std::vector<std::string> Cozum_Kelime;
    std::vector<std::string> Cozum_Soru;
    std::vector<std::string> En_Iyi_Kelime;
    int En_Derin = 0;
    bool durduruldu = false;
    long long denenen = 0;
    // When not 0, the run stops once this many candidates were tried (the
    // benchmark times a fixed stretch of a run).
    long long deneme_siniri = 0;

  private:
    void yer_tara(const Izgara& izgara, int hat_sayisi, int hucre_sayisi, char yon);
    void kesisim_bul();
    bool kelime_uyar(int s, std::string_view kelime) const;
    void aday_karistir(Rastgele_Kaynak& kaynak);
    unsigned char& Uygun(int L, int s, int k);
    void aday_hazirla();
    void seviye_kopyala(int L);
    bool aday_say(int L, int s);
    bool uyumlu(int a, int b, const std::string& wa, const std::string& wb);
    void sonraki_sec(int p);
    std::string kelime_sec(int L);
    void cozum_goster(int L, bool en_derin);
    void harf_geri_yaz();

    int satir_sayisi_ = 0;
    int sutun_sayisi_ = 0;
    std::vector<unsigned char> uygun_;
    Izgara* izgara_ = nullptr;
    const std::function<bool()>* tekrar_izni_ = nullptr;
};

}  // namespace velzora::referans
