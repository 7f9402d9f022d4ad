#pragma once

#include <QByteArray>
#include <QString>

namespace shell {

// The four settings files in the root folder. Each holds one fixed-length record:
// a 2-byte little-endian character count followed by the characters (the decimal
// digits of the value). Record lengths differ between reading and writing for sett.DAT.
struct SettingFile {
    const char* fileName;
    int readLength;
    int writeLength;
};
inline constexpr SettingFile kPortFile{"port.DAT", 3, 3};
inline constexpr SettingFile kPortTypeFile{"porttype.DAT", 4, 4};
inline constexpr SettingFile kLanguageFile{"languaje.DAT", 3, 3};
inline constexpr SettingFile kTemperatureFile{"sett.DAT", 3, 4};

// Decodes record 1 from the first bytes of a settings file. An empty or short file, a
// count that runs past the record or the file, gives the empty text.
QString decodeRecord(const QByteArray& bytes, int recordLength);
// The file's new contents after writing `text` as record 1 over `old`: the record is
// written in full (unused bytes zero) and nothing after it is touched, so a write
// never shortens the file.
QByteArray encodeRecord(const QByteArray& old, const QString& text, int recordLength);

// Reads record 1 of a settings file below the root folder, creating the file empty when
// it does not exist. Any failure reads as the empty text.
QString readSetting(const SettingFile& f);
// Writes the decimal text of `value` as record 1. The old file is replaced only once the
// new contents are completely written, so a failed write leaves it as it was.
// Returns false when the file could not be written.
bool writeSetting(const SettingFile& f, int value);

// The value of the decimal number at the start of the text after leading blanks,
// 0 when there is none (or when it does not fit); a fraction rounds to the nearest
// integer, halves to even.
int numberFromText(const QString& text);

// Today's date as dd-mm-yy from the platform's date.
QString buildTodayDate();

// Start-up: builds TodayDate, reads the four settings files in order and fills the
// language catalog. Values outside their valid ranges are replaced by the defaults
// (language 1, unit 1, port 0, port type 24) so that every window has a valid language
// and unit; the files themselves are left as they are.
void runStartup();

// Creates the root folder and the data folders below it when they are missing.
void prepareRootFolder();

} // namespace shell
