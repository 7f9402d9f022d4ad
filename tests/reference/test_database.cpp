// Reading the reference databases: Access files, SQLite files and the bundled demo data,
// and what happens with damaged files, wrong passwords and bad queries.
#include "database/database.h"
#include "database/jet_header.h"
#include "database/mdb_output.h"
#include "database/sources.h"
#include "tests/support/window_test.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

using reference::Database;
using reference::Recordset;
using testing::FakePlatform;

namespace {

const QString kDb = QStringLiteral("orvanedemo/terrasond/db1.mdb");
const QString kPassword = QString::fromLatin1(reference::kDatabasePassword);
const QString kGlossarySql = QStringLiteral("SELECT * from glosary order by siglas");

QByteArray fixture(const QString& rel) {
    QFile f(QStringLiteral(TERRASOND_TEST_DATA "/") + rel);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The manifest's rows of a table, in storage order; JSON null becomes a Null QVariant.
QList<QVariantList> manifestRows(const QString& file, const QString& table) {
    QList<QVariantList> rows;
    for (const QJsonValue f :
         QJsonDocument::fromJson(fixture("manifest.json"))[u"files"].toArray()) {
        if (f[u"path"].toString() != file) continue;
        for (const QJsonValue r : f[u"tables"][table][u"rows"].toArray()) {
            QVariantList row;
            for (const QJsonValue v : r.toArray())
                row << (v.isNull() ? QVariant() : QVariant(v.toString()));
            rows << row;
        }
    }
    return rows;
}

struct Read {
    QList<QVariantList> rows;
    QString error;
};

Read query(const QString& rel, const QString& sql, const QVariantList& params = {},
           const QString& password = kPassword) {
    Read out;
    auto db = Database::OpenDatabase(rel, password, &out.error);
    if (!db) return out;
    auto rs = db->CreateDynaset(sql, params, &out.error);
    if (!rs) return out;
    const int count = rs->RecordCount();
    const QStringList fields = {"siglas", "sp", "en", "fr", "it"};
    while (!rs->atEOF()) {
        QVariantList row;
        for (const QString& f : fields)
            row << rs->field(f);
        out.rows << row;
        rs->MoveNext();
    }
    if (count != out.rows.size()) out.error = QStringLiteral("RecordCount disagrees");
    rs.reset();
    db->Close();
    return out;
}

// The glossary rows sorted as Access sorts them.
QList<QVariantList> sortedGlossary() {
    QList<QVariantList> rows = manifestRows("glossary/db1.mdb", "glosary");
    std::stable_sort(rows.begin(), rows.end(), [](const QVariantList& a, const QVariantList& b) {
        return reference::detail::accessCompare(a[0].toString(), b[0].toString()) < 0;
    });
    return rows;
}

// An SQLite copy of the glossary fixture, with plain (case-sensitive) text columns.
void writeSqliteGlossary(const QString& path, const QList<QVariantList>& rows) {
    testing::Table t{"glosary", {"siglas", "sp", "en", "fr", "it"}, {}};
    for (const QVariantList& r : rows) {
        QStringList row;
        for (const QVariant& v : r)
            row << (v.isNull() ? QString() : v.toString());
        t.rows << row;
    }
    QVERIFY(testing::writeSqlite(path, {t}));
}

} // namespace

class TestDatabase : public testing::WindowTest {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        WindowTest::initTestCase();
        reference::setMdbHelperPath(QStringLiteral(TERRASOND_MDB_HELPER));
    }

