// Start-up and the four settings files, byte for byte.
#include "shell/errors32.h"
#include "shell/settings.h"
#include "tests/support/fake_platform.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <unistd.h>

using namespace shell;
using testing::FakePlatform;

namespace {
QByteArray bytes(std::initializer_list<int> b) {
    QByteArray out;
    for (int v : b)
        out.append(static_cast<char>(v));
    return out;
}
} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstStartCreatesEmptyFilesAndUsesDefaults() {
        FakePlatform fake;
        ERRORS32::LanguageIndex = 7;
        runStartup();
        QCOMPARE(ERRORS32::LanguageIndex, short(1));
        QCOMPARE(ERRORS32::PortNumber, 0);
        QCOMPARE(ERRORS32::PortType, short(24));
        QCOMPARE(ERRORS32::TemperatureUnit, short(1));
        QCOMPARE(ERRORS32::CatExit, QStringLiteral("Salir"));
        for (const char* name : {"port.DAT", "porttype.DAT", "languaje.DAT", "sett.DAT"}) {
            QVERIFY2(QFile::exists(fake.path(QString::fromLatin1(name))), name);
            QCOMPARE(QFileInfo(fake.path(QString::fromLatin1(name))).size(), 0);
        }
    }

    void preparedFilesAreReadBack() {
        FakePlatform fake;
        fake.writeFile("languaje.DAT", bytes({1, 0, '2'}));
        fake.writeFile("porttype.DAT", bytes({2, 0, '2', '5'}));
        fake.writeFile("port.DAT", bytes({1, 0, '6'}));
        fake.writeFile("sett.DAT", bytes({1, 0, '2', 0x7f})); // written with length 4
        runStartup();
        QCOMPARE(ERRORS32::LanguageIndex, short(2));
        QCOMPARE(ERRORS32::CatExit, QStringLiteral("Exit"));
        QCOMPARE(ERRORS32::PortType, short(25));
        QCOMPARE(ERRORS32::PortNumber, 6);
        QCOMPARE(ERRORS32::TemperatureUnit, short(2));
    }

    void writesAreByteExactAndNeverShortenTheFile() {
        FakePlatform fake;
        QVERIFY(writeSetting(kPortFile, 4));
        QCOMPARE(fake.readFile("port.DAT"), bytes({1, 0, '4'}));
        QVERIFY(writeSetting(kPortTypeFile, 25));
        QCOMPARE(fake.readFile("porttype.DAT"), bytes({2, 0, '2', '5'}));
        QVERIFY(writeSetting(kLanguageFile, 3));
        QCOMPARE(fake.readFile("languaje.DAT"), bytes({1, 0, '3'}));
        QVERIFY(writeSetting(kTemperatureFile, 2));
        QCOMPARE(fake.readFile("sett.DAT"), bytes({1, 0, '2', 0}));
        QCOMPARE(readSetting(kTemperatureFile), QStringLiteral("2"));

        // A longer file keeps what lies after the record.
        fake.writeFile("languaje.DAT", bytes({2, 0, '1', '0', 'x', 'y'}));
        QVERIFY(writeSetting(kLanguageFile, 5));
        QCOMPARE(fake.readFile("languaje.DAT"), bytes({1, 0, '5', '0', 'x', 'y'}));
    }

    void badFilesGiveDefaults_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("garbage") << QByteArray("\xff\xfe garbage", 10);
        QTest::newRow("count past file") << bytes({9, 0, '2'});
        QTest::newRow("count past record") << bytes({2, 0, '2', '2'});
        QTest::newRow("one byte") << bytes({1});
        QTest::newRow("letters") << bytes({1, 0, 'x'});
        QTest::newRow("out of range") << bytes({1, 0, '9'});
        QTest::newRow("zero") << bytes({1, 0, '0'});
        QTest::newRow("huge") << QByteArray(8 * 1024 * 1024, '7');
    }
    void badFilesGiveDefaults() {
        QFETCH(QByteArray, content);
        FakePlatform fake;
        for (const char* name : {"port.DAT", "porttype.DAT", "languaje.DAT", "sett.DAT"})
            fake.writeFile(QString::fromLatin1(name), content);
        runStartup();
        QCOMPARE(ERRORS32::LanguageIndex, short(1));
        QCOMPARE(ERRORS32::PortNumber, 0);
        QCOMPARE(ERRORS32::PortType, short(24));
        QCOMPARE(ERRORS32::TemperatureUnit, short(1));
        // The file is left as it was, and a later write still works.
        QCOMPARE(fake.readFile("sett.DAT").size(), content.size());
        QVERIFY(writeSetting(kTemperatureFile, 2));
        QCOMPARE(readSetting(kTemperatureFile), QStringLiteral("2"));
    }

    void unusableRootFallsBackWithoutLosingData() {
        FakePlatform fake;
        // A settings file that is a folder cannot be read or written.
        QDir(fake.root).mkdir(QStringLiteral("languaje.DAT"));
        fake.writeFile("port.DAT", bytes({1, 0, '3'}));
        runStartup();
        QCOMPARE(ERRORS32::LanguageIndex, short(1));
        QCOMPARE(ERRORS32::PortNumber, 3);
        QVERIFY(!writeSetting(kLanguageFile, 2));

        // A read-only root: reads still work, a failed write keeps the old file intact.
        if (QFileInfo(fake.root).isWritable() && ::geteuid() != 0) {
            QFile(fake.root).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
            QVERIFY(!writeSetting(kPortFile, 5));
            QCOMPARE(fake.readFile("port.DAT"), bytes({1, 0, '3'}));
            QFile(fake.root).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        FakePlatform missing;
        missing.root = QStringLiteral("/proc/no-such-root");
        ui::setPlatform(&missing);
        runStartup(); // nothing can be created; defaults, no crash
        QCOMPARE(ERRORS32::PortNumber, 0);
        QVERIFY(!writeSetting(kPortFile, 1));
    }

    void numberFromText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("digits") << "25" << 25;
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

    void todayDate() {
        FakePlatform fake;
        fake.date = QDate(2026, 12, 5);
        QCOMPARE(buildTodayDate(), QStringLiteral("05-12-26"));
        fake.date = QDate(2031, 1, 9);
        QCOMPARE(buildTodayDate(), QStringLiteral("09-01-31"));
        fake.date = QDate(2000, 2, 29);
        runStartup();
        QCOMPARE(ERRORS32::TodayDate, QStringLiteral("29-02-00"));
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
