#include "shell/settings.h"

#include "shell/catalog.h"
#include "shell/errors32.h"
#include "shell/file_sync.h"
#include "ui/platform.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <cmath>

namespace shell {

QString decodeRecord(const QByteArray& bytes, int recordLength) {
    if (bytes.size() < 2 || recordLength < 2) return {};
    const int count =
        static_cast<unsigned char>(bytes[0]) | (static_cast<unsigned char>(bytes[1]) << 8);
    if (count > recordLength - 2 || 2 + count > bytes.size()) return {};
    return QString::fromLatin1(bytes.constData() + 2, count);
}

QByteArray encodeRecord(const QByteArray& old, const QString& text, int recordLength) {
    QByteArray record(std::max(recordLength, 2), '\0');
    const QByteArray chars = text.toLatin1().left(record.size() - 2);
    record[0] = static_cast<char>(chars.size() & 0xff);
    record[1] = static_cast<char>((chars.size() >> 8) & 0xff);
    std::copy(chars.begin(), chars.end(), record.begin() + 2);
    QByteArray out = old;
    if (out.size() < record.size()) out.resize(record.size(), '\0');
    std::copy(record.begin(), record.end(), out.begin());
    return out;
}

QString readSetting(const SettingFile& f) {
    QFile file(ui::rootPath(QString::fromLatin1(f.fileName)));
    if (!file.exists()) {
        if (file.open(QIODevice::WriteOnly)) file.close();
        return {};
    }
    if (!file.open(QIODevice::ReadOnly)) return {};
    return decodeRecord(file.read(f.readLength), f.readLength);
}

bool writeSetting(const SettingFile& f, int value) {
    const QString path = ui::rootPath(QString::fromLatin1(f.fileName));
    QByteArray old;
    {
        QFile in(path);
        if (in.exists()) {
            if (!in.open(QIODevice::ReadOnly)) return false;
            // Only the bytes up to the record matter; anything after is carried over as is.
            old = in.readAll();
        }
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) return false;
    const QByteArray bytes = encodeRecord(old, QString::number(value), f.writeLength);
    // The new contents must be completely on disk before they replace the old file:
    // commit() alone puts a partly written copy in place when its last flush fails (a
    // full disk, a file-size limit) and may even report success.
    if (out.write(bytes) != bytes.size() || !out.flush() || !syncToDisk(out)) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

int numberFromText(const QString& text) {
    int i = 0;
    const int n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    double value = 0;
    bool any = false;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        value = value * 10 + (text[i++].unicode() - u'0');
        any = true;
        if (value > 1e12) return 0;
    }
    if (i < n && text[i] == u'.') {
        double scale = 0.1;
        for (++i; i < n && text[i].isDigit() && text[i].unicode() < 128; ++i, scale /= 10) {
            value += (text[i].unicode() - u'0') * scale;
            any = true;
        }
    }
    if (!any) return 0;
    value = std::nearbyint(negative ? -value : value); // rounds half to even
    if (value > 2147483647.0 || value < -2147483648.0) return 0;
    return static_cast<int>(value);
}

QString buildTodayDate() {
    const QDate d = ui::platform().today();
    return QStringLiteral("%1-%2-%3")
        .arg(d.day(), 2, 10, QLatin1Char('0'))
        .arg(d.month(), 2, 10, QLatin1Char('0'))
        .arg(((d.year() % 100) + 100) % 100, 2, 10, QLatin1Char('0'));
}

void prepareRootFolder() {
    QDir root(ui::platform().rootFolder());
    root.mkpath(QStringLiteral("."));
    root.mkpath(QStringLiteral("orvanedemo/terrasond"));
    root.mkpath(QStringLiteral("nivasond"));
}

void runStartup() {
    using namespace ERRORS32;
    TodayDate = buildTodayDate();

    PortNumber = numberFromText(readSetting(kPortFile));
    if (PortNumber < 0 || PortNumber > 7) PortNumber = 0;

    const int portType = numberFromText(readSetting(kPortTypeFile));
    PortType = (portType == 25) ? 25 : 24;

    const int language = numberFromText(readSetting(kLanguageFile));
    LanguageIndex = static_cast<short>((language >= 1 && language <= 8) ? language : 1);

    const int unit = numberFromText(readSetting(kTemperatureFile));
    TemperatureUnit = static_cast<short>(unit == 2 ? 2 : 1);

    FillLanguageCatalog();
}

} // namespace shell
