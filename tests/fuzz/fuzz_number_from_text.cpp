// Number from text: any text, never a fault; the value of plain digit strings is exact.
#include "shell/settings.h"

#include <QString>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const int value = shell::numberFromText(text);
    bool ok = false;
    const int direct = text.toInt(&ok);
    if (ok && !text.isEmpty() && text.at(0).isDigit() && direct != value) __builtin_trap();
    (void)shell::numberFromText(QStringLiteral("  ") + text);
    return 0;
}
