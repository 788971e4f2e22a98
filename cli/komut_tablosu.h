// Every command of velzora-cli with its options: what the usage and help
// texts list and what each command's options are read against. A new
// option is one line of the table.
#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

#include "argumanlar.h"

namespace velzora::cli {

struct Komut_Tanimi {
    std::string_view ad;
    int (*islev)(Argumanlar&);
    std::string_view aciklama;
    std::span<const Secenek> secenekler;
};

const Komut_Tanimi* komut_bul(std::string_view ad);

// The program's usage: every command with all of its options.
void kullanim_yaz(std::ostream& os);
// One command's usage and each option explained.
void komut_yardimi_yaz(std::ostream& os, const Komut_Tanimi& komut);

}  // namespace velzora::cli
