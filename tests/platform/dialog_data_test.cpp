// The dialogs' number-field reader, the validate-in-order exchange and the
// conversion of board texts.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>

#include "platform/board_text.h"
#include "platform/dialog_data.h"
#include "tests/support/modal_answerer.h"

using vortan::DialogDataExchange;
using vortan::parseUnsignedField;
using vortan::testing::ModalAnswerer;

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

class Exchange : public ::testing::Test {
protected:
    QApplication* app = vortan::testing::testApp();  // before the widgets
    QDialog dialog;
    ModalAnswerer answer;
};

TEST_F(Exchange, FirstRefusedFieldInOrderGetsTheMessageFocusAndSelection) {
    auto* a = new QLineEdit(&dialog);
    auto* b = new QLineEdit(&dialog);
    auto* c = new QLineEdit(&dialog);
    quint32 va = 1, vb = 2, vc = 3;
    DialogDataExchange dde(&dialog, QStringLiteral("Caption"));
    // Read in the order b, a, c.
    dde.addUnsigned(b, &vb);
    dde.addUnsigned(a, &va);
    dde.addUnsigned(c, &vc);
    dde.toFields();
    EXPECT_EQ(QStringLiteral("1"), a->text());
    dialog.show();

    a->setText(QStringLiteral("x"));
    b->setText(QStringLiteral("20"));
    c->setText(QStringLiteral("abc"));
    answer.box();
    EXPECT_FALSE(dde.fromFields());
    ASSERT_EQ(1u, answer.shown.size());
    EXPECT_EQ(QStringLiteral("Please enter a positive integer."), answer.shown[0].text);
    EXPECT_EQ(QStringLiteral("Caption"), answer.shown[0].title);
    EXPECT_EQ(QMessageBox::Warning, answer.shown[0].icon);
    EXPECT_EQ(20u, vb);  // read before the refusal
    EXPECT_EQ(3u, vc);
    EXPECT_EQ(a, dialog.focusWidget());
    EXPECT_EQ(QStringLiteral("x"), a->selectedText());

    a->setText(QStringLiteral("9"));
    c->setText(QStringLiteral("4"));
    EXPECT_TRUE(dde.fromFields());
    EXPECT_EQ(9u, va);
    EXPECT_EQ(4u, vc);
    EXPECT_TRUE(answer.unexpected.empty());
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
