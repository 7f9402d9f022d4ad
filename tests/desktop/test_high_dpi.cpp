// At twice the pixel density (run with QT_SCALE_FACTOR=2) the windows' pictures are drawn
// from pixels of their own, never blown up from a smaller picture.
#include "app/windows.h"
#include "consoles/yamaha/form55.h"
#include "reference/form6.h"
#include "shell/form3.h"
#include "shell/window_registry.h"
#include "tests/support/window_test.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using testing::registry;

namespace {

// The picture a label shows has at least as many pixels as the label covers on screen.
bool sharp(const QLabel* image) {
    const QPixmap p = image->pixmap();
    if (p.isNull()) return false;
    const qreal ratio = image->devicePixelRatioF();
    const QSize shown = p.deviceIndependentSize().toSize().boundedTo(image->size());
    return p.width() >= shown.width() * ratio - 1 && p.height() >= shown.height() * ratio - 1;
}

} // namespace

class TestHighDpi : public testing::WindowTest {
    Q_OBJECT
private Q_SLOTS:
    void picturesAreSharp() {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        testing::FakePlatform fake;
        auto* main = static_cast<shell::Form3*>(registry().load(QStringLiteral("Form3")));
        QVERIFY(sharp(main->Image1));

        auto* pictures = static_cast<reference::Form6*>(registry().load(QStringLiteral("Form6")));
        for (const QLabel* image : {pictures->Image1, pictures->Image2, pictures->Image3,
                                    pictures->Image4, pictures->Image5})
            QVERIFY2(sharp(image), qPrintable(image->objectName()));
        pictures->Command3->click();
        QVERIFY(sharp(pictures->Image1));

        auto* guide = static_cast<yamaha::Form55*>(registry().load(QStringLiteral("Form55")));
        for (int model : {-1, 0, guide->Combo1->count() - 1}) {
            if (model >= 0) guide->Combo1_Click(model);
            QVERIFY(sharp(guide->Image1));
            QVERIFY(sharp(guide->Image2));
        }
    }
};

QTEST_MAIN(TestHighDpi)
#include "test_high_dpi.moc"
