// The dialogs' number-field readers and the conversion of board texts (the
// exchange that uses them is tested through the designer's dialogs).
#include <gtest/gtest.h>

#include "platform/board_text.h"
#include "platform/dialog_data.h"

using vortan::parseUnsignedField;

// A refused text leaves the value alone.
TEST(NumberField, ReadsUnsignedNumbersAndRefusesTheRest) {
    struct Case {
        const char* text;  // UTF-8
        bool ok;
        quint32 value;
    } cases[] = {
        {"0", true, 0},        {"007", true, 7},      {" 7 ", true, 7},       {"\t+42\t", true, 42},
        {"4294967295", true, 4294967295u},
        // Larger values stop at the largest.
        {"4294967296", true, 4294967295u},             {"99999999999999999999999999", true, 4294967295u},
        // Only the first 31 characters are read: what follows is ignored.
        {"1234                           x", true, 1234}, {"                              8", true, 8},
        {"                               9", false, 0},
        {"", false, 0},        {"   ", false, 0},     {"-5", false, 0},       {"+0", false, 0},
        {"++1", false, 0},     {"1 2", false, 0},     {"12a", false, 0},      {"0x10", false, 0},
        {"1.5", false, 0},     {"\xd9\xa3", false, 0},  // a non-ASCII digit
    };
    for (const Case& c : cases) {
        quint32 v = 12345;
        EXPECT_EQ(c.ok, parseUnsignedField(QString::fromUtf8(c.text), v)) << '"' << c.text << '"';
        EXPECT_EQ(c.ok ? c.value : 12345u, v) << c.text;
    }
}

TEST(IntegerField, ReadsSignedNumbersAndRefusesTheRest) {
    struct Case {
        const char* text;
        bool ok;
        qint32 value;
    } cases[] = {
        {"  42 ", true, 42},      {"-7", true, -7},               {"+15", true, 15},
        {"2147483647", true, 2147483647}, {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0}, {"-2147483649", false, 0},      {"99999999999999999999", false, 0},
        {"", false, 0},           {"-", false, 0},                {"1 2", false, 0},
    };
    for (const Case& c : cases) {
        qint32 v = 123;
        EXPECT_EQ(vortan::parseIntegerField(QString::fromLatin1(c.text), v), c.ok) << c.text;
        EXPECT_EQ(v, c.ok ? c.value : 123) << c.text;
    }
}

TEST(BoardText, WindowsCodePageBothWaysAndEveryByteSurvives) {
    EXPECT_EQ(std::string("Caf\xe9 \x80"), vortan::toBoardText(QString::fromUtf8("Caf\xc3\xa9 \xe2\x82\xac")));
    EXPECT_EQ(QString::fromUtf8("Caf\xc3\xa9 \xe2\x82\xac \xe2\x80\x9cq\xe2\x80\x9d"),
              vortan::fromBoardText(std::string("Caf\xe9 \x80 \x93q\x94")));
    // Each character the code page lacks becomes one '?', a pair of
    // surrogates included.
    EXPECT_EQ(std::string("a?b?c"), vortan::toBoardText(QString::fromUtf8("a\xc4\x81" "b\xf0\x9f\x98\x80" "c")));
    QString bad;
    EXPECT_FALSE(vortan::isBoardText(QString::fromUtf8("ok \xf0\x9f\x98\x80"), &bad));
    EXPECT_EQ(QString::fromUtf8("\xf0\x9f\x98\x80"), bad);

    // A file's text comes back byte for byte, the undefined bytes and NUL too.
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const QString text = vortan::fromBoardText(all);
    EXPECT_TRUE(vortan::isBoardText(text));
    EXPECT_EQ(all, vortan::toBoardText(text));
}
