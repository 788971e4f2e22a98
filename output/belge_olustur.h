// The puzzle document for the word processor: an Office Open XML file with
// the title, the empty grid, the numbered clue lists and, when asked, the
// solution page.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "belge_paketi.h"
#include "bulmaca_icerigi.h"

namespace velzora {

enum class Belge_Hatasi {
    Yok,
    Olusturulamadi,  // the document could not be put together in memory
    Yazilamadi       // the file could not be written completely
};

// The file's bytes; nullopt if they could not be put together.
std::optional<std::string> belge_baytlari(const Bulmaca_Icerigi& icerik,
                                          Belge_Turu tur = Belge_Turu::Belge);

// Writes the document to `yol`; the file appears under its name only when
// complete, and on failure an existing file is left as it was.
Belge_Hatasi belge_olustur(const std::filesystem::path& yol, const Bulmaca_Icerigi& icerik,
                           Belge_Turu tur = Belge_Turu::Belge);

// The same safe replacement for bytes made elsewhere (the PDF); nullopt
// bytes are a document that could not be put together.
Belge_Hatasi baytlari_yaz(const std::filesystem::path& yol, const std::optional<std::string>& bayt);

}  // namespace velzora
