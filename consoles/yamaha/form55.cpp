#include "consoles/yamaha/form55.h"

#include "consoles/yamaha/form55_data.h"
#include "database/database.h"
#include "shell/errors32.h"
#include "ui/accessibility.h"
#include "ui/events.h"
#include "ui/flexgrid.h"
#include "ui/platform.h"
#include "ui/twips.h"

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
// Controls inside a tab are designed from the top of the tab control, tab strip included;
// a tab page starts below the strip.
constexpr int kTabStrip = 360;
constexpr int kHeadingHeight = 345;
const QColor kHeadingGrey(192, 192, 192);
const QColor kButtonBarColor(128, 64, 64);
// Blanks in front of the codes and numbers of both grids.
const QString kIndent = QStringLiteral("     ");
const QString kErIndent = QStringLiteral("    ER");

template <typename W> W* named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLabel* heading(QWidget* parent, const char* name, int left, int top, int width) {
    auto* l = named(new QLabel(parent), name);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ui::setBackColor(l, kHeadingGrey);
    ui::place(l, left, top, width, kHeadingHeight);
    return l;
}

void placeInTab(QWidget* w, int left, int top, int width, int height) {
    ui::place(w, left, top - kTabStrip, width, height);
}

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
    setWindowTitle(QStringLiteral("Yamaha ATV (Static Diagnostic Method)"));
    setClientSizeTw(kClientWidth, kClientHeight);

    Combo1 = named(new QComboBox(this), "Combo1");
    Combo1->setPlaceholderText(QStringLiteral("Choose Model"));
    ui::place(Combo1, 2880, 120, 5415, 315);
    connect(Combo1, &QComboBox::activated, this, &Form55::Combo1_Click);

    buildTabs();
    buildButtonBar();
}

void Form55::buildTabs() {
    SSTab1 = named(new QTabWidget(this), "SSTab1");
    ui::place(SSTab1, 0, 600, 10815, 5055);

    // Tab 0: pictures and instructions
    auto* tab0 = named(new QWidget, "SSTab1Tab0");
    Frame4 = named(new QGroupBox(tab0), "Frame4");
    placeInTab(Frame4, 120, 360, 10575, 4575);
    Image1 = named(new QLabel(Frame4), "Image1");
    ui::place(Image1, 120, 240, 4095, 2055);
    Image2 = named(new QLabel(Frame4), "Image2");
    ui::place(Image2, 120, 2280, 4095, 2055);
    for (QLabel* image : {Image1, Image2}) {
        image->setAlignment(Qt::AlignCenter);
        image->setTextFormat(Qt::PlainText);
        image->setWordWrap(true);
    }
    List1 = named(new QListWidget(Frame4), "List1");
    ui::place(List1, 4320, 120, 6135, 4350);
    // The instruction lines are broken to fit the list in an 8-point font.
    QFont listFont = List1->font();
    listFont.setPointSizeF(std::min<qreal>(listFont.pointSizeF(), 8));
    List1->setFont(listFont);
    SSTab1->addTab(tab0, QStringLiteral("Tab 0"));

    // Tab 1: the fault-code table of the model family
    auto* tab1 = named(new QWidget, "SSTab1Tab1");
    Frame2 = named(new QGroupBox(tab1), "Frame2");
    placeInTab(Frame2, 120, 480, 10575, 4455);
    Label2 = heading(Frame2, "Label2", 120, 240, 1215);
    Label3 = heading(Frame2, "Label3", 1320, 240, 2415);
    Label4 = heading(Frame2, "Label4", 3720, 240, 5175);
    Label5 = heading(Frame2, "Label5", 8880, 240, 1215);
    MSFlexGrid1 = named(new ui::FlexGrid(Frame2), "MSFlexGrid1");
    ui::place(MSFlexGrid1, 120, 600, 10335, 3735);
    MSFlexGrid1->setItemDelegate(new CarriageReturnLines(MSFlexGrid1));
    MSFlexGrid1->setWordWrap(true);
    connect(MSFlexGrid1, &ui::FlexGrid::cellClick, this, &Form55::MSFlexGrid1_Click);
    SSTab1->addTab(tab1, QStringLiteral("Tab 1"));

    // Tab 2: causes, checks and reinstatement method of one code
    auto* tab2 = named(new QWidget, "SSTab1Tab2");
    Frame3 = named(new QGroupBox(tab2), "Frame3");
    placeInTab(Frame3, 120, 360, 10575, 4575);
    Label6 = named(new QLabel(Frame3), "Label6");
    ui::place(Label6, 120, 240, 1215, 270);
    Text1 = named(new QLineEdit(Frame3), "Text1");
    ui::place(Text1, 1440, 240, 615, 270);
    Label7 = named(new QLabel(Frame3), "Label7");
    ui::place(Label7, 120, 600, 1215, 270);
    Text2 = named(new QLineEdit(Frame3), "Text2");
    ui::place(Text2, 1440, 600, 615, 270);
    Label6->setBuddy(Text1);
    Label7->setBuddy(Text2);
    Label8 = named(new QLabel(Frame3), "Label8");
    Label8->setTextFormat(Qt::PlainText); // database text, never markup
    Label8->setWordWrap(true);
    Label8->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui::setBackColor(Label8, Qt::white);
    ui::place(Label8, 2280, 240, 7215, 615);
    // The symptom of the code shown, read with the heading of its column in the table.
    ui::nameValue(Label8, Label3);
    Label9 = heading(Frame3, "Label9", 120, 960, 855);
    Label10 = heading(Frame3, "Label10", 960, 960, 3495);
    Label11 = heading(Frame3, "Label11", 4440, 960, 3495);
    Label12 = heading(Frame3, "Label12", 7920, 960, 2175);
    MSFlexGrid2 = named(new ui::FlexGrid(Frame3), "MSFlexGrid2");
    ui::place(MSFlexGrid2, 120, 1320, 10335, 3135);
    MSFlexGrid2->setWordWrap(true);
    SSTab1->addTab(tab2, QStringLiteral("Tab 2"));
}

void Form55::buildButtonBar() {
    Frame1 = named(new QGroupBox(this), "Frame1");
    ui::setBackColor(Frame1, kButtonBarColor);
    ui::place(Frame1, 120, 5640, 10695, 855);
    Command1 = named(new QPushButton(QStringLiteral("Command1"), Frame1), "Command1");
    ui::place(Command1, 1920, 360, 1815, 300);
    Command3 = named(new QPushButton(QStringLiteral("Command3"), Frame1), "Command3");
    ui::place(Command3, 6840, 360, 1815, 300);
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
    ui::onKeyDown(Command3, [this](int key) { return Command3_KeyDown(key); });
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

bool Form55::Command3_KeyDown(int key) {
    if (key != Qt::Key_Escape) return false;
    unload();
    return true;
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
