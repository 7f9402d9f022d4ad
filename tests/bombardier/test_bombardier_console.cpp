// The Bombardier console: Connect, fault diagnosis and erasing, and clicks that arrive while
// it is communicating. What every console does alike is in tests/consoles.
#include "tests/bombardier/bombardier_support.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

using namespace bombardier_test;
using bombardier::Form28;
using testing::FakePlatform;

namespace {
const QStringList kIdentification = {"Rotax.Bombard.RVJ", "ECU: 00000022452", "Engine: 7504388",
                                     "Model: 002JBA OutLander XT", "VIN: 3JBEKCN5BJ0"};

// The report's layout around the fault's own texts.
QStringList reportFrame(const QStringList& report) {
    return {report.value(0), report.value(2), report.value(7), report.value(10)};
}
const QStringList kEnglishReport = {"Faults detected: 1", "Fault Code: 050528  ECM  Occurred",
                                    "Possible Causes:", "Service actions:"};

} // namespace

class TestBombardierConsole : public testing::WindowTest {
    Q_OBJECT
private Q_SLOTS:

    // The bar grows to 20 marks during the progress and to 30 in the final steps. Connecting
    // again lists the identification once more, not twice, and writes the delivery date in
    // the language in force now. Connect also hides open maintenance frames.
    void connectIdentifiesAndEnables() {
        FakePlatform fake;
        Form28* f = openConsole();
        QString barAfterProgress;
        fake.onYield = [&](long long n) {
            if (n == kProgressYields) barAfterProgress = f->Label51->text();
        };
        f->Command29->click();
        QCOMPARE(barAfterProgress, QStringLiteral(" ") + QString(20, QLatin1Char('I')));
        QCOMPARE(f->Label51->text(), QStringLiteral(" ") + QString(30, QLatin1Char('I')));
        QCOMPARE(lines(f->List2), kIdentification);
        QCOMPARE(enabledButtons(f), allButtonsButFreezeFrame(f));
        QCOMPARE(f->Text8->text(), QStringLiteral("2011-02-01"));

        setLanguage(3);
        f->Command47->click();
        f->Command21->click();
        f->Command29->click();
        QCOMPARE(lines(f->List2), kIdentification);
        QCOMPARE(f->Text8->text(), QStringLiteral("02-01-2011"));
        QVERIFY(!f->Frame9->isVisible() && !f->Frame10->isVisible());
    }

    void diagnosisInsideDiagnosisReportsOnce() {
        FakePlatform fake;
        Form28* f = connectedConsole();
        fake.onYield = [&](long long n) {
            if (n == kConnectYields + 1000) f->Command30->click();
        };
        f->Command30->click();
        QCOMPARE(reportFrame(lines(f->List1)), kEnglishReport);
        QCOMPARE(f->List1->count(), 14);
        QVERIFY(!f->Frame14->isVisible());
    }

    void reportFollowsTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("English") << 2 << kEnglishReport;
        QStringList french = kEnglishReport;
        french[0] = shell::catalogText("CatFaultsDetected", 3) + "1";
        french[1] = shell::catalogText("CatFaultCode", 3) + "050528  ECM  Occurred";
        QTest::newRow("French") << 3 << french;
    }
    void reportFollowsTheLanguage() {
        QFETCH(int, language);
        QFETCH(QStringList, expected);
        FakePlatform fake;
        setLanguage(language);
        Form28* f = openConsole();
        f->Command29->click();
        fake.yields = 0;
        f->Command30->click();
        QCOMPARE(fake.yields, kProgressYields);
        QCOMPARE(reportFrame(lines(f->List1)), expected);
        QVERIFY(!f->Frame14->isVisible() && !fake.busy);
        // Twice in a row: still fourteen rows.
        f->Command30->click();
        QCOMPARE(f->List1->count(), 14);
        QCOMPARE(enabledButtons(f), allButtonsButFreezeFrame(f));
    }

    // Info clicked while Diagnosis is still communicating opens the tabs under the message
    // that follows; closing the message focuses Exit, which closes the tabs, also in a
    // console that is not the active window.
    void closingTheMessageGivesExitItsFocusAction() {
        FakePlatform fake;
        Form28* f = connectedConsole();
        f->Command1->click();
        f->Command15->click();
        QApplication::setActiveWindow(nullptr);
        const long long start = fake.yields;
        fake.onYield = [&](long long n) {
            if (n == start + 1000) f->Command55->click();
        };
        f->Command30->click();
        QVERIFY(f->SSTab1->isVisible() && f->Frame7->isVisible());
        f->Command15->click();
        QVERIFY(!f->Frame7->isVisible() && !f->SSTab1->isVisible());
        QVERIFY(f->Command3->isEnabled());
    }
};

QTEST_MAIN(TestBombardierConsole)
#include "test_bombardier_console.moc"
