// Whole-file reading with a size cap, and writing that replaces a file only
// once the new content is complete on disk. Both take regular files only and
// say why they failed.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace velzora {

enum class Dosya_Hatasi {
    Yok,
    Dosya_Degil,   // a folder, device, FIFO or socket
    Cok_Buyuk,     // over the reader's cap
    Bos_Baglanti,  // a symbolic link to nothing
    Cok_Adli,      // a file with other hard links, which a replacement would split
    Sistem         // the system refused: `sistem_hatasi` holds errno
};

struct Dosya_Sonucu {
    Dosya_Hatasi hata = Dosya_Hatasi::Yok;
    int sistem_hatasi = 0;

    explicit operator bool() const { return hata == Dosya_Hatasi::Yok; }
    // The reason in Turkish for a message; for a system error the system's own text.
    std::string neden() const;
};

// Reads a regular file of at most `en_cok` bytes into `icerik`. Never blocks
// on a FIFO and refuses a device before reading from it.
Dosya_Sonucu dosya_oku(const std::filesystem::path& yol, std::size_t en_cok, std::string& icerik);

// Writes to a new file in the destination's folder, flushes it to disk, then
// renames it over the destination, so that a failure leaves the destination
// untouched. An existing file keeps its mode and, where the system allows,
// its owner. A symbolic link is written through and stays a link. Refused: a
// target that is not a regular file, a link to nothing, and a file with other
// hard links (an in-place write could not be undone halfway, a replacement
// would split the names).
Dosya_Sonucu dosyayi_guvenle_yaz(const std::filesystem::path& yol, std::string_view icerik);

}  // namespace velzora
