#include "database/mdb_output.h"

#include <limits>

namespace reference::detail {

namespace {

// Access allows 255 fields per table.
constexpr qint64 kMaxColumns = 255;

class Reader {
public:
    explicit Reader(const QByteArray& b) : m_b(b) {}

    bool atEnd() const { return m_pos >= m_b.size(); }

    // Consumes `word` if the input continues with it.
    bool literal(const char* word) {
        const QByteArrayView w(word);
        if (QByteArrayView(m_b).sliced(m_pos).startsWith(w)) {
            m_pos += w.size();
            return true;
        }
        return false;
    }

    // A decimal number of at most 12 digits, at most `max`.
    bool number(qint64 max, qint64* out) {
        qint64 v = 0;
        int digits = 0;
        while (m_pos < m_b.size() && m_b[m_pos] >= '0' && m_b[m_pos] <= '9' && digits < 12) {
            v = v * 10 + (m_b[m_pos] - '0');
            ++m_pos;
            ++digits;
        }
        if (digits == 0 || v > max) return false;
        *out = v;
        return true;
    }

    bool counted(QByteArray* out) {
        qint64 len = 0;
        if (!number(std::numeric_limits<int>::max(), &len) || !literal(":")) return false;
        if (len > m_b.size() - m_pos) return false;
        *out = m_b.mid(m_pos, len);
        m_pos += len;
        return true;
    }

private:
    const QByteArray& m_b;
    qsizetype m_pos = 0;
};

MdbOutput damaged(const QString& reason) {
    MdbOutput o;
    o.verdict = MdbOutput::Verdict::Damaged;
    o.reason = reason;
    return o;
}

} // namespace

QString sqliteTypeOf(int mdbType) {
    switch (mdbType) {
    case kMdbBool:
    case kMdbByte:
    case kMdbInt:
    case kMdbLongInt:
        return QStringLiteral("INTEGER");
    case kMdbFloat:
    case kMdbDouble:
        return QStringLiteral("REAL");
    case kMdbMoney:
    case kMdbNumeric:
        return QStringLiteral("NUMERIC");
    case kMdbBinary:
    case kMdbOle:
        return QStringLiteral("BLOB");
    default:
        return QStringLiteral("TEXT");
    }
}

QByteArray mdbCounted(const QByteArray& bytes) {
    return QByteArray::number(bytes.size()) + ':' + bytes;
}

MdbOutput parseMdbOutput(const QByteArray& output) {
    Reader in(output);
    const QString cut = QStringLiteral("its reading stopped half-way");
    if (!in.literal("TSMDB 1\n")) return damaged(cut);
    if (in.literal("missing\n")) {
        if (!in.atEnd()) return damaged(cut);
        MdbOutput o;
        o.verdict = MdbOutput::Verdict::Missing;
        return o;
    }
    QByteArray text;
    if (in.literal("damaged ")) {
        if (!in.counted(&text) || !in.literal("\n")) return damaged(cut);
        return damaged(QString::fromUtf8(text));
    }

    MdbOutput o;
    o.verdict = MdbOutput::Verdict::Table;
    Table& t = o.table;
    qint64 columns = 0;
    if (!in.literal("table ") || !in.counted(&text) || !in.literal("\ncolumns ") ||
        !in.number(kMaxColumns, &columns) || !in.literal("\n"))
        return damaged(cut);
    t.name = QString::fromUtf8(text);
    for (qint64 c = 0; c < columns; ++c) {
        qint64 type = 0;
        if (!in.number(255, &type) || !in.literal(" ") || !in.counted(&text) || !in.literal("\n"))
            return damaged(cut);
        t.columns << Column{QString::fromUtf8(text), sqliteTypeOf(static_cast<int>(type))};
    }
    qint64 declared = 0;
    if (!in.literal("rows ") || !in.number(std::numeric_limits<int>::max(), &declared) ||
        !in.literal("\n"))
        return damaged(cut);
    while (in.literal("row\n")) {
        QVariantList row;
        row.reserve(columns);
        for (qint64 c = 0; c < columns; ++c) {
            if (in.literal("~\n")) {
                row << QVariant();
                continue;
            }
            if (!in.counted(&text) || !in.literal("\n")) return damaged(cut);
            if (t.columns.at(c).declaredType == QLatin1String("BLOB"))
                row << QVariant(text);
            else
                row << QVariant(QString::fromUtf8(text));
        }
        t.rows << row;
    }
    qint64 fetched = 0;
    if (!in.literal("end ") || !in.number(std::numeric_limits<int>::max(), &fetched) ||
        !in.literal("\n") || !in.atEnd() || fetched != t.rows.size())
        return damaged(cut);
    if (fetched != declared)
        return damaged(QStringLiteral("only %1 of the %2 rows of table %3 could be read")
                           .arg(fetched)
                           .arg(declared)
                           .arg(t.name));
    return o;
}

} // namespace reference::detail
