// Random use: a seeded monkey opens windows from the main menu and clicks, types and
// closes at random, also from inside the consoles' animations and reading loops, and
// checks after every step that nothing is broken: no identification listed twice, no
// window left with the hourglass once its handlers have returned, nothing yielding while
// no handler runs (no loop outlives its handler or its window), and no dialog of the
// window system left waiting for an answer (messages go through the platform).
//   TERRASOND_MONKEY_STEPS  number of top-level steps (default 400)
//   TERRASOND_MONKEY_SEED   seed (default 4827)
#include "app/windows.h"
#include "shell/window_registry.h"
#include "tests/support/window_test.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace {

int envInt(const char* name, int fallback) {
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(name, &ok);
    return ok ? v : fallback;
}

// The test platform, marking on each window whether it shows the hourglass.
class MonkeyPlatform : public testing::FakePlatform {
public:
    void setBusyPointer(QWidget* window, bool busy) override {
        if (window) window->setProperty("busyPointer", busy);
    }
};

// A dialog shown by the window system itself would wait for an answer nobody gives: it is
// noted and closed.
void closeDialogs(QStringList& seen) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* d = qobject_cast<QDialog*>(w);
        if (!d || !d->isVisible()) continue;
        seen << QString::fromLatin1(d->metaObject()->className()) + u' ' + d->windowTitle();
        d->reject();
    }
}

class Monkey {
public:
    explicit Monkey(quint32 seed) : m_rng(seed) {}

    int steps = 0;
    int nestedSteps = 0;
    int forcedCloses = 0;
    long long yieldsThisStep = 0;
    QStringList log;

    void step() {
        ++steps;
        ++m_depth;
        act();
        --m_depth;
    }

    // Called from every yield of a console.
    void onYield(long long n) {
        // An endless reading loop nobody stopped: its window is closed. Checked at every
        // depth: a loop started three handlers deep has nobody else to stop it.
        if (++yieldsThisStep > 3'000'000) {
            yieldsThisStep = 0;
            if (QWidget* w = QApplication::activeWindow()) w->close();
            for (ui::Form* f : openForms())
                if (f->objectName() != QStringLiteral("Form3")) f->close();
            ++forcedCloses;
            return;
        }
        if (m_depth >= 3) return;
        if (n % 7919 == 0 && m_rng.bounded(4) == 0) {
            ++nestedSteps;
            step();
        }
    }

    QList<ui::Form*> openForms() const {
        QList<ui::Form*> out;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<ui::Form*>(w); f && !f->isUnloaded() && f->isVisible())
                out << f;
        return out;
    }

private:
    void act() {
        auto& registry = shell::WindowRegistry::instance();
        const QList<ui::Form*> forms = openForms();
        const int choice = m_rng.bounded(100);
        if (forms.isEmpty() || choice < 20) { // a menu entry of the main window
            QList<QAction*> entries;
            for (QAction* a : registry.load(QStringLiteral("Form3"))->findChildren<QAction*>())
                if (!a->objectName().isEmpty() && !a->menu()) entries << a;
            QAction* entry = entries[m_rng.bounded(entries.size())];
            remember(QStringLiteral("menu ") + entry->objectName());
            entry->trigger();
            return;
        }
        ui::Form* form = forms[m_rng.bounded(forms.size())];
        if (choice < 23) {
            remember(form->objectName() + QStringLiteral(" close"));
            form->close();
            return;
        }
        QList<QWidget*> candidates;
        for (QWidget* w : form->findChildren<QWidget*>()) {
            if (!w->isEnabled() || !w->isVisibleTo(form) || w->objectName().isEmpty()) continue;
            if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                qobject_cast<QTableWidget*>(w) || qobject_cast<QComboBox*>(w) ||
                qobject_cast<QTabWidget*>(w) || qobject_cast<QListWidget*>(w))
                candidates << w;
        }
        if (candidates.isEmpty()) return;
        QPointer<QWidget> target = candidates[m_rng.bounded(candidates.size())];
        remember(form->objectName() + u' ' + target->objectName());
        if (auto* b = qobject_cast<QAbstractButton*>(target)) {
            if (m_rng.bounded(5) == 0) {
                b->setFocus();
                QTest::keyClick(b, m_rng.bounded(2) ? Qt::Key_Escape : Qt::Key_Return);
            } else {
                b->click();
            }
        } else if (auto* e = qobject_cast<QLineEdit*>(target)) {
            e->setFocus();
            static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Up,
                                           Qt::Key_1,      Qt::Key_2,      Qt::Key_Minus};
            const int n = 1 + m_rng.bounded(8);
            for (int i = 0; i < n && target; ++i)
                QTest::keyClick(target, keys[m_rng.bounded(int(std::size(keys)))]);
        } else if (auto* t = qobject_cast<QTableWidget*>(target)) {
            if (t->rowCount() > 0 && t->columnCount() > 0)
                Q_EMIT t->cellClicked(m_rng.bounded(t->rowCount()),
                                      m_rng.bounded(t->columnCount()));
        } else if (auto* c = qobject_cast<QComboBox*>(target)) {
            if (c->count() > 0) c->setCurrentIndex(m_rng.bounded(c->count()));
        } else if (auto* tabs = qobject_cast<QTabWidget*>(target)) {
            if (tabs->count() > 0) tabs->setCurrentIndex(m_rng.bounded(tabs->count()));
        } else if (auto* l = qobject_cast<QListWidget*>(target)) {
            if (l->count() > 0) l->setCurrentRow(m_rng.bounded(l->count()));
        }
    }

    // The last actions, indented by how deep inside other handlers they ran.
    void remember(const QString& action) {
        log << QString(2 * (m_depth - 1), u' ') + action;
        if (log.size() > 60) log.removeFirst();
    }

    QRandomGenerator m_rng;
    int m_depth = 0;
};

