// Tables from a real Access file, read by the helper process.
#include "reference/database/sources.h"

namespace reference::detail {

namespace {

class AccessSource : public TableSource {
public:
    AccessSource(QString path, QString password)
        : m_path(std::move(path)), m_password(std::move(password)) {}

    Result loadTable(const QString&, Table*, QString* error) override {
        *error =
            QStringLiteral("The database file %1 cannot be read yet.").arg(displayPath(m_path));
        return Result::Failed;
    }

private:
    QString m_path;
    QString m_password;
};

} // namespace

std::unique_ptr<TableSource> openAccessFile(const QString& path, const QString& password) {
    return std::make_unique<AccessSource>(path, password);
}

} // namespace reference::detail
