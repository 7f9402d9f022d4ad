// The Kawasaki console: opening, connecting, diagnosis, erasing and the fault history.
#include "kawasaki_driver.h"
#include "ui/twips.h"

#include <QGroupBox>
#include <QTest>

using namespace kawasaki_test;
using testing::FakePlatform;

class TestKawasakiConsole : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { app::registerWindows(); }
    void init() { setLanguage(2); }
    void cleanup() {
        shell::WindowRegistry::instance().unloadAll();
        testing::flushDeletes();
    }

    void opensNotConnectedAndEscapeCloses() {
        FakePlatform fake;
        Form71* f = openConsole();
        QVERIFY(f);
        QCOMPARE(f->windowTitle(), QStringLiteral("Kawasaki ATV"));
        QCOMPARE(f->size(), QSize(725, 440));
        QCOMPARE(enabledButtons(f), QStringList({"Command29", "Command3"}));
        QCOMPARE(QApplication::focusWidget(), f->Command3);
        QCOMPARE(ERRORS32::TodayDate, QStringLiteral("05-12-26"));
        QCOMPARE(f->Command20->text(), QStringLiteral("Faults Info"));
        QCOMPARE(f->Label43->text(), QStringLiteral("Engine Model"));
        QVERIFY(!f->Label44->isVisible() && !f->Label50->isVisible());
        QCOMPARE(ui::widthTw(f->Label52), 3255);
        for (QWidget* panel : {f->Frame14, f->Frame7, f->Frame9, f->Frame6, f->Frame5})
            QVERIFY(!panel->isVisible());
        QCOMPARE(f->faultsStored, short(0));

        QTest::keyClick(f->Command3, Qt::Key_Escape);
        QVERIFY(f->isUnloaded());
        testing::flushDeletes();
        QVERIFY(!shell::WindowRegistry::instance().find("Form71"));
    }

    void connectDiagnoseEraseAndReconnect() {
        FakePlatform fake;
        Form71* f = openConsole();
        QVERIFY(click(f->Command29));
        QCOMPARE(fake.yields, 40LL * 10001);
        QCOMPARE(f->Label51->text(), QStringLiteral(" ") + QString(40, QLatin1Char('I')));
        QVERIFY(!f->Frame14->isVisible());
        QVERIFY(!fake.busy);
        QCOMPARE(f->Label49->text(), QStringLiteral("KVF 450B"));
        QCOMPARE(f->Label52->text(), QStringLiteral("AU - EUR - CA - JP - US"));
        QCOMPARE(f->Label53->text(), QStringLiteral("2008"));
        QCOMPARE(f->Label54->text(), QStringLiteral("125"));
        QCOMPARE(enabledButtons(f), kConnected);
        QCOMPARE(f->faultsStored, short(1));

        QVERIFY(click(f->Command30));
        const QStringList report = {
            "Faults detected: 1", " ",
            "Fault Code: 03401D", "Camshaft Angle Sensor",
            "Possible Causes:",   "Check wires, connector or sensor damaged"};
        QCOMPARE(lines(f->List1), report);

        QVERIFY(click(f->Command1));
        QCOMPARE(f->faultsStored, short(0));
        QVERIFY(f->List1->count() == 0);
        QVERIFY(f->Frame7->isVisible());
        QCOMPARE(
            f->Label7->text(),
            QStringLiteral("All faults in memory are erased. Turn on and turn off the engine."));
        QCOMPARE(QApplication::focusWidget(), f->Command15);
        QVERIFY(click(f->Command15));
        QVERIFY(!f->Frame7->isVisible());
        QCOMPARE(QApplication::focusWidget(), f->Command3);

        QVERIFY(click(f->Command30));
        QVERIFY(f->List1->count() == 0);
        QCOMPARE(f->Label7->text(), QStringLiteral("There are not faults detected"));
        QVERIFY(click(f->Command15));

        // A new connection brings the stored fault back; the identification is not doubled.
        QVERIFY(click(f->Command29));
        QVERIFY(click(f->Command30));
        QCOMPARE(lines(f->List1), report);
        QVERIFY(!fake.busy);
    }

    void faultTextsFollowTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("report");
        QTest::addColumn<QString>("connectCaption");
        QTest::newRow("Spanish") << 1
                                 << QStringList{"Fallos detectados: 1",
                                                " ",
                                                "Código Fallo: 03401D",
                                                "Sensor de ángulo del árbol de levas",
                                                "Causas Posibles: ",
                                                "Compruebe cableado, conector o sensor defectuoso"}
                                 << QStringLiteral("Conexión con UCE");
        for (int language : {3, 7}) {
            const QString prefix = shell::catalogText("CatFaultsDetected", language);
            QTest::newRow(language == 3 ? "French" : "Finnish")
                << language
                << QStringList{prefix + "1",
                               " ",
                               shell::catalogText("CatFaultCode", language) + "03401D",
                               "Camshaft Angle Sensor",
                               "Possible Causes:",
                               "Check wires, connector or sensor damaged"}
                << shell::catalogText("CatConnectWithEcm", language);
        }
    }
    void faultTextsFollowTheLanguage() {
        QFETCH(int, language);
        QFETCH(QStringList, report);
        QFETCH(QString, connectCaption);
        FakePlatform fake;
        setLanguage(language);
        Form71* f = openConsole();
        QCOMPARE(f->Command29->text(), connectCaption);
        QVERIFY(click(f->Command29));
        QVERIFY(click(f->Command30));
        QCOMPARE(lines(f->List1), report);
    }

    // Captions keep the language the console was opened in; messages follow the current one.
    void messagesFollowALanguageChangeWhileOpen() {
        FakePlatform fake;
        Form71* f = openConsole();
        QVERIFY(click(f->Command29));
        setLanguage(1);
        QVERIFY(click(f->Command1));
        QCOMPARE(f->Command1->text(), QStringLiteral("Erase Faults"));
        QCOMPARE(f->Label7->text(),
                 QStringLiteral("Se eliminaron los fallos almacenados. Arranque y pare el motor."));
    }

    void historyFillsRegistersAndClearsOnExit_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 2;
        QTest::newRow("Spanish") << 1;
        QTest::newRow("German") << 5;
    }
    void historyFillsRegistersAndClearsOnExit() {
        QFETCH(int, language);
        FakePlatform fake;
        setLanguage(language);
        Form71* f = openConsole();
        const QString hour = shell::catalogText("CatHour", language);
        QCOMPARE(f->Label59->text(), hour);
        QVERIFY(click(f->Command29));
        QVERIFY(click(f->Command1)); // the history does not depend on the stored fault
        QVERIFY(click(f->Command15));
        QVERIFY(click(f->Command20));

        QVERIFY(f->Frame9->isVisible());
        QVERIFY(!f->Frame14->isVisible());
        QCOMPARE(f->Label74->text(), QStringLiteral("Camshaft Angle Sensor"));
        QCOMPARE(f->Label64->text(), QStringLiteral("213"));
        QCOMPARE(f->Label65->text(), QStringLiteral("1410"));
        QCOMPARE(f->Label66->text(), QStringLiteral("12,60"));
        QCOMPARE(f->Label67->text(), QStringLiteral("1,15"));
        QCOMPARE(f->Label75->text(), QStringLiteral("Not fault in memory"));
        QVERIFY(f->Label68->text().isEmpty() && f->Label71->text().isEmpty());
        const QString throttle = shell::catalogText("CatThrottleOpening", language);
        QCOMPARE(f->Label59->text(), throttle);
        QCOMPARE(f->Label63->text(), throttle);
        QVERIFY(enabledButtons(f).isEmpty());
        QCOMPARE(QApplication::focusWidget(), f->Command21);

        QVERIFY(click(f->Command21));
        QVERIFY(!f->Frame9->isVisible());
        for (QLabel* l : {f->Label74, f->Label64, f->Label65, f->Label66, f->Label67, f->Label75})
            QVERIFY(l->text().isEmpty());
        QCOMPARE(enabledButtons(f), kAllButBlank);
        QCOMPARE(QApplication::focusWidget(), f->Command3);

        // Save and Reports are enabled now but do nothing.
        QVERIFY(click(f->Command2));
        QVERIFY(click(f->Command4));
        QVERIFY(f->isVisible() && !f->Frame7->isVisible() && fake.messages.isEmpty());
        QCOMPARE(enabledButtons(f), kAllButBlank);
    }
};

QTEST_MAIN(TestKawasakiConsole)
#include "test_kawasaki_console.moc"