// Checked between top-level steps, when no handler of any window is running.
QString checkInvariants(const Monkey& monkey, MonkeyPlatform& fake, QStringList& dialogs) {
    // Idle means idle: nothing yields without a handler running.
    const long long yields = fake.yields;
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    if (fake.yields != yields)
        return QStringLiteral("%1 yields while no handler ran").arg(fake.yields - yields);
    closeDialogs(dialogs);
    if (!dialogs.isEmpty())
        return QStringLiteral("dialog left waiting: ") + dialogs.join(QStringLiteral(", "));
    for (ui::Form* f : monkey.openForms()) {
        if (f->property("busyPointer").toBool())
            return QStringLiteral("%1 keeps the hourglass after its handlers returned")
                .arg(f->objectName());
        // The identification list of a console never holds the same line twice.
        if (auto* ident = f->findChild<QListWidget*>(QStringLiteral("List2"))) {
            QStringList lines =
                testing::lines(ident).filter(QRegularExpression(QStringLiteral("\\S")));
            if (lines.removeDuplicates() > 0)
                return QStringLiteral("%1: a line listed twice in %2")
                    .arg(f->objectName(), testing::lines(ident).join(u'|'));
        }
    }
    return {};
}

} // namespace

class TestMonkey : public testing::WindowTest {
    Q_OBJECT
private Q_SLOTS:

    void randomUse() {
        const int steps = envInt("TERRASOND_MONKEY_STEPS", 400);
        const auto seed = static_cast<quint32>(envInt("TERRASOND_MONKEY_SEED", 4827));
        MonkeyPlatform fake;
        QStringList dialogs;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&dialogs] { closeDialogs(dialogs); });
        watch.start(50);
        Monkey monkey(seed);
        fake.onYield = [&](long long n) { monkey.onYield(n); };
        for (int i = 0; i < steps; ++i) {
            monkey.yieldsThisStep = 0;
            monkey.step();
            testing::flushDeletes();
            const QString broken = checkInvariants(monkey, fake, dialogs);
            if (!broken.isEmpty())
                QFAIL(qPrintable(broken + QStringLiteral("\nlast actions:\n") +
                                 monkey.log.join(QLatin1Char('\n'))));
            if ((i + 1) % 1000 == 0)
                qInfo("%d steps, %lld yields, %d forced closes", i + 1, fake.yields,
                      monkey.forcedCloses);
        }
        // Everything closes cleanly and no loop is left running.
        fake.onYield = nullptr;
        shell::WindowRegistry::instance().unloadAll();
        testing::flushDeletes();
        QVERIFY(monkey.openForms().isEmpty());
        // With every window closed nothing runs on: no yields, even given time.
        const long long yields = fake.yields;
        QTest::qWait(200);
        QCOMPARE(fake.yields, yields);
        QVERIFY2(dialogs.isEmpty(), qPrintable(dialogs.join(QStringLiteral(", "))));
        qInfo("seed %u: %d steps (%d inside animations), %lld yields, %d forced closes, "
              "%lld message boxes",
              seed, monkey.steps, monkey.nestedSteps, fake.yields, monkey.forcedCloses,
              static_cast<long long>(fake.messages.size()));
    }
};

int main(int argc, char* argv[]) {
    // Long runs get more than Qt Test's five minutes per test function: 100 ms a step.
    const int steps = envInt("TERRASOND_MONKEY_STEPS", 400);
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT") && steps > 3000)
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(steps * 100ll));
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true); // as QTEST_MAIN does
    TestMonkey test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_monkey.moc"
