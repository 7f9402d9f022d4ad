// The settings files when the disk misbehaves: a file replaced by a folder, a root folder
// behind a regular file, a write cut short by a file-size limit, a full filesystem and a
// read-only one. The program starts with the values it can read (the defaults otherwise),
// the main window keeps working, and a settings file written before is never damaged.
//
// The test runs in a mount namespace of its own, so that it can mount small filesystems
// without touching the machine's; where that is not allowed, those cases are skipped.
#include "app/windows.h"
#include "shell/errors32.h"
#include "shell/form3.h"
#include "shell/settings.h"
#include "shell/window_registry.h"
#include "tests/support/window_test.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTest>

#include <csignal>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace shell;
using testing::FakePlatform;

namespace {

bool g_ownMounts = false;

using testing::record;

// The files of a folder with their contents, to compare before and after.
QMap<QString, QByteArray> snapshot(const QString& folder) {
    QMap<QString, QByteArray> out;
    for (const QFileInfo& fi : QDir(folder).entryInfoList(QDir::Files | QDir::Dirs |
                                                          QDir::NoDotAndDotDot | QDir::Hidden)) {
        QFile f(fi.filePath());
        out[fi.fileName()] =
            fi.isDir() ? QByteArray("<folder>") : (f.open(QIODevice::ReadOnly) ? f.readAll() : "?");
    }
    return out;
}

// Writes 5 to languaje.DAT with the size of any file written limited to `sizeLimit` bytes;
// past the limit a write fails with EFBIG instead of killing the process.
bool writeWithSizeLimit(rlim_t sizeLimit) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit limit{sizeLimit, old.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
    const bool ok = writeSetting(kLanguageFile, 5);
    setrlimit(RLIMIT_FSIZE, &old);
    return ok;
}

// A small tmpfs made the settings root; empty when mounting is not allowed here.
QString smallDisk(FakePlatform& fake) {
    const QString disk = fake.path(QStringLiteral("disk"));
    QDir().mkpath(disk);
    if (!g_ownMounts ||
        ::mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=64k") != 0)
        return {};
    fake.root = disk;
    return disk;
}

} // namespace

class TestSettingsFaults : public testing::WindowTest {
    Q_OBJECT
private Q_SLOTS:
    // Settings that can be neither read nor written: every file a folder, or the root
    // folder behind a regular file (so it can never be created). The program runs on the
    // defaults, its settings panel still changes the language for this run, and nothing on
    // the disk changes.
    void unusableSettingsPlaces_data() {
        QTest::addColumn<bool>("behindAFile");
        QTest::newRow("files are folders") << false;
        QTest::newRow("root behind a file") << true;
    }
    void unusableSettingsPlaces() {
        QFETCH(bool, behindAFile);
        FakePlatform fake;
        const QString top = fake.root;
        fake.writeFile(QStringLiteral("plain"), "not a folder");
        for (const char* name : {"port.DAT", "porttype.DAT", "languaje.DAT", "sett.DAT"})
            QVERIFY(QDir(fake.root).mkdir(QLatin1String(name)));
        const auto before = snapshot(top);
        if (behindAFile) {
            fake.root = fake.path(QStringLiteral("plain")) + QStringLiteral("/root");
            prepareRootFolder();
        }
        Form3* main = testing::open<Form3>("Form3");
        QCOMPARE(ERRORS32::LanguageIndex, short(1));
        QCOMPARE(ERRORS32::PortType, short(24));
        QCOMPARE(ERRORS32::TemperatureUnit, short(1));
        QVERIFY(!writeSetting(kLanguageFile, 2));
        main->Option2[2]->click();
        QCOMPARE(ERRORS32::LanguageIndex, short(2));
        main->Option1[4]->click();
        QCOMPARE(ERRORS32::PortNumber, 3);
        auto after = snapshot(top); // the data folders are the program's to create
        after.remove(QStringLiteral("orvanedemo"));
        after.remove(QStringLiteral("nivasond"));
        QCOMPARE(after, before);
        QVERIFY(fake.messages.isEmpty());
    }

