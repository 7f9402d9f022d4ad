#pragma once

#include "ui/design.h"

#include <QString>
#include <span>

// The fixed demonstration data of the Polaris console: what the "connection" reads from
// the vehicle, the stored fault, the live-data parameters with their limits and help
// texts, and the base-timing instructions.
namespace polaris::form72data {

// A text that exists in Spanish (LanguageIndex 1) and in English (every other language).
struct Bilingual {
    const char* english;
    const char* spanish;
    QString in(int language) const;
};

// The window's controls (form72_design.cpp).
extern const std::span<const ui::DesignRow> kDesign;

// Values of the vehicle data frame after connection, top to bottom.
inline constexpr int kVehicleRows = 3;
extern const char* const kVehicleData[kVehicleRows];

// Values of the ECU Info panel, top to bottom.
inline constexpr int kEcuInfoRows = 6;
extern const char* const kEcuInfo[kEcuInfoRows];

// The one stored fault.
extern const char* const kFaultCode;
inline constexpr int kFaultTextLines = 3;
extern const Bilingual kFaultText[kFaultTextLines]; // description, condition, cause

// Live-data parameters.
inline constexpr int kParameterCount = 14;
inline constexpr int kLimitSlots = 16; // size of the limit tables
inline constexpr int kTemperature = 1; // the parameter whose value depends on the unit
inline constexpr int kEngineSpeed = 7; // the parameter whose name is never translated
struct Parameter {
    const QString* catalogName; // nullptr: the design name stays
    const char* value;
    const char* maximum;
    const char* minimum;
};
extern const Parameter kParameters[kParameterCount];

// The temperature parameter by TemperatureUnit (1 Celsius, 2 Fahrenheit); other units
// show nothing.
struct TemperatureReading {
    const char* value;
    const char* maximum;
    const char* minimum;
};
const TemperatureReading* temperatureReading(int unit);

// Order in which a reading pass writes the values; the temperature comes last, apart.
inline constexpr int kWriteOrderCount = 13;
extern const int kWriteOrder[kWriteOrderCount];

// Help text of each parameter; parts joined by a carriage return.
extern const Bilingual kParameterHelp[kParameterCount];

// Base Timing Mode panel.
extern const Bilingual kBaseTimingText;

// Caption of the throttle-body button, and of the reading panel's Exit while it reads.
extern const Bilingual kLearningCaption;
extern const char* const kStopCaption;

// Throttle-body learning is not part of the demonstration.
extern const char* const kDemoMessage;

} // namespace polaris::form72data
