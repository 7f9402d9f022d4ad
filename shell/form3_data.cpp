#include "shell/form3_data.h"

namespace shell::form3data {

namespace {
const WorkshopCaptions kSpanish{
    {"Datos Taller", "Taller:", "Propietario:", "Dirección:", nullptr, "Teléfono:"}};
const WorkshopCaptions kEnglish{
    {"Workshop", "Workshop:", "Owner:", "Address:", nullptr, "Telephone:"}};
const WorkshopCaptions kItalian{
    {"Officina", "Officina:", "Proprietario:", "Indirizzo:", "P.IVA:", "Telefono:"}};

const AboutTexts kAbout[3] = {
    {"Acerca de...",
     "Este programa y su documentación son propiedad de Orvane. Versión de demostración: "
     "todos los datos que muestra son ficticios y no proceden de ningún vehículo."},
    {"About...", "This program and its documentation are the property of Orvane. Demonstration "
                 "version: every value it shows is fictitious and comes from no vehicle."},
    {"A propos de...",
     "Ce logiciel et sa documentation sont la propriété d'Orvane. Version de "
     "démonstration : toutes les valeurs affichées sont fictives et ne proviennent "
     "d'aucun véhicule."},
};
} // namespace

const WorkshopCaptions* workshopCaptions(int language) {
    switch (language) {
    case 1:
        return &kSpanish;
    case 2:
    case 3:
        return &kEnglish;
    case 4:
        return &kItalian;
    default:
        return nullptr;
    }
}

const AboutTexts* aboutTexts(int language) {
    return (language >= 1 && language <= 3) ? &kAbout[language - 1] : nullptr;
}

const char* const kCopyWarning =
    "Warning: this software is protected by copyright law. Copying or distributing it, "
    "in whole or in part, without written permission is prohibited.";
const char* const kFactoryEmail = "Factory Email: factory@orvane.example";
const char* const kDistributionEmail = "Distribution Email: sales@orvane.example";

} // namespace shell::form3data
