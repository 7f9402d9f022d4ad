#include "reference/form9.h"

#include "database/database.h"
#include "shell/errors32.h"
#include "shell/window_registry.h"
#include "ui/design.h"
#include "ui/events.h"
#include "ui/flexgrid.h"
#include "ui/platform.h"
#include "ui/twips.h"

#include <QPointer>
#include <QPushButton>

namespace reference {

using namespace ERRORS32;

const char* const Form9::kDatabaseFile = "orvanedemo/terrasond/db1.mdb";

namespace {
constexpr int kDesignRows = 50;

using ui::Kind;
constexpr ui::DesignRow kDesign[] = {
    // name, kind, parent, left, top, width, height, caption, alias
    {"MSFlexGrid1", Kind::Grid, "", 120, 120, 9840, 6360, "", "acronyms and meanings"},
    {"Command2", Kind::Button, "", 8400, 6600, 1560, 495, "Salir", "Exit"},
};
} // namespace

Form9::Form9(QWidget* parent) : ui::Form(parent) {
    setWindowTitle(QStringLiteral("Glosary"));
    const ui::Design design(this, kDesign);
    design.get({{MSFlexGrid1, "MSFlexGrid1"}, {Command2, "Command2"}});
    setClientSizeTw(10080, 7260);

    connect(Command2, &QPushButton::clicked, this, &Form9::Command2_Click);
    // Escape on Exit also brings the main window back.
    ui::onEscape(Command2, [this] {
        shell::WindowRegistry::instance().load(QStringLiteral("Form3"));
        unload();
    });
}

void Form9::onLoad() {
    const QString title = glossaryTitle(LanguageIndex);
    if (!title.isEmpty()) setWindowTitle(title);
    MSFlexGrid1->setAccessibleName(windowTitle());
    show();
    Command2->setText(CatExit);

    MSFlexGrid1->setCols(2);
    MSFlexGrid1->setRows(kDesignRows);
    MSFlexGrid1->setFixedRows(0);
    MSFlexGrid1->setFixedCols(0);
    MSFlexGrid1->setColWidth(0, 880);
    MSFlexGrid1->setColWidth(1, 8600);

    // A message box may have been shown; make sure the window is still there.
    const QPointer<Form9> alive(this);
    fillGrid();
    if (!alive || isUnloaded()) return;
    Command2->setFocus();
}

void Form9::fillGrid() {
    QString error;
    auto db = Database::OpenDatabase(QString::fromLatin1(kDatabaseFile),
                                     QString::fromLatin1(kDatabasePassword), &error);
    // Only Spanish, English, French and Italian have a meaning column.
    static const char* const kMeaning[] = {"sp", "en", "fr", "it"};
    const QString meaningField = LanguageIndex >= 1 && LanguageIndex <= 4
                                     ? QString::fromLatin1(kMeaning[LanguageIndex - 1])
                                     : QString();
    std::unique_ptr<Recordset> rs;
    if (db) rs = db->CreateDynaset(QStringLiteral("SELECT * from glosary order by siglas"), &error);
    if (rs) {
        for (const QString& name : {QStringLiteral("siglas"), meaningField}) {
            if (!name.isEmpty() && !rs->hasField(name)) {
                error = QStringLiteral("The table glosary of the database %1 has no field %2.")
                            .arg(QString::fromLatin1(kDatabaseFile), name);
                rs.reset();
                break;
            }
        }
    }
    if (!rs) {
        if (db) db->Close();
        ui::platform().messageBox(this, error);
        return;
    }
    if (rs->RecordCount() == 0) {
        rs.reset();
        db->Close();
        ui::platform().messageBox(this, QStringLiteral("No hay datos"));
        return;
    }

    int row = 0;
    while (!rs->atEOF()) {
        const QString siglas = rs->text(QStringLiteral("siglas"));
        const QString meaning = meaningField.isEmpty() ? QString() : rs->text(meaningField);
        if (!meaning.isEmpty()) {
            if (row >= MSFlexGrid1->rows()) MSFlexGrid1->setRows(row + 1);
            MSFlexGrid1->setTextAt(row, 0, siglas);
            MSFlexGrid1->setTextAt(row, 1, meaning);
            ++row;
        }
        rs->MoveNext();
    }
    rs.reset();
    db->Close();
}

void Form9::Command2_Click() {
    unload();
}

} // namespace reference
