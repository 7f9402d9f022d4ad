// The Yamaha guide: model choice, the fault-code table and the troubleshooting details, on
// databases written by the tests, on the Access fixtures and on the bundled demo data.
#include "app/windows.h"
#include "consoles/yamaha/form55.h"
#include "shell/catalog.h"
#include "shell/errors32.h"
#include "shell/window_registry.h"
#include "tests/support/window_test.h"
#include "ui/flexgrid.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace ERRORS32;
using testing::FakePlatform;
using yamaha::Form55;
using Row = QStringList; // a null QString is a database Null

namespace {

const QString kCodesPath = QStringLiteral("orvanedemo/terrasond/Y1.mdb");
const QString kDetailsPath = QStringLiteral("nivasond/Y1.mdb");
const QString kFive = QStringLiteral("     ");
const QString kEmpty = QStringLiteral(""); // the empty text, not Null
const QStringList kCodeColumns = {"codigo", "descripcion", "ERROR1", "ERROR2", "ERROR3",
                                  "ERROR4", "ERROR5",      "ERROR6", "ecu"};
const QStringList kDetailColumns = {"codigo", "cause1", "cause2", "cause3", "cause4",
                                    "cause5", "cause6", "job1",   "job2",   "job3",
                                    "job4",   "job5",   "job6",   "metodo"};

void writeCodes(const FakePlatform& fake, const QList<Row>& obd, const QList<Row>& obd2 = {}) {
    QVERIFY(testing::writeSqlite(fake.path(kCodesPath),
                                 {{"obd", kCodeColumns, obd}, {"obd2", kCodeColumns, obd2}}));
}

void writeDetails(const FakePlatform& fake, const QList<Row>& detalles,
                  const QList<Row>& detalles2 = {}) {
    QVERIFY(
        testing::writeSqlite(fake.path(kDetailsPath), {{"detalles", kDetailColumns, detalles},
                                                       {"detalles2", kDetailColumns, detalles2}}));
}

// A fault record with four shown causes and two hidden ones.
Row fault(const QString& code, const QString& ecu = QStringLiteral("01")) {
    return {code, "Síntoma " + code, "A", "B", "C", "D", "E oculta", "F oculta", ecu};
}

// A details record from cause/job pairs and the method.
Row details(const QString& code, const QList<std::pair<QString, QString>>& pairs,
            const QString& method = QStringLiteral("M")) {
    Row causes, jobs;
    for (int i = 0; i < 6; ++i) {
        causes << (i < pairs.size() ? pairs[i].first : QString());
        jobs << (i < pairs.size() ? pairs[i].second : QString());
    }
    return Row{code} + causes + jobs + Row{method};
}

// The user clicks a row of the fault table, on its tab.
void clickRow(Form55* f, int row, int col = 1) {
    f->SSTab1->setCurrentIndex(1);
    ui::FlexGrid* grid = f->MSFlexGrid1;
    grid->scrollToItem(grid->item(row, col));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualItemRect(grid->item(row, col)).center());
}

// Codes 123, -1, 12, 99 and 9' with details for 12 (six pairs), 23, 9', -1 (Null and
// empty causes) and, among the Apex details, the empty code.
Form55* openWithDetails(const FakePlatform& fake) {
    writeCodes(fake, {fault("123", "54"), fault("-1", QString()), fault("12", "07"), fault("99"),
                      fault("9'")});
    writeDetails(
        fake,
        {details(
             "12",
             {{"C1", "J1"}, {"C2", "J2"}, {"C3", "J3"}, {"C4", "J4"}, {"C5", "J5"}, {"C6", "J6"}},
             "Girar la llave"),
         details("23", {{"Solo", "Uno"}}), details("9'", {{"Comilla", "J"}}),
         details("-1",
                 {{QString(), QString()},
                  {"Línea", "Reparar"},
                  {kEmpty, "ignorado"},
                  {"ECU", QString()}},
                 QString())},
        {details(kEmpty, {{"Código vacío", "J"}})});
    return testing::open<Form55>("Form55");
}

QString pictureOf(const QLabel* image) {
    return QFileInfo(image->property("picture").toString()).fileName();
}

int filledRows(const ui::FlexGrid* grid) {
    int n = 0;
    for (int r = 0; r < grid->rows(); ++r)
        if (!grid->rowTexts(r).join(QString()).isEmpty()) n = r + 1;
    return n;
}

// The rows a fault table gives: meter errors ("-") after all the others.
QList<QStringList> expectedRows(const QList<Row>& records) {
    QList<QStringList> normal, meter;
    for (const Row& r : records) {
        const bool er = r[0].startsWith('-');
        (er ? meter : normal) << QStringList{(er ? QStringLiteral("    ER") : kFive) + r[0], r[1],
                                             r.mid(2, 4).join(QChar(13)), kFive + r[8]};
    }
    return normal + meter;
}

