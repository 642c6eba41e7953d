#include "board_file.h"

#include <algorithm>
#include <fstream>
#include <istream>
#include <limits>
#include <ostream>

#include "file_io.h"

namespace vortan {

const char* readStatusText(ReadStatus status) {
    switch (status) {
    case ReadStatus::Ok: return "ok";
    case ReadStatus::WrongVersion: return "not a board file of version \"Version 1\"";
    case ReadStatus::Truncated: return "the file ends early";
    case ReadStatus::Malformed: return "malformed string";
    }
    return "unknown";
}

ArchiveReader::ArchiveReader(std::istream& in) : in_(in), remaining_(UINT64_MAX) {
    const auto here = in_.tellg();
    if (here != std::istream::pos_type(-1)) {
        in_.seekg(0, std::ios::end);
        const auto end = in_.tellg();
        in_.seekg(here);
        if (end != std::istream::pos_type(-1) && end >= here)
            remaining_ = static_cast<std::uint64_t>(end - here);
        else
            in_.clear();
    } else {
        in_.clear();
    }
}

bool ArchiveReader::readBytes(void* dst, std::size_t n) {
    if (n == 0) return true;
    if (remaining_ != UINT64_MAX && n > remaining_) {
        remaining_ = 0;
        return false;
    }
    // Straight from the buffer: a board is some 1500 small reads.
    std::streambuf* buf = in_.rdbuf();
    if (!buf || buf->sgetn(static_cast<char*>(dst), static_cast<std::streamsize>(n)) !=
                    static_cast<std::streamsize>(n)) {
        in_.setstate(std::ios::eofbit | std::ios::failbit);
        remaining_ = 0;
        return false;
    }
    if (remaining_ != UINT64_MAX) remaining_ -= n;
    return true;
}

std::size_t ArchiveReader::readUpTo(void* dst, std::size_t n) {
    if (remaining_ != UINT64_MAX) n = static_cast<std::size_t>(std::min<std::uint64_t>(n, remaining_));
    std::streambuf* buf = in_.rdbuf();
    const std::streamsize got = buf ? buf->sgetn(static_cast<char*>(dst), static_cast<std::streamsize>(n)) : 0;
    const std::size_t count = got > 0 ? static_cast<std::size_t>(got) : 0;
    if (remaining_ != UINT64_MAX) remaining_ -= count;
    return count;
}

bool ArchiveReader::readU8(std::uint8_t& v) { return readBytes(&v, 1); }

bool ArchiveReader::readU16(std::uint16_t& v) {
    unsigned char b[2];
    if (!readBytes(b, 2)) return false;
    v = static_cast<std::uint16_t>(b[0] | (b[1] << 8));
    return true;
}

bool ArchiveReader::readU32(std::uint32_t& v) {
    unsigned char b[4];
    if (!readBytes(b, 4)) return false;
    v = static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
        (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    return true;
}

ReadStatus ArchiveReader::readLength(std::uint64_t& length, bool& wide, bool allowWide) {
    std::uint8_t b8;
    if (!readU8(b8)) return ReadStatus::Truncated;
    if (b8 != 0xFF) {
        length = b8;
        return ReadStatus::Ok;
    }
    std::uint16_t b16;
    if (!readU16(b16)) return ReadStatus::Truncated;
    if (b16 == 0xFFFE) {
        if (!allowWide) return ReadStatus::Malformed;
        wide = true;
        return readLength(length, wide, false);
    }
    if (b16 != 0xFFFF) {
        length = b16;
        return ReadStatus::Ok;
    }
    std::uint32_t b32;
    if (!readU32(b32)) return ReadStatus::Truncated;
    length = b32;
    return ReadStatus::Ok;
}

ReadStatus ArchiveReader::readString(std::string& out) {
    std::uint64_t length = 0;
    bool wide = false;
    const ReadStatus st = readLength(length, wide, true);
    if (st != ReadStatus::Ok) return st;
    const std::uint64_t bytes = wide ? length * 2 : length;
    // A length beyond the end of the file is an early end, found before
    // anything is allocated for it.
    if (remaining_ != UINT64_MAX && bytes > remaining_) {
        remaining_ = 0;
        return ReadStatus::Truncated;
    }
    std::string raw;
    // Unknown stream sizes grow the buffer only as data actually arrives.
    constexpr std::uint64_t kChunk = 1u << 16;
    for (std::uint64_t done = 0; done < bytes;) {
        const std::size_t n = static_cast<std::size_t>(std::min(kChunk, bytes - done));
        const std::size_t at = raw.size();
        raw.resize(at + n);
        if (!readBytes(&raw[at], n)) return ReadStatus::Truncated;
        done += n;
    }
    if (!wide) {
        out = std::move(raw);
        return ReadStatus::Ok;
    }
    // UTF-16 to 8-bit text: Latin-1 code points map to their byte, anything
    // else becomes '?', a surrogate pair one '?'.
    std::string text;
    text.reserve(static_cast<std::size_t>(length));
    for (std::size_t i = 0; i + 1 < raw.size(); i += 2) {
        const unsigned unit = static_cast<unsigned char>(raw[i]) | (static_cast<unsigned char>(raw[i + 1]) << 8);
        if (unit >= 0xDC00 && unit <= 0xDFFF) continue;  // second half of a pair
        text.push_back(unit <= 0xFF ? static_cast<char>(unit) : '?');
    }
    out = std::move(text);
    return ReadStatus::Ok;
}

void appendU16(std::string& out, std::uint32_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void appendU32(std::string& out, std::uint32_t v) {
    appendU16(out, v & 0xFFFF);
    appendU16(out, v >> 16);
}

void appendString(std::string& out, const std::string& s) {
    const std::size_t n = s.size();
    if (n < 255) {
        out.push_back(static_cast<char>(n));
    } else if (n < 0xFFFE) {
        out.push_back(static_cast<char>(0xFF));
        appendU16(out, static_cast<std::uint32_t>(n));
    } else {
        out.push_back(static_cast<char>(0xFF));
        appendU16(out, 0xFFFF);
        appendU32(out, static_cast<std::uint32_t>(std::min<std::size_t>(n, UINT32_MAX)));
    }
    out.append(s, 0, std::min<std::size_t>(n, UINT32_MAX));
}

ReadResult ReadBoard(std::istream& in, BoardDefinition& board) {
    ReadResult r;
    ArchiveReader ar(in);
    std::string version;
    r.status = ar.readString(version);
    if (r.status != ReadStatus::Ok) return r;
    if (version != kVersionText) {
        r.status = ReadStatus::WrongVersion;
        return r;
    }
    board.versionTag = version;
    r.stringsRead = 1;
    for (std::string* text : {&board.gameName, &board.openingMessage}) {
        r.status = ar.readString(*text);
        if (r.status != ReadStatus::Ok) return r;
        ++r.stringsRead;
    }
    // Values and cells are fixed-size blocks: read each in one go and take
    // apart as much of it as arrived.
    auto u16At = [](const unsigned char* p) { return static_cast<std::uint32_t>(p[0] | (p[1] << 8)); };
    unsigned char values[2 * BoardDefinition::kValueCount];
    const std::size_t gotValues = ar.readUpTo(values, sizeof values);
    for (int i = 0; i < BoardDefinition::kValueCount && 2 * static_cast<std::size_t>(i) + 2 <= gotValues; ++i) {
        *board.valuePointer(i) = u16At(values + 2 * i);
        ++r.valuesRead;
    }
    if (r.valuesRead < BoardDefinition::kValueCount) {
        r.status = ReadStatus::Truncated;
        return r;
    }
    unsigned char cells[6 * kCellCount];
    const std::size_t gotCells = ar.readUpTo(cells, sizeof cells);
    for (int k = 0; k < kCellCount && 6 * static_cast<std::size_t>(k) + 6 <= gotCells; ++k) {
        const unsigned char* p = cells + 6 * k;
        board.cells[k / kGridSize][k % kGridSize] =
            BoardCell{static_cast<RegionCode>(u16At(p)), static_cast<BoxCode>(u16At(p + 2)), u16At(p + 4)};
        ++r.cellsRead;
    }
    if (r.cellsRead < kCellCount) r.status = ReadStatus::Truncated;
    return r;
}

std::string EncodeBoard(BoardDefinition& board) {
    std::string out;
    if (board.versionTag != kVersionText) return out;
    board.RecountBoxes();
    out.reserve(2955 + board.gameName.size() + board.openingMessage.size());
    appendString(out, board.versionTag);
    appendString(out, board.gameName);
    appendString(out, board.openingMessage);
    for (int i = 0; i < BoardDefinition::kValueCount; ++i) appendU16(out, board.value(i));
    for (int x = 0; x < kGridSize; ++x) {
        for (int y = 0; y < kGridSize; ++y) {
            const BoardCell& c = board.cells[x][y];
            appendU16(out, static_cast<std::uint32_t>(c.region));
            appendU16(out, static_cast<std::uint32_t>(c.box));
            appendU16(out, c.number);
        }
    }
    return out;
}

bool WriteBoard(BoardDefinition& board, std::ostream& out) {
    const std::string bytes = EncodeBoard(board);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

FileReadResult ReadBoardFile(const std::string& path, BoardDefinition& board) {
    FileReadResult result;
    std::ifstream in(path, std::ios::binary);
    if (!in) return result;
    result.opened = true;
    result.read = ReadBoard(in, board);
    return result;
}

bool WriteBoardFile(const std::string& path, BoardDefinition& board) {
    return writeFileAtomically(path, EncodeBoard(board));
}

}  // namespace vortan
