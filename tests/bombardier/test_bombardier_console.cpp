// The Bombardier console: opening, Connect, Exit, fault diagnosis and erasing, and what
// happens when the user clicks or closes the console while it is communicating.
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

const QStringList kEnglishReport = {
    "Faults detected: 1",
    " ",
    "Fault Code: 050528  ECM  Occurred",
    " ",
    "Idle Bypass Valve",
    "Output Stage Fault",
    " ",
    "Possible Causes:",
    "Damaged actuator, damaged circuit wires, connector or damaged ECM output pins.",
    " ",
    "Service actions:",
    "Check for approximately 50 Ohms between pins A and D and also between pins B",
    "and C of the idle bypass valve. Check for damaged circuit wires.",
    "Check system circuits 2-A-35, 2-A-36, 2-A-37 and 2-A-38..",
};

} // namespace

class TestBombardierConsole : public testing::WindowTest {
    Q_OBJECT
private Q_SLOTS:

    // ---- Opening, Connect, Exit ----

    void opensUnconnectedWithCatalogCaptions() {
        FakePlatform fake;
        Form28* f = openConsole();
        QCOMPARE(enabledButtons(f), (QStringList{"Command29", "Command3"}));
        QCOMPARE(QApplication::focusWidget(), f->Command3);
        QCOMPARE(f->Command29->text(), QStringLiteral("Connect with ECM"));
        QVERIFY(!f->Frame14->isVisible() && !f->SSTab1->isVisible() && !f->Frame5->isVisible());
        QCOMPARE(f->faultsStored, 0);
    }

    void connectAnimatesThenIdentifiesAndEnables() {
        FakePlatform fake;
        Form28* f = openConsole();
        QStringList enabledDuring;
        bool busyDuring = false;
        QString barAfterProgress;
        fake.onYield = [&](long long n) {
            if (n == 1) {
                enabledDuring = enabledButtons(f);
                busyDuring = fake.busy && f->Frame14->isVisible();
            }
            if (n == kProgressYields) barAfterProgress = f->Label51->text();
        };
        f->Command29->click();

        QCOMPARE(fake.yields, kConnectYields);
        QCOMPARE(enabledDuring, (QStringList{"Command29", "Command3"}));
        QVERIFY(busyDuring);
        QCOMPARE(barAfterProgress, QStringLiteral(" ") + QString(20, QLatin1Char('I')));
        QCOMPARE(f->Label51->text(), QStringLiteral(" ") + QString(30, QLatin1Char('I')));
        QVERIFY(!f->Frame14->isVisible() && !fake.busy);
        QCOMPARE(lines(f->List2), kIdentification);
        QCOMPARE(enabledButtons(f), allButtonsButFreezeFrame(f));
        QCOMPARE(f->faultsStored, 1);
        QCOMPARE(f->ecmHoursText, QStringLiteral("41.6"));
        QCOMPARE(f->Text7->text(), QStringLiteral("Test Owner"));
        QCOMPARE(f->Text8->text(), QStringLiteral("2011-02-01"));
        QVERIFY(f->Command46->isEnabled());

        // Save and Reports have no action.
        const long long yieldsConnected = fake.yields;
        f->Command2->click();
        f->Command4->click();
        QCOMPARE(fake.yields, yieldsConnected);
        QVERIFY(fake.messages.isEmpty() && !f->Frame7->isVisible() && !f->Frame14->isVisible());

        // Connecting again lists the identification once more, not twice, and the delivery
        // date follows the language in force now.
        setLanguage(3);
        f->Command29->click();
        QCOMPARE(lines(f->List2), kIdentification);
        QCOMPARE(f->Text8->text(), QStringLiteral("02-01-2011"));
    }

    void connectHidesOpenMaintenanceFrames() {
        FakePlatform fake;
        Form28* f = openConsole();
        for (QWidget* w : {static_cast<QWidget*>(f->Frame5), static_cast<QWidget*>(f->Frame8),
                           static_cast<QWidget*>(f->Frame9), static_cast<QWidget*>(f->Frame10)})
            w->show();
        f->Command29->click();
        QVERIFY(!f->Frame5->isVisible() && !f->Frame8->isVisible());
        QVERIFY(!f->Frame9->isVisible() && !f->Frame10->isVisible());
    }

    // ---- Re-entrancy and closing during the animation ----