// Rows of a table of the Access fixtures, from the fixtures' manifest.
QList<Row> manifestRows(const QString& file, const QString& table) {
    QFile f(QStringLiteral(TERRASOND_TEST_DATA "/mdb/yamaha-manifest.json"));
    f.open(QIODevice::ReadOnly);
    QList<Row> out;
    for (const QJsonValue& entry : QJsonDocument::fromJson(f.readAll())[u"files"].toArray()) {
        if (entry[u"path"].toString() != file) continue;
        for (const QJsonValue& row : entry[u"tables"][table][u"rows"].toArray()) {
            Row r;
            for (const QJsonValue& v : row.toArray())
                r << (v.isNull() ? QString() : v.toString());
            out << r;
        }
    }
    return out;
}

} // namespace

class TestForm55 : public testing::WindowTest {
    Q_OBJECT
private Q_SLOTS:

    void opensWithCaptionsOfItsLanguageAndNoTable() {
        FakePlatform fake;
        testing::setLanguage(1);
        Form55* f = testing::open<Form55>("Form55");
        QCOMPARE(f->Combo1->placeholderText(), shell::catalogText("CatModel", 1));
        QCOMPARE(f->Combo1->currentIndex(), -1);
        QCOMPARE(f->SSTab1->currentIndex(), 0);
        QCOMPARE(pictureOf(f->Image1), QStringLiteral("land.jpg"));
        QCOMPARE(filledRows(f->MSFlexGrid1), 0); // nothing read before a model is chosen
        QCOMPARE(f->List1->count(), 0);
        testing::setLanguage(2); // captions stay those of the language at load
        QCOMPARE(f->SSTab1->tabText(1), shell::catalogText("CatFaultCodeTable", 1));
    }

    void eachModelShowsItsFamily() {
        FakePlatform fake;
        writeCodes(fake, {fault("12")}, {fault("11")});
        Form55* f = testing::open<Form55>("Form55");
        f->SSTab1->setCurrentIndex(1);
        for (int model = 0; model < 7; ++model) {
            testing::chooseModel(f->Combo1, model);
            const bool apex = model == 6;
            QCOMPARE(pictureOf(f->Image1), QLatin1String(apex ? "Ya1.jpg" : "yh2.bmp"));
            QCOMPARE(pictureOf(f->Image2), QLatin1String(apex ? "Ya2.jpg" : "yh1.bmp"));
            QCOMPARE(f->List1->count(), apex ? 38 : 39);
            QCOMPARE(f->MSFlexGrid1->textAt(0, 0), kFive + (apex ? "11" : "12"));
            QCOMPARE(f->SSTab1->currentIndex(), 1);
            QCOMPARE(QApplication::focusWidget(), f->Command3);
        }
        QVERIFY(fake.messages.isEmpty());
    }

    // Every record, Null fields read as empty, meter errors ("-") after all the others,
    // past 200 rows and past 10 meter errors; a shorter or an empty table leaves nothing of
    // the previous one behind.
    void tablesListEveryRecord() {
        FakePlatform fake;
        QList<Row> records{
            {"13", QString(), "Uno", QString(), kEmpty, "Cuatro", QString(), QString(), QString()}};
        for (int i = 0; i < 205; ++i)
            records << fault(QString::number(100 + i));
        for (int i = 1; i <= 12; ++i)
            records.insert(i * 15, fault(QStringLiteral("-%1").arg(i)));
        writeCodes(fake, records, {fault("11")});
        writeDetails(fake, {details("12", {{"Causa", "Trabajo"}})});
        Form55* f = testing::open<Form55>("Form55");
        testing::chooseModel(f->Combo1, 0);
        QCOMPARE(f->MSFlexGrid1->rows(), 218);
        const QList<QStringList> expected = expectedRows(records);
        for (int r = 0; r < expected.size(); ++r)
            QCOMPARE(f->MSFlexGrid1->rowTexts(r), expected[r]);
        clickRow(f, 217);
        QCOMPARE(f->Text1->text(), QStringLiteral("12"));
        QCOMPARE(f->SSTab1->currentIndex(), 2);
        testing::chooseModel(f->Combo1, 6); // back to 200 rows for a short table
        QCOMPARE(f->MSFlexGrid1->rows(), 200);
        QCOMPARE(filledRows(f->MSFlexGrid1), 1);
        writeCodes(fake, {});
        testing::chooseModel(f->Combo1, 1);
        QCOMPARE(filledRows(f->MSFlexGrid1), 0);
        QVERIFY(fake.messages.isEmpty());
    }

