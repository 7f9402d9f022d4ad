#pragma once

#include "ui/design.h"

#include <array>
#include <span>

// Fixed demonstration data of the Bombardier console. Texts are UTF-8.
namespace bombardier::data {

// The window's controls (form28_design.cpp).
extern const std::span<const ui::DesignRow> kDesign;

// Identification lines listed by Connect, in order.
extern const std::array<const char*, 5> kIdentification;
// Engine hours reported by the control unit.
extern const char* const kEcmHours;
// Purchase data written by Connect.
extern const char* const kCustomer;
extern const char* const kDeliveryDateEnglish; // LanguageIndex 2
extern const char* const kDeliveryDateOther;

// The stored fault's report, one line per row. Rows 1 and 3 (indices 0 and 2) are the
// parts that follow the catalog texts "Faults detected: " and "Fault Code: ".
extern const std::array<const char*, 14> kFaultReportSpanish;
extern const std::array<const char*, 14> kFaultReportEnglish;

// History/Live Data table. Headings with a temperature carry "%1" for the unit.
extern const std::array<const char*, 6> kSummaryHeadings;
extern const std::array<const char*, 5> kMaxValues;
extern const std::array<const char*, 5> kMinValues;
extern const std::array<const char*, 5> kRecordingHeadings;
extern const std::array<const char*, 5> kRecordingFirstRow;  // 0.0 s
extern const std::array<const char*, 5> kRecordingSecondRow; // 0.5 s
// Value columns of the rows from 1.0 s on.
extern const std::array<const char*, 4> kRecordingIdleRow;

// Recorded counters (hexadecimal minutes). Run Time words 1..4, RPM Profile as one text of
// six consecutive four-character words.
extern const std::array<const char*, 4> kRunTimeWords;
extern const char* const kRpmProfileWords;
extern const std::array<const char*, 4> kRunTimeRows;    // row headings 1..4
extern const std::array<const char*, 6> kRpmProfileRows; // row headings 1..6

} // namespace bombardier::data