    void secondConnectInsideFirstListsOnce_data() {
        QTest::addColumn<long long>("at");
        QTest::newRow("while the bar grows") << 5000LL;
        QTest::newRow("during the final steps") << kProgressYields + 250;
    }
    void secondConnectInsideFirstListsOnce() {
        QFETCH(long long, at);
        FakePlatform fake;
        Form28* f = openConsole();
        int inner = 0;
        fake.onYield = [&](long long n) {
            if (n == at) {
                ++inner;
                f->Command29->click();
            }
        };
        f->Command29->click();
        QCOMPARE(inner, 1);
        // The outer Connect stopped at its next yield; only the inner one finished.
        QCOMPARE(fake.yields, at + kConnectYields);
        QCOMPARE(lines(f->List2), kIdentification);
        QVERIFY(!f->Frame14->isVisible() && !fake.busy);
        QCOMPARE(enabledButtons(f), allButtonsButFreezeFrame(f));
    }

    void diagnosisInsideDiagnosisReportsOnce() {
        FakePlatform fake;
        Form28* f = openConsole();
        f->Command29->click();
        fake.onYield = [&](long long n) {
            if (n == kConnectYields + 1000) f->Command30->click();
        };
        f->Command30->click();
        QCOMPARE(lines(f->List1), kEnglishReport);
        QVERIFY(!f->Frame14->isVisible());
    }

    // ---- Diagnosis and Erase Faults ----

    void reportFollowsTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("English") << 2 << kEnglishReport;
        QStringList french = kEnglishReport;
        french[0] = shell::catalogText("CatFaultsDetected", 3) + "1";
        french[2] = shell::catalogText("CatFaultCode", 3) + "050528  ECM  Occurred";
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
        QCOMPARE(lines(f->List1), expected);
        QVERIFY(!f->Frame14->isVisible() && !fake.busy);
        // Twice in a row: still fourteen rows.
        f->Command30->click();
        QCOMPARE(f->List1->count(), 14);
        QCOMPARE(enabledButtons(f), allButtonsButFreezeFrame(f));
        QCOMPARE(f->faultsStored, 1);
    }

    void eraseClearsTheFaultAndConfirms() {
        FakePlatform fake;
        Form28* f = connectedConsole();
        f->Command30->click();
        fake.yields = 0;
        f->Command1->click();
        QCOMPARE(fake.yields, kProgressYields + 11);
        QCOMPARE(f->faultsStored, 0);
        QCOMPARE(f->List1->count(), 0);
        QVERIFY(f->Frame7->isVisible() && !f->Frame14->isVisible() && !fake.busy);
        QCOMPARE(f->Label7->text(), QStringLiteral("All faults in memory are erased"));
        QCOMPARE(QApplication::focusWidget(), f->Command15);
        f->Command15->click();
        QVERIFY(!f->Frame7->isVisible());
        QCOMPARE(QApplication::focusWidget(), f->Command3);
    }

    void afterAnEraseDiagnosisFindsNoFault() {
        FakePlatform fake;
        Form28* f = connectedConsole();
        f->Command1->click();
        f->Command15->click();
        f->Command30->click();
        QCOMPARE(f->List1->count(), 0);
        QCOMPARE(f->Label7->text(), QStringLiteral("There are not faults detected"));
    }

    // Erasing again keeps the state; the message reads the catalog at the moment.
    void secondEraseInTheLanguageOfTheMoment() {
        FakePlatform fake;
        Form28* f = connectedConsole();
        f->Command1->click();
        f->Command15->click();
        setLanguage(1);
        f->Command1->click();
        QCOMPARE(f->faultsStored, 0);
        QCOMPARE(f->Label7->text(), QStringLiteral("Se eliminaron los fallos almacenados"));
    }

    void reconnectingStoresTheFaultAgain() {
        FakePlatform fake;
        Form28* f = connectedConsole();
        f->Command1->click();
        f->Command15->click();
        f->Command29->click();
        f->Command30->click();
        QCOMPARE(lines(f->List1), kEnglishReport);
        QVERIFY(!f->Frame7->isVisible());
    }

    void closingTheMessageGivesExitItsFocusAction() {
        // Info clicked while Diagnosis is still communicating opens the tabs under the
        // message that follows; closing the message focuses Exit, which closes the tabs,
        // also in a console that is not the active window.
        FakePlatform fake;
        Form28* f = openConsole();
        f->Command29->click();
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
