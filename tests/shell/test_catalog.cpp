// The language catalog: the texts that must never change, the shape of every row, and how
// much of each translated language is its own.
#include "shell/catalog.h"
#include "shell/errors32.h"
#include "tools/catalog/catalog_shares.h"

#include <QCryptographicHash>
#include <QTest>
#include <algorithm>
#include <iterator>

using namespace ERRORS32;
using catalog_review::Origin;

namespace {

QStringList snapshot() {
    QStringList out;
    for (const auto& row : shell::catalogRows())
        out << *row.entry;
    return out;
}

void fill(int language) {
    LanguageIndex = static_cast<short>(language);
    shell::FillLanguageCatalog();
}

// The ending a window relies on when it appends a value: ": ", ":", " " or none.
QString ending(const QString& text) {
    for (const char* e : {": ", ":", " "})
        if (text.endsWith(QLatin1String(e))) return QLatin1String(e);
    return {};
}

} // namespace

class TestCatalog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rowsFollowTheEntryList() {
        struct Entry {
            const char* name;
            QString* variable;
        };
#define X(name) {#name, &ERRORS32::name},
        const Entry entries[] = {
#include "shell/catalog_names.inc"
        };
#undef X
        const auto rows = shell::catalogRows();
        QCOMPARE(rows.size(), std::size(entries));
        for (size_t i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows[i].name, entries[i].name);
            QVERIFY2(rows[i].entry == entries[i].variable, rows[i].name);
            for (const char* t : rows[i].text)
                QVERIFY2(t && *t, rows[i].name);
        }
    }

    // Texts that are settled for good, in es, en, fr, it, de, pt, fi, sv order.
    void settledRows_data() {
        QTest::addColumn<QStringList>("texts");
        const auto row = [](const char* name, const QStringList& texts) {
            QTest::newRow(name) << texts;
        };
        row("CatExit", {"Salir", "Exit", "Quitter", "Esci", "Beenden", "Sair", "Poistu", "Utgång"});
        row("CatLanguage",
            {"Idioma", "Languaje", "Langue", "Lingua", "Sprache", "Idioma", "Kieli", "Språk"});
        row("CatSettings", {"Configuración", "Settings", "Réglages", "Configurazioni",
                            "Einstellung", "Configuración", "Asetukset", "Settings"});
        row("CatConnectWithEcm",
            {"Conexión con UCE", "Connect with ECM", "Connexion avec ECM", "Connessione con la ECM",
             "Daten Lessen", "Conexao com ECM", "Lue Tiedot", "Ledning med ECM"});
        row("CatFaultsDetected",
            {"Fallos detectados: ", "Faults detected: ", "Nombre de Pannes: ", "Guasti: ",
             "Fehlercodes: ", "Avarias detectadas: ", "Aktiiviset viat: ", "Faults detected: "});
        const QString noFaultsEn = "There are not faults detected";
        const QString noFaultsEs = "No se detectan fallos en el sistema";
        row("CatNoFaults", {noFaultsEs, noFaultsEn, "Il n'y a pas de pannes",
                            "Non ci sono errori memorizzati nella centralina", noFaultsEn,
                            noFaultsEs, noFaultsEn, noFaultsEn});
        const QString dateEn = "Wrong date. Must be DDMMYY";
        const QString dateEs = "Fecha incorrecta. Debe ser DDMMAA";
        row("CatWrongDate", {dateEs, dateEn, "Date erreur. JJMMAA", "Data errore. GGMMAA", dateEn,
                             dateEs, dateEn, dateEn});
        const QString commEn = "     ** There is not communication with module, try again. **";
        row("CatNoCommunication",
            {"  * No es posible establecer comunicación con el Módulo. *", commEn,
             " * Erreur Initialisation *",
             " * Non è possibile stabilire la comunicazione con il Modulo *",
             " * Datenubertragungsfehler zwischen dem ECM und dem computer *",
             "  * No hay comunicaçao com la Unidade de Comando *", commEn, commEn});
        row("CatPlates", {"Matrícula:", "Plates:", "Plaque:", "Matricola:", "Schild:", "Placa:",
                          "Plates:", "Plates:"});
        row("CatSpecific", {"Especificación", "Specific:", "Specific:", "Specific:", "Specific:",
                            "Especific:", "Specific:", "Specific:"});

        // The total-hours warning: English in fr, de, fi and sv, Spanish in pt.
        const char* const notes[][3] = {
            {" You must use this option for save a truth total",
             " Use esta opción para grabar las horas reales",
             " La modifica del totale di ore deve essere fatta solo"},
            {"hours in a new ECM.", "en una nueva ECM.", "quando si installa una ECM nuova."},
            {" You must not change a total hours for a better sale.",
             " Alterar las horas totales para defraudar en",
             " Modificare il totale di ore con l'intenzione di truffare nella"},
            {"Use this option at your own risk.", "la venta del vehículo es un delito.",
             "vendita del veicolo è un reato perseguibile dalla legge."}};
        for (int i = 0; i < 4; ++i) {
            const QString en = notes[i][0], es = notes[i][1], it = notes[i][2];
            QTest::newRow(qPrintable(QStringLiteral("CatHoursNote%1").arg(i + 1)))
                << QStringList{es, en, en, it, en, es, en, en};
        }

        // Entries that hold one text whatever the language.
        row("CatCommInterruptedEs",
            QStringList(8, "Comunicación con el Módulo interrumpida. Inténtelo de nuevo."));
        row("CatCommInterruptedEn",
            QStringList(8, "* Communication with E.C.U. interrupted. Please, try again. *"));
    }

    void settledRows() {
        QFETCH(QStringList, texts);
        const QByteArray name = QTest::currentDataTag();
        const auto rows = shell::catalogRows();
        const auto row = std::find_if(rows.begin(), rows.end(),
                                      [&](const shell::CatalogRow& r) { return name == r.name; });
        QVERIFY(row != rows.end());
        for (int lang = 1; lang <= shell::kLanguageCount; ++lang) {
            fill(lang);
            QCOMPARE(*row->entry, texts[lang - 1]);
        }
    }

    // Every Spanish and English text is settled too; a change to any of them shows here.
    void spanishAndEnglishTextsAreUnchanged() {
        QCryptographicHash hash(QCryptographicHash::Sha1);
        for (const auto& row : shell::catalogRows()) {
            hash.addData(QByteArrayView(row.text[0]));
            hash.addData(QByteArrayView("\n"));
            hash.addData(QByteArrayView(row.text[1]));
            hash.addData(QByteArrayView("\n"));
        }
        QCOMPARE(hash.result().toHex(), QByteArray("90e9f200fc8dcd76dd2b24f85c741241a593516e"));
    }

    void translationsKeepTheEnglishEnding() {
        for (const auto& row : shell::catalogRows())
            for (int lang = 3; lang <= shell::kLanguageCount; ++lang)
                if (catalog_review::origin(row, lang) == Origin::Own)
                    QVERIFY2(ending(QString::fromUtf8(row.text[size_t(lang - 1)])) ==
                                 ending(QString::fromUtf8(row.text[1])),
                             row.name);
    }

    void nothingSurvivesALanguageSwitch() {
        fill(1);
        const QStringList spanish = snapshot();
        fill(4);
        QVERIFY(snapshot() != spanish);
        fill(1);
        QCOMPARE(snapshot(), spanish);
        fill(42); // not a language: Spanish
        QCOMPARE(snapshot(), spanish);
    }

    // Own translations per language near their figures ("about" is within ten points).
    void sharesStayNearTheirFigures_data() {
        QTest::addColumn<int>("figure");
        for (int i = 0; i < int(std::size(catalog_review::kFigures)); ++i) {
            const auto& f = catalog_review::kFigures[i];
            QTest::addRow("%s: %s", catalog_review::kCodes[size_t(f.language - 1)], f.words) << i;
        }
    }

    void sharesStayNearTheirFigures() {
        QFETCH(int, figure);
        const auto& f = catalog_review::kFigures[figure];
        const auto s = catalog_review::shares(shell::catalogRows(), f.language);
        QVERIFY2(f.holds(s),
                 qPrintable(
                     QStringLiteral("own %1, Spanish %2").arg(s.ownShare()).arg(s.spanishShare())));
    }
};

QTEST_MAIN(TestCatalog)
#include "test_catalog.moc"
