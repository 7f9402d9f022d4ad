#pragma once

namespace kawasaki::form71data {

// What the unit reports about itself once connected.
struct Identification {
    const char* model;
    const char* serial;
    const char* specific;
    const char* year;
    const char* hours;
};
extern const Identification kIdentification;

// The one fault the unit stores.
inline constexpr const char* kFaultCode = "03401D";

struct FaultTexts {
    const char* description;
    const char* causeHeading;
    const char* advice;
};
// Spanish for language 1, English for every other language.
const FaultTexts& faultTexts(int language);

// One freeze-frame register of the fault history. Values are shown exactly as written,
// decimal comma included, whatever the language.
struct HistoryRegister {
    const char* fault;
    const char* intakeAirPress;
    const char* rpm;
    const char* battVolt;
    const char* throttleOpening;
};
extern const HistoryRegister kHistory[2];

} // namespace kawasaki::form71data
