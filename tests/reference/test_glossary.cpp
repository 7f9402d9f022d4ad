// The glossary window: what it lists in each language, and how it copes with bad data.
#include "app/windows.h"
#include "database/database.h"
#include "reference/form9.h"
#include "tests/support/window_test.h"
#include "ui/flexgrid.h"

#include <QFile>
#include <QPushButton>
#include <QTest>

using reference::Form9;
using testing::FakePlatform;
using testing::registry;
using testing::setLanguage;

namespace {

const QString kDb = QStringLiteral("orvanedemo/terrasond/db1.mdb");

QByteArray fixture(const QString& rel) {
    QFile f(QStringLiteral(TERRASOND_TEST_DATA "/") + rel);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The filled rows of the grid as "siglas|meaning".
QStringList listed(Form9* f) {
    QStringList out;
    for (int r = 0; r < f->MSFlexGrid1->rows(); ++r) {
        const QStringList cells = f->MSFlexGrid1->rowTexts(r);
        if (!cells.join(QString()).isEmpty()) out << cells.join(QLatin1Char('|'));
    }
    return out;
}

} // namespace

class TestGlossary : public testing::WindowTest {
    Q_OBJECT
public:
    TestGlossary() : WindowTest(1) {}

private Q_SLOTS:
    void initTestCase() {
        WindowTest::initTestCase();
        reference::setMdbHelperPath(QStringLiteral(TERRASOND_MDB_HELPER));
    }

    void spanishFromTheAccessFile() {
        FakePlatform fake;
        fake.writeFile(kDb, fixture("glossary/db1.mdb"));
        Form9* f = testing::open<Form9>("Form9"); // in Spanish, as the fixture starts
        QCOMPARE(f->windowTitle(), QString::fromUtf8("Acrónimos"));
        QVERIFY(f->Command2->hasFocus());
        QVERIFY(fake.messages.isEmpty());
        const QStringList rows = listed(f);
        QCOMPARE(rows.size(), 26);
        QCOMPARE(rows.indexOf(QString::fromUtf8("iBR|Freno y marcha atrás inteligentes")), 15);
    }

    // Rows without a meaning in the language are skipped without leaving a gap; the
    // languages without a column of their own list nothing.
    void otherLanguagesSkipRowsWithoutMeaning_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("missing");
        QTest::newRow("english, Null meaning") << 2 << 25 << "CDI";
        QTest::newRow("italian, empty meaning") << 4 << 25 << "EGT";
        for (int language = 5; language <= 8; ++language)
            QTest::addRow("language %d, no column", language) << language << 0 << "ABS";
    }
    void otherLanguagesSkipRowsWithoutMeaning() {
        QFETCH(int, language);
        QFETCH(int, count);
        QFETCH(QString, missing);
        FakePlatform fake;
        fake.writeFile(kDb, fixture("glossary/db1.mdb"));
        setLanguage(language);
        Form9* f = testing::open<Form9>("Form9");
        const QStringList rows = listed(f);
        QCOMPARE(rows.size(), count);
        for (int r = 0; r < count; ++r)
            QVERIFY(!f->MSFlexGrid1->textAt(r, 1).isEmpty());
        QVERIFY(!rows.join('\n').contains(missing + '|'));
        QCOMPARE(f->MSFlexGrid1->rows(), 50);
        QVERIFY(fake.messages.isEmpty());
    }

    // An empty table and a table without the language's field: a message each, nothing
    // listed, Exit still focused.
    void unusableTablesSaySo_data() {
        QTest::addColumn<bool>("empty");
        QTest::addColumn<QString>("says");
        QTest::newRow("no rows") << true << "No hay datos";
        QTest::newRow("no field sp") << false << "sp";
    }
    void unusableTablesSaySo() {
        QFETCH(bool, empty);
        QFETCH(QString, says);
        FakePlatform fake;
        if (empty)
            fake.writeFile(kDb, fixture("glossary-empty/db1.mdb"));
        else
            QVERIFY(testing::writeSqlite(
                fake.path(kDb), {{"glosary", {"siglas", "spanish"}, {{"ABS", "Antibloqueo"}}}}));
        Form9* f = testing::open<Form9>("Form9");
        QCOMPARE(fake.messages.size(), 1);
        QVERIFY2(fake.messages[0].contains(says), qPrintable(fake.messages[0]));
        QVERIFY(listed(f).isEmpty());
        QVERIFY(f->Command2->hasFocus());
    }

    void gridGrowsPast50Rows() {
        FakePlatform fake;
        testing::Table t{"glosary", {"siglas", "sp", "en", "fr", "it"}, {}};
        for (int i = 0; i < 120; ++i)
            t.rows << QStringList{QStringLiteral("A%1").arg(i, 3, 10, QLatin1Char('0')), "sp",
                                  QStringLiteral("en%1").arg(i), QString(), ""};
        QVERIFY(testing::writeSqlite(fake.path(kDb), {t}));
        setLanguage(2);
        Form9* f = testing::open<Form9>("Form9");
        QCOMPARE(f->MSFlexGrid1->rows(), 120);
        QCOMPARE(f->MSFlexGrid1->rowTexts(119), (QStringList{"A119", "en119"}));
    }

    // Escape on Exit brings the main window back and closes the glossary. (That a main
    // window already open stays the only one is the history window's test.)
    void escapeReopensTheMainWindow() {
        FakePlatform fake;
        Form9* f = testing::open<Form9>("Form9");
        QTest::keyClick(f->Command2, Qt::Key_Escape);
        testing::flushDeletes();
        QVERIFY(!registry().find(QStringLiteral("Form9")));
        ui::Form* main = registry().find(QStringLiteral("Form3"));
        QVERIFY(main && main->isVisible());
    }
};

QTEST_MAIN(TestGlossary)
#include "test_glossary.moc"
