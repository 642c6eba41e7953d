#include "dialog_data.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>

#include "board_text.h"

namespace vortan {

// Shown translated from context "DialogDataExchange".
const char* const kPositiveIntegerMessage =
    QT_TRANSLATE_NOOP("DialogDataExchange", "Please enter a positive integer.");
const char* const kIntegerMessage = QT_TRANSLATE_NOOP("DialogDataExchange", "Please enter an integer.");
const char* const kTooLargeMessage =
    QT_TRANSLATE_NOOP("DialogDataExchange", "Please enter a number no larger than %1.");

namespace {
QString translated(const char* message) { return QCoreApplication::translate("DialogDataExchange", message); }

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// Empty when `text` fits a board file, else why not.
QString boardTextRefusal(DialogDataExchange::TextKind kind, const QString& text) {
    QString bad;
    if (kind == DialogDataExchange::TextKind::Any || isBoardText(text, &bad)) return QString();
    return QCoreApplication::translate("DialogDataExchange",
                                       "The character \"%1\" cannot be stored in a board file.\n"
                                       "Please use letters, digits and signs of Western European text only.")
        .arg(bad);
}
}  // namespace

bool parseUnsignedField(const QString& fullText, quint32& value) {
    const QString text = fullText.left(31);
    int begin = 0;
    int end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    if (begin == end) return false;

    const bool startsWithZero = text[begin] == QLatin1Char('0');
    int i = begin;
    if (text[i] == QLatin1Char('+')) ++i;
    quint64 result = 0;
    for (; i < end; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') return false;
        result = result * 10 + (c - u'0');
        if (result > 0xFFFFFFFFull) result = 0x100000000ull;  // keeps saturating without overflow
    }
    if (result == 0 && !startsWithZero) return false;
    value = result > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<quint32>(result);
    return true;
}

bool parseIntegerField(const QString& fullText, qint32& value) {
    const QString text = fullText.trimmed();
    if (text.isEmpty()) return false;
    int i = 0;
    const bool negative = text[0] == QLatin1Char('-');
    if (negative || text[0] == QLatin1Char('+')) ++i;
    if (i == text.size()) return false;
    qint64 result = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') return false;
        result = result * 10 + (c - u'0');
        if (result > 2147483648LL) return false;
    }
    if (negative) result = -result;
    if (result > 2147483647LL) return false;
    value = static_cast<qint32>(result);
    return true;
}

DialogDataExchange::DialogDataExchange(QWidget* dialog, QString caption)
    : dialog_(dialog), caption_(std::move(caption)) {}

void DialogDataExchange::addUnsigned(QLineEdit* field, quint32* member, quint32 max) {
    fields_.push_back(Field{
        field,
        [field, member] { field->setText(QString::number(*member)); },
        [field, member, max] {
            quint32 v = 0;
            if (!parseUnsignedField(field->text(), v)) return translated(kPositiveIntegerMessage);
            if (v > max) return translated(kTooLargeMessage).arg(max);
            *member = v;
            return QString();
        },
        [field] { field->selectAll(); }});
}

void DialogDataExchange::addInteger(QLineEdit* field, qint32* member) {
    fields_.push_back(Field{
        field,
        [field, member] { field->setText(QString::number(*member)); },
        [field, member] {
            qint32 v = 0;
            if (!parseIntegerField(field->text(), v)) return translated(kIntegerMessage);
            *member = v;
            return QString();
        },
        [field] { field->selectAll(); }});
}

void DialogDataExchange::addText(QLineEdit* field, QString* member, TextKind kind) {
    fields_.push_back(Field{
        field, [field, member] { field->setText(*member); },
        [field, member, kind] {
            const QString refusal = boardTextRefusal(kind, field->text());
            if (refusal.isEmpty()) *member = field->text();
            return refusal;
        },
        [field] { field->selectAll(); }});
}

void DialogDataExchange::addText(QPlainTextEdit* field, QString* member, const QString& lineBreak, TextKind kind) {
    fields_.push_back(Field{
        field,
        [field, member, lineBreak] {
            QString shown = *member;
            if (lineBreak != QLatin1String("\n")) shown.replace(lineBreak, QStringLiteral("\n"));
            field->setPlainText(shown);
        },
        [field, member, lineBreak, kind] {
            QString text = field->toPlainText();
            const QString refusal = boardTextRefusal(kind, text);
            if (!refusal.isEmpty()) return refusal;
            if (lineBreak != QLatin1String("\n")) text.replace(QLatin1Char('\n'), lineBreak);
            *member = text;
            return QString();
        },
        [field] { field->selectAll(); }});
}

void DialogDataExchange::toFields() {
    for (const Field& f : fields_) f.load();
}

bool DialogDataExchange::fromFields() {
    for (const Field& f : fields_) {
        const QString refusal = f.store();
        if (!refusal.isEmpty()) {
            refuse(f, refusal);
            return false;
        }
    }
    return true;
}

void DialogDataExchange::refuse(const Field& field, const QString& text) {
    const QString caption = caption_.isEmpty() ? QApplication::applicationDisplayName() : caption_;
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok, dialog_);
    box.exec();
    field.widget->setFocus(Qt::OtherFocusReason);
    field.select();
}

}  // namespace vortan
