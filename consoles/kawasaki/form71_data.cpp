#include "consoles/kawasaki/form71_data.h"

namespace kawasaki::form71data {

const Identification kIdentification{"KVF 450B", "21175-0099", "AU - EUR - CA - JP - US", "2008",
                                     "125"};

namespace {
const FaultTexts kSpanishFault{"Sensor de ángulo del árbol de levas", "Causas Posibles: ",
                               "Compruebe cableado, conector o sensor defectuoso"};
const FaultTexts kEnglishFault{"Camshaft Angle Sensor",
                               "Possible Causes:", "Check wires, connector or sensor damaged"};
} // namespace

const FaultTexts& faultTexts(int language) {
    return language == 1 ? kSpanishFault : kEnglishFault;
}

const HistoryRegister kHistory[2] = {
    {"Camshaft Angle Sensor", "213", "1410", "12,60", "1,15"},
    {"Not fault in memory", "", "", "", ""},
};

} // namespace kawasaki::form71data
