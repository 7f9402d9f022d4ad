#pragma once

// What the database fuzz targets share: a root folder to put the mutated file in, a
// platform that points there, and a tally of how the reads ended, printed at exit.
#include "database/database.h"
#include "ui/platform.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <cstdio>

namespace fuzzing {

class RootPlatform : public ui::Platform {
public:
    void messageBox(QWidget*, const QString&) override {}
    void beep() override {}
    void yield() override {}
    void setBusyPointer(QWidget*, bool) override {}
    QDate today() override { return QDate(2026, 12, 5); }
    QString rootFolder() override { return dir.path(); }
    QTemporaryDir dir;
};

// How the reads of all inputs ended: "ok" or the kind of refusal.
class Tally {
public:
    ~Tally() {
        std::fprintf(stderr, "outcomes:");
        for (auto it = m_counts.cbegin(); it != m_counts.cend(); ++it)
            std::fprintf(stderr, " %s %lld;", it.key().constData(), it.value());
        std::fprintf(stderr, "\n");
    }
    void count(const QString& error) {
        static const char* const kKinds[] = {"does not come to an end",
                                             "far more data",
                                             "reading it fails",
                                             "password",
                                             "incomplete",
                                             "not an Access",
                                             "newer than",
                                             "damaged",
                                             "no table",
                                             "has no field",
                                             "cannot"};
        QByteArray kind = "ok";
        // TERRASOND_FUZZ_MESSAGES=1 prints every message, to see what the inputs give.
        static const bool print = qEnvironmentVariableIsSet("TERRASOND_FUZZ_MESSAGES");
        if (print && !error.isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(error));
        if (!error.isEmpty()) {
            kind = "other";
            for (const char* k : kKinds)
                if (error.contains(QLatin1String(k))) {
                    kind = k;
                    break;
                }
        }
        ++m_counts[kind];
    }

private:
    QMap<QByteArray, long long> m_counts;
};

// Started once: an application object (the reader process needs one), the platform, and
// the reader helper of this build.
inline RootPlatform& environment() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static RootPlatform platform;
    static bool installed = [] {
        ui::setPlatform(&platform);
#ifdef TERRASOND_MDB_HELPER
        reference::setMdbHelperPath(QStringLiteral(TERRASOND_MDB_HELPER));
#endif
        return true;
    }();
    (void)installed;
    return platform;
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
}

// Runs one query and walks its result; a failure must come with a message. Returns the
// message (empty when the query answered).
inline QString readAll(reference::Database& db, const QString& sql, const QVariantList& params,
                       const QStringList& fields) {
    QString error;
    auto rs = db.CreateDynaset(sql, params, &error);
    if (!rs) {
        if (error.isEmpty()) __builtin_trap();
        return error;
    }
    int rows = 0;
    for (; !rs->atEOF(); rs->MoveNext(), ++rows)
        for (const QString& f : fields)
            (void)rs->text(f);
    if (rows != rs->RecordCount()) __builtin_trap();
    return {};
}

} // namespace fuzzing
