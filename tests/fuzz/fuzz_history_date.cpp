// Enter in a date field of the history window: any text (also broken UTF-16), never a
// fault, and every answer keeps the rule's promises.
#include "reference/form10.h"

#include <QString>
#include <cstdint>
#include <cstring>

namespace {

using Action = reference::DateEntry::Action;

void check(const QString& typed) {
    static const QString today = QStringLiteral("05-12-26");
    const reference::DateEntry e = reference::enterDate(typed, today);
    const qsizetype n = typed.size();
    // Only 0, 1 or 6 characters get past the length check, and only they widen the field.
    if ((e.action == Action::Beep) != (n != 0 && n != 1 && n != 6)) __builtin_trap();
    if (e.widen == (e.action == Action::Beep)) __builtin_trap();
    bool digits = n == 6;
    for (QChar c : typed)
        digits = digits && c >= u'0' && c <= u'9';
    if (digits) {
        // Six plain digits: accepted exactly when the day is 1 to 31 and the month 1 to 12.
        const int day = typed.left(2).toInt();
        const int month = typed.mid(2, 2).toInt();
        const bool valid = day >= 1 && day <= 31 && month >= 1 && month <= 12;
        if (valid != (e.action == Action::Accept)) __builtin_trap();
    }
    if (e.action != Action::Accept) {
        if (!e.text.isEmpty()) __builtin_trap();
        return;
    }
    if (n == 0) {
        if (e.text != today) __builtin_trap();
        return;
    }
    // An accepted date is the typed text with hyphens after the day and the month.
    if (n != 6 || e.text.size() != 8 ||
        e.text != typed.left(2) + u'-' + typed.mid(2, 2) + u'-' + typed.right(2))
        __builtin_trap();
    if (!e.text.isValidUtf16()) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    check(QString::fromUtf8(bytes, static_cast<qsizetype>(size)));
    check(QString::fromLatin1(bytes, static_cast<qsizetype>(size)));
    // The same bytes as UTF-16 units reach lone surrogates that UTF-8 cannot.
    if (size >= 2) {
        QString units(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
        std::memcpy(units.data(), data, size / 2 * 2);
        check(units);
    }
    // Six plain digits made from the input, so that the digit check runs often.
    if (size >= 6) {
        QString six;
        for (int i = 0; i < 6; ++i)
            six.append(QChar(u'0' + data[i] % 10));
        check(six);
    }
    return 0;
}
