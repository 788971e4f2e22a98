// The solve run of the main window: the one command that starts a run and,
// while it goes on, asks it to stop. It runs the analysis and the search (the
// exact one, or the smart one on every processor when the preferences ask
// for it) on the program's grid and dictionary, lets the windows work at the
// search's hook calls, shows the progress on the status bar and closes the
// run with its message.
#pragma once

#include <chrono>
#include <functional>
#include <memory>

#include "cozucu/cozum_turleri.h"
#include "ortak/rastgele.h"

class QLabel;

namespace velzora {

class Ana_Form;

// Makes the random source of one run's candidate shuffle.
using Kaynak_Uretici = std::function<std::unique_ptr<Rastgele_Kaynak>()>;

enum class Calisma_Asamasi {
    Bos,       // no run
    Suruyor,   // from the start of Kos until the search has returned
    Kapaniyor  // the outcome is being shown
};

class Cozum_Calistirma {
  public:
    // Puts the progress line on the main window's status bar. The random
    // source is seeded from the time of day unless another maker is given.
    explicit Cozum_Calistirma(Ana_Form& ana);
    ~Cozum_Calistirma();
    Cozum_Calistirma(const Cozum_Calistirma&) = delete;
    Cozum_Calistirma& operator=(const Cozum_Calistirma&) = delete;

    // Starts a run, or asks the running one to stop. A use while a stop
    // request waits for its check is the same request; runs never nest.
    void Kos();

    Calisma_Asamasi asama() const { return asama_; }
    bool suruyor() const { return asama_ != Calisma_Asamasi::Bos; }

    // The main window is being closed: the run stops at its next check
    // without asking, then closes the window again.
    void kapanis_iste();
    // The program ends at once: the run stops at its next check without
    // asking, and nothing else follows.
    void cikis_iste();

    void kaynak_uretici_ata(Kaynak_Uretici uretici) { kaynak_uretici_ = std::move(uretici); }

    // The windows work at a hook call when this long has passed since they
    // last did (zero: at every hook call). Accepting a word takes about a
    // microsecond, as long as one round of the windows' events even when
    // none is waiting, so working them at every word would slow the search
    // several times over for nothing the eye or the hand can tell apart.
    static constexpr std::chrono::milliseconds OLAY_ARALIGI{10};
    void olay_araligi_ata(std::chrono::microseconds aralik) { olay_araligi_ = aralik; }

    // After this long without a result, the exact search's run suggests the
    // smart search on the status bar, once.
    static constexpr std::chrono::seconds ONERI_SURESI{10};
    void oneri_suresi_ata(std::chrono::milliseconds sure) { oneri_suresi_ = sure; }

    // The progress line: accepted words (the smart search: nodes, failures
    // and restarts), the deepest level of the slot count, the time since the
    // start, read from the clock and in the format of the closing message.
    // A new puzzle empties it.
    QLabel* ilerleme_etiketi() const { return ilerleme_; }

  private:
    enum class Bitis_Istegi { Yok, Kapanis, Cikis };

    Kanca_Yaniti kanca(const Ilerleme& ilerleme);
    void ilerleme_yaz(const Ilerleme& i, std::chrono::seconds sure);
    void bitir(Analiz_Sonucu analiz, Cozum_Durumu sonuc);

    Ana_Form& ana_;
    QLabel* ilerleme_;
    Kaynak_Uretici kaynak_uretici_;
    Calisma_Asamasi asama_ = Calisma_Asamasi::Bos;
    Bitis_Istegi bitis_istegi_ = Bitis_Istegi::Yok;
    // The run in progress (or the last one) uses the smart search.
    bool akilli_ = false;
    bool oneri_yapildi_ = false;
    int izgara_dinleyicisi_ = 0;
    std::chrono::steady_clock::duration olay_araligi_ = OLAY_ARALIGI;
    std::chrono::steady_clock::duration oneri_suresi_ = ONERI_SURESI;
    std::chrono::steady_clock::time_point baslangic_{};
    std::chrono::steady_clock::time_point son_olaylar_{};
    std::chrono::steady_clock::time_point son_yazim_{};
};

}  // namespace velzora
