// Dialog data exchange: members are copied into a dialog's fields when it
// opens and read back, with validation, when the user confirms. Fields are
// read in the order they were added; the first refused one stops the
// reading, shows the refusal and gets the focus with its text selected.
#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>
#include <vector>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace vortan {

extern const char* const kPositiveIntegerMessage;  // "Please enter a positive integer."
extern const char* const kIntegerMessage;          // "Please enter an integer."
extern const char* const kTooLargeMessage;         // "Please enter a number no larger than %1."

// Reads an unsigned number field: only the first 31 characters count;
// blanks and tabs around the number are skipped; then decimal digits with
// an optional leading '+'. Too large saturates at 4294967295. Refused (false,
// `value` untouched): nothing left, a sign other than '+', any other
// character, or a 0 that does not start with the digit 0 ("+0", "+").
bool parseUnsignedField(const QString& text, quint32& value);

// Reads a signed number field: blanks around it, an optional sign, decimal
// digits, within -2147483648..2147483647. Anything else is refused (false,
// `value` untouched).
bool parseIntegerField(const QString& text, qint32& value);

class DialogDataExchange {
public:
    // `dialog` owns the message box of a refusal; `caption` is its title
    // (the application's display name when empty).
    explicit DialogDataExchange(QWidget* dialog, QString caption = QString());

    // Numbers above `max` are refused with kTooLargeMessage.
    void addUnsigned(QLineEdit* field, quint32* member, quint32 max = 0xFFFFFFFFu);
    void addInteger(QLineEdit* field, qint32* member);
    // What a text field accepts: anything, or only what a board file can
    // store (Windows-1252); a character outside it is refused by name.
    enum class TextKind { Any, Board };
    void addText(QLineEdit* field, QString* member, TextKind kind = TextKind::Any);
    // Multi-line text; `lineBreak` replaces each line break when reading back
    // (and is turned into a plain line break when filling the field).
    void addText(QPlainTextEdit* field, QString* member, const QString& lineBreak = QStringLiteral("\n"),
                 TextKind kind = TextKind::Any);

    // Members into fields.
    void toFields();
    // Fields into members, in order. False when a field was refused; members
    // read before it keep their new values.
    bool fromFields();

private:
    struct Field {
        QWidget* widget;
        std::function<void()> load;
        std::function<QString()> store;  // the refusal's text, empty when taken
        std::function<void()> select;
    };
    void refuse(const Field& field, const QString& text);

    QWidget* dialog_;
    QString caption_;
    std::vector<Field> fields_;
};

}  // namespace vortan
