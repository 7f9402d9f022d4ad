// The main window: start-up, the settings, workshop and About panels, the menu.
#include "app/windows.h"
#include "shell/errors32.h"
#include "shell/form3.h"
#include "shell/window_registry.h"
#include "tests/support/fake_platform.h"

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

namespace {
QByteArray bytes(std::initializer_list<int> b) {
    QByteArray out;
    for (int v : b)
        out.append(static_cast<char>(v));
    return out;
}

Form3* loadMain() {
    auto* f = static_cast<Form3*>(shell::WindowRegistry::instance().load(QStringLiteral("Form3")));
    f->activateWindow();
    QApplication::setActiveWindow(f);
    return f;
}

void press(QWidget* w, Qt::Key key) {
    QTest::keyClick(w, key);
}
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { app::registerWindows(); }
    void cleanup() {
        shell::WindowRegistry::instance().unloadAll();
        testing::flushDeletes();
    }

    void startsAsDesigned() {
        FakePlatform fake;
        Form3* f = loadMain();
        QCOMPARE(f->windowTitle(), QStringLiteral("Orvane V 1.20 (Demo)"));
        QVERIFY(f->isVisible());
        QVERIFY(!f->Frame1->isVisible() && !f->Frame4->isVisible() && !f->Frame7->isVisible());
        QVERIFY(!f->Image1->pixmap().isNull());
        QCOMPARE(TodayDate, QStringLiteral("05-12-26"));
        QVERIFY(!f->Frame8->isVisibleTo(f));
    }

    void settingsPanelOnFirstStartMarksDefaultsAndWritesThem() {
        FakePlatform fake;
        Form3* f = loadMain();
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

    void choicesAreSavedAtOnceAndReadBack() {
        FakePlatform fake;
        Form3* f = loadMain();
        f->confi1->trigger();
        f->Option2[2]->click();
        QCOMPARE(LanguageIndex, short(2));
        QCOMPARE(fake.readFile("languaje.DAT"), bytes({1, 0, '2'}));
        QCOMPARE(f->Frame1->title(), QStringLiteral("Settings"));

        f->Option1[5]->click();
        QCOMPARE(fake.readFile("port.DAT"), bytes({1, 0, '4'}));
        f->Option4[2]->click();
        QCOMPARE(fake.readFile("sett.DAT"), bytes({1, 0, '2', 0}));
        QTest::mouseClick(f->Command1, Qt::LeftButton);
        QVERIFY(!f->Frame1->isVisible());
        QCOMPARE(TemperatureUnit, short(2));

        // A new start reads everything back and marks it.
        f->unload();
        testing::flushDeletes();
        LanguageIndex = 1;
        PortNumber = 0;
        TemperatureUnit = 1;
        f = loadMain();
        QCOMPARE(LanguageIndex, short(2));
        QCOMPARE(PortNumber, 4);
        f->confi1->trigger();
        QVERIFY(f->Option1[5]->isChecked() && f->Option4[2]->isChecked());
        QVERIFY(f->Option2[2]->isChecked());

        // Spanish to Italian and back: the catalog is the Spanish one again.
        f->Option2[4]->click();
        QCOMPARE(CatExit, QStringLiteral("Esci"));
        f->Option2[1]->click();
        QCOMPARE(CatExit, QStringLiteral("Salir"));
        QCOMPARE(f->Command1->text(), QStringLiteral("Salir"));
    }

    void workshopKeys() {
        FakePlatform fake;
        Form3* f = loadMain();
        f->taller->trigger();
        QVERIFY(f->Frame4->isVisible());
        QCOMPARE(QApplication::focusWidget(), f->workshopFields[0]);
        QTest::keyClicks(f->workshopFields[0], QStringLiteral("Taller Demo"));
        for (int i = 0; i < 4; ++i) {
            press(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), f->workshopFields[i + 1]);
        }
        QTest::keyClicks(f->workshopFields[4], QString(40, QLatin1Char('9')));
        QCOMPARE(f->workshopFields[4]->text().size(), 30);
        press(f->workshopFields[4], Qt::Key_Return);
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
        press(f->workshopFields[2], Qt::Key_Escape);
        QVERIFY(!f->Frame4->isVisible());
        QVERIFY(f->workshopFields[0]->text().isEmpty());
    }

