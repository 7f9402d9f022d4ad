// Settings files: any bytes, read with either record length, then written over.
#include "shell/settings.h"

#include <QByteArray>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (int length : {3, 4}) {
        const QString text = shell::decodeRecord(bytes, length);
        if (text.size() > length - 2) __builtin_trap();
        const int value = shell::numberFromText(text);
        const QByteArray written = shell::encodeRecord(bytes, QString::number(value), length);
        // A write never shortens the file and always reads back.
        if (written.size() < bytes.size()) __builtin_trap();
        if (shell::numberFromText(shell::decodeRecord(written, length)) != value &&
            QString::number(value).size() <= length - 2)
            __builtin_trap();
    }
    return 0;
}
