// The connector pictures window: the make buttons, the small pictures, and pictures of the
// user's own in the data folder.
#include "app/windows.h"
#include "reference/form6.h"
#include "tests/support/window_test.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using reference::Form6;
using testing::FakePlatform;
using testing::registry;
using testing::setLanguage;

namespace {
const QString kData = QStringLiteral("orvanedemo/terrasond/");
} // namespace

class TestPictures : public testing::WindowTest {
    Q_OBJECT
private Q_SLOTS:

    void opensOnTheBombardierSocket() {
        FakePlatform fake; // an empty data folder: the bundled pictures serve
        setLanguage(4);
        Form6* f = testing::open<Form6>("Form6");
        QCOMPARE(f->windowTitle(), QStringLiteral("Conettori"));
        QCOMPARE(f->Frame1->title(), QStringLiteral("Bombardier"));
        QCOMPARE(Form6::pictureOf(f->Image1), QStringLiteral("ok.jpg"));
        // A click on a small picture reaches the large one, which covers them.
        QCOMPARE(f->Frame1->childAt(f->Image5->geometry().center()), f->Image1);
        QCOMPARE(QApplication::focusWidget(), f->Command2);
    }

    void makeButtonsAndSmallPictures() {
        FakePlatform fake;
        Form6* f = testing::open<Form6>("Form6");
        f->Command3->click();
        QCOMPARE(f->Frame1->title(), QStringLiteral("Polaris"));
        QCOMPARE(Form6::pictureOf(f->Image1), QStringLiteral("s4.jpg"));

        f->Command4->click();
        QCOMPARE(f->Frame1->title(), QStringLiteral("Kawasaki"));
        QVERIFY(!f->Image1->isVisible());
        QCOMPARE(f->Frame1->childAt(f->Image4->geometry().center()), f->Image4);
        QCOMPARE(QApplication::focusWidget(), f->Command2);

        QLabel* small[] = {f->Image2, f->Image3, f->Image4, f->Image5};
        for (int i = 0; i < 4; ++i) {
            f->Command4->click();
            QTest::mouseClick(small[i], Qt::LeftButton);
            QCOMPARE(Form6::pictureOf(f->Image1), QStringLiteral("y%1.jpg").arg(i + 1));
        }
        f->Command1->click();
        QCOMPARE(f->Frame1->title(), QStringLiteral("Bombardier"));
        QCOMPARE(Form6::pictureOf(f->Image1), QStringLiteral("ok.jpg"));
        QVERIFY(f->Image1->isVisible());
    }

    void picturesInTheDataFolderComeFirst() {
        FakePlatform fake; // a red picture of the user's own in place of ok.jpg
        QImage red(80, 60, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(QDir().mkpath(fake.path(kData)) && red.save(fake.path(kData + "ok.jpg")));
        Form6* f = testing::open<Form6>("Form6");
        const QImage image = f->Image1->pixmap().toImage();
        const QColor centre = image.pixelColor(image.width() / 2, image.height() / 2);
        QVERIFY(centre.red() > 200 && centre.blue() < 60);
        QVERIFY(!f->Image2->pixmap().isNull()); // the others still come bundled
    }

    // Escape and Exit close the window; neither brings the main window back. (The menu's
    // one instance is the main window's test.)
    void exitsLeaveTheMainWindowClosed() {
        FakePlatform fake;
        for (bool escape : {true, false}) {
            Form6* f = testing::open<Form6>("Form6");
            if (escape)
                QTest::keyClick(f->Command2, Qt::Key_Escape);
            else
                f->Command2->click();
            testing::flushDeletes();
            QVERIFY(!registry().find(QStringLiteral("Form6")));
            QVERIFY(!registry().find(QStringLiteral("Form3")));
        }
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
