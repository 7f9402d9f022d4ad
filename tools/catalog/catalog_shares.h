#pragma once

// Where each catalog text comes from: its own translation, or the English or Spanish text
// repeated. Shared by the translators' listing (catalog_review) and the catalog test.
#include "shell/catalog.h"

#include <array>
#include <cstring>
#include <span>
#include <string_view>

namespace catalog_review {

inline constexpr int kSpanish = 1;
inline constexpr int kEnglish = 2;
inline constexpr std::array<const char*, shell::kLanguageCount> kCodes = {"es", "en", "fr", "it",
                                                                          "de", "pt", "fi", "sv"};

enum class Origin { Own, English, Spanish };

// The two entries that hold the same text whatever the language.
inline bool isFixed(const shell::CatalogRow& row) {
    const std::string_view name = row.name;
    return name == "CatCommInterruptedEs" || name == "CatCommInterruptedEn";
}

// The origin of the text of `row` in `language` (3..8). A text equal to the English one
// repeats English, also where Spanish and English agree.
inline Origin origin(const shell::CatalogRow& row, int language) {
    const char* text = row.text[static_cast<size_t>(language - 1)];
    if (std::strcmp(text, row.text[kEnglish - 1]) == 0) return Origin::English;
    if (std::strcmp(text, row.text[kSpanish - 1]) == 0) return Origin::Spanish;
    return Origin::Own;
}

struct Shares {
    int own = 0;
    int english = 0;
    int spanish = 0;
    int total() const { return own + english + spanish; }
    double ownShare() const { return total() ? double(own) / total() : 0.0; }
    double englishShare() const { return total() ? double(english) / total() : 0.0; }
    double spanishShare() const { return total() ? double(spanish) / total() : 0.0; }
};

// How the catalog's entries fill `language` (3..8). The two fixed entries count as
// repeating English, as in every language.
inline Shares shares(std::span<const shell::CatalogRow> rows, int language) {
    Shares s;
    for (const shell::CatalogRow& row : rows) {
        switch (origin(row, language)) {
        case Origin::Own:
            ++s.own;
            break;
        case Origin::English:
            ++s.english;
            break;
        case Origin::Spanish:
            ++s.spanish;
            break;
        }
    }
    return s;
}

// The share of its own translations each language keeps, "about" a figure meaning within
// ten points of it; Portuguese also repeats Spanish for about half of the entries.
struct Figure {
    int language;
    const char* words;
    double ownLow, ownHigh;
    double spanishLow = 0.0, spanishHigh = 0.05;
    bool holds(const Shares& s) const {
        return s.ownShare() >= ownLow && s.ownShare() <= ownHigh &&
               s.spanishShare() >= spanishLow && s.spanishShare() <= spanishHigh;
    }
};
inline constexpr Figure kFigures[] = {
    {3, "about two thirds", 0.567, 0.767},
    {4, "about two thirds", 0.567, 0.767},
    {5, "about half", 0.40, 0.60},
    {6, "about a quarter, half = es", 0.15, 0.35, 0.40, 0.60},
    {7, "under half", 0.0, 0.4999},
    {8, "about a third", 0.233, 0.433},
};

} // namespace catalog_review
