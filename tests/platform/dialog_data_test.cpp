// The dialogs' number-field reader, the validate-in-order exchange and the
// conversion of board texts.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "platform/board_text.h"
#include "platform/dialog_data.h"
#include "tests/support/modal_answerer.h"

using vortan::DialogDataExchange;
using vortan::parseUnsignedField;
using vortan::testing::ModalAnswerer;

TEST(NumberField, AcceptedInputs) {
    struct Case {
        const char* text;
        quint32 value;
    };
    const Case cases[] = {
        {"0", 0},
        {"00", 0},
        {" 7 ", 7},
        {"\t42\t", 42},
        {"+5", 5},
        {"  +12  ", 12},
        {"007", 7},
        {"4294967295", 4294967295u},
        {"4294967296", 4294967295u},
        {"99999999999999999999999999", 4294967295u},
        {"70000", 70000},
        // Only the first 31 characters are read: what follows is ignored.
        {"1234                           x", 1234},
        {"                              8", 8},
    };
    for (const Case& c : cases) {
        quint32 v = 12345;
        EXPECT_TRUE(parseUnsignedField(QString::fromLatin1(c.text), v)) << c.text;
        EXPECT_EQ(c.value, v) << c.text;
    }
}

TEST(NumberField, RefusedInputsLeaveTheValueAlone) {
    const char* const cases[] = {
        "",       "   ",  "\t",  "-5", "-0", "+", "+0", "++1", "1 2", "12a", "abc", "0x10", "1.5", "5-",
        "1e3",
        // 31 blanks: the digit behind them is not read.
        "                               9",
    };
    for (const char* text : cases) {
        quint32 v = 12345;
        EXPECT_FALSE(parseUnsignedField(QString::fromLatin1(text), v)) << '"' << text << '"';
        EXPECT_EQ(12345u, v) << text;
    }
    quint32 v = 1;
    EXPECT_FALSE(parseUnsignedField(QString::fromUtf8("\xd9\xa3"), v));  // a non-ASCII digit
    EXPECT_FALSE(parseUnsignedField(QString::fromUtf8("\xef\xbc\x95"), v));
}

class Exchange : public ::testing::Test {
protected:
    void SetUp() override { vortan::testing::testApp(); }
};

TEST_F(Exchange, FirstRefusedFieldInOrderGetsTheMessageFocusAndSelection) {
    QDialog dialog;
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
    EXPECT_EQ(QStringLiteral("2"), b->text());
    dialog.show();

    a->setText(QStringLiteral("x"));
    b->setText(QStringLiteral("20"));
    c->setText(QStringLiteral("abc"));
    ModalAnswerer answer;
    answer.box();
    EXPECT_FALSE(dde.fromFields());
    ASSERT_EQ(1u, answer.shown.size());
    EXPECT_EQ(QStringLiteral("Please enter a positive integer."), answer.shown[0].text);
    EXPECT_EQ(QStringLiteral("Caption"), answer.shown[0].title);
    EXPECT_EQ(QMessageBox::Warning, answer.shown[0].icon);
    EXPECT_EQ(20u, vb);  // read before the refusal
    EXPECT_EQ(1u, va);
    EXPECT_EQ(3u, vc);
    EXPECT_EQ(a, dialog.focusWidget());
    EXPECT_EQ(QStringLiteral("x"), a->selectedText());
    EXPECT_TRUE(answer.unexpected.empty());

    a->setText(QStringLiteral(" 9 "));
    c->setText(QStringLiteral("+4"));
    EXPECT_TRUE(dde.fromFields());
    EXPECT_EQ(9u, va);
    EXPECT_EQ(4u, vc);
}

