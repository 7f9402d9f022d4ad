#pragma once

#include <array>

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

// Cluster configuration: one check box of the "Options" group.
struct ClusterOption {
    int index; // index in the check-box array
    const char* text;
    int top; // twips, inside the group
};
extern const std::array<ClusterOption, 8> kClusterOptions;
extern const std::array<const char*, 3> kClusterLanguages; // English, French, Spanish
extern const std::array<const char*, 2> kClusterUnits;     // Imperial, Metric

} // namespace bombardier::data
