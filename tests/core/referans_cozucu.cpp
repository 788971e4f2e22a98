#include "referans_cozucu.h"

#include <cmath>
#include <utility>

#include "ortak/sayi_okuma.h"

namespace velzora::referans {

void Referans_Cozucu::yer_tara(const Izgara& izgara, int hat_sayisi, int hucre_sayisi, char yon) {
    for (int i = 1; i <= hat_sayisi; ++i) {
        bool yerde = false;
        for (int j = 1; j <= hucre_sayisi; ++j) {
            const bool beyaz = yon == 'S' ? izgara.beyaz_mi(i, j) : izgara.beyaz_mi(j, i);
            const bool sonraki_beyaz = j < hucre_sayisi && (yon == 'S' ? izgara.beyaz_mi(i, j + 1)
                                                                       : izgara.beyaz_mi(j + 1, i));
            if (!beyaz) {
                yerde = false;
            } else if (yerde) {
                Yerler[static_cast<std::size_t>(Yer_Sayisi)].Uzunluk += 1;
            } else if (sonraki_beyaz) {
                Yer_Sayisi += 1;
                Kelime_Yeri y;
                y.Yon = yon == 'S' ? Yon_Turu::Soldan : Yon_Turu::Yukaridan;
                y.Satir = yon == 'S' ? i : j;
                y.Sutun = yon == 'S' ? j : i;
                y.Uzunluk = 1;
                Yerler.push_back(y);
                yerde = true;
            }
        }
    }
}

void Referans_Cozucu::kesisim_bul() {
    for (int a = 1; a <= Yer_Sayisi - 1; ++a) {
        if (Yerler[static_cast<std::size_t>(a)].Yon != Yon_Turu::Soldan)
            continue;
        for (int b = a + 1; b <= Yer_Sayisi; ++b) {
            const Kelime_Yeri& A = Yerler[static_cast<std::size_t>(a)];
            const Kelime_Yeri& B = Yerler[static_cast<std::size_t>(b)];
            if (B.Yon != Yon_Turu::Yukaridan)
                continue;
            if (A.Sutun <= B.Sutun && B.Sutun <= A.Sutun + A.Uzunluk - 1) {
                for (int k = 1; k <= B.Uzunluk; ++k) {
                    if (B.Satir + k - 1 == A.Satir) {
                        Kesisim[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] = {
                            B.Sutun - A.Sutun + 1, k};
                        Kesisim[static_cast<std::size_t>(b)][static_cast<std::size_t>(a)] = {
                            k, B.Sutun - A.Sutun + 1};
                    }
                }
            }
        }
    }
}

bool Referans_Cozucu::kelime_uyar(int s, std::string_view kelime) const {
    const Kelime_Yeri& y = Yerler[static_cast<std::size_t>(s)];
    for (int k = 1; k <= y.Uzunluk; ++k) {
        const std::string& t =
            Harf[static_cast<std::size_t>(y.satir_k(k))][static_cast<std::size_t>(y.sutun_k(k))];
        if (!t.empty() && t != kelime.substr(static_cast<std::size_t>(k) - 1, 1))
            return false;
    }
    return true;
}

void Referans_Cozucu::aday_karistir(Rastgele_Kaynak& kaynak) {
    for (int s = 1; s <= Yer_Sayisi; ++s) {
        const int n = Aday_Adet[static_cast<std::size_t>(s)];
        const int h = n / 2;
        for (int k = 1; k <= h; ++k) {
            const double u = kaynak.tekduze();
            const int r = static_cast<int>(yuvarla_cift(u * (h - 1) + 1 + h));
            auto& kelimeler = Aday_Kelime[static_cast<std::size_t>(s)];
            auto& sorular = Aday_Soru[static_cast<std::size_t>(s)];
            std::swap(kelimeler[static_cast<std::size_t>(k)],
                      kelimeler[static_cast<std::size_t>(r)]);
            std::swap(sorular[static_cast<std::size_t>(k)], sorular[static_cast<std::size_t>(r)]);
        }
    }
}

void Referans_Cozucu::analiz_et(const Izgara& izgara, const Sozluk& sozluk,
                                Rastgele_Kaynak& kaynak) {
    satir_sayisi_ = izgara.Satir_Sayisi();
    sutun_sayisi_ = izgara.Sutun_Sayisi();
    Yer_Sayisi = 0;
    Yerler.assign(1, Kelime_Yeri{});
    yer_tara(izgara, satir_sayisi_, sutun_sayisi_, 'S');
    yer_tara(izgara, sutun_sayisi_, satir_sayisi_, 'Y');
    const auto boy = static_cast<std::size_t>(Yer_Sayisi) + 2;
    Kesisim.assign(boy, std::vector<Kesisim_Noktasi>(boy));
    Aday_Adet.assign(boy, 0);
    Sira.assign(boy, 0);
    Aday_Sayisi.assign(boy, 0);
    En_Iyi_Kelime.assign(boy, "");
    Cozum_Kelime.assign(boy, "");
    Cozum_Soru.assign(boy, "");
    kesisim_bul();
    Harf.assign(51, std::vector<std::string>(51));
    for (int r = 1; r <= satir_sayisi_; ++r) {
        for (int c = 1; c <= sutun_sayisi_; ++c)
            Harf[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = izgara.harf_al(r, c);
    }
    Aday_Kelime.assign(boy, {""});
    Aday_Soru.assign(boy, {""});
    for (int s = 1; s <= Yer_Sayisi; ++s) {
        for (int w = 1; w <= sozluk.Kelime_Sayisi(); ++w) {
            const std::string_view kelime = sozluk.Kelime(w);
            if (static_cast<int>(kelime.size()) == Yerler[static_cast<std::size_t>(s)].Uzunluk &&
                kelime_uyar(s, kelime)) {
                Aday_Kelime[static_cast<std::size_t>(s)].emplace_back(kelime);
                Aday_Soru[static_cast<std::size_t>(s)].emplace_back(sozluk.Soru(w));
            }
        }
        Aday_Adet[static_cast<std::size_t>(s)] =
            static_cast<int>(Aday_Kelime[static_cast<std::size_t>(s)].size()) - 1;
    }
    aday_karistir(kaynak);
    En_Cok_Aday = Aday_Adet[1];
    for (int s = 2; s <= Yer_Sayisi; ++s)
        En_Cok_Aday = std::max(En_Cok_Aday, Aday_Adet[static_cast<std::size_t>(s)]);
    for (auto& liste : Aday_Kelime)
        liste.resize(static_cast<std::size_t>(En_Cok_Aday) + 1);
    for (auto& liste : Aday_Soru)
        liste.resize(static_cast<std::size_t>(En_Cok_Aday) + 1);
    uygun_.assign(boy * boy * (static_cast<std::size_t>(En_Cok_Aday) + 1), 0);
}

unsigned char& Referans_Cozucu::Uygun(int L, int s, int k) {
    const auto boy = static_cast<std::size_t>(Yer_Sayisi) + 2;
    const auto M1 = static_cast<std::size_t>(En_Cok_Aday) + 1;
    return uygun_[(static_cast<std::size_t>(L) * boy + static_cast<std::size_t>(s)) * M1 +
                  static_cast<std::size_t>(k)];
}

void Referans_Cozucu::aday_hazirla() {
    for (int L = 1; L <= Yer_Sayisi; ++L) {
        for (int s = 1; s <= Yer_Sayisi; ++s) {
            for (int k = 1; k <= En_Cok_Aday; ++k)
                Uygun(L, s, k) =
                    Aday_Kelime[static_cast<std::size_t>(s)][static_cast<std::size_t>(k)].empty()
                        ? 0
                        : 1;
        }
    }
}

void Referans_Cozucu::seviye_kopyala(int L) {
    for (int s = 1; s <= Yer_Sayisi; ++s) {
        for (int k = 1; k <= En_Cok_Aday; ++k)
            Uygun(L + 1, s, k) = Uygun(L, s, k);
    }
}

bool Referans_Cozucu::aday_say(int L, int s) {
    Aday_Sayisi[static_cast<std::size_t>(s)] = 0;
    for (int k = 1; k <= En_Cok_Aday; ++k) {
        if (Uygun(L, s, k) == 1)
            Aday_Sayisi[static_cast<std::size_t>(s)] += 1;
    }
    return Aday_Sayisi[static_cast<std::size_t>(s)] > 0;
}

bool Referans_Cozucu::uyumlu(int a, int b, const std::string& wa, const std::string& wb) {
    if (wa == wb && !(*tekrar_izni_)())
        return false;
    const int pa = Kesisim[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)].Konum_A;
    const int pb = Kesisim[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)].Konum_B;
    if (pa == 0)
        return true;
    if (pa > static_cast<int>(wa.size()) || pb > static_cast<int>(wb.size()))
        return false;
    return wa[static_cast<std::size_t>(pa) - 1] == wb[static_cast<std::size_t>(pb) - 1];
}

