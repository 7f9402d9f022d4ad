// Fixed texts of the history window.
#include "reference/form10.h"

namespace reference {

namespace {
// For Spanish, English, French and Italian.
const char* const kTitles[] = {"Histórico", "History", "Parcours", "Storico"};
const char* const kVehicleHeadings[] = {"Marca", "Vehicle", "Véhicule", "Veicolo"};

QString byLanguage(const char* const (&texts)[4], int languageIndex) {
    if (languageIndex < 1 || languageIndex > 4) return QString();
    return QString::fromUtf8(texts[languageIndex - 1]);
}
} // namespace

QString historyTitle(int languageIndex) {
    return byLanguage(kTitles, languageIndex);
}

QString historyVehicleHeading(int languageIndex) {
    return byLanguage(kVehicleHeadings, languageIndex);
}

} // namespace reference
