// The language catalog: every entry in every language.
#include "shell/catalog.h"
#include "shell/errors32.h"

#include <QSet>
#include <QTest>

using namespace ERRORS32;

class TestCatalog : public QObject {
    Q_OBJECT

    static QStringList snapshot() {
        QStringList out;
        for (const auto& row : shell::catalogRows())
            out << *row.entry;
        return out;
    }

private Q_SLOTS:
    void everyEntryHasTextInEveryLanguage() {
        const auto rows = shell::catalogRows();
        QCOMPARE(rows.size(), size_t(108));
        QSet<QString*> seen;
        for (const auto& row : rows) {
            QVERIFY2(!seen.contains(row.entry), row.name);
            seen.insert(row.entry);
            for (const char* t : row.text)
                QVERIFY2(t && *t, row.name);
        }
        QCOMPARE(QString::fromLatin1(rows.front().name), QStringLiteral("CatBatteryVolt"));
        QCOMPARE(QString::fromLatin1(rows.back().name), QStringLiteral("CatSparkAngle"));
    }

    void languagesPickTheirOwnOrARepeatedText() {
        LanguageIndex = 5;
        shell::FillLanguageCatalog();
        QCOMPARE(CatExit, QStringLiteral("Beenden"));
        QCOMPARE(CatNoFaults, QStringLiteral("There are not faults detected"));
        LanguageIndex = 6;
        shell::FillLanguageCatalog();
        QCOMPARE(CatNoFaults, QStringLiteral("No se detectan fallos en el sistema"));
        LanguageIndex = 8;
        shell::FillLanguageCatalog();
        QCOMPARE(CatExit, QStringLiteral("Utgång"));
        QCOMPARE(CatSettings, QStringLiteral("Settings"));
    }

    void fixedEntriesIgnoreTheLanguageAndNothingSurvivesASwitch() {
        LanguageIndex = 1;
        shell::FillLanguageCatalog();
        const QStringList spanish = snapshot();
        for (short lang = 1; lang <= 8; ++lang) {
            LanguageIndex = lang;
            shell::FillLanguageCatalog();
            QCOMPARE(
                CatCommInterruptedEs,
                QStringLiteral("Comunicación con el Módulo interrumpida. Inténtelo de nuevo."));
            QCOMPARE(
                CatCommInterruptedEn,
                QStringLiteral("* Communication with E.C.U. interrupted. Please, try again. *"));
        }
        LanguageIndex = 4;
        shell::FillLanguageCatalog();
        QVERIFY(snapshot() != spanish);
        LanguageIndex = 1;
        shell::FillLanguageCatalog();
        QCOMPARE(snapshot(), spanish);
        LanguageIndex = 42; // not a language: Spanish
        shell::FillLanguageCatalog();
        QCOMPARE(snapshot(), spanish);
    }

    void trailingColonsAndBlanksMatchEnglish() {
        // Captions that a window appends a value to keep the English ending in every language.
        for (const char* name : {"CatFaultsDetected", "CatFaultCode", "CatLastService"}) {
            for (int lang = 1; lang <= 8; ++lang)
                QVERIFY2(shell::catalogText(name, lang).endsWith(QStringLiteral(": ")), name);
        }
    }
};

QTEST_MAIN(TestCatalog)
#include "test_catalog.moc"
