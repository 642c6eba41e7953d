#include <gtest/gtest.h>

#include <chrono>
#include <sstream>

#include "board/board_file.h"

using namespace vortan;

namespace {
std::string bytesOf(BoardDefinition b) { return EncodeBoard(b); }

ReadResult readBytes(const std::string& bytes, BoardDefinition& b) {
    std::istringstream in(bytes);
    return ReadBoard(in, b);
}

std::string u16(unsigned v) { return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; }
}  // namespace

TEST(BoardFile, NewBoardIsTheDocumentedFile) {
    const std::string f = bytesOf(BoardDefinition{});
    ASSERT_EQ(f.size(), 2955u);
    EXPECT_EQ(f.substr(0, 10), std::string("\x09Version 1"));
    EXPECT_EQ(f.substr(10, 5), std::string("\x04Game"));
    EXPECT_EQ(f.substr(15, 10), std::string("\x09Have Fun!"));
    const unsigned values[13] = {22, 22, 0, 0, 150, 250, 60, 60, 1, 50, 60, 0, 0};
    for (int i = 0; i < 13; ++i) EXPECT_EQ(f.substr(25 + 2 * i, 2), u16(values[i])) << i;
    const std::size_t cells = 25 + 26;
    const std::string blue = u16(1) + u16(0) + u16(0), white = u16(2) + u16(0) + u16(0);
    for (int y = 0; y < 22; ++y) EXPECT_EQ(f.substr(cells + 6 * y, 6), blue);  // column 0
    EXPECT_EQ(f.substr(cells + 6 * 22, 6), blue);                               // column 1, top
    for (int y = 1; y < 21; ++y) EXPECT_EQ(f.substr(cells + 6 * (22 + y), 6), white);
    EXPECT_EQ(f.substr(cells + 6 * (22 + 21), 6), blue);
    for (int y = 0; y < 22; ++y) EXPECT_EQ(f.substr(cells + 6 * (22 * 21 + y), 6), blue);  // column 21
}

TEST(BoardFile, CellsAreStoredColumnByColumn) {
    BoardDefinition b;
    b.Cell(3, 7) = {RegionCode::Yellow, BoxCode::Number, 6};
    const std::string f = bytesOf(b);
    EXPECT_EQ(f.substr(51 + 6 * (22 * 3 + 7), 6), u16(0) + u16(3) + u16(6));
}

TEST(BoardFile, StringPrefixesUseTheShortestForm) {
    auto prefixOf = [](std::size_t n) {
        std::string out;
        appendString(out, std::string(n, 'a'));
        return out.substr(0, out.size() - n);
    };
    EXPECT_EQ(prefixOf(0), std::string("\x00", 1));
    EXPECT_EQ(prefixOf(254), std::string("\xFE"));
    EXPECT_EQ(prefixOf(255), std::string("\xFF\xFF\x00", 3));
    EXPECT_EQ(prefixOf(65533), std::string("\xFF\xFD\xFF"));
    EXPECT_EQ(prefixOf(65534), std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7));
    // And each form reads back.
    for (std::size_t n : {0u, 1u, 254u, 255u, 65533u, 65534u, 70000u}) {
        std::string enc;
        appendString(enc, std::string(n, 'z'));
        std::istringstream in(enc);
        ArchiveReader ar(in);
        std::string back;
        ASSERT_EQ(ar.readString(back), ReadStatus::Ok) << n;
        EXPECT_EQ(back.size(), n);
        EXPECT_EQ(ar.remaining(), 0u);
    }
}

TEST(BoardFile, WideStringsAreReadAsEightBitText) {
    // FF FFFE, then 4 code units: 'a', U+00E9, U+03A9 (not Latin-1), U+00FF
    // (the last Latin-1 one).
    std::string enc = std::string("\xFF\xFE\xFF\x04", 4) + "a" + std::string("\x00\xE9\x00\xA9\x03\xFF\x00", 7);
    std::istringstream in(enc);
    ArchiveReader ar(in);
    std::string s;
    ASSERT_EQ(ar.readString(s), ReadStatus::Ok);
    EXPECT_EQ(s, std::string("a\xE9?\xFF"));
    // A long wide length prefix works too.
    std::string enc2 = std::string("\xFF\xFE\xFF\xFF\x02\x00", 6) + std::string("x\0y\0", 4);
    std::istringstream in2(enc2);
    ArchiveReader ar2(in2);
    ASSERT_EQ(ar2.readString(s), ReadStatus::Ok);
    EXPECT_EQ(s, "xy");
    // A wide marker inside a wide prefix is refused.
    std::istringstream bad(std::string("\xFF\xFE\xFF\xFF\xFE\xFF", 6) + "more");
    ArchiveReader ar3(bad);
    EXPECT_EQ(ar3.readString(s), ReadStatus::Malformed);
}

