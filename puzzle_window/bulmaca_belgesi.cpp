#include "bulmaca_belgesi.h"

#include "geri_al_komutlari.h"

namespace velzora {
namespace {

constexpr char SORU_DUZELTME[] = "Soru Düzeltme";

// A step holds at most two whole puzzles, some kilobytes for 15 x 15 and a
// few hundred for a full 50 x 50: the history stays within memory's means.
constexpr int GERI_AL_SINIRI = 200;

}  // namespace

Bulmaca_Belgesi::Bulmaca_Belgesi(Izgara& izgara, QObject* ebeveyn)
    : QObject(ebeveyn), izgara_(izgara) {
    yigin_.setUndoLimit(GERI_AL_SINIRI);
}

void Bulmaca_Belgesi::hucre_degistir(int satir, int sutun, Bulmaca_Hucresi yeni,
                                     const QString& ad) {
    const Bulmaca_Hucresi eski = hucre_al(izgara_, satir, sutun);
    if (!yeni.dolu)
        yeni.harf = '\0';
    if (kilitli_ || yeni == eski)
        return;
    yigin_.push(new Hucre_Komutu(*this, satir, sutun, eski, yeni, ad));
}

void Bulmaca_Belgesi::toplu_degistir(const QString& ad, const std::function<void()>& islem) {
    if (toplu_derinlik_ > 0) {
        islem();
        return;
    }
    Bulmaca once = bulmaca_al(izgara_, dolgu_);
    ++toplu_derinlik_;
    islem();
    --toplu_derinlik_;
    Bulmaca sonra = bulmaca_al(izgara_, dolgu_);
    if (sonra != once)
        yigin_.push(new Durum_Komutu(*this, std::move(once), std::move(sonra), ad));
}

void Bulmaca_Belgesi::dolgu_ata(Dolgu dolgu) {
    dolgu_ = std::move(dolgu);
    emit dolgu_yenilendi();
}

bool Bulmaca_Belgesi::soru_degistir(int yer, std::string soru) {
    if (kilitli_ || yer < 1 || static_cast<std::size_t>(yer) >= dolgu_.Cozum_Soru.size())
        return false;
    const std::string& eski = dolgu_.Cozum_Soru[static_cast<std::size_t>(yer)];
    if (eski != soru)
        yigin_.push(
            new Soru_Komutu(*this, yer, eski, std::move(soru), QString::fromUtf8(SORU_DUZELTME)));
    return true;
}

void Bulmaca_Belgesi::kilitle(bool kilitli) {
    if (kilitli_ == kilitli)
        return;
    kilitli_ = kilitli;
    emit kilit_degisti(kilitli);
}

void Bulmaca_Belgesi::sablon_saklandi() {
    if (dolgu_.Yer_Sayisi() > 0)
        return;
    for (int r = 1; r <= izgara_.Satir_Sayisi(); ++r) {
        for (int c = 1; c <= izgara_.Sutun_Sayisi(); ++c) {
            if (!izgara_.harf_al(r, c).empty())
                return;
        }
    }
    yigin_.setClean();
}

void Bulmaca_Belgesi::hucreyi_yaz(int satir, int sutun, Bulmaca_Hucresi h) {
    Izgara::Toplu_Degisiklik toplu(izgara_);
    izgara_.siyah_yap(satir, sutun, h.siyah ? Renk_Kodu::Siyah : Renk_Kodu::Beyaz);
    izgara_.harf_yaz(satir, sutun, h.dolu ? std::string_view(&h.harf, 1) : std::string_view());
}

void Bulmaca_Belgesi::durumu_yukle(const Bulmaca& b) {
    izgaraya_yaz(b, izgara_);
    dolgu_ata(b.dolgu);
}

void Bulmaca_Belgesi::soruyu_yaz(int yer, const std::string& soru) {
    dolgu_.Cozum_Soru[static_cast<std::size_t>(yer)] = soru;
    emit soru_degisti(yer);
}

}  // namespace velzora
