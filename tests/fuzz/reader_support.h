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

// Puts `file` where the program looks for `rel`, opens it as the windows do and runs each
// query ("SQL|field,field,..."; a "?" is bound to "12") to its last row. A failure must
// come with a message; every outcome goes to the tally.
inline void readDatabase(Tally& tally, const QString& rel, const QByteArray& file,
                         const QStringList& queries) {
    RootPlatform& platform = environment();
    const QString path = platform.dir.filePath(rel);
    QDir().mkpath(QFileInfo(path).path());
    if (QFile f(path); f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(file);
    QString error;
    auto db = reference::Database::OpenDatabase(
        rel, QString::fromLatin1(reference::kDatabasePassword), &error);
    if (!db) {
        if (error.isEmpty()) __builtin_trap();
        tally.count(error);
    }
    for (const QString& q : db ? queries : QStringList()) {
        const QString sql = q.section(u'|', 0, 0);
        const QVariantList params =
            sql.contains(u'?') ? QVariantList{QStringLiteral("12")} : QVariantList{};
        error.clear();
        auto rs = db->CreateDynaset(sql, params, &error);
        if (!rs && error.isEmpty()) __builtin_trap();
        int rows = 0;
        for (; rs && !rs->atEOF(); rs->MoveNext(), ++rows)
            for (const QString& field : q.section(u'|', 1).split(u','))
                (void)rs->text(field);
        if (rs && rows != rs->RecordCount()) __builtin_trap();
        tally.count(error);
    }
    if (db) db->Close();
    QFile::remove(path);
}

} // namespace fuzzing
