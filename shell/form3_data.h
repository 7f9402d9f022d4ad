#pragma once

#include <QString>

namespace shell::form3data {

// Workshop panel captions for Spanish (1), English and French (2, 3) and Italian (4);
// index 0 is the frame, 1..5 the labels. A null entry leaves the caption as it is.
struct WorkshopCaptions {
    const char* text[6];
};
// The captions for a language, or nullptr for a language that changes nothing.
const WorkshopCaptions* workshopCaptions(int language);

// About panel texts for Spanish, English and French (nullptr for the other languages).
struct AboutTexts {
    const char* frameCaption;
    const char* legalNotice;
};
const AboutTexts* aboutTexts(int language);

// The copying warning, in English.
extern const char* const kCopyWarning;
extern const char* const kFactoryEmail;
extern const char* const kDistributionEmail;

} // namespace shell::form3data
