// Where the export puts the document template that the word processor opens
// as a new, untitled document: a new folder of its own under the system's
// temporary folder. The user's document is saved wherever the user chooses.
#pragma once

#include <filesystem>
#include <optional>

namespace velzora {

inline constexpr const char* GECICI_BELGE_ADI = "Bulmaca.dotx";

// Makes a new folder that only this user may enter and returns the path of
// the document in it; each call gives a different folder, so two exports
// never share a file. nullopt if no folder could be made.
std::optional<std::filesystem::path> gecici_belge_yolu();

}  // namespace velzora
