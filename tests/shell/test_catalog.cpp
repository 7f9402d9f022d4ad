// The language catalog: every entry once with eight texts, the texts that must never
// change, and how much of each translated language is its own.
#include "shell/catalog.h"
#include "shell/errors32.h"
#include "tools/catalog/catalog_shares.h"

#include <QTest>
#include <iterator>

class TestCatalog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rowsFollowTheEntryList() {
#define X(name) {#name, &ERRORS32::name},
        const std::pair<const char*, QString*> entries[] = {
#include "shell/catalog_names.inc"
        };
#undef X
        const auto rows = shell::catalogRows();
        QCOMPARE(rows.size(), std::size(entries));
        for (size_t i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows[i].name, entries[i].first);
            QVERIFY2(rows[i].entry == entries[i].second, rows[i].name);
            for (const char* t : rows[i].text)
                QVERIFY2(t && *t, rows[i].name);
        }
    }

    // Texts that are settled for good, in es|en|fr|it|de|pt|fi|sv order; "*" repeats the
    // English text, "^" the Spanish one. Each row is checked once, in every language.
    void settledRows_data() {
        QTest::addColumn<QString>("texts");
        const char* const rows[][2] = {
            {"CatExit", "Salir|Exit|Quitter|Esci|Beenden|Sair|Poistu|Utgång"},
            {"CatLanguage", "Idioma|Languaje|Langue|Lingua|Sprache|Idioma|Kieli|Språk"},
            {"CatSettings", "Configuración|Settings|Réglages|Configurazioni|Einstellung|"
                            "Configuración|Asetukset|Settings"},
            {"CatConnectWithEcm", "Conexión con UCE|Connect with ECM|Connexion avec ECM|"
                                  "Connessione con la ECM|Daten Lessen|Conexao com ECM|"
                                  "Lue Tiedot|Ledning med ECM"},
            {"CatFaultsDetected", "Fallos detectados: |Faults detected: |Nombre de Pannes: |"
                                  "Guasti: |Fehlercodes: |Avarias detectadas: |"
                                  "Aktiiviset viat: |Faults detected: "},
            {"CatNoFaults", "No se detectan fallos en el sistema|There are not faults detected|"
                            "Il n'y a pas de pannes|Non ci sono errori memorizzati nella "
                            "centralina|*|^|*|*"},
            {"CatWrongDate", "Fecha incorrecta. Debe ser DDMMAA|Wrong date. Must be DDMMYY|"
                             "Date erreur. JJMMAA|Data errore. GGMMAA|*|^|*|*"},
            {"CatNoCommunication",
             "  * No es posible establecer comunicación con el Módulo. *|     ** There is not "
             "communication with module, try again. **| * Erreur Initialisation *| * Non è "
             "possibile stabilire la comunicazione con il Modulo *| * Datenubertragungsfehler "
             "zwischen dem ECM und dem computer *|  * No hay comunicaçao com la Unidade de "
             "Comando *|*|*"},
            {"CatPlates", "Matrícula:|Plates:|Plaque:|Matricola:|Schild:|Placa:|Plates:|Plates:"},
            {"CatSpecific", "Especificación|Specific:|*|*|*|Especific:|*|*"},
            // The total-hours warning: English in fr, de, fi and sv, Spanish in pt.
            {"CatHoursNote1", " Use esta opción para grabar las horas reales| You must use this "
                              "option for save a truth total|*| La modifica del totale di ore "
                              "deve essere fatta solo|*|^|*|*"},
            {"CatHoursNote2", "en una nueva ECM.|hours in a new ECM.|*|quando si installa una "
                              "ECM nuova.|*|^|*|*"},
            {"CatHoursNote3", " Alterar las horas totales para defraudar en| You must not change "
                              "a total hours for a better sale.|*| Modificare il totale di ore "
                              "con l'intenzione di truffare nella|*|^|*|*"},
            {"CatHoursNote4", "la venta del vehículo es un delito.|Use this option at your own "
                              "risk.|*|vendita del veicolo è un reato perseguibile dalla "
                              "legge.|*|^|*|*"},
            // Entries that hold one text whatever the language.
            {"CatCommInterruptedEs",
             "Comunicación con el Módulo interrumpida. Inténtelo de nuevo.|^|^|^|^|^|^|^"},
            {"CatCommInterruptedEn",
             "*|* Communication with E.C.U. interrupted. Please, try again. *|*|*|*|*|*|*"},
        };
        for (const auto& [name, texts] : rows)
            QTest::newRow(name) << QString::fromUtf8(texts);
    }

    void settledRows() {
        QFETCH(QString, texts);
        QStringList expected = texts.split(u'|');
        QCOMPARE(expected.size(), shell::kLanguageCount);
        for (QString& t : expected)
            t = t == u"*" ? expected[1] : t == u"^" ? expected[0] : t;
        for (int lang = 1; lang <= shell::kLanguageCount; ++lang)
            QCOMPARE(shell::catalogText(QTest::currentDataTag(), lang), expected[lang - 1]);
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
