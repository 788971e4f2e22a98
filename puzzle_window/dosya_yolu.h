// File names cross from Qt's text to the core's paths here, in the encoding
// the file system uses.
#pragma once

#include <QFile>
#include <QString>

#include <filesystem>

namespace velzora {

inline std::filesystem::path dosya_yolu(const QString& ad) {
    return std::filesystem::path(QFile::encodeName(ad).toStdString());
}

}  // namespace velzora
