#include "tests/support/window_test.h"

#include "app/windows.h"
#include "shell/catalog.h"
#include "shell/errors32.h"
#include "shell/window_registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>

#include <sqlite3.h>

namespace testing {

void setLanguage(int language, int unit) {
    ERRORS32::LanguageIndex = static_cast<short>(language);
    if (unit != 0) ERRORS32::TemperatureUnit = static_cast<short>(unit);
    shell::FillLanguageCatalog();
}

QWidget* openAndActivate(const QString& name) {
    QWidget* w = shell::WindowRegistry::instance().load(name);
    if (w) {
        w->activateWindow();
        QApplication::setActiveWindow(w);
    }
    return w;
}

QStringList lines(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

QByteArray record(const QByteArray& chars) {
    return bytes({int(chars.size()), 0}) + chars;
}

bool writeSqlite(const QString& path, const QList<Table>& tables) {
    QDir().mkpath(QFileInfo(path).path());
    QFile::remove(path);
    sqlite3* db = nullptr;
    bool ok = sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK &&
              sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK;
    for (const Table& t : tables) {
        const QString create = QStringLiteral("CREATE TABLE %1 (%2 TEXT)")
                                   .arg(t.name, t.columns.join(QStringLiteral(" TEXT, ")));
        ok = ok &&
             sqlite3_exec(db, create.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
        QStringList marks(t.columns.size(), QStringLiteral("?"));
        const QByteArray insert =
            QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(t.name, marks.join(u',')).toUtf8();
        for (const QStringList& row : t.rows) {
            sqlite3_stmt* st = nullptr;
            ok = ok && sqlite3_prepare_v2(db, insert.constData(), -1, &st, nullptr) == SQLITE_OK;
            for (int c = 0; ok && c < t.columns.size(); ++c) {
                const QString v = row.value(c);
                const QByteArray u = v.toUtf8();
                if (v.isNull())
                    sqlite3_bind_null(st, c + 1);
                else
                    sqlite3_bind_text(st, c + 1, u.constData(), int(u.size()), SQLITE_TRANSIENT);
            }
            ok = ok && sqlite3_step(st) == SQLITE_DONE;
            sqlite3_finalize(st);
        }
    }
    ok = ok && sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

void WindowTest::initTestCase() {
    app::registerWindows();
}

void WindowTest::init() {
    cleanup();
    ERRORS32::PortNumber = 0;
    ERRORS32::PortType = 24;
    ERRORS32::TodayDate.clear();
    setLanguage(m_language, 1);
}

void WindowTest::cleanup() {
    shell::WindowRegistry::instance().unloadAll();
    flushDeletes();
}

} // namespace testing
