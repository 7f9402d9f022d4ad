// Prints the whole language catalog for a translators' review: every entry with its eight
// texts, whether each of the six translated languages has its own text or repeats the
// English or Spanish one, and the shares per language at the foot.
//   catalog_review            (scripts/catalog-review.sh builds and runs it)
#include "tools/catalog/catalog_shares.h"

#include <cstdio>

using namespace catalog_review;

namespace {

const char* label(const shell::CatalogRow& row, int language) {
    if (language == kSpanish || language == kEnglish) return "";
    if (isFixed(row)) return "fixed";
    switch (origin(row, language)) {
    case Origin::Own:
        return "own";
    case Origin::English:
        return "= en";
    case Origin::Spanish:
        return "= es";
    }
    return "";
}

} // namespace

int main() {
    const auto rows = shell::catalogRows();
    std::printf("Language catalog: %zu entries, texts in quotes as shown (blanks included).\n"
                "own = its own translation, = en / = es = repeats the English / Spanish "
                "text.\n\n",
                rows.size());
    int number = 0;
    for (const shell::CatalogRow& row : rows) {
        std::printf("%3d %s%s\n", ++number, row.name,
                    isFixed(row) ? "  (same in every language)" : "");
        for (int lang = 1; lang <= shell::kLanguageCount; ++lang)
            std::printf("      %s %-5s \"%s\"\n", kCodes[static_cast<size_t>(lang - 1)],
                        label(row, lang), row.text[static_cast<size_t>(lang - 1)]);
    }
    std::printf("\nShares of the %zu entries (the fixed ones count as = en):\n\n"
                "      own            = en           = es          figure\n",
                rows.size());
    for (const Figure& figure : kFigures) {
        const Shares s = shares(rows, figure.language);
        std::printf("  %s  %3d  %5.1f %%   %3d  %5.1f %%   %3d  %5.1f %%   %s%s\n",
                    kCodes[static_cast<size_t>(figure.language - 1)], s.own, 100 * s.ownShare(),
                    s.english, 100 * s.englishShare(), s.spanish, 100 * s.spanishShare(),
                    figure.words, figure.holds(s) ? "" : "  <- OUT OF RANGE");
    }
    return 0;
}