void Referans_Cozucu::sonraki_sec(int p) {
    int en_iyi = p;
    if (p > Yer_Sayisi)
        return;
    int en_az = Aday_Sayisi[static_cast<std::size_t>(Sira[static_cast<std::size_t>(p)])];
    for (int q = p + 1; q <= Yer_Sayisi; ++q) {
        if (Aday_Sayisi[static_cast<std::size_t>(Sira[static_cast<std::size_t>(q)])] < en_az) {
            en_az = Aday_Sayisi[static_cast<std::size_t>(Sira[static_cast<std::size_t>(q)])];
            en_iyi = q;
        }
    }
    if (en_iyi != p)
        std::swap(Sira[static_cast<std::size_t>(en_iyi)], Sira[static_cast<std::size_t>(p)]);
}

std::string Referans_Cozucu::kelime_sec(int L) {
    const int s = Sira[static_cast<std::size_t>(L)];
    for (;;) {
        if (!aday_say(L, s))
            return "";
        int k = 1;
        while (Uygun(L, s, k) != 1)
            ++k;
        const std::string w = Aday_Kelime[static_cast<std::size_t>(s)][static_cast<std::size_t>(k)];
        Uygun(L, s, k) = 0;
        ++denenen;
        if (denenen == deneme_siniri) {
            durduruldu = true;
            return "";
        }
        seviye_kopyala(L);
        bool reddedildi = false;
        for (int q = L + 1; q <= Yer_Sayisi && !reddedildi; ++q) {
            const int t = Sira[static_cast<std::size_t>(q)];
            for (int m = 1; m <= En_Cok_Aday; ++m) {
                if (Uygun(L + 1, t, m) == 1 &&
                    !uyumlu(s, t, w,
                            Aday_Kelime[static_cast<std::size_t>(t)][static_cast<std::size_t>(m)]))
                    Uygun(L + 1, t, m) = 0;
            }
            if (!aday_say(L + 1, t))
                reddedildi = true;
        }
        if (!reddedildi) {
            Cozum_Soru[static_cast<std::size_t>(s)] =
                Aday_Soru[static_cast<std::size_t>(s)][static_cast<std::size_t>(k)];
            return w;
        }
    }
}

