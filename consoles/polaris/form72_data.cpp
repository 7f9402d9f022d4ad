#include "consoles/polaris/form72_data.h"

#include "shell/errors32.h"

namespace polaris::form72data {

using namespace ERRORS32;

QString Bilingual::in(int language) const {
    return QString::fromUtf8(language == 1 ? spanish : english);
}

const char* const kVehicleData[kVehicleRows] = {"POLARIS SPORTMAN 800", "B3TA0005", "MSE1.1"};

const char* const kEcuInfo[kEcuInfoRows] = {"MSE11",    "F00HM00015", "3021889",
                                            "413A5690", "MSE1.1",     "B3TA0005"};

const char* const kFaultCode = "P0122 Active";

const Bilingual kFaultText[kFaultTextLines] = {
    {"Throttle Position Sensor Circuit - Voltage Low",
     "Circuito de posición de la mariposa - Voltaje demasiado bajo"},
    {"Open circuit or short to ground", "Circuito cortado o en corto a masa"},
    {"Cause: damaged wiring, a faulty Throttle Position Sensor or Faulty ECU/Connections.",
     "Causa: Cableado, sensor de mariposa dañado o pines de salida de la ECU."},
};

// The temperature row keeps its value and limits apart (temperatureReading).
const Parameter kParameters[kParameterCount] = {
    {&CatBatteryVolt, "12.3", "16.0", "6.0"},
    {&CatEngineTemp, "", "", ""},
    {&CatTpsLowResolution, "1.1", "90.0", "0.0"},
    {&CatTpsHighResolution, "1.3", "25.0", "0.0"},
    {&CatO2Voltage, "0.449", "1.000", "0.000"},
    {&CatClosedLoop, "False", "True", "False"},
    {&CatSparkAngle, "7", "50", "-10"},
    {nullptr, "225", "5000", "0"},
    {&CatAirLeakAdaption, "0.00 ms", "5.00", "0.00"},
    {&CatInjectorTime, "6.40 ms", "15.00", "0.00"},
    {&CatLossOfSyncCounter, "0", "15", "0"},
    {&CatLongTermAdaption, "0%", "30", "-30"},
    {&CatAccelerationEnrichment, "False", "True", "False"},
    {&CatShortTermAdaption, "0%", "25", "-25"},
};

const TemperatureReading* temperatureReading(int unit) {
    static const TemperatureReading celsius{"81", "150.0", "-30.0"};
    static const TemperatureReading fahrenheit{"204.9", "302.0", "-86.0"};
    if (unit == 1) return &celsius;
    if (unit == 2) return &fahrenheit;
    return nullptr;
}

const int kWriteOrder[kWriteOrderCount] = {0, 2, 3, 7, 10, 5, 12, 9, 8, 4, 6, 11, 13};

namespace {
constexpr Bilingual kFuelTrimHelp{
    "Value indicate the amount of fuel being added, or removed as a result of the O2 Sensor "
    "Signal.\r Values are in Percent of fuel added (positive) or removed (negative).\r This is "
    "how the fuel system adapts to changing conditions to maintain the correct air fuel mixture.",
    "El valor indica, en %, la cantidad de fuel añadida o removida como resultado de la señal del "
    "sensor de O2.\r Se usa para mantener la mezcla correcta de aire/combustible."};
} // namespace

const Bilingual kParameterHelp[kParameterCount] = {
    // 0 battery
    {"Battery Voltage can vary slightly depending on whether the Fuel Pump is running or not.\r "
     "Readings below 12 Volts with the engine off indicate an undercharged, or defective battery.",
     "Este voltaje puede variar dependiendo de si la bomba de combustible está funcionando o "
     "no.\r Menos de 12 Voltios con motor parado indica batería descargada o defectuosa."},
    // 1 engine temperature
    {"Sensor is mounted in the Engine Block, or Head and measures either Oil Temperature, (Air "
     "Cooled Engines), or Coolant Temperature, (Liquid Cooled Engines).",
     "El sensor está montado en el bloque motor y mide la temperatura del aceite (motores "
     "refrigerados por aire) o del refrigerante (motores refrigerados por agua)."},
    // 2 throttle, low resolution
    {"Throttle Position is measured in Degrees from Zero, (Closed) to 90 (Wide Open).\r TPS Low "
     "Resolution is a less accurate measurement of the Throttle Angle between 0 and 90 "
     "degrees.\r With the engine not running and the throttle at Idle, both TPS values should be "
     "between 2.5 and 4.0 Degrees.",
     "La posición de la mariposa se mide en grados, desde cero (Cerrada) hasta 90 (Abierta).\r  "
     "TPS Low Resolution es una medida no exacta del ángulo entre 0 y 90 grados.\r Con el motor "
     "parado y la mariposa a ralentí, los dos valores deben estar entre 2.5 y 4.0 grados."},
    // 3 throttle, high resolution
    {"Throttle Position is measured in Degrees from Zero, (Closed) to 90 (Wide Open).\r TPS High "
     "Resolution is a very accurate measurement of the Throttle Angle between 0 and 25 "
     "degrees.\r With the engine not running and the throttle at Idle, both TPS values should be "
     "between 2.5 and 4.0 Degrees.",
     "La posición de la mariposa se mide en grados, desde cero (Cerrada) hasta 90 (Abierta).\r "
     "TPS High Resolution es una medida exacta del ángulo entre 0 y 25 grados.\r Con el motor "
     "parado y la mariposa a ralentí, los dos valores deben estar entre 2.5 y 4.0 grados."},
    // 4 oxygen sensor
    {"The Oxygen Sensor is mounted in the Exhaust Manifold or Muffler and measures the presence "
     "of Oxygen in the Exhaust Gas.\r The ECU uses this information to adjust the amount of fuel "
     "injected into the engine.",
     "El sensor de O2 está montado en el colector de escape y mide la presencia de oxígeno en "
     "los gases de escape.\r La ECU usa esta información para ajustar la cantidad de fuel "
     "inyectado."},
    // 5 closed loop
    {"Closed Loop Fuel Control means that the ECU is using the information from the O2 Sensor to "
     "adjust the amount of fuel injected into the engine.\r When is 'True' the ECU is maintaining "
     "the ideal air/fuel ratio based on the O2 Sensor Input.",
     "Este valor indica que la ECU está usando información del sensor de O2 para ajustar la "
     "cantidad de fuel inyectado.\r Cuando es 'True' la ECU está manteniendo la mezcla ideal de "
     "fuel/aire basada en el sensor de O2."},
    // 6 spark angle
    {"Is the position of the Crankshaft when the Spark Plug is fired. Is measured in Degrees "
     "Before Top Dead Center.\r Positive Value: spark plugs are fired before the piston is at top "
     "dead center.\r Negative Value: spark plugs are fired after the piston has passed over top "
     "dead center.",
     "Es la posición del cigüeñal cuando se produce la ignición. Se mide en grados antes del "
     "punto muerto superior.\r Valor Positivo: ignición antes de que el piston esté en el punto "
     "muerto superior.\r Valor Negativo: ignición después de que el piston haya pasado el punto "
     "muerto superior."},
    // 7 engine speed
    {"Engine Speed indicates how fast the engine is running in Revolutions Per Minute.\r Engine "
     "Speed has many diagnostic uses, but is not an indicator of any specific problems.",
     "R.P.M. indica las revoluciones del motor medidas en vueltas por minuto.\r Este parámetro "
     "es usado en determinadas pruebas pero no es un indicador de fallo por sí mismo."},
    // 8 air leak adaption
    {"Value indicates the amount of extra fuel injected to make up for intake manifold leaks "
     "(vacuum leaks).\r Air Leak Adaption is measured in milliseconds.\r Represent the extra time "
     "the fuel injectors are kept open to add fuel and make up for the vacuum leak.",
     "El valor indica cantidad extra de tiempo en el que el inyector está abierto.\r Se mide en "
     "milisegundos y supone una cantidad extra de fuel inyectado."},
    // 9 injector time
    {"Indicates how long the Injectors are opened and injecting fuel into the intake "
     "manifold.\r Higher value indicate that more fuel is being injected into the engine.",
     "Indica cuanto tiempo están abiertos los inyectores suministrando combustible al motor.\r "
     "Cuanto más alto el valor, más combustible inyectado."},
    // 10 loss of sync
    {"Indicates how many times that the crankshaft position could not be correctly determined "
     "since the engine has been started.\r Value goes above zero every time the engine is "
     "started, a problem is indicated.\r Under normal operation, the value should be Zero.",
     "Indica cuantas veces no se pudo determinar la posición del cigüeñal desde que arrancó el "
     "motor.\r Valores por encima de cero cada vez que arranca el motor indica un problema.\r "
     "Normalmente el valor debe ser cero."},
    // 11 long term adaption
    kFuelTrimHelp,
    // 12 acceleration enrichment
    {"Indicates that extra fuel is being injected because the throttle has been opened "
     "quickly.\r If the throttle is opened, value should be True for a short time and then return "
     "to False.\r When the engine is running at a steady state, the value should always be False.",
     "Indica que se ha inyectado más fuel porque la mariposa se abrió rápidamente.\r Al acelerar "
     "el valor será True un momento y retornará a falso.\r Cuando las revoluciones sean estables, "
     "el valor debe ser False."},
    // 13 short term adaption
    kFuelTrimHelp,
};

const Bilingual kBaseTimingText{
    "The ECU is now set in Base Timing Mode.\r\rIgnition timing may now be checked with a timing "
    "light and should match the Base Timing Value displayed below.",
    "ECU activada en modo Base Timing.\r\rEl tiempo de ignición puede chequearse ahora con un "
    "testigo de tiempos y debe coincidir con el valor mostrado."};

const Bilingual kLearningCaption{"TPS Initialization", "Servicio"};
const char* const kStopCaption = "Stop";

const char* const kDemoMessage = "Demostration Software";

} // namespace polaris::form72data
