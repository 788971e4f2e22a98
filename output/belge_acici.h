// Hands a document to the desktop's application for its type.
#pragma once

#include <QString>

#include <filesystem>

namespace velzora {

inline constexpr const char* SABLON_TURU =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.template";

enum class Acma_Sonucu {
    Acildi,
    Uygulama_Yok  // nothing on this desktop opens the type
};

// Where xdg-mime answers, an empty answer means that no application is set
// for the type; otherwise the desktop's opener decides.
Acma_Sonucu belgeyi_ac(const std::filesystem::path& yol, const QString& tur);

}  // namespace velzora
