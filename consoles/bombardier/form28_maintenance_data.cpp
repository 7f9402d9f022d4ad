// Fixed texts of the Bombardier console's maintenance functions.
#include "consoles/bombardier/form28_maintenance_data.h"

namespace bombardier::data {

const char* const kLastServiceEnglish = "2011-02-01";
const char* const kLastServiceOther = "02-01-2011";
const char* const kTechnician = "M09999";

// In the order they are listed, top to bottom.
const std::array<ClusterOption, 8> kClusterOptions = {{
    {0, "Compass", 240},
    {1, "VTS", 600},
    {2, "Bilge Pump", 960},
    {6, "Exterior Air Temper Sen", 1320},
    {3, "Vehicle Speed Sensor", 1680},
    {4, "Water Temper. Sensor", 2040},
    {5, "Depth Sonde", 2400},
    {7, "Spare Output", 2760},
}};

const std::array<const char*, 3> kClusterLanguages = {"English", "French", "Spanish"};
const std::array<const char*, 2> kClusterUnits = {"Imperial", "Metric"};

} // namespace bombardier::data
