// Random use: a seeded monkey opens windows from the main menu and clicks, types and
// closes at random, also from inside the consoles' animations and reading loops, and
// checks after every step that nothing is broken: no identification listed twice, no
// window left with the hourglass once its handlers have returned, nothing yielding while
// no handler runs (no loop outlives its handler or its window), and no dialog of the
// window system left waiting for an answer (messages go through the platform).
//   TERRASOND_MONKEY_STEPS  number of top-level steps (default 400)
//   TERRASOND_MONKEY_SEED   seed (default 4827)
#include "app/windows.h"
#include "shell/form3.h"
#include "shell/window_registry.h"
#include "tests/support/window_test.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QRandomGenerator>
#include <QSet>
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

// The test platform, also keeping which windows show the hourglass.
class MonkeyPlatform : public testing::FakePlatform {
public:
    void setBusyPointer(QWidget* window, bool busy) override {
        FakePlatform::setBusyPointer(window, busy);
        if (!window) return;
        // A later window may be created at the address of a deleted one.
        if (!busyWindows.contains(window))
            QObject::connect(window, &QObject::destroyed,
                             [this, window] { busyWindows.remove(window); });
        busyWindows[window] = busy;
    }
    QHash<const QWidget*, bool> busyWindows;
};

// A dialog shown by the window system itself would wait for an answer nobody gives: it is
// noted and closed.
class DialogWatch : public QObject {
public:
    DialogWatch() {
        connect(&m_timer, &QTimer::timeout, this, [this] { look(); });
        m_timer.start(50);
    }
    void look() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* d = qobject_cast<QDialog*>(w);
            if (!d || !d->isVisible()) continue;
            seen << QStringLiteral("%1 \"%2\"")
                        .arg(QString::fromLatin1(d->metaObject()->className()), d->windowTitle());
            d->reject();
        }
    }
    QStringList seen;

private:
    QTimer m_timer;
};

class Monkey {
public:
    explicit Monkey(quint32 seed) : m_rng(seed) {}

    int steps = 0;
    int nestedSteps = 0;
    int forcedCloses = 0;
    QStringList log;

    void step() {
        ++steps;
        ++m_depth;
        act();
        --m_depth;
    }

    // Called from every yield of a console.
    void onYield(long long n) {
        ++m_yieldsThisStep;
        // Checked at every depth: an endless loop started three handlers deep has nobody
        // else to stop it.
        if (m_yieldsThisStep > 3'000'000) {
            // An endless reading loop nobody stopped: close its window.
            m_yieldsThisStep = 0;
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

    void topLevelStep() {
        m_yieldsThisStep = 0;
        step();
        testing::flushDeletes();
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
        QList<ui::Form*> forms = openForms();
        if (forms.isEmpty()) {
            registry.load(QStringLiteral("Form3"));
            return;
        }
        const int choice = m_rng.bounded(100);
        if (choice < 20) { // a menu entry of the main window
            auto* main = registry.find<shell::Form3>(QStringLiteral("Form3"));
            if (!main) {
                registry.load(QStringLiteral("Form3"));
                return;
            }
            const auto actions = main->findChildren<QAction*>();
            QList<QAction*> entries;
            for (QAction* a : actions)
                if (!a->objectName().isEmpty() && !a->menu()) entries << a;
            if (entries.isEmpty()) return;
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
            if (t->rowCount() > 0 && t->columnCount() > 0) {
                QTableWidgetItem* it =
                    t->item(m_rng.bounded(t->rowCount()), m_rng.bounded(t->columnCount()));
                if (it) Q_EMIT t->cellClicked(it->row(), it->column());
            }
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
    long long m_yieldsThisStep = 0;
};

// Checked between top-level steps, when no handler of any window is running.
QString checkInvariants(const Monkey& monkey, MonkeyPlatform& fake, DialogWatch& dialogs) {
    // Idle means idle: nothing yields without a handler running.
    const long long yields = fake.yields;
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    if (fake.yields != yields)
        return QStringLiteral("%1 yields while no handler ran").arg(fake.yields - yields);
    dialogs.look();
    if (!dialogs.seen.isEmpty())
        return QStringLiteral("dialog left waiting: ") + dialogs.seen.join(QStringLiteral(", "));
    for (ui::Form* f : monkey.openForms()) {
        if (fake.busyWindows.value(f))
            return QStringLiteral("%1 keeps the hourglass after its handlers returned")
                .arg(f->objectName());
        // The identification list of a console never holds the same line twice.
        if (auto* ident = f->findChild<QListWidget*>(QStringLiteral("List2"))) {
            QSet<QString> seen;
            for (int i = 0; i < ident->count(); ++i) {
                const QString line = ident->item(i)->text();
                if (!line.trimmed().isEmpty() && seen.contains(line))
                    return QStringLiteral("%1: identification listed twice (%2)")
                        .arg(f->objectName(), line);
                seen.insert(line);
            }
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
        DialogWatch dialogs;
        Monkey monkey(seed);
        fake.onYield = [&](long long n) { monkey.onYield(n); };
        shell::WindowRegistry::instance().load(QStringLiteral("Form3"));
        for (int i = 0; i < steps; ++i) {
            monkey.topLevelStep();
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
        QVERIFY2(dialogs.seen.isEmpty(), qPrintable(dialogs.seen.join(QStringLiteral(", "))));
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
