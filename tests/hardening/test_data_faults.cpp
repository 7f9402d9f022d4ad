// Data files that go bad under the windows: pictures that are folders, garbage, cut short
// or claim an enormous size; databases replaced, damaged, locked or removed between two
// openings or two choices. Each window keeps working: a picture that cannot be shown
// leaves its documented default, a database that cannot be read gives a message that
// names the file, and once the file is sound again the next opening reads it.
#include "app/windows.h"
#include "consoles/yamaha/form55.h"
#include "database/database.h"
#include "reference/form6.h"
#include "reference/form9.h"
#include "shell/window_registry.h"
#include "tests/support/window_test.h"
#include "ui/flexgrid.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QtEndian>

#include <sqlite3.h>

using testing::FakePlatform;

namespace {

const QString kPictures = QStringLiteral("orvanedemo/terrasond/");
const QString kGlossary = QStringLiteral("orvanedemo/terrasond/db1.mdb");
const QString kCodes = QStringLiteral("orvanedemo/terrasond/Y1.mdb");
const QString kDetails = QStringLiteral("nivasond/Y1.mdb");

const QString kFixtures = QStringLiteral(TERRASOND_TEST_DATA "/");
const QString kBundled = QStringLiteral(":/bundled/");

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A PNG whose header claims 100,000 pixels square (its header checksum is right) and that
// holds no pixels at all.
const QByteArray kHugePng("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\x01\x86\xa0\0\x01\x86"
                          "\xa0\x08\x06\0\0\0\xa8\x52\x0b\xc8",
                          33);

// A BMP header for a `side`-pixel square 32-bit picture, without its pixels.
QByteArray hugeBmp(qint32 side) {
    QByteArray b(54, '\0');
    b[0] = 'B';
    b[1] = 'M';
    qToLittleEndian<quint32>(54, b.data() + 2);
    qToLittleEndian<quint32>(54, b.data() + 10);
    qToLittleEndian<quint32>(40, b.data() + 14);
    qToLittleEndian<qint32>(side, b.data() + 18);
    qToLittleEndian<qint32>(side, b.data() + 22);
    qToLittleEndian<quint16>(1, b.data() + 26);
    qToLittleEndian<quint16>(32, b.data() + 28);
    return b;
}

using testing::chooseModel;
using testing::open;

int filledRows(const ui::FlexGrid* grid) {
    int n = 0;
    for (int r = 0; r < grid->rows(); ++r)
        if (!grid->textAt(r, 0).isEmpty()) n = r + 1;
    return n;
}

// The glossary is opened afresh; returns how many abbreviations it lists (its messages are
// those in `fake`).
int openGlossary(FakePlatform& fake) {
    shell::WindowRegistry::instance().unloadAll();
    testing::flushDeletes();
    fake.messages.clear();
    auto* f = open<reference::Form9>("Form9");
    const int rows = filledRows(f->MSFlexGrid1);
    // The window stays usable: its Exit button closes it.
    f->Command2->click();
    testing::flushDeletes();
    if (shell::WindowRegistry::instance().find(QStringLiteral("Form9"))) return -2;
    return rows;
}

void clickFaultRow(yamaha::Form55* f, int row) {
    f->MSFlexGrid1->setRow(row);
    f->MSFlexGrid1->setCol(1);
    f->MSFlexGrid1_Click();
}

} // namespace

class TestDataFaults : public testing::WindowTest {
    Q_OBJECT
public:
    TestDataFaults() : WindowTest(1) {}

private Q_SLOTS:
    void initTestCase() {
        WindowTest::initTestCase();
        reference::setMdbHelperPath(QStringLiteral(TERRASOND_MDB_HELPER));
    }

