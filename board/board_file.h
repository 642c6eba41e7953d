// The board file: length-prefixed 8-bit strings, thirteen 16-bit values and
// 484 cells of three 16-bit fields, column by column, all little-endian.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "board_definition.h"

namespace vortan {

enum class ReadStatus {
    Ok,            // the whole layout was read
    WrongVersion,  // the first string is not "Version 1": nothing else read
    Truncated,     // the file ends before the layout does
    Malformed,     // a string prefix that cannot be valid (nested wide marker)
};

const char* readStatusText(ReadStatus status);

// Little-endian reader that never reads past the end and never allocates
// more than the bytes that are left in the stream.
class ArchiveReader {
public:
    explicit ArchiveReader(std::istream& in);

    bool readU8(std::uint8_t& v);
    bool readU16(std::uint16_t& v);
    bool readU32(std::uint32_t& v);
    // Reads one string in the encoding of board and high-score files,
    // converting a wide string to 8-bit text.
    ReadStatus readString(std::string& out);

    // Reads as many of the n bytes as there are; returns how many.
    std::size_t readUpTo(void* dst, std::size_t n);

    // Bytes left, or UINT64_MAX when the stream cannot tell.
    std::uint64_t remaining() const { return remaining_; }

private:
    bool readBytes(void* dst, std::size_t n);
    ReadStatus readLength(std::uint64_t& length, bool& wide, bool allowWide);

    std::istream& in_;
    std::uint64_t remaining_;
};

void appendU16(std::string& out, std::uint32_t v);  // low 16 bits
void appendU32(std::string& out, std::uint32_t v);
void appendString(std::string& out, const std::string& s);  // shortest prefix

// How far a read got, so that callers can apply exactly what was read.
struct ReadResult {
    ReadStatus status = ReadStatus::Ok;
    int stringsRead = 0;  // 0..3: versionTag, gameName, openingMessage
    int valuesRead = 0;   // 0..13
    int cellsRead = 0;    // 0..484, in file (column) order

    bool ok() const { return status == ReadStatus::Ok; }
};

// Reads into `board`. Wrong version: nothing changes. Otherwise texts, values
// and cells are stored as they are read, so a truncated file leaves what
// was read before its end. Cells are not cleared first (the caller does).
ReadResult ReadBoard(std::istream& in, BoardDefinition& board);

// Serialises the board; recounts its Star and Number boxes first. Returns an
// empty string when the version tag is not "Version 1".
std::string EncodeBoard(BoardDefinition& board);
// Writes the encoded board to the stream; false on a stream failure.
bool WriteBoard(BoardDefinition& board, std::ostream& out);

// File helpers. A read of a missing file reports `opened` false.
struct FileReadResult {
    bool opened = false;
    ReadResult read;
};
FileReadResult ReadBoardFile(const std::string& path, BoardDefinition& board);
// Replaces the file only once the new one is complete on disk.
bool WriteBoardFile(const std::string& path, BoardDefinition& board);

}  // namespace vortan
