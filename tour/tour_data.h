#pragma once

#include <QString>

namespace tour {

// The captions the tour shows between its steps, each in the eight languages of the program.
enum class Caption {
    Keep, // the caption shown stays
    Welcome,
    OpenBombardier,
    OpenPolaris,
    OpenKawasaki,
    Connect,
    ReadFaults,
    EraseFaults,
    LiveData,
    LiveReading,
    ParameterHelp,
    StopReading,
    Actuators,
    CloseConsole,
    YamahaGuide,
    YamahaCodes,
    YamahaDetails,
    Glossary,
    Connectors,
    Again,
};

// The caption in a language (1 Spanish ... 8 Swedish; English outside that range).
QString captionText(Caption caption, int languageIndex);

} // namespace tour
