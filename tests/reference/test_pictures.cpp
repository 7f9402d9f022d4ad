// The connector pictures window: the make buttons, the small pictures, and pictures that
// are missing or cannot be read.
#include "app/windows.h"
#include "reference/form6.h"
#include "shell/errors32.h"
#include "shell/form3.h"
#include "tests/support/window_test.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace ERRORS32;
using reference::Form6;
using testing::FakePlatform;
using testing::registry;
using testing::setLanguage;

namespace {
const QString kData = QStringLiteral("orvanedemo/terrasond/");

Form6* openPictures() {
    return testing::open<Form6>("Form6");
}

const auto shown = &Form6::pictureOf;

// A small JPEG of one colour, as a user's own picture would be.
QByteArray jpeg(const QColor& colour) {
    QImage image(80, 60, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}

QColor centre(const QLabel* image) {
    const QImage i = image->pixmap().toImage();
    return i.pixelColor(i.width() / 2, i.height() / 2);
}

// The control a click at the middle of `image` reaches.
QWidget* clickTarget(Form6* f, QLabel* image) {
    return f->Frame1->childAt(image->geometry().center());
}
} // namespace

class TestPictures : public testing::WindowTest {
    Q_OBJECT
private Q_SLOTS:

    void opensOnTheBombardierSocket() {
        FakePlatform fake; // an empty data folder: the bundled pictures serve
        setLanguage(4);
        Form6* f = openPictures();
        QCOMPARE(f->windowTitle(), QStringLiteral("Conettori"));
        QCOMPARE(f->Frame1->title(), QStringLiteral("Bombardier"));
        QCOMPARE(shown(f->Image1), QStringLiteral("ok.jpg"));
        QVERIFY(!f->Image1->pixmap().isNull() && !f->Image5->pixmap().isNull());
        QCOMPARE(clickTarget(f, f->Image5), f->Image1); // the large picture covers them
        QCOMPARE(QApplication::focusWidget(), f->Command2);
    }

    void makeButtonsAndSmallPictures() {
        FakePlatform fake;
        Form6* f = openPictures();
        f->Command3->click();
        QCOMPARE(f->Frame1->title(), QStringLiteral("Polaris"));
        QCOMPARE(shown(f->Image1), QStringLiteral("s4.jpg"));

        f->Command4->click();
        QCOMPARE(f->Frame1->title(), QStringLiteral("Kawasaki"));
        QVERIFY(!f->Image1->isVisible());
        QCOMPARE(clickTarget(f, f->Image4), f->Image4);
        QCOMPARE(QApplication::focusWidget(), f->Command2);

        QLabel* small[] = {f->Image2, f->Image3, f->Image4, f->Image5};
        for (int i = 0; i < 4; ++i) {
            f->Command4->click();
            QTest::mouseClick(small[i], Qt::LeftButton);
            QCOMPARE(shown(f->Image1), QStringLiteral("y%1.jpg").arg(i + 1));
        }
        f->Command1->click();
        QCOMPARE(f->Frame1->title(), QStringLiteral("Bombardier"));
        QCOMPARE(shown(f->Image1), QStringLiteral("ok.jpg"));
        QVERIFY(f->Image1->isVisible());
    }

    void picturesInTheDataFolderComeFirst() {
        FakePlatform fake;
        fake.writeFile(kData + "ok.jpg", jpeg(Qt::red));
        Form6* f = openPictures();
        QVERIFY(centre(f->Image1).red() > 200 && centre(f->Image1).blue() < 60);
        QVERIFY(!f->Image2->pixmap().isNull()); // the others still come bundled
    }

    void oneWindowAndItsExits() {
        FakePlatform fake;
        auto* main = static_cast<shell::Form3*>(registry().load(QStringLiteral("Form3")));
        main->conectores->trigger();
        Form6* f = registry().find<Form6>(QStringLiteral("Form6"));
        QVERIFY(f);

        QTest::keyClick(f->Command2, Qt::Key_Escape);
        testing::flushDeletes();
        QVERIFY(!registry().find(QStringLiteral("Form6")));

        registry().unload(QStringLiteral("Form3"));
        testing::flushDeletes();
        f = openPictures();
        f->Command2->click();
        testing::flushDeletes();
        QVERIFY(!registry().find(QStringLiteral("Form6")));
        QVERIFY(!registry().find(QStringLiteral("Form3"))); // not brought back
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
