// Small helpers for the solver tests: a random source with fixed draws, a
// dictionary from a list of words, a grid from text rows.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "cozucu/cozucu.h"
#include "izgara/izgara.h"
#include "ortak/rastgele.h"
#include "sozluk/sozluk.h"

namespace velzora::test {

// Hands out the given draws in order, then 0.
class Sabit_Kaynak final : public Rastgele_Kaynak {
  public:
    Sabit_Kaynak(std::initializer_list<double> cekilisler = {}) : cekilisler_(cekilisler) {}
    double tekduze() override {
        const auto i = static_cast<std::size_t>(cekilen++);
        return i < cekilisler_.size() ? cekilisler_[i] : 0.0;
    }
    int cekilen = 0;

  private:
    std::vector<double> cekilisler_;
};

// Entries "WORD:clue-of-WORD-i", in order; words are Windows-1254 bytes.
inline Sozluk sozluk_yap(const std::vector<std::string>& kelimeler) {
    std::string metin;
    for (std::size_t i = 0; i < kelimeler.size(); ++i)
        metin += kelimeler[i] + ":" + kelimeler[i] + "-" + std::to_string(i + 1) + "\r\n";
    Sozluk s;
    s.cozumle(metin.empty() ? "\r\n" : metin);
    return s;
}

// '#' black, '.' empty, any other byte a letter.
inline void izgara_yap(Izgara& g, const std::vector<std::string>& satirlar) {
    g.ebat_ver(static_cast<int>(satirlar.size()), static_cast<int>(satirlar[0].size()));
    for (int r = 1; r <= g.Satir_Sayisi(); ++r) {
        for (int c = 1; c <= g.Sutun_Sayisi(); ++c) {
            const char h =
                satirlar[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)];
            if (h == '#')
                g.siyah_yap(r, c, Renk_Kodu::Siyah);
            else if (h != '.')
                g.harf_yaz(r, c, std::string(1, h));
        }
    }
}

inline std::vector<std::string> satirlar(const Izgara& g) {
    std::vector<std::string> v;
    for (int r = 1; r <= g.Satir_Sayisi(); ++r) {
        std::string s;
        for (int c = 1; c <= g.Sutun_Sayisi(); ++c) {
            const std::string h = g.harf_al(r, c);
            s += g.siyah_mi(r, c) ? "#" : (h.empty() ? "." : h);
        }
        v.push_back(s);
    }
    return v;
}

// Analysis with draws that leave every list in dictionary order where
// possible: u = 0 exchanges candidate k with candidate h + 1.
inline Analiz_Sonucu analiz(Bulmaca_Cozucu& c, const Izgara& g, const Sozluk& s,
                            Rastgele_Kaynak& k) {
    return c.analiz_et(
        g, s, false, [] { return true; }, k);
}

inline Cozum_Durumu coz(Bulmaca_Cozucu& c, Izgara& g, bool tekrar) {
    return c.bulmaca_coz(
        g, [](const Ilerleme&) { return Kanca_Yaniti::Devam; }, [tekrar] { return tekrar; });
}

}  // namespace velzora::test
