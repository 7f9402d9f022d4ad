#include "consoles/bombardier/hours.h"

namespace bombardier::hours {

namespace {
std::optional<QLocale>& replacement() {
    static std::optional<QLocale> locale;
    return locale;
}
} // namespace

qint64 wordMinutes(const QString& word) {
    qint64 value = 0;
    for (const QChar c : QStringView(word).left(4)) {
        const int digit = QStringLiteral("0123456789ABCDEF").indexOf(c.toUpper());
        if (digit < 0) return 0;
        value = value * 16 + digit;
    }
    return value;
}

qint64 minutesToTenths(qint64 minutes) {
    // tenths = minutes / 6, rounded half away from zero.
    const qint64 magnitude = minutes < 0 ? -minutes : minutes;
    const qint64 rounded = (magnitude + 3) / 6;
    return minutes < 0 ? -rounded : rounded;
}

QString formatTenths(qint64 tenths, const QLocale& locale) {
    const qint64 magnitude = tenths < 0 ? -tenths : tenths;
    QString text =
        QString::number(magnitude / 10) + locale.decimalPoint() + QString::number(magnitude % 10);
    if (tenths < 0) text.prepend(locale.negativeSign());
    return text;
}

QLocale numberLocale() {
    return replacement().value_or(QLocale::system());
}

void setNumberLocale(std::optional<QLocale> locale) {
    replacement() = std::move(locale);
}

} // namespace bombardier::hours