TEST(BoardFile, RoundTripKeepsEverythingButRecountsTrailingBytesAndHighBits) {
    BoardDefinition b;
    b.gameName = std::string(300, 'N');
    b.timeLimit = 70000;  // values keep only their low 16 bits
    b.openingMessage = "Line one\r\nLine two";
    b.Cell(4, 4) = {RegionCode::Yellow, BoxCode::Star, 0};
    b.Cell(5, 4) = {RegionCode::Green, BoxCode::Your, 0};
    b.Cell(6, 4) = {RegionCode::Orange, BoxCode::Number, 2};
    b.Cell(7, 4) = {static_cast<RegionCode>(40), static_cast<BoxCode>(77), 65535};  // codes out of table kept
    b.starBoxCount = 5;  // stale: replaced on write
    std::string f = EncodeBoard(b);
    EXPECT_EQ(b.starBoxCount, 1u);
    EXPECT_EQ(b.numberBoxCount, 1u);

    BoardDefinition back;
    back.ClearCells();
    const ReadResult r = readBytes(f + "trailing junk", back);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.cellsRead, 484);
    EXPECT_EQ(back.gameName, b.gameName);
    EXPECT_EQ(back.openingMessage, b.openingMessage);
    EXPECT_EQ(back.Cell(7, 4), b.Cell(7, 4));
    EXPECT_EQ(back.timeLimit, 4464u);
    EXPECT_EQ(bytesOf(back), f);
}

TEST(BoardFile, WrongVersionReadsNothing) {
    BoardDefinition b;
    b.gameName = "Other";
    std::string f = bytesOf(b);
    f[1] = 'v';  // "version 1"
    BoardDefinition target;
    target.gameName = "Before";
    target.Cell(3, 3).box = BoxCode::Hot;
    const ReadResult r = readBytes(f, target);
    EXPECT_EQ(r.status, ReadStatus::WrongVersion);
    EXPECT_EQ(r.stringsRead, 0);
    EXPECT_EQ(target.gameName, "Before");
    EXPECT_EQ(target.Cell(3, 3).box, BoxCode::Hot);
    // A board that does not carry the version text is not written at all.
    target.versionTag = "Version 2";
    EXPECT_TRUE(bytesOf(target).empty());
}

TEST(BoardFile, EveryTruncationIsReportedAndKeepsWhatWasRead) {
    BoardDefinition b;
    b.gameName = "Cut";
    b.timeLimit = 99;
    b.Cell(21, 20) = {RegionCode::Red, BoxCode::Free, 0};
    const std::string f = bytesOf(b);
    for (std::size_t len = 0; len < f.size(); ++len) {
        BoardDefinition target;
        target.ClearCells();
        target.gameName = "Old";
        const ReadResult r = readBytes(f.substr(0, len), target);
        ASSERT_EQ(r.status, ReadStatus::Truncated) << len;
        // Everything before the end has its new contents.
        EXPECT_EQ(target.gameName, r.stringsRead >= 2 ? "Cut" : "Old");
        if (r.valuesRead > 4) {
            EXPECT_EQ(target.timeLimit, 99u);
        }
        const std::size_t cellStart = 10 + 4 + 10 + 26;
        EXPECT_EQ(r.cellsRead, len < cellStart ? 0 : static_cast<int>((len - cellStart) / 6));
    }
}

TEST(BoardFile, HostileLengthPrefixesFailFastWithoutHugeAllocations) {
    // A 4 GB string announced in a tiny file.
    std::string f = std::string("\x09Version 1", 10) + std::string("\xFF\xFF\xFF\xF0\xFF\xFF\xFF", 7) + "tiny";
    BoardDefinition target;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(readBytes(f, target).status, ReadStatus::Truncated);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    // The same through a stream that cannot tell its size: read in chunks.
    struct NoSeek : std::streambuf {
        std::string data;
        std::size_t pos = 0;
        int_type underflow() override {
            if (pos >= data.size()) return traits_type::eof();
            setg(&data[pos], &data[pos], &data[pos] + 1);
            ++pos;
            return traits_type::to_int_type(data[pos - 1]);
        }
        pos_type seekoff(off_type, std::ios_base::seekdir, std::ios_base::openmode) override { return -1; }
    } buf;
    buf.data = f;
    std::istream in(&buf);
    EXPECT_EQ(ReadBoard(in, target).status, ReadStatus::Truncated);
}
