#include "consoles/yamaha/form55.h"

#include "consoles/yamaha/form55_data.h"
#include "database/database.h"
#include "shell/errors32.h"
#include "ui/accessibility.h"
#include "ui/design.h"
#include "ui/events.h"
#include "ui/flexgrid.h"
#include "ui/platform.h"
#include "ui/twips.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>

namespace yamaha {

using namespace ERRORS32;

namespace {

constexpr int kClientWidth = 10875;
constexpr int kClientHeight = 6600;
// Blanks in front of the codes and numbers of both grids.
const QString kIndent = QStringLiteral("     ");
const QString kErIndent = QStringLiteral("    ER");

using ui::Kind;
// Controls inside a tab are designed from the top of the tab control, tab strip (360
// twips) included; here their tops are from the top of the tab page, below the strip.
constexpr ui::DesignRow kDesign[] = {
    // name, kind, parent, left, top, width, height, caption, alias
    {"Combo1", Kind::Combo, "", 2880, 120, 5415, 315, "", "model"},
    {"SSTab1", Kind::Other, "", 0, 600, 10815, 5055, "", "guide tabs"},
    {"SSTab1Tab0", Kind::Other, "SSTab1", 0, 0, 10815, 4695, "Tab 0", "instructions tab"},
    {"Frame4", Kind::Frame, "SSTab1Tab0", 120, 0, 10575, 4575, "", "instructions"},
    {"Image1", Kind::Picture, "Frame4", 120, 240, 4095, 2055, "", "vehicle picture"},
    {"Image2", Kind::Picture, "Frame4", 120, 2280, 4095, 2055, "", "diagnostic picture"},
    {"List1", Kind::List, "Frame4", 4320, 120, 6135, 4350, "", "self-diagnosis steps"},
    {"SSTab1Tab1", Kind::Other, "SSTab1", 0, 0, 10815, 4695, "Tab 1", "fault codes tab"},
    {"Frame2", Kind::Frame, "SSTab1Tab1", 120, 120, 10575, 4455, "", "fault codes"},
    {"Label2", Kind::Label, "Frame2", 120, 240, 1215, 345, "", "code heading"},
    {"Label3", Kind::Label, "Frame2", 1320, 240, 2415, 345, "", "symptom heading"},
    {"Label4", Kind::Label, "Frame2", 3720, 240, 5175, 345, "", "probable cause heading"},
    {"Label5", Kind::Label, "Frame2", 8880, 240, 1215, 345, "", "diag code heading"},
    {"MSFlexGrid1", Kind::Grid, "Frame2", 120, 600, 10335, 3735, "", "fault codes"},
    {"SSTab1Tab2", Kind::Other, "SSTab1", 0, 0, 10815, 4695, "Tab 2", "details tab"},
    {"Frame3", Kind::Frame, "SSTab1Tab2", 120, 0, 10575, 4575, "", "troubleshooting"},
    {"Label6", Kind::Label, "Frame3", 120, 240, 1215, 270, "", "fault code"},
    {"Text1", Kind::TextBox, "Frame3", 1440, 240, 615, 270, "", "fault code field"},
    {"Label7", Kind::Label, "Frame3", 120, 600, 1215, 270, "", "diag code"},
    {"Text2", Kind::TextBox, "Frame3", 1440, 600, 615, 270, "", "diag code field"},
    {"Label8", Kind::Label, "Frame3", 2280, 240, 7215, 615, "", "symptom"},
    {"Label9", Kind::Label, "Frame3", 120, 960, 855, 345, "", "order heading"},
    {"Label10", Kind::Label, "Frame3", 960, 960, 3495, 345, "", "probable cause heading"},
    {"Label11", Kind::Label, "Frame3", 4440, 960, 3495, 345, "", "check or job heading"},
    {"Label12", Kind::Label, "Frame3", 7920, 960, 2175, 345, "", "reinstatement heading"},
    {"MSFlexGrid2", Kind::Grid, "Frame3", 120, 1320, 10335, 3135, "", "troubleshooting steps"},
    {"Frame1", Kind::Frame, "", 120, 5640, 10695, 855, "", "button bar"},
    {"Command1", Kind::Button, "Frame1", 1920, 360, 1815, 300, "Command1", "model guide"},
    {"Command3", Kind::Button, "Frame1", 6840, 360, 1815, 300, "Command3", "Exit"},
};

void setUpGrid(ui::FlexGrid* grid, int rows, std::initializer_list<int> widths,
               std::initializer_list<Qt::Alignment> alignments) {
    grid->setCols(static_cast<int>(widths.size()));
    grid->setRows(rows);
    grid->setFixedRows(0);
    grid->setFixedCols(0);
    int c = 0;
    for (int w : widths)
        grid->setColWidth(c++, w);
    c = 0;
    for (Qt::Alignment a : alignments)
        grid->setColAlignment(c++, a);
    grid->setRow(0);
}

void clearGrid(ui::FlexGrid* grid, int rows) {
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < grid->cols(); ++c)
            grid->setTextAt(r, c, QString());
}

// The causes of a fault are kept one to a line, separated by carriage returns; the grid
// shows each on its own line.
class CarriageReturnLines : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale& locale) const override {
        QString text = QStyledItemDelegate::displayText(value, locale);
        text.replace(QChar(13), QChar::LineSeparator);
        return text;
    }
};

