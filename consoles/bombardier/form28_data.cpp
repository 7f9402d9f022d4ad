#include "consoles/bombardier/form28_data.h"

namespace bombardier::data {

const std::array<const char*, 5> kIdentification = {"Rotax.Bombard.RVJ", "ECU: 00000022452",
                                                    "Engine: 7504388", "Model: 002JBA OutLander XT",
                                                    "VIN: 3JBEKCN5BJ0"};
const char* const kEcmHours = "41.6";
const char* const kCustomer = "Test Owner";
const char* const kDeliveryDateEnglish = "2011-02-01";
const char* const kDeliveryDateOther = "02-01-2011";

const std::array<const char*, 14> kFaultReportSpanish = {
    "1",
    " ",
    "050528  ECM  No Presente",
    " ",
    "Válvula de ralentí (Bypass Valve)",
    "Fallo en la etapa de salida",
    " ",
    "Causas Posibles:",
    "Válvula dañada, cableado dañado, conector o pines de salida de la ECM dañados.",
    " ",
    "Procedimiento de reparación:",
    "Compruebe 50 Ohms entre los pines A y D y entre los pines B",
    "y C de la válvula Bypass. Compruebe el cableado del circuito.",
    "Compruebe los pines 2-A-36 2-A-35 2-A-37 y 2-A-38.",
};

const std::array<const char*, 14> kFaultReportEnglish = {
    "1",
    " ",
    "050528  ECM  Occurred",
    " ",
    "Idle Bypass Valve",
    "Output Stage Fault",
    " ",
    "Possible Causes:",
    "Damaged actuator, damaged circuit wires, connector or damaged ECM output pins.",
    " ",
    "Service actions:",
    "Check for approximately 50 Ohms between pins A and D and also between pins B",
    "and C of the idle bypass valve. Check for damaged circuit wires.",
    "Check system circuits 2-A-35, 2-A-36, 2-A-37 and 2-A-38..",
};

const std::array<const char*, 6> kSummaryHeadings = {
    "", "Intake Kpa", "Intake º%1", "Exhaust º%1", "Engine º%1", "Batt. Volt."};
const std::array<const char*, 5> kMaxValues = {"158", "84", "140", "103", "14,67"};
const std::array<const char*, 5> kMinValues = {"21", "10", "0", "9", "5,65"};
const std::array<const char*, 5> kRecordingHeadings = {"Time Sec.", "Speed RPM", "TPS Deg",
                                                       "Engine º%1", "Intake Kpa"};
const std::array<const char*, 5> kRecordingFirstRow = {"0.0", "2112", "7,92", "103", "158"};
const std::array<const char*, 5> kRecordingSecondRow = {"0.5", "0", "0,00", "0", "0"};
const std::array<const char*, 4> kRecordingIdleRow = {"0", "0,00", "0", "0"};

const std::array<const char*, 4> kRunTimeWords = {"1333", "", "", "0000"};
const char* const kRpmProfileWords = "01010333033F054507330122";
const std::array<const char*, 4> kRunTimeRows = {"Normal", "", "", "Limp Home"};
const std::array<const char*, 6> kRpmProfileRows = {"500-1700",  "1701-3000", "3001-4500",
                                                    "4501-6000", "6001-8000", "8001 --->"};

} // namespace bombardier::data
