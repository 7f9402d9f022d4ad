#pragma once

#include <QString>
#include <QStringList>
#include <span>

// The fixed contents of the Yamaha guide: the models, what each model family shows and
// reads, the self-diagnostic instructions and the grid headings.
namespace yamaha {

// Where the guide's pictures and databases live, below the root folder.
inline constexpr const char* kDataFolder = "orvanedemo/terrasond/";
inline constexpr const char* kCodesDatabase = "orvanedemo/terrasond/Y1.mdb";
inline constexpr const char* kDetailsDatabase = "nivasond/Y1.mdb";

// Design title of the window and the model list's text before a model is chosen.
inline constexpr const char* kWindowTitle = "Yamaha ATV (Static Diagnostic Method)";
inline constexpr const char* kChooseModel = "Choose Model";

// Pictures shown before a model is chosen.
inline constexpr const char* kStartPicture1 = "land.jpg";
inline constexpr const char* kStartPicture2 = "yy1.jpg";

struct ModelFamily {
    const char* picture1;     // Image1
    const char* picture2;     // Image2
    const char* codesTable;   // fault codes, in Y1.mdb of the data folder
    const char* detailsTable; // troubleshooting details, in nivasond/Y1.mdb
    std::span<const char* const> instructions;
};

// The models in list order; the position decides the family.
QStringList modelNames();
// Family (1 or 2) of the model at a list position.
short familyOfModel(int listPosition);
// Data of family 1 or 2 (anything else reads as family 2).
const ModelFamily& modelFamilyData(short family);

// What a guide picture shows, for screen readers (the file name for an unknown picture).
QString pictureDescription(const char* fileName);

// Column headings of the fault-code table and of the details grid.
inline constexpr const char* kFaultCodeHeading = "Fault Code";
inline constexpr const char* kSymptomHeading = "Symptom";
inline constexpr const char* kProbableCauseHeading = "Probable cause of malfunction";
inline constexpr const char* kDiagCodeHeading = "Diag Code";
inline constexpr const char* kOrderHeading = "Order";
inline constexpr const char* kCauseHeading = "Probable Cause";
inline constexpr const char* kJobHeading = "Check or Maintenance Job";
inline constexpr const char* kMethodHeading = "Reinstatement method";

} // namespace yamaha
