#include "shell/catalog.h"

#include "shell/errors32.h"

#include <cstring>

namespace shell {

void FillLanguageCatalog() {
    int lang = ERRORS32::LanguageIndex;
    if (lang < 1 || lang > kLanguageCount) lang = 1;
    for (const CatalogRow& row : catalogRows())
        *row.entry = QString::fromUtf8(row.text[static_cast<size_t>(lang - 1)]);
}

QString catalogText(const char* name, int language) {
    if (language < 1 || language > kLanguageCount) language = 1;
    for (const CatalogRow& row : catalogRows())
        if (std::strcmp(row.name, name) == 0)
            return QString::fromUtf8(row.text[static_cast<size_t>(language - 1)]);
    return {};
}

} // namespace shell
