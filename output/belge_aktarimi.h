// The export command after its clipboard step: the document goes into a new
// private folder and is opened in the desktop's default application for
// .docx, as a document the user has not saved anywhere yet.
#pragma once

#include <filesystem>
#include <optional>

#include "bulmaca/dolgu.h"
#include "izgara/izgara.h"

namespace velzora {

// Every failure ends the export silently; the path of the written document,
// whether or not an application took it, is returned for the caller's record.
std::optional<std::filesystem::path> belgeye_aktar(const Izgara& izgara, const Dolgu& dolgu);

}  // namespace velzora
