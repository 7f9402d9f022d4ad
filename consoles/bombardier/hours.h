#pragma once

#include <QLocale>
#include <QString>
#include <optional>

// Engine-hour arithmetic of the recorded-data pages. Counters are whole minutes; hours are
// shown to one decimal, so everything is done in integer tenths of an hour and halves are
// rounded away from zero (819 minutes = 13.65 h shows as 13.7).
namespace bombardier::hours {

// Minutes held by a counter word: its first four characters read as a hexadecimal number.
// An empty word counts as "0000"; a word that is not hexadecimal counts as 0.
qint64 wordMinutes(const QString& word);

// Minutes as tenths of an hour, halves rounded away from zero.
qint64 minutesToTenths(qint64 minutes);

// Tenths of a unit in the number format "0.0": at least one integer digit, one decimal,
// the given locale's decimal separator, no grouping.
QString formatTenths(qint64 tenths, const QLocale& locale);

// The locale whose decimal separator computed values are shown with: the system's, unless
// a replacement has been set (used by the tests to try dot and comma systems).
QLocale numberLocale();
void setNumberLocale(std::optional<QLocale> locale);

} // namespace bombardier::hours
