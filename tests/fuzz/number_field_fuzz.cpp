// Fuzz target for the dialogs' number-field reader: any text, as typed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QString>

#include "platform/dialog_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    quint32 value = 7;
    const bool ok = vortan::parseUnsignedField(text, value);
    // A refusal leaves the field's value as it was.
    if (!ok && value != 7) std::abort();
    // A value that was read reads back the same from its own digits.
    if (ok) {
        quint32 again = 0;
        if (!vortan::parseUnsignedField(QString::number(value), again) || again != value) std::abort();
    }
    return 0;
}
