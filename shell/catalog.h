#pragma once

#include <QString>
#include <array>
#include <span>

namespace shell {

inline constexpr int kLanguageCount = 8;

// One catalog entry: the shared variable it fills and its text in each language,
// in LanguageIndex order (Spanish, English, French, Italian, German, Portuguese,
// Finnish, Swedish). Texts are UTF-8.
struct CatalogRow {
    QString* entry;
    const char* name;
    std::array<const char*, kLanguageCount> text;
};

// Every entry, in catalog order.
std::span<const CatalogRow> catalogRows();

// Assigns every catalog entry its text for the current LanguageIndex. A LanguageIndex
// outside 1..8 is treated as Spanish. The two fixed entries keep their fixed texts.
void FillLanguageCatalog();

// Text of an entry in a given language (1..8), for windows that keep captions of the
// language in force when they were loaded. Empty for an unknown name.
QString catalogText(const char* name, int language);

} // namespace shell