    // Connector pictures: a folder, garbage, an empty file, a file cut short and pictures
    // that claim billions of pixels. No message and no fault; a picture that cannot be
    // read leaves what the image showed before.
    void brokenConnectorPictures() {
        FakePlatform fake;
        QDir().mkpath(fake.path(kPictures + "ok.jpg"));
        fake.writeFile(kPictures + "s4.jpg", QByteArray(5000, '\xa5'));
        fake.writeFile(kPictures + "y1.jpg", QByteArray());
        const QByteArray y2 = readFile(kBundled + kPictures + "y2.jpg");
        QVERIFY(!y2.isEmpty());
        fake.writeFile(kPictures + "y2.jpg", y2.left(y2.size() / 3));
        fake.writeFile(kPictures + "y3.jpg", kHugePng);
        fake.writeFile(kPictures + "y4.jpg", hugeBmp(60000));

        auto* f = open<reference::Form6>("Form6");
        QVERIFY(f->Image1->pixmap().isNull()); // ok.jpg is a folder
        f->Command3->click();
        QVERIFY(f->Image1->pixmap().isNull()); // s4.jpg is garbage: the large image stays empty
        f->Command4->click();
        QVERIFY(f->Image2->pixmap().isNull());
        QVERIFY(f->Image4->pixmap().isNull());
        QVERIFY(f->Image5->pixmap().isNull());
        // A cut-short JPEG shows what it holds or nothing; both are fine.
        f->Image4_Click();
        f->Image5_Click();
        QVERIFY(f->Image1->isVisible());
        QVERIFY(fake.messages.isEmpty());

        // Sound pictures again: the next click shows them.
        fake.writeFile(kPictures + "s4.jpg", readFile(kBundled + kPictures + "s4.jpg"));
        f->Command3->click();
        QCOMPARE(reference::Form6::pictureOf(f->Image1), QStringLiteral("s4.jpg"));
        f->Command1->click(); // ok.jpg fails again: Polaris stays on show
        QCOMPARE(reference::Form6::pictureOf(f->Image1), QStringLiteral("s4.jpg"));
        QCOMPARE(f->Frame1->title(), QStringLiteral("Bombardier"));
    }

    // The guide's pictures: a note takes the place of each one that cannot be shown.
    void brokenGuidePictures() {
        FakePlatform fake;
        QDir().mkpath(fake.path(kPictures + "land.jpg"));
        fake.writeFile(kPictures + "yy1.jpg", "GIF89a garbage");
        fake.writeFile(kPictures + "yh2.bmp", hugeBmp(-60000)); // a top-down BMP
        fake.writeFile(kPictures + "yh1.bmp", kHugePng);
        auto* f = open<yamaha::Form55>("Form55");
        QVERIFY(f->Image1->text().contains(QStringLiteral("land.jpg")));
        QVERIFY(f->Image2->text().contains(QStringLiteral("yy1.jpg")));
        chooseModel(f->Combo1, 0);
        QVERIFY(f->Image1->text().contains(QStringLiteral("yh2.bmp")));
        QVERIFY(f->Image2->text().contains(QStringLiteral("yh1.bmp")));
        chooseModel(f->Combo1, 6); // the Apex pictures are sound
        QVERIFY(!f->Image1->pixmap().isNull() && !f->Image2->pixmap().isNull());
        QVERIFY(fake.messages.isEmpty());
    }

    // The glossary database changes between two openings of the window.
    void glossaryChangesBetweenOpenings() {
        FakePlatform fake;
        const QByteArray sound = readFile(kFixtures + "glossary/db1.mdb");
        fake.writeFile(kGlossary, sound);
        QCOMPARE(openGlossary(fake), 26);
        QVERIFY(fake.messages.isEmpty());

        // Each damage with what the message says; a null content stands for a folder.
        QByteArray overwritten = sound; // a data page
        for (int i = 26 * 4096 + 14; i < 27 * 4096; ++i)
            overwritten[i] = static_cast<char>(i * 7919);
        const std::pair<QByteArray, const char*> cases[] = {
            {sound.left(12 * 4096), "damaged"}, {sound.left(sound.size() - 100), "incomplete"},
            {QByteArray(""), "empty"},          {QByteArray(8192, 'z'), "not an Access"},
            {overwritten, "damaged"},           {QByteArray(), "folder"}};
        for (const auto& [content, says] : cases) {
            QFile::remove(fake.path(kGlossary));
            if (content.isNull())
                QDir().mkpath(fake.path(kGlossary));
            else
                fake.writeFile(kGlossary, content);
            QCOMPARE_GE(openGlossary(fake), 0);
            QVERIFY2(fake.messages.size() == 1 && fake.messages[0].contains(QLatin1String(says)) &&
                         fake.messages[0].contains(QStringLiteral("db1.mdb")),
                     qPrintable(fake.messages.join('|')));
        }

        // Removed: the bundled demo glossary serves, without a message.
        QDir(fake.path(kGlossary)).removeRecursively();
        QVERIFY(openGlossary(fake) > 0);
        QVERIFY(fake.messages.isEmpty());
        // Sound again: read as before.
        fake.writeFile(kGlossary, sound);
        QCOMPARE(openGlossary(fake), 26);
        QVERIFY(fake.messages.isEmpty());
    }

