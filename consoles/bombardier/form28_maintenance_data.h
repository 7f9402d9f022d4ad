#pragma once

// Fixed demonstration data of the Bombardier console's maintenance functions. Texts are
// UTF-8 and shown as written in every language.
namespace bombardier::data {

// Key slots listed by the key frame.
inline constexpr int kKeySlots = 8;

// Service counters read from the control unit.
inline constexpr double kServiceHours = 12;
extern const char* const kLastServiceEnglish; // LanguageIndex 2
extern const char* const kLastServiceOther;
extern const char* const kTechnician;

// Check boxes of the cluster settings' "Options" group (Check6).
inline constexpr int kClusterOptions = 8;

} // namespace bombardier::data
