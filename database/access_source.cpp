// Tables from a real Access file, read by the helper process (terrasond-mdb).
#include "database/database.h"
#include "database/jet_header.h"
#include "database/mdb_output.h"
#include "database/sources.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace reference::detail {

namespace {

// A healthy file is read in well under a second; a damaged one may make the reader loop.
int g_timeoutMs = 15000;
// More output than this cannot come from a sound file of the program's size.
constexpr qint64 kMaxOutput = 256ll << 20;

class AccessSource : public TableSource {
public:
    AccessSource(QString path, QString password)
        : m_path(std::move(path)), m_password(std::move(password)) {}

    Result loadTable(const QString& name, Table* out, QString* error) override {
        const QString shown = displayPath(m_path);
        // The file is checked again before each read: it may have vanished or been
        // replaced since the database was opened.
        QFile file(m_path);
        if (!QFileInfo::exists(m_path)) {
            *error = QStringLiteral("The database file %1 was not found (it is no longer there).")
                         .arg(shown);
            return Result::Failed;
        }
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("The database file %1 cannot be read: %2.")
                         .arg(shown, file.errorString());
            return Result::Failed;
        }
        const JetCheck check = checkJetHeader(file.read(kJetHeaderBytes), file.size(), m_password);
        file.close();
        if (check != JetCheck::Ok) {
            *error = jetCheckMessage(check, shown);
            return Result::Failed;
        }

        const QString helper = mdbHelperPath();
        if (!QFileInfo(helper).isExecutable()) {
            *error = QStringLiteral("The database file %1 cannot be read: the Access reader %2 "
                                    "is missing from the installation.")
                         .arg(shown, displayPath(helper));
            return Result::Failed;
        }
        QProcess child;
        child.setProgram(helper);
        child.setArguments({m_path, name});
        child.setStandardErrorFile(QProcess::nullDevice());
        child.setStandardInputFile(QProcess::nullDevice());
        child.start(QIODevice::ReadOnly);
        if (!child.waitForStarted(g_timeoutMs)) {
            *error = QStringLiteral("The database file %1 cannot be read: the Access reader %2 "
                                    "does not start.")
                         .arg(shown, displayPath(helper));
            return Result::Failed;
        }

        QByteArray output;
        QElapsedTimer clock;
        clock.start();
        QString stopped;
        while (child.state() != QProcess::NotRunning) {
            const qint64 left = g_timeoutMs - clock.elapsed();
            if (left <= 0) {
                stopped = QStringLiteral("reading it does not come to an end");
                break;
            }
            child.waitForReadyRead(static_cast<int>(std::min<qint64>(left, 200)));
            output += child.readAllStandardOutput();
            if (output.size() > kMaxOutput) {
                stopped = QStringLiteral("it holds far more data than expected");
                break;
            }
        }
        if (!stopped.isEmpty()) {
            child.kill();
            child.waitForFinished(2000);
            return damaged(shown, stopped, error);
        }
        output += child.readAllStandardOutput();
        if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
            return damaged(shown, QStringLiteral("reading it fails"), error);

        MdbOutput parsed = parseMdbOutput(output);
        switch (parsed.verdict) {
        case MdbOutput::Verdict::Missing:
            return Result::NoSuchTable;
        case MdbOutput::Verdict::Damaged:
            return damaged(shown, parsed.reason, error);
        case MdbOutput::Verdict::Table:
            *out = std::move(parsed.table);
            return Result::Ok;
        }
        return Result::Failed;
    }

private:
    static Result damaged(const QString& shown, const QString& reason, QString* error) {
        *error = QStringLiteral("The database file %1 is damaged: %2.").arg(shown, reason);
        return Result::Failed;
    }

    QString m_path;
    QString m_password;
};

} // namespace

void setAccessTimeoutMs(int ms) {
    g_timeoutMs = ms;
}

std::unique_ptr<TableSource> openAccessFile(const QString& path, const QString& password) {
    return std::make_unique<AccessSource>(path, password);
}

} // namespace reference::detail
