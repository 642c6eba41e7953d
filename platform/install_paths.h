// Maps the file names of the game's installation folder to real paths.
//
// With VORTAN_HOME set, every file lives in that one folder. Otherwise the
// read-only data comes from the first data folder that exists: "data" beside
// the programs (the build), the installed data folder relative to the
// programs (a moved prefix), the folder the build was configured to install
// into, then "vortan" under each of XDG_DATA_DIRS. The files the game writes
// go to the user's data folder, where a copy is read before the shipped one.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

namespace vortan {

// The folder every data, sound and music name of the game starts with.
extern const char* const kInstallFolder;  // "C:\Program Files\Vortan 2.3\"

enum class FileUse { Read, Write };

// `name` is either a bare file name ("Options.dat") or one that starts with
// kInstallFolder; "help/NAME" names a help page. The result is a local path
// (possibly of a missing file).
QString installPath(const QString& name, FileUse use = FileUse::Read);
std::string installPathStd(const std::string& name, FileUse use = FileUse::Read);

// Whether the game writes this file itself (options, high scores, demo moves).
bool isUserFile(const QString& fileName);

// The read-only data folders to look in, best first, for programs in
// `programDir` (empty: the running program's folder).
QStringList dataFolderCandidates(const QString& programDir = QString());
// VORTAN_HOME, else the first candidate that exists (else the first one).
QString shippedDataFolder(const QString& programDir = QString());
QString userDataFolder();

// Another program of ours: `name` beside the programs in `programDir` (empty:
// the running program's folder), else found on PATH, else the path beside.
QString programPath(const QString& name, const QString& programDir = QString());

}  // namespace vortan
