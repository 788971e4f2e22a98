// Every part of the puzzle document's Office Open XML package, with the
// content types and relationships that tie them together.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "bulmaca_icerigi.h"
#include "zip_arsivi.h"

namespace velzora {

enum class Belge_Turu {
    Belge,  // .docx: a document with a place on disk
    Sablon  // .dotx: a word processor opens it as a new, untitled document
};

// The parts in archive order, "[Content_Types].xml" first; nullopt if an
// XML writer failed.
std::optional<std::vector<Zip_Parcasi>> belge_paketi(const Bulmaca_Icerigi& icerik, Belge_Turu tur);

}  // namespace velzora
