#include "consoles/yamaha/form55_data.h"

namespace yamaha {

namespace {

// How to put the Fx10 models into their self-diagnostic mode (the trailing blanks of
// some lines are part of the text).
constexpr const char* kInstructionsFx10[] = {
    "1.Turn the main switch off and set the engine stop switch to RUN.",
    "",
    "2. Disconnect the wire harness coupler from the fuel pump.",
    "",
    "3.Simultaneously press and hold the SELECT and RESET buttons, ",
    "turn the main switch on, and continue to press the buttons for",
    "8 seconds or more.",
    "",
    "4.All displays on the meter disappear except the odometer, ",
    "tripmeter and engine speed meter displays.",
    "",
    "5.dIAG appears on the odometer/tripmeter/engine speed meter LCD.",
    "",
    "6.Check that dIAG appears, and then simultaneously press the ",
    "SELECT and RESET buttons for 2 seconds or more to activate the ",
    "diagnostic mode.The diag code number 01 appears on the LCD.",
    "",
    "7.Select the diagnostic code number corresponding to the fault ",
    "code number by pressing the SELECT and RESET buttons.",
    "",
    "8.Verify the operation of the sensor or actuator:",
    "",
    "* Sensor operation:",
    "The data representing the operating conditions of the sensor",
    "appears on the odometer/tripmeter/engine speed meter LCD.",
    "",
    "* Actuator operation:",
    "Push the grip warmer side of the grip/thumb warmer adjustment",
    "switch to operate the actuator.",
    "",
    "If the grip warmer side of the switch is pushed again while the",
    "actuator is operating, the actuator operation will stop and ",
    "restart from the beginning.",
    "",
    "9.Turn the main switch off to cancel the diagnostic mode.",
    "",
    "NOTE: To perform a reliable diagnosis, make sure to turn",
    "OFF the power supply before every check and then start right",
    "from the beginning.",
};

// The same for the Apex models.
constexpr const char* kInstructionsApex[] = {
    "1. Turn the main switch OFF and set the engine stop switch to ON.",
    "",
    "2. Disconnect the wire harness coupler from the fuel pump.",
    "",
    "3. Simultaneously press and hold the SELECT and RESET buttons, ",
    "turn the main switch to ON, and continue to press the buttons for",
    "8 seconds or more.",
    "",
    "4. After selecting dI, simultaneously press the SELECT and RESET",
    "buttons for 2 seconds or more to execute the selection.",
    "",
    "5. Select the diagnostic code number that applies to the item",
    "that was verified with the fault code number by pressing the",
    "SELECT and RESET buttons.",
    "",
    "6. The diagnostic code number appears on the LCD meter (01-70).",
    "",
    "7. Select the diagnostic code number corresponding to the fault ",
    "code number by pressing the SELECT and RESET buttons.",
    "",
    "8. Verify the operation of the sensor or actuator:",
    "",
    "* Sensor operation:",
    "The data representing the operating conditions of the sensor",
    "appears on the trip LCD.",
    "",
    "* Actuator operation:",
    "Set the grip warmer adjustment down side switch to ON",
    "to operate the actuator.",
    "",
    "If the grip warmer adjustment down side switch is set to ON,",
    "set it to OFF, and then set it to ON again.",
    "",
    "9. Turn the main switch to OFF to cancel the diagnostic mode.",
    "",
    "NOTE: To perform a reliable diagnosis, make sure to turn",
    "OFF the power supply before every check and then start right",
    "from the beginning.",
};

constexpr const char* kModels[] = {
    "Fx10x", "Fx10rtx", "Fx10rtrax", "Fx10mtx", "Fx10mtrx", "Fx10mtrax", "Apex Attack 006-2008",
};

// The Apex is the last model of the list; every model before it is an Fx10.
constexpr int kFirstApexModel = 6;

const ModelFamily kFamilies[2] = {
    {"yh2.bmp", "yh1.bmp", "obd", "detalles", kInstructionsFx10},
    {"Ya1.jpg", "Ya2.jpg", "obd2", "detalles2", kInstructionsApex},
};

struct PictureDescription {
    const char* fileName;
    const char* description;
};

constexpr PictureDescription kPictureDescriptions[] = {
    {"land.jpg", "Static diagnostic method: choose the model"},
    {"yy1.jpg", "Instrument panel with the SELECT and RESET buttons, main switch and engine stop "
                "switch"},
    {"yh2.bmp", "Fx10 meter showing dIAG on the odometer, tripmeter and engine speed meter LCD"},
    {"yh1.bmp", "Fx10 steps: disconnect the fuel pump coupler, hold SELECT and RESET while "
                "turning the main switch on, then SELECT and RESET for 2 seconds"},
    {"Ya1.jpg", "Apex meter with dI selected on the trip LCD"},
    {"Ya2.jpg", "Apex meter showing diagnostic code d:01 and the grip warmer switch"},
};

} // namespace

QString pictureDescription(const char* fileName) {
    for (const PictureDescription& p : kPictureDescriptions)
        if (qstrcmp(p.fileName, fileName) == 0) return QString::fromLatin1(p.description);
    return QString::fromLatin1(fileName);
}

QStringList modelNames() {
    QStringList out;
    for (const char* m : kModels)
        out << QString::fromLatin1(m);
    return out;
}

short familyOfModel(int listPosition) {
    return listPosition < kFirstApexModel ? 1 : 2;
}

const ModelFamily& modelFamilyData(short family) {
    return kFamilies[family == 1 ? 0 : 1];
}

} // namespace yamaha
