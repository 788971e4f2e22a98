#include "cozucu/harf_modeli.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string_view>

#include "cozucu/arama.h"
#include "cozucu/farkli_kelimeler.h"

namespace velzora {
namespace {

// A slot's candidates with the letters that the snapshot fixes: two slots
// with the same key have the same candidates, and share one table.
std::string tablo_anahtari(const Analiz_Tablolari& t, int s) {
    const Kelime_Yeri& y = t.yerler.Yer(s);
    std::string anahtar(1, static_cast<char>(y.Uzunluk));
    for (int p = 1; p <= y.Uzunluk; ++p) {
        const std::string_view h = t.harfler.Harf(y.satir_k(p), y.sutun_k(p));
        anahtar += h.empty() ? std::string_view("\0\0", 2) : std::string(1, '\1') + h[0];
    }
    return anahtar;
}

}  // namespace

// Builds the model's data; false when its tables would take more than `bellek`.
bool veri_kur(const Analiz_Tablolari& t, bool tekrar_izni, std::size_t bellek, Model_Verisi& v) {
    const int n = t.yerler.Yer_Sayisi();
    std::vector<int> kod(256, -1);
    for (int s = 1; s <= n; ++s) {
        const int u = t.yerler.Yer(s).Uzunluk;
        for (int k = 1; k <= t.adaylar.Aday_Adet(s); ++k) {
            const char* w = t.adaylar.aday_harfleri(s, k);
            for (int p = 0; p < u; ++p) {
                int& c = kod[static_cast<unsigned char>(w[p])];
                if (c < 0) {
                    c = static_cast<int>(v.harfler.size());
                    v.harfler += w[p];
                }
            }
        }
    }

    std::vector<int> degisken(
        static_cast<std::size_t>(t.yerler.Satir_Sayisi() * t.yerler.Sutun_Sayisi()), -1);
    v.yer_hucreleri.assign(static_cast<std::size_t>(n) + 1, {});
    for (int s = 1; s <= n; ++s) {
        const Kelime_Yeri& y = t.yerler.Yer(s);
        for (int p = 1; p <= y.Uzunluk; ++p) {
            int& i = degisken[static_cast<std::size_t>(
                (y.satir_k(p) - 1) * t.yerler.Sutun_Sayisi() + y.sutun_k(p) - 1)];
            if (i < 0) {
                i = static_cast<int>(v.hucreler.size());
                v.hucreler.emplace_back(y.satir_k(p), y.sutun_k(p));
            }
            v.yer_hucreleri[static_cast<std::size_t>(s)].push_back(i);
        }
    }

    // One table per distinct key, with the frequency of every letter at
    // every place over its distinct words.
    const std::size_t A = v.harfler.size();
    std::map<std::string, std::size_t> anahtarlar;  // key -> the first slot with it
    std::vector<std::vector<double>> siklik(static_cast<std::size_t>(n) + 1);
    const bool dar = A >= 1 && A <= static_cast<std::size_t>(Tablo_Verisi::EN_COK_HARF);
    v.tablolar.assign(static_cast<std::size_t>(n) + 1, {});
    for (int s = 1; s <= n; ++s) {
        const auto [yer, yeni] =
            anahtarlar.try_emplace(tablo_anahtari(t, s), static_cast<std::size_t>(s));
        if (!yeni) {
            v.tablolar[static_cast<std::size_t>(s)] = v.tablolar[yer->second];
            siklik[static_cast<std::size_t>(s)] = siklik[yer->second];
            continue;
        }
        const auto u = static_cast<std::size_t>(t.yerler.Yer(s).Uzunluk);
        std::vector<std::string_view> kelimeler;
        kelimeler.reserve(static_cast<std::size_t>(t.adaylar.Aday_Adet(s)));
        for (int k = 1; k <= t.adaylar.Aday_Adet(s); ++k)
            kelimeler.emplace_back(t.adaylar.aday_harfleri(s, k), u);
        std::sort(kelimeler.begin(), kelimeler.end());
        kelimeler.erase(std::unique(kelimeler.begin(), kelimeler.end()), kelimeler.end());
        const std::size_t sozcuk = (kelimeler.size() + 63) / 64;
        v.tablo_bayti += kelimeler.size() * u * sizeof(int) + u * A * sozcuk * (8 + sizeof(int));
        if (v.tablo_bayti > bellek)
            return false;
        auto& sk = siklik[static_cast<std::size_t>(s)];
        sk.assign(u * A, 0.0);
        std::vector<int> kodlar;
        kodlar.reserve(kelimeler.size() * u);
        for (const std::string_view w : kelimeler) {
            for (std::size_t p = 0; p < u; ++p) {
                const int c = kod[static_cast<unsigned char>(w[p])];
                kodlar.push_back(c);
                sk[p * A + static_cast<std::size_t>(c)] += 1;
            }
        }
        if (dar) {
            v.tablolar[static_cast<std::size_t>(s)].dar = std::make_shared<const Tablo_Verisi>(
                kodlar, static_cast<int>(u), static_cast<int>(A));
            continue;
        }
        Gecode::TupleSet ts(static_cast<int>(u));
        Gecode::IntArgs satir(static_cast<int>(u));
        for (std::size_t i = 0; i < kodlar.size(); i += u) {
            for (std::size_t p = 0; p < u; ++p)
                satir[static_cast<int>(p)] = kodlar[i + p];
            ts.add(satir);
        }
        ts.finalize();
        v.tablolar[static_cast<std::size_t>(s)].genis = ts;
    }

    // Every cell's letters by the product of their frequencies at its place
    // in its slots.
    std::vector<std::vector<double>> puan(v.hucreler.size(), std::vector<double>(A, 1.0));
    for (int s = 1; s <= n; ++s) {
        const auto& hucreler = v.yer_hucreleri[static_cast<std::size_t>(s)];
        for (std::size_t p = 0; p < hucreler.size(); ++p) {
            for (std::size_t c = 0; c < A; ++c)
                puan[static_cast<std::size_t>(hucreler[p])][c] *=
                    siklik[static_cast<std::size_t>(s)][p * A + c];
        }
    }
    v.harf_sirasi.assign(v.hucreler.size(), {});
    for (std::size_t i = 0; i < v.hucreler.size(); ++i) {
        auto& sira = v.harf_sirasi[i];
        for (std::size_t c = 0; c < A; ++c) {
            if (puan[i][c] > 0)
                sira.push_back(static_cast<int>(c));
        }
        std::stable_sort(sira.begin(), sira.end(), [&](int a, int b) {
            return puan[i][static_cast<std::size_t>(a)] > puan[i][static_cast<std::size_t>(b)];
        });
    }

    if (!tekrar_izni) {
        std::map<int, std::vector<int>> uzunluklar;
        for (int s = 1; s <= n; ++s)
            uzunluklar[t.yerler.Yer(s).Uzunluk].push_back(s);
        for (auto& [u, yerler] : uzunluklar) {
            if (yerler.size() > 1)
                v.ayri_gruplar.push_back(std::move(yerler));
        }
    }
    return true;
}

Harf_Modeli::Harf_Modeli(const Model_Verisi& v, bool tekrar_izni, unsigned tohum,
                         Motor_Hedefi& hedef)
    : x_(*this, static_cast<int>(v.hucreler.size()), 0,
         std::max(0, static_cast<int>(v.harfler.size()) - 1)) {
    auto yer_degiskenleri = [&](std::size_t s) {
        Gecode::IntVarArgs a;
        for (const int i : v.yer_hucreleri[s])
            a << x_[i];
        return a;
    };
    for (std::size_t s = 1; s < v.yer_hucreleri.size(); ++s) {
        if (v.tablolar[s].dar)
            tablo_kisiti(*this, yer_degiskenleri(s), *v.tablolar[s].dar);
        else
            Gecode::extensional(*this, yer_degiskenleri(s), v.tablolar[s].genis);
    }
    if (!tekrar_izni) {
        for (const auto& grup : v.ayri_gruplar) {
            Gecode::IntVarArgs a;
            for (const int s : grup)
                a << yer_degiskenleri(static_cast<std::size_t>(s));
            farkli_kelimeler(*this, a, static_cast<int>(v.yer_hucreleri[grup[0]].size()));
        }
    }
    // The cell whose failures weigh most for its few letters; among
    // equals a drawn one. Its letter: the one it had at the deepest point
    // this engine reached, else the one the cell's slots have most of at
    // its place.
    const Model_Verisi* veri = &v;
    Motor_Hedefi* h = &hedef;
    Gecode::Rnd rnd(tohum);
    Gecode::branch(*this, x_,
                   Gecode::tiebreak(Gecode::INT_VAR_AFC_SIZE_MAX(), Gecode::INT_VAR_RND(rnd)),
                   Gecode::INT_VAL([veri, h](const Gecode::Space& home, Gecode::IntVar x, int i) {
                       h->bildir(static_cast<const Harf_Modeli&>(home).x_);
                       if (const int kod = h->harf(i); kod >= 0 && x.in(kod))
                           return kod;
                       for (const int kod : veri->harf_sirasi[static_cast<std::size_t>(i)]) {
                           if (x.in(kod))
                               return kod;
                       }
                       return x.min();
                   }));
}

int aday_no(const Analiz_Tablolari& t, const Model_Verisi& v, int s,
            const std::vector<int>& kodlar) {
    const auto& hucreler = v.yer_hucreleri[static_cast<std::size_t>(s)];
    std::string kelime;
    for (const int i : hucreler) {
        const int c = kodlar[static_cast<std::size_t>(i)];
        if (c < 0)
            return 0;
        kelime += v.harfler[static_cast<std::size_t>(c)];
    }
    for (int k = 1; k <= t.adaylar.Aday_Adet(s); ++k) {
        if (std::memcmp(t.adaylar.aday_harfleri(s, k), kelime.data(), kelime.size()) == 0)
            return k;
    }
    return 0;
}

}  // namespace velzora