// Filled rows of the data grids are as tall as their wrapped text; emptied rows go back to
// the standard height.
void resetRowHeights(ui::FlexGrid* grid) {
    for (int r = 0; r < grid->rows(); ++r)
        grid->setRowHeight(r, ui::px(240));
}

// One record of a fault-code table as the table shows it.
struct FaultRecord {
    QString codigo;
    QString descripcion;
    QString causes; // ERROR1 to ERROR4, one to a line
    QString ecu;
};

FaultRecord readFaultRecord(const reference::Recordset& rs) {
    FaultRecord f;
    f.codigo = rs.text(QStringLiteral("codigo"));
    f.descripcion = rs.text(QStringLiteral("descripcion"));
    QStringList causes;
    for (int i = 1; i <= 4; ++i)
        causes << rs.text(QStringLiteral("ERROR%1").arg(i));
    f.causes = causes.join(QChar(13));
    f.ecu = rs.text(QStringLiteral("ecu"));
    return f;
}

} // namespace

Form55::Form55(QWidget* parent) : ui::Form(parent) {
    setWindowTitle(QLatin1String(kWindowTitle));
    setClientSizeTw(kClientWidth, kClientHeight);

    const ui::Design design(this, kDesign, ui::makeTabs);
    design.get({{Combo1, "Combo1"},
                {SSTab1, "SSTab1"},
                {Frame4, "Frame4"},
                {Image1, "Image1"},
                {Image2, "Image2"},
                {List1, "List1"},
                {Frame2, "Frame2"},
                {Label2, "Label2"},
                {Label3, "Label3"},
                {Label4, "Label4"},
                {Label5, "Label5"},
                {MSFlexGrid1, "MSFlexGrid1"},
                {Frame3, "Frame3"},
                {Label6, "Label6"},
                {Text1, "Text1"},
                {Label7, "Label7"},
                {Text2, "Text2"},
                {Label8, "Label8"},
                {Label9, "Label9"},
                {Label10, "Label10"},
                {Label11, "Label11"},
                {Label12, "Label12"},
                {MSFlexGrid2, "MSFlexGrid2"},
                {Frame1, "Frame1"},
                {Command1, "Command1"},
                {Command3, "Command3"}});

    Combo1->setPlaceholderText(QLatin1String(kChooseModel));
    connect(Combo1, &QComboBox::activated, this, &Form55::Combo1_Click);

    // Tab 0: pictures and instructions
    for (QLabel* image : {Image1, Image2}) {
        image->setAlignment(Qt::AlignCenter);
        image->setTextFormat(Qt::PlainText);
        image->setWordWrap(true);
    }
    // The instruction lines are broken to fit the list in an 8-point font.
    QFont listFont = List1->font();
    listFont.setPointSizeF(std::min<qreal>(listFont.pointSizeF(), 8));
    List1->setFont(listFont);

    // Tab 1: the fault-code table of the model family
    for (QLabel* l : {Label2, Label3, Label4, Label5, Label9, Label10, Label11, Label12}) {
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        ui::setBackColor(l, ui::kGrey);
    }
    MSFlexGrid1->setItemDelegate(new CarriageReturnLines(MSFlexGrid1));
    MSFlexGrid1->setWordWrap(true);
    connect(MSFlexGrid1, &ui::FlexGrid::cellClick, this, &Form55::MSFlexGrid1_Click);

    // Tab 2: causes, checks and reinstatement method of one code
    Label6->setBuddy(Text1);
    Label7->setBuddy(Text2);
    Label8->setTextFormat(Qt::PlainText); // database text, never markup
    Label8->setWordWrap(true);
    Label8->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui::setBackColor(Label8, Qt::white);
    // The symptom of the code shown, read with the heading of its column in the table.
    ui::nameValue(Label8, Label3);
    MSFlexGrid2->setWordWrap(true);

    // Button bar
    ui::setBackColor(Frame1, ui::kMaroon);
    // The buttons keep the standard button face on the coloured bar.
    const QPalette standard = QApplication::palette();
    for (QPushButton* b : {Command1, Command3}) {
        QPalette p = b->palette();
        for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
            p.setColor(role, standard.color(role));
        b->setPalette(p);
    }
    // Help has no action.
    connect(Command3, &QPushButton::clicked, this, &Form55::Command3_Click);
    ui::onEscape(Command3, [this] { unload(); });
}

