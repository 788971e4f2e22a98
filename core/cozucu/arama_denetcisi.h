// The clock, the stop and the redraw of a solve run, kept apart from the
// search state they watch, as a constraint solver keeps its stop object apart
// from its engines: when the hook runs, whether the run must end, what the
// grid shows and when it was last drawn.
#pragma once

#include <chrono>
#include <optional>
#include <string_view>
#include <vector>

#include "cozucu/cozum_turleri.h"
#include "izgara/izgara.h"

namespace velzora {

struct Analiz_Tablolari;

class Arama_Denetcisi {
  public:
    // Gap between hook calls while nothing is accepted; well under the
    // 100 ms that the window may stay unresponsive.
    static constexpr std::chrono::milliseconds ARA_DENETIM_SURESI{50};

    // A run begins on `izgara`, which has the analysed size. `deneme_siniri`
    // is the most candidates (nodes) the run may try; 0 for no limit.
    void baslat(Izgara& izgara, const Analiz_Tablolari& t, const Cozum_Kancasi& kanca,
                const Tekrar_Okuyucu& tekrar_oku, long long deneme_siniri);

    // The exact search counts its tried candidates down to the next look at
    // the clock; the count ends exactly at the limit of tries.
    bool sayac_doldu() { return --sayac_ == 0; }

    // The look at the clock, with `denenen` tried so far: the end of the
    // run when the tries are spent or when the hook, called once
    // ARA_DENETIM_SURESI has passed since its last call, asks to stop.
    std::optional<Arama_Sonucu> ara_denetim(long long denenen, const Ilerleme& ilerleme);

    // Reads the clock: true, once ARA_DENETIM_SURESI has passed since the
    // last time it said so, when the hook is due.
    bool denetim_zamani();

    // Calls the hook and reads the repetition setting after it. Durdur also
    // when the grid no longer has the analysed size: it cannot take the words.
    Kanca_Yaniti kanca_cagir(const Ilerleme& ilerleme);
    bool tekrar_izni() const { return tekrar_izni_; }
    long long deneme_siniri() const { return deneme_siniri_; }

    // The exact search's redraw: the slot's word changed since the last one.
    void yer_degisti(int s) {
        if (!kirli_mi_[static_cast<std::size_t>(s)]) {
            kirli_mi_[static_cast<std::size_t>(s)] = 1;
            kirli_.push_back(s);
        }
    }
    // Shows the current words (candidate numbers per slot), redrawing only
    // the cells of the slots that changed; `denenen` as of this moment.
    void kelimeleri_goster(const std::vector<int>& yerlesen, long long denenen);
    // Draws the letter snapshot and these words over it.
    void kelimeleri_ciz(const std::vector<int>& kelimeler);
    // Draws the letter snapshot and the given letters over it: one per
    // cell of `hucreler` (row, column), an empty one for none.
    void harfleri_ciz(const std::vector<std::pair<int, int>>& hucreler,
                      const std::vector<std::string_view>& harfler);

    // The run is over after `denenen` tries: the end time is the clock's
    // now, unless the search went on after its last redraw.
    void bitir(long long denenen);
    // Wall-clock whole seconds of the last redraw, or of the end of a run
    // that drew nothing.
    std::chrono::sys_seconds Bitis_Zamani() const { return Bitis_Zamani_; }

  private:
    void sayaci_kur(long long denenen);
    void harf_geri_yaz();

    Izgara* izgara_ = nullptr;
    const Analiz_Tablolari* t_ = nullptr;
    const Cozum_Kancasi* kanca_ = nullptr;
    const Tekrar_Okuyucu* tekrar_oku_ = nullptr;
    long long deneme_siniri_ = 0;
    int sayac_ = 0;
    bool tekrar_izni_ = false;
    std::chrono::steady_clock::time_point son_ara_denetim_{};
    std::chrono::sys_seconds saniye_onbellegi_{};  // wall clock at the last look
    std::chrono::sys_seconds Bitis_Zamani_{};
    bool cizildi_ = false;
    long long son_cizim_denemesi_ = -1;  // tried count at the last redraw
    std::vector<int> kirli_;             // slots changed since the last redraw
    std::vector<char> kirli_mi_;
};

}  // namespace velzora