void Referans_Cozucu::harf_geri_yaz() {
    for (int r = 1; r <= satir_sayisi_; ++r) {
        for (int c = 1; c <= sutun_sayisi_; ++c)
            izgara_->harf_yaz(r, c, Harf[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
    }
}

void Referans_Cozucu::cozum_goster(int L, bool en_derin) {
    harf_geri_yaz();
    if (L > En_Derin) {
        En_Derin = L;
        for (int s = 1; s <= Yer_Sayisi; ++s)
            En_Iyi_Kelime[static_cast<std::size_t>(s)] = Cozum_Kelime[static_cast<std::size_t>(s)];
    }
    for (int s = 1; s <= Yer_Sayisi; ++s) {
        const std::string& w = en_derin ? En_Iyi_Kelime[static_cast<std::size_t>(s)]
                                        : Cozum_Kelime[static_cast<std::size_t>(s)];
        const Kelime_Yeri& y = Yerler[static_cast<std::size_t>(s)];
        for (int p = 1; p <= y.Uzunluk; ++p) {
            if (p <= static_cast<int>(w.size())) {
                if (y.Yon == Yon_Turu::Soldan)
                    izgara_->harf_yaz(y.Satir, y.Sutun + p - 1,
                                      w.substr(static_cast<std::size_t>(p) - 1, 1));
                else
                    izgara_->harf_yaz(y.Satir + p - 1, y.Sutun,
                                      w.substr(static_cast<std::size_t>(p) - 1, 1));
            }
        }
    }
}

bool Referans_Cozucu::bulmaca_coz(Izgara& izgara, const std::function<bool()>& tekrar_izni,
                                  const std::function<bool(int)>& kabul) {
    izgara_ = &izgara;
    tekrar_izni_ = &tekrar_izni;
    const int n = Yer_Sayisi;
    for (int p = 1; p <= n; ++p)
        Sira[static_cast<std::size_t>(p)] = p;
    for (int s = 1; s <= n; ++s) {
        Cozum_Kelime[static_cast<std::size_t>(s)].clear();
        Cozum_Soru[static_cast<std::size_t>(s)].clear();
    }
    aday_hazirla();
    bool sonuc = false;
    int L = 1;
    En_Derin = 0;
    durduruldu = false;
    denenen = 0;
    while (1 <= L && L <= n) {
        const std::string w = kelime_sec(L);
        if (durduruldu)
            return false;
        Cozum_Kelime[static_cast<std::size_t>(Sira[static_cast<std::size_t>(L)])] = w;
        if (w.empty()) {
            L = L - 1;
            continue;
        }
        cozum_goster(L, false);
        if (!kabul(L)) {
            durduruldu = true;
            return false;
        }
        L = L + 1;
        sonraki_sec(L);
    }
    if (L == n + 1)
        sonuc = true;
    if (L == 0)
        cozum_goster(En_Derin, true);
    return sonuc;
}

}  // namespace velzora::referans
