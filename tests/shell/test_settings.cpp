// Start-up and the four settings files, byte for byte.
#include "shell/errors32.h"
#include "shell/settings.h"
#include "tests/support/window_test.h"

#include <QFile>
#include <QTest>
#include <algorithm>

using namespace shell;
using testing::FakePlatform;

using testing::bytes;
using testing::record;

namespace {
const char* const kFiles[] = {"port.DAT", "porttype.DAT", "languaje.DAT", "sett.DAT"};

// What start-up read, in the order of kFiles.
QList<int> values() {
    return {ERRORS32::PortNumber, ERRORS32::PortType, ERRORS32::LanguageIndex,
            ERRORS32::TemperatureUnit};
}
} // namespace

class TestSettings : public testing::WindowTest {
    Q_OBJECT
private Q_SLOTS:
    // Each file's value is read back where it lies in range, the default otherwise.
    void storedValuesAndTheirRange_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("value");
        QTest::newRow("port 7") << "port.DAT" << record("7") << 7;
        QTest::newRow("port 8") << "port.DAT" << record("8") << 0;
        QTest::newRow("port -1") << "port.DAT" << record("-1") << 0;
        QTest::newRow("port type 24") << "porttype.DAT" << record("24") << 24;
        QTest::newRow("port type 25") << "porttype.DAT" << record("25") << 25;
        QTest::newRow("port type 26") << "porttype.DAT" << record("26") << 24;
        QTest::newRow("unit 2") << "sett.DAT" << record("2") << 2;
        QTest::newRow("unit 2, record of 4") << "sett.DAT" << bytes({1, 0, '2', 0x7f}) << 2;
        QTest::newRow("unit 3") << "sett.DAT" << record("3") << 1;
        QTest::newRow("language 8") << "languaje.DAT" << record("8") << 8;
        QTest::newRow("language 9") << "languaje.DAT" << record("9") << 1;
        QTest::newRow("language 0") << "languaje.DAT" << record("0") << 1;
    }
    void storedValuesAndTheirRange() {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(int, value);
        FakePlatform fake;
        fake.writeFile(file, content);
        runStartup();
        const int at = int(std::find(std::begin(kFiles), std::end(kFiles), file) - kFiles);
        QCOMPARE(values().value(at), value);
    }

    // (The bytes of each file's write are checked through the settings panel's choices.)
    void writesNeverShortenTheFile() {
        FakePlatform fake;
        fake.writeFile("languaje.DAT", bytes({2, 0, '1', '0', 'x', 'y'}));
        QVERIFY(writeSetting(kLanguageFile, 5));
        QCOMPARE(fake.readFile("languaje.DAT"), bytes({1, 0, '5', '0', 'x', 'y'}));
    }

    // No files (the first start) or files that cannot be read: the defaults, in Spanish
    // whatever the language before; every file is there afterwards (created empty, or left
    // as it was), and a later write still works.
    void missingOrBadFilesGiveDefaults_data() {
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::newRow("first start") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\xff\xfe garbage", 10);
        QTest::newRow("count past file") << bytes({9, 0, '2'});
        QTest::newRow("count past record") << bytes({2, 0, '2', '2'});
        QTest::newRow("one byte") << bytes({1});
        QTest::newRow("letters") << bytes({1, 0, 'x'});
        QTest::newRow("huge") << QByteArray(8 * 1024 * 1024, '7');
    }
    void missingOrBadFilesGiveDefaults() {
        QFETCH(QByteArray, content);
        FakePlatform fake;
        for (const char* name : kFiles)
            if (!content.isNull()) fake.writeFile(QString::fromLatin1(name), content);
        ERRORS32::LanguageIndex = 7;
        runStartup();
        QCOMPARE(values(), (QList<int>{0, 24, 1, 1}));
        QCOMPARE(ERRORS32::CatExit, QStringLiteral("Salir"));
        for (const char* name : kFiles)
            QVERIFY2(QFile::exists(fake.path(QString::fromLatin1(name))), name);
        QCOMPARE(fake.readFile("sett.DAT").size(), content.size());
        QVERIFY(writeSetting(kTemperatureFile, 2));
        QCOMPARE(readSetting(kTemperatureFile), QStringLiteral("2"));
    }

    void numberFromText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("blanks") << "  7x" << 7;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("letters") << "abc" << 0;
        QTest::newRow("fraction") << "2.7" << 3;
        QTest::newRow("half to even") << "2.5" << 2;
        QTest::newRow("overflow") << "99999999999999" << 0;
        QTest::newRow("sign") << "-3" << -3;
    }
    void numberFromText() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(shell::numberFromText(text), value);
    }

    // Start-up takes today's date as DD-MM-YY (each opening of a console takes it again:
    // the console pattern test).
    void startupTakesTodaysDate() {
        FakePlatform fake;
        fake.date = QDate(2000, 2, 29);
        runStartup();
        QCOMPARE(ERRORS32::TodayDate, QStringLiteral("29-02-00"));
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
