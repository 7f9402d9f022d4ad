// Fixed texts of the glossary window.
#include "reference/form9.h"

namespace reference {

namespace {
// Titles for Spanish, English, French and Italian; the other languages keep the design title.
const char* const kTitles[] = {"Acrónimos", "Glosary", "Abréviations", "Abbreviazioni"};
} // namespace

QString glossaryTitle(int languageIndex) {
    if (languageIndex < 1 || languageIndex > 4) return QString();
    return QString::fromUtf8(kTitles[languageIndex - 1]);
}

} // namespace reference
