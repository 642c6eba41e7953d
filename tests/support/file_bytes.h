// Whole files named by QString as bytes, for the window tests that write
// damaged files and compare what a program left on disk.
#pragma once

#include <QFile>
#include <QString>

#include "tests/support/test_folder.h"

namespace vortan::testing {

inline std::string readBytes(const QString& path) { return slurp(QFile::encodeName(path).toStdString()); }

inline void writeBytes(const QString& path, const std::string& bytes) {
    spit(QFile::encodeName(path).toStdString(), bytes);
}

}  // namespace vortan::testing
