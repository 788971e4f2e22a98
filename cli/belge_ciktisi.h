// velzora-cli solve --docx, --pdf and --solution: the puzzle document and
// its PDF from the grid and the clues of the fill.
#pragma once

#include <string>

#include "argumanlar.h"
#include "bulmaca/dolgu.h"
#include "izgara/izgara.h"

namespace velzora::cli {

// An error text when the options do not go together; empty otherwise.
std::string belge_secenekleri_hatasi(const Argumanlar& a);

// Writes every document asked for; false, with a message for each, when one
// could not be written.
bool belgeleri_yaz(const Argumanlar& a, const Izgara& izgara, const Dolgu& dolgu);

}  // namespace velzora::cli
