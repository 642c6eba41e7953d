// Board texts (game name, opening message) are 8-bit Windows-1252 text in
// the board file. Every conversion between them and QString goes through
// here, so both programs read and write the same characters.
#pragma once

#include <QString>
#include <string>

namespace vortan {

// Every byte has a meaning: the five bytes Windows-1252 leaves undefined
// come back as the control characters of the same code, so any file text
// survives a read and a write unchanged.
QString fromBoardText(const std::string& bytes);

// Characters outside Windows-1252 become '?'; check with isBoardText first
// where the user can be told.
std::string toBoardText(const QString& text);

// Whether every character of `text` has a Windows-1252 byte. When not,
// `firstBad` (if given) receives the first such character.
bool isBoardText(const QString& text, QString* firstBad = nullptr);

}  // namespace vortan
