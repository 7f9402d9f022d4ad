// Fixed texts of the Bombardier console's maintenance functions.
#include "consoles/bombardier/form28_maintenance_data.h"

namespace bombardier::data {

const char* const kLastServiceEnglish = "2011-02-01";
const char* const kLastServiceOther = "02-01-2011";
const char* const kTechnician = "M09999";

} // namespace bombardier::data
