// A word slot: a maximal run of two or more white cells, across or down.
// Slots are numbered from 1; per-slot tables keep index 0 unused so that a
// slot's number indexes them directly.
#pragma once

namespace velzora {

enum class Yon_Turu : char {
    Soldan = 'S',    // across, left to right
    Yukaridan = 'Y'  // down, top to bottom
};

struct Kelime_Yeri {
    Yon_Turu Yon = Yon_Turu::Soldan;
    int Satir = 0;  // first cell, from 1
    int Sutun = 0;
    int Uzunluk = 0;  // at least 2

    // Cell of letter k (from 1).
    int satir_k(int k) const { return Yon == Yon_Turu::Soldan ? Satir : Satir + k - 1; }
    int sutun_k(int k) const { return Yon == Yon_Turu::Soldan ? Sutun + k - 1 : Sutun; }

    bool operator==(const Kelime_Yeri&) const = default;
};

}  // namespace velzora