    void workshopCaptionsByLanguage() {
        FakePlatform fake;
        fake.writeFile("languaje.DAT", bytes({1, 0, '5'}));
        Form3* f = loadMain();
        f->taller->trigger(); // German changes nothing: the design texts stay
        QCOMPARE(f->Frame4->title(), QStringLiteral("Datos Taller"));
        QCOMPARE(f->workshopLabels[0]->text(), QStringLiteral("Taller:"));
        LanguageIndex = 4;
        f->taller->trigger();
        QCOMPARE(f->Frame4->title(), QStringLiteral("Officina"));
        QCOMPARE(f->workshopLabels[3]->text(), QStringLiteral("P.IVA:"));
        LanguageIndex = 2;
        f->taller->trigger();
        QCOMPARE(f->workshopLabels[4]->text(), QStringLiteral("Telephone:"));
        QCOMPARE(f->workshopLabels[3]->text(), QStringLiteral("P.IVA:")); // not changed
        LanguageIndex = 7; // keeps the English ones now
        f->taller->trigger();
        QCOMPARE(f->Frame4->title(), QStringLiteral("Workshop"));
    }

    void aboutPanelByLanguage() {
        FakePlatform fake;
        Form3* f = loadMain();
        f->ac->trigger();
        QVERIFY(f->Frame7->isVisible());
        QCOMPARE(f->Frame7->title(), QStringLiteral("Acerca de..."));
        QVERIFY(f->Label12->isVisible());
        LanguageIndex = 3;
        f->ac->trigger();
        QCOMPARE(f->Frame7->title(), QStringLiteral("A propos de..."));
        QVERIFY(!f->Label12->isVisible());
        const QString french = f->Label13->text();
        LanguageIndex = 6; // nothing of the panel changes
        f->ac->trigger();
        QCOMPARE(f->Label13->text(), french);
        QTest::mouseClick(f->Command4, Qt::LeftButton);
        QVERIFY(!f->Frame7->isVisible());
    }

    void panelsAreIndependent() {
        FakePlatform fake;
        Form3* f = loadMain();
        f->confi1->trigger();
        f->taller->trigger();
        f->ac->trigger();
        QVERIFY(f->Frame1->isVisible() && f->Frame4->isVisible() && f->Frame7->isVisible());
        QTest::mouseClick(f->Command1, Qt::LeftButton); // closes settings and workshop
        QVERIFY(!f->Frame1->isVisible() && !f->Frame4->isVisible() && f->Frame7->isVisible());
    }

    void menuOpensOneInstanceAndSurvivesTheMainWindow() {
        FakePlatform fake;
        auto& r = shell::WindowRegistry::instance();
        Form3* f = loadMain();
        const QList<QPair<QAction*, QString>> entries = {
            {f->jet, "Form28"},   {f->sno, "Form71"},      {f->yamih, "Form55"},
            {f->qua, "Form72"},   {f->acronimos, "Form9"}, {f->conectores, "Form6"},
            {f->histo1, "Form10"}};
        for (const auto& [action, name] : entries) {
            action->trigger(); // a window that does not exist yet: nothing happens
            ui::Form* w = r.find(name);
            QCOMPARE(bool(w), r.isRegistered(name));
            action->trigger();
            QCOMPARE(r.find(name), w);
            int count = 0;
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->objectName() == name && !static_cast<ui::Form*>(top)->isUnloaded())
                    ++count;
            QCOMPARE(count, w ? 1 : 0);
        }
        // Closing the main window leaves the others open.
        f->close();
        testing::flushDeletes();
        QVERIFY(!r.find(QStringLiteral("Form3")));
        for (const auto& [action, name] : entries)
            QCOMPARE(bool(r.find(name)), r.isRegistered(name));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