    // Another program holds an SQLite database locked: the window waits briefly, then
    // says so; once the lock is gone the next opening reads it.
    void lockedDatabase() {
        FakePlatform fake;
        QVERIFY(testing::writeSqlite(
            fake.path(kGlossary),
            {{"glosary",
              {"siglas", "sp", "en", "fr", "it"},
              {{"ECM", "Módulo", "Engine Control Module", "Module", "Modulo"}}}}));
        QCOMPARE(openGlossary(fake), 1);

        sqlite3* holder = nullptr;
        QCOMPARE(sqlite3_open(fake.path(kGlossary).toUtf8().constData(), &holder), SQLITE_OK);
        QCOMPARE(sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(openGlossary(fake), 0);
        QVERIFY2(clock.elapsed() < 15000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY2(fake.messages.size() == 1 && fake.messages[0].contains(QStringLiteral("locked")),
                 qPrintable(fake.messages.join('|')));
        sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(holder);
        QCOMPARE(openGlossary(fake), 1);
        QVERIFY(fake.messages.isEmpty());
    }

    // The Yamaha databases change between two model choices and between two clicks on
    // the fault table. A bad file gives a message and an empty table, nothing stale; the
    // window goes on, and reads the file again once it is sound. (A lock is met once, on
    // the glossary: both windows read through the same database layer.)
    void yamahaDatabasesChangeBetweenChoices() {
        FakePlatform fake;
        const QByteArray codes = readFile(kFixtures + "yamaha-codes/Y1.mdb");
        const QByteArray details = readFile(kFixtures + "yamaha-details/Y1.mdb");
        fake.writeFile(kCodes, codes);
        fake.writeFile(kDetails, details);
        auto* f = open<yamaha::Form55>("Form55");
        chooseModel(f->Combo1, 0);
        const int sound = filledRows(f->MSFlexGrid1);
        QVERIFY(fake.messages.isEmpty());

        fake.writeFile(kCodes, codes.left(codes.size() / 2 + 1));
        chooseModel(f->Combo1, 1);
        QCOMPARE(fake.messages.size(), 1);
        QVERIFY(fake.messages[0].contains(QStringLiteral("Y1.mdb")));
        QCOMPARE(filledRows(f->MSFlexGrid1), 0);
        fake.writeFile(kCodes, codes);
        chooseModel(f->Combo1, 2);
        QCOMPARE(filledRows(f->MSFlexGrid1), sound);

        // Details: a sound lookup, then the file turns into a folder before the next one.
        int row = 0;
        while (f->MSFlexGrid1->textAt(row, 0).trimmed() != QStringLiteral("12"))
            QVERIFY(++row < sound);
        clickFaultRow(f, row);
        QCOMPARE(f->SSTab1->currentIndex(), 2);
        QVERIFY(filledRows(f->MSFlexGrid2) > 0);
        f->SSTab1->setCurrentIndex(1);
        QFile::remove(fake.path(kDetails));
        QDir().mkpath(fake.path(kDetails));
        fake.messages.clear();
        clickFaultRow(f, row);
        QCOMPARE(fake.messages.size(), 1);
        QVERIFY(fake.messages[0].contains(QStringLiteral("folder")));
        QCOMPARE(filledRows(f->MSFlexGrid2), 0);
        QCOMPARE(f->SSTab1->currentIndex(), 1);
    }
};

QTEST_MAIN(TestDataFaults)
#include "test_data_faults.moc"