void Form55::onLoad() {
    Image1->clear();
    Image2->clear();
    showPicture(Image1, kStartPicture1);
    showPicture(Image2, kStartPicture2);

    setHeadings();
    Combo1->setPlaceholderText(CatModel);
    Combo1->setAccessibleName(CatModel);

    SSTab1->setTabText(2, CatTroubleshootingDetails);
    SSTab1->setTabText(1, CatFaultCodeTable);
    SSTab1->setTabText(0, CatSettingDiagnosticMode);
    List1->setAccessibleName(CatSettingDiagnosticMode);
    MSFlexGrid1->setAccessibleName(CatFaultCodeTable);
    MSFlexGrid2->setAccessibleName(CatTroubleshootingDetails);

    Command3->setText(CatExit);
    Command1->setText(CatHelp);
    show();

    Combo1->clear();
    Combo1->addItems(modelNames());
    Combo1->setCurrentIndex(-1);
    modelFamily = familyOfModel(Combo1->count() - 1);

    setUpGrid(MSFlexGrid1, kFaultRows, {1200, 2400, 5100, 1280},
              {Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignLeft | Qt::AlignTop,
               Qt::AlignLeft | Qt::AlignTop, Qt::AlignLeft | Qt::AlignVCenter});
    setUpGrid(MSFlexGrid2, kDetailRows, {820, 3500, 3500, 2160},
              {Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignLeft | Qt::AlignTop,
               Qt::AlignLeft | Qt::AlignTop, Qt::AlignLeft | Qt::AlignTop});

    SSTab1->setCurrentIndex(0);
}

void Form55::setHeadings() {
    auto set = [](QLabel* l, const char* text) { l->setText(QString::fromLatin1(text)); };
    set(Label2, kFaultCodeHeading);
    set(Label3, kSymptomHeading);
    set(Label4, kProbableCauseHeading);
    set(Label5, kDiagCodeHeading);
    set(Label6, kFaultCodeHeading);
    set(Label7, kDiagCodeHeading);
    set(Label9, kOrderHeading);
    set(Label10, kCauseHeading);
    set(Label11, kJobHeading);
    set(Label12, kMethodHeading);
}

void Form55::Combo1_Click(int listIndex) {
    modelFamily = familyOfModel(listIndex);
    ShowModelGuide();
    Command3->setFocus();
}

void Form55::MSFlexGrid1_Click() {
    ShowTroubleshootingDetails();
}

void Form55::Command3_Click() {
    unload();
}

void Form55::ShowModelGuide() {
    const ModelFamily& family = modelFamilyData(modelFamily);
    showPicture(Image1, family.picture1);
    showPicture(Image2, family.picture2);

    List1->clear();
    for (const char* line : family.instructions)
        List1->addItem(QString::fromLatin1(line));

    // A longer code list than the table's rows may have grown it: back to its size.
    MSFlexGrid1->setRows(kFaultRows);
    clearGrid(MSFlexGrid1, kFaultRows);
    resetRowHeights(MSFlexGrid1);

    QString error;
    auto db = reference::Database::OpenDatabase(QString::fromLatin1(kCodesDatabase),
                                                QString::fromLatin1(reference::kDatabasePassword),
                                                &error);
    if (!db) {
        reportDatabaseProblem(error, kCodesDatabase);
        return;
    }
    auto rs = db->CreateDynaset(QStringLiteral("SELECT * from ") + QLatin1String(family.codesTable),
                                &error);
    if (!rs) {
        db->Close();
        reportDatabaseProblem(error, kCodesDatabase);
        return;
    }

    // Communication errors with the meter (codes beginning with "-") come after all others.
    QList<FaultRecord> records;
    QList<FaultRecord> meterErrors;
    if (rs->RecordCount() > 0) {
        for (; !rs->atEOF(); rs->MoveNext()) {
            FaultRecord f = readFaultRecord(*rs);
            (f.codigo.startsWith(QLatin1Char('-')) ? meterErrors : records).append(f);
        }
    }
    rs.reset();
    db->Close();

    // Every record gets its row: the table grows rather than dropping codes.
    const int needed = static_cast<int>(records.size() + meterErrors.size());
    if (needed > MSFlexGrid1->rows()) MSFlexGrid1->setRows(needed);
    int r = 0;
    auto fill = [&](const FaultRecord& f, const QString& codeCell) {
        MSFlexGrid1->setTextAt(r, 0, codeCell);
        MSFlexGrid1->setTextAt(r, 1, f.descripcion);
        MSFlexGrid1->setTextAt(r, 2, f.causes);
        MSFlexGrid1->setTextAt(r, 3, kIndent + f.ecu);
        MSFlexGrid1->resizeRowToContents(r);
        ++r;
    };
    for (const FaultRecord& f : records)
        fill(f, kIndent + f.codigo);
    for (const FaultRecord& f : meterErrors)
        fill(f, kErIndent + f.codigo);
}

