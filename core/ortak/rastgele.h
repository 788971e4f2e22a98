// Uniform random numbers in [0, 1) for the random black squares and the
// candidate shuffle. The source is passed in, so tests can fix the draws;
// the program seeds it from the time of day.
#pragma once

#include <cstdint>
#include <random>

namespace velzora {

class Rastgele_Kaynak {
  public:
    virtual ~Rastgele_Kaynak() = default;
    // A draw u with 0 <= u < 1.
    virtual double tekduze() = 0;
};

class Mt_Kaynak final : public Rastgele_Kaynak {
  public:
    explicit Mt_Kaynak(std::uint64_t tohum) : uretec_(tohum) {}
    // 53 random bits, so the result is never 1.
    double tekduze() override { return static_cast<double>(uretec_() >> 11) * 0x1.0p-53; }

  private:
    std::mt19937_64 uretec_;
};

// Seconds since local midnight: the seed the program uses.
std::uint32_t gece_yarisindan_saniye();

}  // namespace velzora
