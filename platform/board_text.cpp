#include "board_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace vortan {

namespace {
const char* const kCodec = "windows-1252";

// One code point at `i`, surrogate pairs taken together.
QString characterAt(const QString& text, qsizetype i) {
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) return text.mid(i, 2);
    return text.mid(i, 1);
}
}  // namespace

QString fromBoardText(const std::string& bytes) {
    QStringDecoder decoder(kCodec);
    if (!decoder.isValid()) return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

namespace {
// The byte of one character, or false when the code page has none.
bool encodeOne(const QString& ch, char& byte) {
    QStringEncoder encoder(kCodec);  // fresh: an encoder stays in error once it has failed
    if (!encoder.isValid()) {
        byte = static_cast<char>(ch[0].unicode());
        return ch.size() == 1 && ch[0].unicode() < 256;
    }
    const QByteArray b = encoder.encode(ch);
    if (encoder.hasError() || b.size() != 1) return false;
    byte = b[0];
    return true;
}
}  // namespace

std::string toBoardText(const QString& text) {
    QStringEncoder encoder(kCodec);
    if (encoder.isValid()) {
        const QByteArray whole = encoder.encode(text);
        if (!encoder.hasError()) return std::string(whole.constData(), static_cast<std::size_t>(whole.size()));
    }
    // Character by character, so that one the code page lacks becomes one
    // '?' and the rest keep their places.
    std::string out;
    for (qsizetype i = 0; i < text.size();) {
        const QString ch = characterAt(text, i);
        i += ch.size();
        char byte = '?';
        out += encodeOne(ch, byte) ? byte : '?';
    }
    return out;
}

bool isBoardText(const QString& text, QString* firstBad) {
    QStringEncoder encoder(kCodec);
    if (encoder.isValid()) {
        const QByteArray whole = encoder.encode(text);  // the result converts lazily: keep it
        if (!encoder.hasError()) return true;
    }
    for (qsizetype i = 0; i < text.size();) {
        const QString ch = characterAt(text, i);
        i += ch.size();
        char byte = 0;
        if (!encodeOne(ch, byte)) {
            if (firstBad) *firstBad = ch;
            return false;
        }
    }
    return true;
}

}  // namespace vortan
