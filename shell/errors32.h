#pragma once

#include <QString>

// The program-wide shared state: the settings and the language catalog. Variables only;
// every window reads them, only start-up and the main window's settings panel write them.
namespace ERRORS32 {

inline short LanguageIndex = 1;   // 1 Spanish ... 8 Swedish
inline QString TodayDate;         // dd-mm-yy
inline int PortNumber = 0;        // 0..7 for COM1..COM8
inline short PortType = 24;       // 24 RS232, 25 USB
inline short TemperatureUnit = 1; // 1 Celsius, 2 Fahrenheit

// Language catalog: each entry holds its text in the current language.
#define X(name) inline QString name;
#include "shell/catalog_names.inc"
#undef X

} // namespace ERRORS32