    // The same glossary, whichever kind of file holds it: rows sorted case-insensitively
    // (iBR and kPa among the capitals), Null kept apart from the empty text, Unicode intact.
    // Two files whose damage lies in a column-property blob, which the reader never
    // decodes, read in full (libmdb hangs on one and crashes on the other).
    void readsTheGlossary_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("access 2000") << "glossary/db1.mdb";
        QTest::newRow("access 2002-2003") << "glossary-v2003/db1.mdb";
        QTest::newRow("no password") << "glossary-nopass/db1.mdb";
        QTest::newRow("sqlite") << "";
        QTest::newRow("hangs libmdb") << "glossary-corrupt-hang/db1.mdb";
        QTest::newRow("crashes libmdb") << "glossary-corrupt-crash/db1.mdb";
    }
    void readsTheGlossary() {
        QFETCH(QString, file);
        FakePlatform fake;
        if (file.isEmpty())
            writeSqliteGlossary(fake.path(kDb), manifestRows("glossary/db1.mdb", "glosary"));
        else
            fake.writeFile(kDb, fixture(file));
        const Read r = query(kDb, kGlossarySql);
        QCOMPARE(r.error, QString());
        // Compares Null apart from "" (CDI's en, WOT's fr are Null; EGT's it is "").
        QCOMPARE(r.rows, sortedGlossary());
    }

    // Queries sort and match keys as Access does: without regard to case, the punctuation
    // between the upper- and lower-case letters before all letters, an accented letter
    // right after its plain one, a composed accent the same as a precomposed one. Values
    // are bound, never pasted into the SQL, so a quote in a value is just a character.
    void queriesSortAndMatchAsAccess() {
        FakePlatform fake;
        QList<QVariantList> rows;
        for (const QString& k :
             QString::fromUtf8("b_ B1 ba Ab a[ aZ a é e f Ñu nv [x _y x~ X} O'R").split(u' '))
            rows << QVariantList{k, k, k, k, k};
        writeSqliteGlossary(fake.path(kDb), rows);
        const Read r = query(kDb, kGlossarySql);
        QCOMPARE(r.error, QString());
        QStringList got;
        for (const QVariantList& row : r.rows)
            got << row[0].toString();
        QCOMPARE(got.join(u' '),
                 QString::fromUtf8("[x _y a a[ Ab aZ B1 b_ ba e é f Ñu nv O'R X} x~"));
        const QString byCode = QStringLiteral("SELECT * from glosary where siglas = ?");
        for (const auto& [value, found] : {std::pair{"AB", "Ab"}, std::pair{"O'R", "O'R"},
                                           std::pair{"ñU", "Ñu"}, std::pair{"e\u0301", "é"}}) {
            const Read match = query(kDb, byCode, {QString::fromUtf8(value)});
            QCOMPARE(match.rows.size(), 1);
            QCOMPARE(match.rows[0][1].toString(), QString::fromUtf8(found));
        }
        const Read injected = query(kDb, byCode, {QStringLiteral("x' OR '1'='1")});
        QCOMPARE(injected.error, QString());
        QCOMPARE(injected.rows.size(), 0);
        QCOMPARE(
            query(kDb, QStringLiteral("SELECT * from GLOSARY where siglas = 'nV'")).rows.size(), 1);
    }

    void badQueriesAreReported() {
        FakePlatform fake;
        fake.writeFile(kDb, fixture("glossary/db1.mdb"));
        QString error;
        auto db = Database::OpenDatabase(kDb, kPassword, &error);
        QVERIFY(db);
        QVERIFY(!db->CreateDynaset(QStringLiteral("SELECT * from nothere"), &error));
        QVERIFY2(error.contains("nothere") && error.contains("db1.mdb"), qPrintable(error));
        QVERIFY(!db->CreateDynaset(QStringLiteral("SELECT nofield from glosary"), &error));
        QVERIFY2(error.contains("nofield"), qPrintable(error));
        QVERIFY(!db->CreateDynaset(QStringLiteral("DELETE FROM glosary"), &error));
        QVERIFY(!db->CreateDynaset(QStringLiteral("SELECT 1; DROP TABLE glosary"), &error));
        QVERIFY(!db->CreateDynaset(QStringLiteral("ATTACH '/tmp/x.db' AS x"), &error));
        QVERIFY(
            !db->CreateDynaset(QStringLiteral("SELECT * from glosary where siglas = ?"), &error));
        auto rs = db->CreateDynaset(kGlossarySql, &error);
        QVERIFY(rs);
        QCOMPARE(rs->RecordCount(), 26);
        QVERIFY(rs->hasField("SIGLAS") && !rs->hasField("de"));
        QVERIFY(!rs->field("de").isValid());
        db->Close();
        QVERIFY(!db->CreateDynaset(kGlossarySql, &error));
    }

    // Files that cannot be read: a message naming the file, promptly. libmdb hangs,
    // crashes or silently returns too little on the damaged ones. (An empty file, garbage
    // and other damage are met through the glossary window in the hardening suite.)
    void unreadableFiles_data() {
        QTest::addColumn<QString>("file"); // empty: a file without demo data, not there
        QTest::addColumn<QString>("says");
        QTest::newRow("missing") << ""
                                 << "not found";
        QTest::newRow("other password") << "glossary-otherpass/db1.mdb"
                                        << "password";
        QTest::newRow("truncated") << "glossary-corrupt/db1.mdb"
                                   << "damaged";
        QTest::newRow("random catalog") << "glossary-corrupt-random/db1.mdb"
                                        << "damaged";
    }
    void unreadableFiles() {
        QFETCH(QString, file);
        QFETCH(QString, says);
        FakePlatform fake;
        const QString rel = file.isEmpty() ? QStringLiteral("nivasond/none.mdb") : kDb;
        if (!file.isEmpty()) fake.writeFile(kDb, fixture(file));
        QElapsedTimer clock;
        clock.start();
        const Read r = query(rel, kGlossarySql);
        QVERIFY2(clock.elapsed() < 30000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(r.rows.isEmpty());
        QVERIFY2(r.error.contains(says) &&
                     r.error.contains(QDir::toNativeSeparators(fake.path(rel))),
                 qPrintable(r.error));
    }

    // Whatever the reader process does (dies, hangs, writes nonsense), the program reports
    // a damaged file and goes on.
    void readerFailures_data() {
        QTest::addColumn<QByteArray>("script");
        QTest::newRow("crash") << QByteArray("kill -SEGV $$\n");
        QTest::newRow("hang") << QByteArray("exec sleep 30\n");
        QTest::newRow("nonsense") << QByteArray("head -c 5000 /dev/urandom\n");
        QTest::newRow("cut short") << QByteArray("printf 'TSMDB 1\\ntable 7:glosary\\ncolumns "
                                                 "1\\n10 6:siglas\\nrows 2\\nrow\\n3:ABS\\n'\n");
        QTest::newRow("fails") << QByteArray("exit 3\n");
    }
    void readerFailures() {
        QFETCH(QByteArray, script);
        FakePlatform fake;
        fake.writeFile(kDb, fixture("glossary/db1.mdb"));
        fake.writeFile("reader.sh", "#!/bin/sh\n" + script);
        QFile::setPermissions(fake.path("reader.sh"),
                              QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        reference::setMdbHelperPath(fake.path("reader.sh"));
        reference::detail::setAccessTimeoutMs(1500);
        const Read r = query(kDb, kGlossarySql);
        reference::setMdbHelperPath(QStringLiteral(TERRASOND_MDB_HELPER));
        reference::detail::setAccessTimeoutMs(15000);
        QVERIFY(r.rows.isEmpty());
        QVERIFY2(r.error.contains("damaged"), qPrintable(r.error));
    }

    // The helper's output is checked to the byte (a cut anywhere is damage: the fuzz target
    // and the "cut short" reader above; Null apart from "": the glossary read from Access).
    void parsesReaderOutput() {
        using reference::detail::MdbOutput;
        using reference::detail::parseMdbOutput;
        const QByteArray whole = "TSMDB 1\ntable 7:glosary\ncolumns 2\n10 6:siglas\n4 2:id\n"
                                 "rows 2\nrow\n3:ABS\n1:7\nrow\n0:\n~\nend 2\n";
        const MdbOutput ok = parseMdbOutput(whole);
        QCOMPARE(ok.verdict, MdbOutput::Verdict::Table);
        QCOMPARE(ok.table.columns[1].declaredType, QStringLiteral("INTEGER"));
        QByteArray fewer = whole;
        fewer.replace("rows 2", "rows 3");
        QVERIFY(parseMdbOutput(fewer).reason.contains("2 of the 3"));
        QCOMPARE(parseMdbOutput("TSMDB 1\nmissing\n").verdict, MdbOutput::Verdict::Missing);
        QCOMPARE(parseMdbOutput("TSMDB 1\ntable 999999999999:x\n").verdict,
                 MdbOutput::Verdict::Damaged);
    }

    // Page 0 of an Access 97 (Jet3) file protected with the program's password: the
    // signature, format 0 at 0x14, then 126 bytes from 0x18 masked with the RC4 stream of
    // the key C7 DA 39 6B; the password is the 20 bytes at 0x42, zero-padded.
    void jet3PageZero() {
        using reference::detail::checkJetHeader;
        using reference::detail::JetCheck;
        QByteArray page("\x00\x01\x00\x00Standard Jet DB\x00\x00\x00\x00\x00", 24);
        page += QByteArray(
            "\xb5\x6f\x03\x62\x61\x08\xc2\x55\xeb\xa9\x67\x72\x43\x3f\x00\x9c\x7a\x9f\x90\xff\x80"
            "\x9a\x31\xc5\x79\xba\xed\x30\xbc\xdf\xcc\x9d\x63\xd9\xe4\xc3\x7b\x42\xfb\x8a\xbc\x4e"
            "\xe9\x8c\x80\x03\x65\x76\xab\xfa\xc6\x5e\x28\xe6\x13\xb6\x8a\x60\x54\x94\x7b\x36\xf5"
            "\x72\xdf\xb1\x77\xf4\x13\x43\xcf\xaf\xb1\x33\x34\x61\x79\x5b\x92\xb5\x7c\x2a\x05\xf1"
            "\x7c\x99\x01\x1b\x98\xfd\x12\x4f\x4a\x94\x6c\x3e\x60\x26\x5f\x95\xf8\xd0\x89\x24\x85"
            "\x67\xc6\x1f\x27\x44\xd2\xee\xcf\x65\xed\xff\x07\xc7\x46\xa1\x78\x16\x0c\xed\xe9\x2d",
            126);
        page.resize(2048, '\0');
        QCOMPARE(checkJetHeader(page, 2 * 2048, kPassword), JetCheck::Ok);
        QCOMPARE(checkJetHeader(page, 2 * 2048 + 1, kPassword), JetCheck::Truncated);
        // Another password, all 20 characters long: the stored bytes differ by the two
        // passwords' difference.
        const QByteArray other("Another20CharPasswrd"), own = kPassword.toLatin1();
        for (int i = 0; i < 20; ++i)
            page[0x42 + i] = char(page[0x42 + i] ^ own.leftJustified(20, '\0')[i] ^ other[i]);
        QCOMPARE(checkJetHeader(page, 2 * 2048, kPassword), JetCheck::WrongPassword);
        QCOMPARE(checkJetHeader(page, 2 * 2048, QString::fromLatin1(other)), JetCheck::Ok);
    }

    // Page 0: the password as stored (the program's own, and none, open the glossary files
    // above), compared with regard to case; no harm from any damaged header.
    void decodesThePassword() {
        using reference::detail::decodeJetHeader;
        const auto page0 = [](const char* f) { return fixture(f).left(4096); };
        QCOMPARE(decodeJetHeader(page0("glossary-otherpass/db1.mdb"))->password,
                 QStringLiteral("wrongpass"));
        QCOMPARE(decodeJetHeader(page0("glossary-v2003/db1.mdb"))->created, 39114.5);
        QVERIFY(!decodeJetHeader(page0("glossary-notmdb/db1.mdb")));

        const QByteArray good = fixture("glossary/db1.mdb");
        QCOMPARE(reference::detail::checkJetHeader(good.left(4096), good.size(),
                                                   QStringLiteral("OWL4827")),
                 reference::detail::JetCheck::WrongPassword);
        // A creation date that is no number must not upset the decoding.
        QByteArray odd = good.left(4096);
        for (int i = 0x72; i < 0x7A; ++i)
            odd[i] = static_cast<char>(0xFF);
        QVERIFY(decodeJetHeader(odd));
    }
};

QTEST_MAIN(TestDatabase)
#include "test_database.moc"