TEST_F(Exchange, TextFieldsAndLineBreaks) {
    QDialog dialog;
    auto* line = new QLineEdit(&dialog);
    auto* multi = new QPlainTextEdit(&dialog);
    QString name = QStringLiteral("Game");
    QString message = QStringLiteral("one\r\ntwo");
    DialogDataExchange dde(&dialog);
    dde.addText(line, &name);
    dde.addText(multi, &message, QStringLiteral("\r\n"));
    dde.toFields();
    EXPECT_EQ(QStringLiteral("one\ntwo"), multi->toPlainText());
    multi->setPlainText(QStringLiteral("a\nb\nc"));
    line->setText(QString());
    EXPECT_TRUE(dde.fromFields());
    EXPECT_EQ(QStringLiteral("a\r\nb\r\nc"), message);
    EXPECT_TRUE(name.isEmpty());
}

TEST(IntegerField, ReadsSignedNumbersAndRefusesTheRest) {
    struct Case {
        const char* text;
        bool ok;
        qint32 value;
    } cases[] = {
        {"0", true, 0},          {"  42 ", true, 42},           {"-7", true, -7},
        {"+15", true, 15},       {"2147483647", true, 2147483647}, {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0}, {"-2147483649", false, 0},     {"", false, 0},
        {"-", false, 0},         {"12a", false, 0},             {"1 2", false, 0},
        {"99999999999999999999", false, 0},
    };
    for (const Case& c : cases) {
        qint32 v = 123;
        EXPECT_EQ(vortan::parseIntegerField(QString::fromLatin1(c.text), v), c.ok) << c.text;
        EXPECT_EQ(v, c.ok ? c.value : 123) << c.text;
    }
}

TEST_F(Exchange, NumbersAboveTheLimitAndTextsABoardCannotStoreAreRefused) {
    QDialog dialog;
    auto* number = new QLineEdit(&dialog);
    auto* line = new QLineEdit(&dialog);
    auto* multi = new QPlainTextEdit(&dialog);
    quint32 value = 5;
    QString name, message;
    DialogDataExchange dde(&dialog, QStringLiteral("Caption"));
    dde.addUnsigned(number, &value, 65535);
    dde.addText(line, &name, DialogDataExchange::TextKind::Board);
    dde.addText(multi, &message, QStringLiteral("\r\n"), DialogDataExchange::TextKind::Board);
    dialog.show();
    ModalAnswerer answer;

    number->setText(QStringLiteral("65536"));
    answer.box();
    EXPECT_FALSE(dde.fromFields());
    EXPECT_EQ(5u, value);
    EXPECT_EQ(number, dialog.focusWidget());
    EXPECT_EQ(QStringLiteral("65536"), number->selectedText());
    number->setText(QStringLiteral("65535"));

    // The euro sign is in the Windows code page; a macron and an emoji are not.
    line->setText(QString::fromUtf8("Caf\xc3\xa9 \xe2\x82\xac"));
    multi->setPlainText(QString::fromUtf8("L\xc4\x81ne\nsmile \xf0\x9f\x98\x80"));
    answer.box();
    EXPECT_FALSE(dde.fromFields());
    EXPECT_EQ(65535u, value);
    EXPECT_EQ(QString::fromUtf8("Caf\xc3\xa9 \xe2\x82\xac"), name);
    EXPECT_TRUE(message.isEmpty());
    EXPECT_EQ(multi, dialog.focusWidget());
    multi->setPlainText(QStringLiteral("plain\nlines"));
    EXPECT_TRUE(dde.fromFields());
    EXPECT_EQ(QStringLiteral("plain\r\nlines"), message);

    ASSERT_EQ(2u, answer.shown.size());
    EXPECT_EQ(QStringLiteral("Please enter a number no larger than 65535."), answer.shown[0].text);
    EXPECT_TRUE(answer.shown[1].text.contains(QString::fromUtf8("\"\xc4\x81\""))) << answer.shown[1].text.toStdString();
    EXPECT_EQ(QStringLiteral("Caption"), answer.shown[1].title);
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
    EXPECT_TRUE(vortan::isBoardText(QString::fromUtf8("\xc3\xa9\xe2\x82\xac\xc5\xb8")));

    // A file's text comes back byte for byte, the undefined bytes and NUL too.
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const QString text = vortan::fromBoardText(all);
    EXPECT_TRUE(vortan::isBoardText(text));
    EXPECT_EQ(all, vortan::toBoardText(text));
}
