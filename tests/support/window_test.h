#pragma once

// What every window test shares: a fixture that puts every piece of shared state back
// before each test, and the helpers the suites use to open windows and read them.
#include "shell/window_registry.h"
#include "tests/support/fake_platform.h"

#include <QApplication>
#include <QObject>
#include <QStringList>
#include <initializer_list>

class QListWidget;

namespace testing {

// Sets the shared language as the main window's settings panel does, and the temperature
// unit when one is given.
void setLanguage(int language, int unit = 0);

inline shell::WindowRegistry& registry() {
    return shell::WindowRegistry::instance();
}

// Loads a window through the registry, as the menu does, and makes it the active window
// so that focus changes are delivered.
QWidget* openAndActivate(const QString& name);
template <typename T> T* open(const char* name) {
    return static_cast<T*>(openAndActivate(QLatin1String(name)));
}

// The texts of a list box, in order.
QStringList lines(const QListWidget* list);

// Bytes given as numbers, and a settings record (count, 0, characters).
QByteArray bytes(std::initializer_list<int> values);
QByteArray record(const QByteArray& chars);

// One table of an SQLite database written by a test: every column is TEXT and a null
// QString is stored as Null.
struct Table {
    QString name;
    QStringList columns;
    QList<QStringList> rows;
};
// Writes (replaces) an SQLite database at `path`; false when it cannot be written.
bool writeSqlite(const QString& path, const QList<Table>& tables);

// The user picks an entry of a model list (a combo box with its activated signal).
template <typename Combo> void chooseModel(Combo* combo, int index) {
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
}

// Before and after each test: every window unloaded and deleted, and the shared settings
// back to a fresh start in `language` (unit Celsius, first port, RS232, no date).
class WindowTest : public QObject {
    Q_OBJECT
public:
    explicit WindowTest(int language = 2) : m_language(language) {}

protected Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

private:
    int m_language;
};

} // namespace testing
