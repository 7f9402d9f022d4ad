// Fixed texts of the connector pictures window.
#include "reference/form6.h"

namespace reference {

namespace {
// For Spanish, English, French and Italian.
const char* const kTitles[] = {"Conectores", "Sockets", "Sockets", "Conettori"};

struct PictureName {
    const char* file;
    const char* name;
};
const PictureName kPictureNames[] = {
    {"ok.jpg", "Bombardier diagnostic socket"},
    {"s4.jpg", "Polaris diagnostic socket"},
    {"y1.jpg", "Kawasaki diagnostic socket, view 1"},
    {"y2.jpg", "Kawasaki diagnostic socket, view 2"},
    {"y3.jpg", "Kawasaki diagnostic socket, view 3"},
    {"y4.jpg", "Kawasaki diagnostic socket, view 4"},
};
} // namespace

QString connectorsTitle(int languageIndex) {
    if (languageIndex < 1 || languageIndex > 4) return QString();
    return QString::fromUtf8(kTitles[languageIndex - 1]);
}

QString connectorPictureName(const QString& file) {
    for (const PictureName& p : kPictureNames)
        if (file == QLatin1String(p.file)) return QLatin1String(p.name);
    return file;
}

} // namespace reference
