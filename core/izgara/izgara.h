// The puzzle grid: the one copy of the puzzle's cells. Each cell has a colour
// code (white or black square) and a text that is empty or one Windows-1254
// character; the two never affect each other. Views subscribe to changes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velzora {

inline constexpr int EN_AZ_EBAT = 2;
inline constexpr int EN_COK_EBAT = 50;

inline bool ebat_gecerli_mi(int satir_sayisi, int sutun_sayisi) {
    return satir_sayisi >= EN_AZ_EBAT && satir_sayisi <= EN_COK_EBAT &&
           sutun_sayisi >= EN_AZ_EBAT && sutun_sayisi <= EN_COK_EBAT;
}

enum class Renk_Kodu : std::uint8_t { Beyaz = 0, Siyah = 1 };

// Cells that changed in one batch, as an inclusive rectangle (1-based). When
// `ebat_degisti` is set the dimensions changed and every cell must be re-read.
struct Izgara_Degisikligi {
    int ilk_satir = 0;
    int ilk_sutun = 0;
    int son_satir = 0;
    int son_sutun = 0;
    bool ebat_degisti = false;
};

class Izgara {
  public:
    using Dinleyici = std::function<void(const Izgara_Degisikligi&)>;

    // A new grid is 9 x 9, every cell white and empty, as at start-up.
    Izgara();
    Izgara(const Izgara&) = delete;
    Izgara& operator=(const Izgara&) = delete;

    int Satir_Sayisi() const { return satir_sayisi_; }
    int Sutun_Sayisi() const { return sutun_sayisi_; }

    // Gives the grid a new size with every cell white and empty. Sizes outside
    // 2..50 are refused (returns false, nothing changes).
    bool ebat_ver(int satir_sayisi, int sutun_sayisi);

    // Rows and columns count from 1; callers pass cells inside the grid.
    bool beyaz_mi(int satir, int sutun) const { return hucre(satir, sutun).siyah == 0; }
    bool siyah_mi(int satir, int sutun) const { return hucre(satir, sutun).siyah != 0; }
    void siyah_yap(int satir, int sutun, Renk_Kodu kod);
    std::string harf_al(int satir, int sutun) const;
    // Writes the first character of `metin`, or empties the cell.
    void harf_yaz(int satir, int sutun, std::string_view metin);
    void harf_temizle();
    void sabbosalt();

    // Listeners are called once per change batch; the returned number removes one.
    int dinleyici_ekle(Dinleyici dinleyici);
    void dinleyici_cikar(int numara);

    // While one of these lives, changes are gathered and announced once when
    // the outermost batch ends (the solver writes thousands of cells a second).
    class Toplu_Degisiklik {
      public:
        explicit Toplu_Degisiklik(Izgara& izgara);
        ~Toplu_Degisiklik();
        Toplu_Degisiklik(const Toplu_Degisiklik&) = delete;
        Toplu_Degisiklik& operator=(const Toplu_Degisiklik&) = delete;

      private:
        Izgara& izgara_;
    };

  private:
    struct Hucre {
        std::uint8_t siyah = 0;
        std::uint8_t dolu = 0;
        char harf = 0;
    };

    const Hucre& hucre(int satir, int sutun) const {
        return hucreler_[static_cast<std::size_t>((satir - 1) * sutun_sayisi_ + (sutun - 1))];
    }
    Hucre& hucre(int satir, int sutun) {
        return hucreler_[static_cast<std::size_t>((satir - 1) * sutun_sayisi_ + (sutun - 1))];
    }
    void degisti(int satir, int sutun);
    void tumu_degisti(bool ebat_degisti);
    void duyur();

    int satir_sayisi_ = 9;
    int sutun_sayisi_ = 9;
    std::vector<Hucre> hucreler_;

    struct Kayitli_Dinleyici {
        int numara;
        Dinleyici islev;
    };
    std::vector<Kayitli_Dinleyici> dinleyiciler_;
    int sonraki_numara_ = 1;

    int toplu_derinlik_ = 0;
    bool bekleyen_var_ = false;
    Izgara_Degisikligi bekleyen_;
};

}  // namespace velzora