void Form55::ShowTroubleshootingDetails() {
    clearGrid(MSFlexGrid2, kDetailRows);
    resetRowHeights(MSFlexGrid2);

    const int row = MSFlexGrid1->row();
    // The code is the last two characters of its cell: "     12" is 12, "    ER-1" is -1.
    const QString code = MSFlexGrid1->textAt(row, 0).right(2);
    const QString diagCode = MSFlexGrid1->textAt(row, 3).right(2);
    Text1->setText(code);
    Text2->setText(diagCode);
    Label8->setText(MSFlexGrid1->textAt(row, 1));
    setHeadings();

    const ModelFamily& family = modelFamilyData(modelFamily);
    QString error;
    auto db = reference::Database::OpenDatabase(QString::fromLatin1(kDetailsDatabase),
                                                QString::fromLatin1(reference::kDatabasePassword),
                                                &error);
    if (!db) {
        reportDatabaseProblem(error, kDetailsDatabase);
        return;
    }
    auto rs =
        db->CreateDynaset(QStringLiteral("SELECT * from ") + QLatin1String(family.detailsTable) +
                              QStringLiteral(" where codigo = ?"),
                          {code}, &error);
    if (!rs) {
        db->Close();
        reportDatabaseProblem(error, kDetailsDatabase);
        return;
    }
    const bool found = rs->RecordCount() > 0 && !rs->atEOF();
    if (found) {
        const QString method = rs->text(QStringLiteral("metodo"));
        // Only the first five pairs are shown; empty causes leave no gap.
        int order = 1;
        for (int i = 1; i <= 5; ++i) {
            const QString cause = rs->text(QStringLiteral("cause%1").arg(i));
            if (cause.isEmpty()) continue;
            MSFlexGrid2->setTextAt(order - 1, 0, kIndent + QString::number(order));
            MSFlexGrid2->setTextAt(order - 1, 1, cause);
            MSFlexGrid2->setTextAt(order - 1, 2, rs->text(QStringLiteral("job%1").arg(i)));
            MSFlexGrid2->setTextAt(order - 1, 3, kIndent + method);
            MSFlexGrid2->resizeRowToContents(order - 1);
            ++order;
        }
    }
    rs.reset();
    db->Close();
    if (found) SSTab1->setCurrentIndex(2);
}

void Form55::showPicture(QLabel* image, const char* fileName) {
    const QString name = QString::fromLatin1(fileName);
    const QString path = ui::dataFile(QString::fromLatin1(kDataFolder) + name);
    image->setProperty("picture", path);
    QPixmap picture(path);
    if (picture.isNull()) {
        // A missing or unreadable picture leaves a note in its place.
        image->setAccessibleName(QString());
        image->setPixmap(QPixmap());
        image->setText(QStringLiteral("Picture not available: ") + name);
        return;
    }
    image->setAccessibleName(pictureDescription(fileName));
    const qreal ratio = image->devicePixelRatioF();
    QPixmap scaled =
        picture.scaled(image->size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    image->setPixmap(scaled);
}

void Form55::reportDatabaseProblem(const QString& error, const char* database) {
    // The database layer names the file and the problem; the window stays usable.
    ui::platform().messageBox(this, error.isEmpty()
                                        ? QStringLiteral("Cannot read the database ") +
                                              ui::rootPath(QString::fromLatin1(database))
                                        : error);
}

} // namespace yamaha