    // A write that fails half-way (the file-size limit is reached while the new contents
    // are written) reports the failure and leaves the old file exactly as it was, with no
    // half-written copy beside it.
    void writeCutShortKeepsTheOldFile_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("limit");
        QTest::newRow("record only, limit inside it") << record("2") << 2;
        QTest::newRow("long file, limit inside the tail")
            << record("2") + QByteArray(64 * 1024, 'x') << 16 * 1024;
    }
    void writeCutShortKeepsTheOldFile() {
        QFETCH(QByteArray, before);
        QFETCH(int, limit);
        FakePlatform fake;
        fake.writeFile(QStringLiteral("languaje.DAT"), before);
        const auto expected = snapshot(fake.root);
        QVERIFY(!writeWithSizeLimit(static_cast<rlim_t>(limit)));
        QCOMPARE(snapshot(fake.root), expected);
        QVERIFY(writeSetting(kLanguageFile, 5)); // the limit was what stopped it
    }

    // A full filesystem and a read-only one: writes fail and leave every file as it was,
    // the program starts on what it reads (a missing file reads as empty) and its settings
    // panel goes on working; once a full disk has room again the next write succeeds.
    void unwritableFilesystem_data() {
        QTest::addColumn<bool>("full");
        QTest::newRow("full") << true;
        QTest::newRow("read-only") << false;
    }
    void unwritableFilesystem() {
        QFETCH(bool, full);
        FakePlatform fake;
        const QString disk = smallDisk(fake);
        if (disk.isEmpty()) QSKIP("mounting a small filesystem is not allowed");
        fake.writeFile(QStringLiteral("languaje.DAT"), record("2"));
        fake.writeFile(QStringLiteral("sett.DAT"), record("2") + '\0');
        fake.writeFile(QStringLiteral("porttype.DAT"), record("25"));
        if (full) { // every remaining block
            QFile filler(fake.path(QStringLiteral("filler")));
            QVERIFY(filler.open(QIODevice::WriteOnly));
            const QByteArray block(4096, 'f');
            while (filler.write(block) == block.size() && filler.flush()) {
            }
        } else {
            QVERIFY(::mount(nullptr, QFile::encodeName(disk).constData(), nullptr,
                            MS_REMOUNT | MS_RDONLY, nullptr) == 0);
        }
        const auto expected = snapshot(disk);
        QVERIFY(!writeSetting(kLanguageFile, 4));
        QCOMPARE(snapshot(disk), expected);

        Form3* main = testing::open<Form3>("Form3");
        QCOMPARE(ERRORS32::LanguageIndex, short(2));
        QCOMPARE(ERRORS32::TemperatureUnit, short(2));
        QCOMPARE(ERRORS32::PortType, short(25));
        QCOMPARE(ERRORS32::PortNumber, 0);   // port.DAT was missing
        const auto started = snapshot(disk); // with what start-up could create
        main->Option2[6]->click();
        main->Option1[2]->click();
        QCOMPARE(ERRORS32::LanguageIndex, short(6));
        QCOMPARE(snapshot(disk), started);
        if (full) {
            QVERIFY(QFile::remove(fake.path(QStringLiteral("filler"))));
            QVERIFY(writeSetting(kLanguageFile, 4));
            QCOMPARE(fake.readFile(QStringLiteral("languaje.DAT")), record("4"));
        }
        cleanup();
        QVERIFY(::umount(QFile::encodeName(disk).constData()) == 0);
    }
};

int main(int argc, char* argv[]) {
    // A mount namespace of our own (while the process still has one thread), with mounts
    // that do not propagate back to the machine.
    g_ownMounts = ::unshare(CLONE_NEWNS) == 0 &&
                  ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    QApplication app(argc, argv);
    TestSettingsFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_settings_faults.moc"
