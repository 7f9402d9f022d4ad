// The main window: start-up, the settings, workshop and About panels, the menu.
#include "app/windows.h"
#include "shell/errors32.h"
#include "shell/form3.h"
#include "shell/window_registry.h"
#include "tests/support/window_test.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace ERRORS32;
using shell::Form3;
using testing::FakePlatform;

using testing::bytes;

class TestMainWindow : public testing::WindowTest {
    Q_OBJECT
private Q_SLOTS:

    void startsAsDesigned() {
        FakePlatform fake;
        Form3* f = testing::open<Form3>("Form3");
        QCOMPARE(f->windowTitle(), QStringLiteral("Orvane V 1.20 (Demo)"));
        QVERIFY(!f->Frame1->isVisible() && !f->Frame4->isVisible() && !f->Frame7->isVisible());
        QVERIFY(!f->Frame8->isVisibleTo(f));
    }

    void settingsPanelOnFirstStartMarksDefaultsAndWritesThem() {
        FakePlatform fake;
        Form3* f = testing::open<Form3>("Form3");
        f->confi1->trigger();
        QVERIFY(f->Frame1->isVisible());
        QVERIFY(f->Option2[1]->isChecked() && f->Option4[1]->isChecked());
        QVERIFY(f->Option1[1]->isChecked() && f->Option3[1]->isChecked());
        QCOMPARE(f->Frame1->title(), QStringLiteral("Configuración"));
        QCOMPARE(QApplication::focusWidget(), f->Command1);
        // Marking the options wrote the values they show.
        QCOMPARE(fake.readFile("languaje.DAT"), bytes({1, 0, '1'}));
        QCOMPARE(fake.readFile("port.DAT"), bytes({1, 0, '0'}));
        QCOMPARE(fake.readFile("porttype.DAT"), bytes({2, 0, '2', '4'}));
        QCOMPARE(fake.readFile("sett.DAT"), bytes({1, 0, '1', 0}));
    }

    // A choice is written the moment it is made, and is marked at the next start.
    void choiceIsSavedAtOnce_data() {
        QTest::addColumn<int>("group"); // 0 language, 1 port, 2 unit, 3 port type
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("English") << 0 << 2 << "languaje.DAT" << bytes({1, 0, '2'});
        QTest::newRow("COM5") << 1 << 5 << "port.DAT" << bytes({1, 0, '4'});
        QTest::newRow("Fahrenheit") << 2 << 2 << "sett.DAT" << bytes({1, 0, '2', 0});
        QTest::newRow("USB") << 3 << 2 << "porttype.DAT" << bytes({2, 0, '2', '5'});
    }
    void choiceIsSavedAtOnce() {
        QFETCH(int, group);
        QFETCH(int, option);
        QFETCH(QString, file);
        FakePlatform fake;
        for (bool restarted : {false, true}) {
            testing::registry().unloadAll();
            testing::flushDeletes();
            Form3* f = testing::open<Form3>("Form3");
            f->confi1->trigger();
            const QList<QRadioButton*> groups[] = {f->Option2, f->Option1, f->Option4, f->Option3};
            if (restarted) QVERIFY(groups[group][option]->isChecked());
            groups[group][option]->click();
            QTEST(fake.readFile(file), "content");
        }
    }

    void workshopKeys() {
        FakePlatform fake;
        Form3* f = testing::open<Form3>("Form3");
        f->taller->trigger();
        QVERIFY(f->Frame4->isVisible());
        QCOMPARE(QApplication::focusWidget(), f->workshopFields[0]);
        QTest::keyClicks(f->workshopFields[0], QStringLiteral("Taller Demo"));
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), f->workshopFields[i + 1]);
        }
        QTest::keyClicks(f->workshopFields[4], QString(40, QLatin1Char('9')));
        QCOMPARE(f->workshopFields[4]->text().size(), 30);
        QTest::keyClick(f->workshopFields[4], Qt::Key_Return);
        QVERIFY(!f->Frame4->isVisible());
        for (QLineEdit* t : f->workshopFields)
            QVERIFY(t->text().isEmpty());

        f->taller->trigger();
        QTest::keyClicks(f->workshopFields[0], QStringLiteral("abc"));
        f->workshopFields[1]->setFocus();
        QTest::keyClick(f->workshopFields[1], Qt::Key_Backtab); // back into a filled field
        QCoreApplication::processEvents();
        QCOMPARE(f->workshopFields[0]->cursorPosition(), 3);
        QVERIFY(!f->workshopFields[0]->hasSelectedText());
        f->workshopFields[2]->setFocus();
        QTest::keyClick(f->workshopFields[2], Qt::Key_Escape);
        QVERIFY(!f->Frame4->isVisible());
        QVERIFY(f->workshopFields[0]->text().isEmpty());
    }

    // Only Spanish, English and Italian have workshop texts of their own (German keeps the
    // design texts); the About panel's French text stays for a language without its own.
    void panelsByLanguage() {
        FakePlatform fake;
        fake.writeFile("languaje.DAT", bytes({1, 0, '5'}));
        Form3* f = testing::open<Form3>("Form3");
        f->taller->trigger();
        QCOMPARE(f->workshopLabels[0]->text(), QStringLiteral("Taller:"));
        LanguageIndex = 4;
        f->taller->trigger();
        QCOMPARE(f->workshopLabels[3]->text(), QStringLiteral("P.IVA:"));
        LanguageIndex = 3;
        f->ac->trigger();
        QVERIFY(f->Frame7->isVisible() && !f->Label12->isVisible());
        QCOMPARE(f->Frame7->title(), QStringLiteral("A propos de..."));
        const QString french = f->Label13->text();
        LanguageIndex = 6;
        f->ac->trigger();
        QCOMPARE(f->Label13->text(), french);
        QTest::mouseClick(f->Command4, Qt::LeftButton);
        QVERIFY(!f->Frame7->isVisible());
    }

    void menuOpensOneInstanceAndSurvivesTheMainWindow() {
        FakePlatform fake;
        auto& r = shell::WindowRegistry::instance();
        Form3* f = testing::open<Form3>("Form3");
        const QList<QPair<QAction*, QString>> entries = {
            {f->jet, "Form28"},   {f->sno, "Form71"},      {f->yamih, "Form55"},
            {f->qua, "Form72"},   {f->acronimos, "Form9"}, {f->conectores, "Form6"},
            {f->histo1, "Form10"}};
        for (const auto& [action, name] : entries) {
            if (!r.isRegistered(name)) continue; // an area left out of this build
            action->trigger();
            ui::Form* w = r.find(name);
            QVERIFY2(w, qPrintable(name));
            action->trigger();
            QCOMPARE(r.find(name), w); // not a second one
        }
        // Closing the main window leaves the others open.
        f->close();
        testing::flushDeletes();
        QVERIFY(!r.find(QStringLiteral("Form3")));
        for (const auto& [action, name] : entries)
            QVERIFY(r.find(name) || !r.isRegistered(name));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
