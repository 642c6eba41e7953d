// Whole files as bytes, for tests that write damaged files and compare what
// a program left on disk.
#pragma once

#include <QFile>
#include <QString>

#include <fstream>
#include <string>

#include "board/file_io.h"

namespace vortan::testing {

inline std::string readBytes(const QString& path) {
    std::string bytes;
    readFileBytes(QFile::encodeName(path).toStdString(), bytes);
    return bytes;
}

inline void writeBytes(const QString& path, const std::string& bytes) {
    std::ofstream out(QFile::encodeName(path).toStdString(), std::ios::binary);
    out << bytes;
}

}  // namespace vortan::testing
