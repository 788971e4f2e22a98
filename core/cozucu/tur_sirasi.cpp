#include "cozucu/tur_sirasi.h"

#include <numeric>
#include <span>

namespace velzora {

void Tur_Sirasi::hazirla(const Aday_Listeleri& adaylar) {
    const int n = adaylar.Yer_Sayisi();
    bas_.assign(static_cast<std::size_t>(n) + 2, 0);
    for (int s = 1; s <= n; ++s)
        bas_[static_cast<std::size_t>(s) + 1] =
            bas_[static_cast<std::size_t>(s)] + adaylar.Aday_Adet(s);
    aday_.resize(static_cast<std::size_t>(bas_.back()));
    konum_.resize(aday_.size());
    for (int s = 1; s <= n; ++s) {
        const auto b = static_cast<std::ptrdiff_t>(bas(s));
        const auto e = static_cast<std::ptrdiff_t>(bas(s + 1));
        std::iota(aday_.begin() + b, aday_.begin() + e, 0);
        std::iota(konum_.begin() + b, konum_.begin() + e, 0);
    }
}

void Tur_Sirasi::karistir(Rastgele_Kaynak& kaynak) {
    const int n = static_cast<int>(bas_.size()) - 2;
    for (int s = 1; s <= n; ++s) {
        const std::span<int> liste = std::span<int>(aday_).subspan(bas(s), bas(s + 1) - bas(s));
        Aday_Listeleri::liste_karistir(liste, kaynak);
        int* ters = konum_.data() + bas(s);
        for (std::size_t i = 0; i < liste.size(); ++i)
            ters[liste[i]] = static_cast<int>(i);
    }
}

}  // namespace velzora