    // A click on a code shows its details: at most five cause/job pairs, numbered without
    // gaps (Null and empty causes skipped), the method on every row, nothing left of the
    // details shown before (the row of code 12, with six pairs, is clicked first).
    void detailsOfTheClickedCode_data() {
        QTest::addColumn<int>("model"); // -1: none chosen yet
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("shown"); // Text1|Text2|Label8; empty: not checked
        QTest::addColumn<QList<QStringList>>("pairs");
        QTest::addColumn<int>("tab");
        QList<QStringList> five;
        for (int r = 1; r <= 5; ++r)
            five << QStringList{kFive + QString::number(r), QStringLiteral("C%1").arg(r),
                                QStringLiteral("J%1").arg(r), kFive + "Girar la llave"};
        QTest::newRow("five pairs of six") << 3 << 1 << 1 << "12|07|Síntoma 12" << five << 2;
        QTest::newRow("Null and empty causes, meter error listed last")
            << 3 << 4 << 0 << "-1|  |Síntoma -1"
            << QList<QStringList>{{kFive + "1", "Línea", "Reparar", kFive},
                                  {kFive + "2", "ECU", "", kFive}}
            << 2;
        QTest::newRow("123 looks up its last two")
            << 3 << 0 << 1 << "23|54|Síntoma 123"
            << QList<QStringList>{{kFive + "1", "Solo", "Uno", kFive + "M"}} << 2;
        QTest::newRow("a quote in the code is just a character")
            << 3 << 3 << 1 << "9'|01|Síntoma 9'"
            << QList<QStringList>{{kFive + "1", "Comilla", "J", kFive + "M"}} << 2;
        QTest::newRow("no details: grid emptied, tab kept")
            << 0 << 2 << 1 << "99|01|Síntoma 99" << QList<QStringList>{} << 1;
        QTest::newRow("empty row before a model: the empty code among the Apex details")
            << -1 << 0 << 1 << ""
            << QList<QStringList>{{kFive + "1", "Código vacío", "J", kFive + "M"}} << 2;
    }
    void detailsOfTheClickedCode() {
        QFETCH(int, model);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, shown);
        QFETCH(QList<QStringList>, pairs);
        FakePlatform fake;
        Form55* f = openWithDetails(fake);
        if (model >= 0) testing::chooseModel(f->Combo1, model);
        clickRow(f, 1);
        clickRow(f, row, col);
        if (!shown.isEmpty())
            QCOMPARE(f->Text1->text() + '|' + f->Text2->text() + '|' + f->Label8->text(), shown);
        for (int r = 0; r < pairs.size(); ++r)
            QCOMPARE(f->MSFlexGrid2->rowTexts(r), pairs[r]);
        QCOMPARE(f->MSFlexGrid2->textAt(int(pairs.size()), 1), QString());
        QTEST(f->SSTab1->currentIndex(), "tab");
        QVERIFY(fake.messages.isEmpty());
    }

    void accessFixtures() {
        FakePlatform fake;
        for (const auto& [from, to] : {std::pair{"yamaha-codes/Y1.mdb", kCodesPath},
                                       std::pair{"yamaha-details/Y1.mdb", kDetailsPath}}) {
            QDir().mkpath(QFileInfo(fake.path(to)).path());
            QVERIFY(QFile::copy(TERRASOND_TEST_DATA "/mdb/" + QString::fromLatin1(from),
                                fake.path(to)));
        }
        Form55* f = testing::open<Form55>("Form55");
        for (const auto& [model, table] : {std::pair{6, "obd2"}, std::pair{0, "obd"}}) {
            testing::chooseModel(f->Combo1, model);
            QVERIFY2(fake.messages.isEmpty(), qPrintable(fake.messages.join('\n')));
            const auto expected = expectedRows(manifestRows("yamaha-codes/Y1.mdb", table));
            QVERIFY(!expected.isEmpty());
            QCOMPARE(filledRows(f->MSFlexGrid1), expected.size());
            for (int r = 0; r < expected.size(); ++r)
                QCOMPARE(f->MSFlexGrid1->rowTexts(r), expected[r]);
        }
        auto rowOf = [&](const QString& cell) {
            for (int r = 0; r < f->MSFlexGrid1->rows(); ++r)
                if (f->MSFlexGrid1->textAt(r, 0) == cell) return r;
            return -1;
        };
        // 19 has cause1 empty, -2 has it Null: both begin with cause2 as number 1.
        for (const auto& [cell, first, shown] :
             {std::tuple{QString(kFive + "19"), "Interruptor de parada", 4},
              std::tuple{QStringLiteral("    ER-2"), "Línea de comunicación", 3}}) {
            clickRow(f, rowOf(cell));
            QCOMPARE(f->SSTab1->currentIndex(), 2);
            QCOMPARE(f->MSFlexGrid2->textAt(0, 0), kFive + "1");
            QVERIFY(f->MSFlexGrid2->textAt(0, 1).startsWith(QString::fromUtf8(first)));
            QCOMPARE(f->MSFlexGrid2->textAt(shown - 1, 0), kFive + QString::number(shown));
            QCOMPARE(f->MSFlexGrid2->textAt(shown, 0), QString());
        }
        QVERIFY2(fake.messages.isEmpty(), qPrintable(fake.messages.join('\n')));
    }
};

QTEST_MAIN(TestForm55)
#include "test_form55.moc"
