// Maps the file names of the game's installation folder to real paths.
//
// With VORTAN_HOME set, every file lives in that one folder. Otherwise the
// read-only data comes from the "data" folder beside the programs (or the
// installed share folder), and the files the game writes go to the user's
// data folder, where a copy is read before the shipped one.
#pragma once

#include <QString>
#include <string>

namespace vortan {

// The folder every data, sound and music name of the game starts with.
extern const char* const kInstallFolder;  // "C:\Program Files\Vortan 2.3\"

enum class FileUse { Read, Write };

// `name` is either a bare file name ("Options.dat") or one that starts with
// kInstallFolder; the result is a local path (possibly of a missing file).
QString installPath(const QString& name, FileUse use = FileUse::Read);
std::string installPathStd(const std::string& name, FileUse use = FileUse::Read);

// Whether the game writes this file itself (options, high scores, demo moves).
bool isUserFile(const QString& fileName);

// The folders in use, for tests and the README's "where files go".
QString shippedDataFolder();
QString userDataFolder();

}  // namespace vortan
