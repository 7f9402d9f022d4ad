// The user-interface operations every window is built from.
#include "shell/window_registry.h"
#include "tests/support/window_test.h"
#include "ui/flexgrid.h"
#include "ui/form.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using testing::FakePlatform;

namespace {
// A window whose design state is a caption "design"; its load step counts.
class ProbeForm : public ui::Form {
public:
    ProbeForm() {
        caption = new QLabel(QStringLiteral("design"), this);
        caption->setObjectName(QStringLiteral("caption"));
    }
    QLabel* caption;
    int loads = 0;

protected:
    void onLoad() override {
        ++loads;
        show();
    }
};
} // namespace

class TestUi : public testing::WindowTest {
    Q_OBJECT
private Q_SLOTS:
    void twipsConvertAtFifteenPerPixel() {
        QCOMPARE(ui::px(15), 1);
        QCOMPARE(ui::px(7), 0);
        QCOMPARE(ui::px(8), 1);
        QWidget w;
        ui::place(&w, 2400, 3360, 6255, 855);
        QCOMPARE(w.geometry(), QRect(160, 224, 417, 57));
        QCOMPARE(ui::leftTw(&w), 2400);
    }

    void valueSetByProgramRaisesClick() {
        QWidget parent;
        auto* a = new QRadioButton(&parent);
        auto* b = new QRadioButton(&parent);
        auto* c = new QCheckBox(&parent);
        QSignalSpy clickA(a, &QAbstractButton::clicked);
        QSignalSpy clickB(b, &QAbstractButton::clicked);
        QSignalSpy clickC(c, &QAbstractButton::clicked);

        ui::setValue(a, true);
        QCOMPARE(clickA.count(), 1);
        ui::setValue(a, true); // unchanged: no click
        QCOMPARE(clickA.count(), 1);
        ui::setValue(b, true); // the group moves the mark; only b is clicked
        QVERIFY(!a->isChecked());
        QCOMPARE(clickB.count(), 1);
        QCOMPARE(clickA.count(), 1);
        ui::setValue(b, false); // an exclusive option can be unticked by program
        QVERIFY(!b->isChecked());

        c->setEnabled(false); // disabled controls still raise the click
        ui::setValue(c, true);
        ui::setValue(c, false);
        QCOMPARE(clickC.count(), 2);
        QCOMPARE(clickC.at(1).at(0).toBool(), false);
    }

    void flexGridCellsAndCurrentCell() {
        ui::FlexGrid g;
        g.setCols(3);
        g.setRows(4);
        g.setFixedRows(1);
        g.setFixedCols(0);
        g.setColAlignment(2, Qt::AlignHCenter);
        g.setRow(2);
        g.setCol(2);
        g.setText(QStringLiteral("x"));
        QCOMPARE(g.textAt(2, 2), QStringLiteral("x"));
        QCOMPARE(g.text(), QStringLiteral("x"));
        QVERIFY(g.item(2, 2)->textAlignment() & Qt::AlignHCenter);
        QVERIFY(!(g.item(0, 1)->flags() & Qt::ItemIsSelectable)); // heading row
        g.setRows(10);                                            // growing keeps the text
        QCOMPARE(g.textAt(2, 2), QStringLiteral("x"));
        g.setTextAt(99, 0, QStringLiteral("ignored")); // out of range: nothing happens
        QCOMPARE(g.rows(), 10);

        QSignalSpy click(&g, &ui::FlexGrid::cellClick);
        g.show();
        const QRect cell = g.visualItemRect(g.item(3, 1));
        QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(click.count(), 1);
        QCOMPARE(g.row(), 3);
        QCOMPARE(g.col(), 1);
    }

    void registryKeepsOneInstanceAndReloadsFromDesign() {
        FakePlatform fake;
        auto& r = shell::WindowRegistry::instance();
        r.registerWindow(QStringLiteral("Probe"), [] { return new ProbeForm; });
        auto* first = static_cast<ProbeForm*>(r.load(QStringLiteral("Probe")));
        QVERIFY(first && first->isVisible());
        QCOMPARE(first->loads, 1);
        QCOMPARE(r.load(QStringLiteral("Probe")), first); // already loaded: nothing
        QCOMPARE(first->loads, 1);
        first->caption->setText(QStringLiteral("changed"));

        QPointer<ProbeForm> gone(first);
        first->unload();
        QVERIFY(!r.find(QStringLiteral("Probe")));
        testing::flushDeletes();
        QVERIFY(gone.isNull());
        auto* second = static_cast<ProbeForm*>(r.load(QStringLiteral("Probe")));
        QCOMPARE(second->caption->text(), QStringLiteral("design"));
        QCOMPARE(r.load(QStringLiteral("NoSuchWindow")), nullptr);
        second->close(); // the title-bar close unloads too
        QVERIFY(!r.find(QStringLiteral("Probe")));
        testing::flushDeletes();
    }

    void yieldLoopsEndWhenTheWindowGoesOrIsSuperseded() {
        FakePlatform fake;
        auto* f = new ProbeForm;
        f->load();
        fake.onYield = [&](long long n) {
            if (n == 50) f->unload();
        };
        QVERIFY(!f->yieldTimes(1000));
        QCOMPARE(fake.yields, 50); // stopped at once
        testing::flushDeletes();

        auto* g = new ProbeForm;
        g->load();
        fake.yields = 0;
        bool inner = false;
        const auto outer = g->beginOperation(1);
        fake.onYield = [&](long long n) {
            if (n == 10 && !inner) {
                inner = true;
                const auto t = g->beginOperation(1);
                inner = g->yieldTimes(5, t);
            }
        };
        QVERIFY(!g->yieldTimes(100, outer)); // the inner operation took over
        QVERIFY(inner);
        const auto other = g->beginOperation(2); // another channel is independent
        QVERIFY(g->yieldTimes(3, other));
        delete g;
    }
};

QTEST_MAIN(TestUi)
#include "test_ui.moc"
