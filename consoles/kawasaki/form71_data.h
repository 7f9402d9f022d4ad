#pragma once

#include "ui/design.h"

#include <span>

namespace kawasaki::form71data {

// The window's controls (form71_design.cpp).
extern const std::span<const ui::DesignRow> kDesign;

// Texts added to catalog captions: "Faults" + " Info", "Engine" + " Model" ...
inline constexpr const char* kInfoSuffix = " Info";
inline constexpr const char* kModelSuffix = " Model";
inline constexpr const char* kSerialSuffix = " Serial";
// The live-data temperatures are always given in degrees Celsius.
inline constexpr const char* kCelsiusSuffix = " \u00baC";
// Live-data rows the unit does not report.
inline constexpr const char* kNotAvailable = "N/D";

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
