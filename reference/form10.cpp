#include "reference/form10.h"

#include "shell/errors32.h"
#include "shell/window_registry.h"
#include "ui/design.h"
#include "ui/events.h"
#include "ui/flexgrid.h"
#include "ui/platform.h"
#include "ui/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace reference {

using namespace ERRORS32;

namespace {

constexpr int kClientWidth = 9600;
constexpr int kClientHeight = 7000;
constexpr int kGridRows = 200;
constexpr int kDateLength = 6;     // DDMMYY as typed
constexpr int kWideDateLength = 8; // DD-MM-YY once accepted

struct GridColumn {
    int width; // twips
    bool leftAligned;
};
const GridColumn kColumns[] = {{1200, true}, {900, true},  {1700, false},
                               {2000, true}, {2000, true}, {1000, false}};

// The number the text starts with, read as the old BASIC Val() did: blanks anywhere are
// skipped, then an optional sign, digits and an optional fraction; 0 when there is none.
double leadingNumber(QStringView text) {
    QString t;
    for (QChar c : text)
        if (c != u' ' && c != u'\t' && c != u'\n') t += c;
    qsizetype i = 0;
    double sign = 1;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) sign = t[i++] == u'-' ? -1 : 1;
    double value = 0;
    for (; i < t.size() && t[i] >= u'0' && t[i] <= u'9'; ++i)
        value = value * 10 + (t[i].unicode() - u'0');
    if (i < t.size() && t[i] == u'.') {
        double scale = 0.1;
        for (++i; i < t.size() && t[i] >= u'0' && t[i] <= u'9'; ++i, scale /= 10)
            value += (t[i].unicode() - u'0') * scale;
    }
    return sign * value;
}

// dd-mm-yy with a day of 1 to 31 and a month of 1 to 12.
bool isDayMonth(const QString& text) {
    if (text.size() != kWideDateLength || text[2] != u'-' || text[5] != u'-') return false;
    // Rewriting must not have split a character that takes two UTF-16 units.
    if (!text.isValidUtf16()) return false;
    const double day = leadingNumber(QStringView(text).first(2));
    const double month = leadingNumber(QStringView(text).sliced(3, 2));
    return day >= 1 && day <= 31 && month >= 1 && month <= 12;
}

using ui::Kind;
constexpr ui::DesignRow kDesign[] = {
    // name, kind, parent, left, top, width, height, caption, alias
    {"Frame2", Kind::Frame, "", 120, 120, 9360, 840, "", "period and plate"},
    {"Label9", Kind::Label, "Frame2", 240, 285, 960, 285, "", "from date"},
    {"Text3", Kind::TextBox, "Frame2", 1200, 240, 1215, 345, "", "from date field"},
    {"Label10", Kind::Label, "Frame2", 2760, 285, 960, 285, "", "to date"},
    {"Text4", Kind::TextBox, "Frame2", 3720, 240, 1215, 345, "", "to date field"},
    {"Label11", Kind::Label, "Frame2", 5280, 285, 1080, 285, "", "vehicle plate"},
    {"Text1", Kind::TextBox, "Frame2", 6360, 240, 1800, 345, "", "vehicle plate field"},
    {"MSFlexGrid1", Kind::Grid, "", 120, 1080, 9360, 5160, "", "history"},
    {"Command2", Kind::Button, "", 7800, 6360, 1680, 480, "", "Exit"},
};

} // namespace

DateEntry enterDate(const QString& typed, const QString& today) {
    using Action = DateEntry::Action;
    const qsizetype length = typed.size();
    if (length != kDateLength && length >= 2) return {Action::Beep, {}, false};
    if (length == 0) return {Action::Accept, today, true};
    // A single character is rewritten too; it never makes eight characters.
    const QString text = typed.left(2) + u'-' + typed.mid(2, 2) + u'-' + typed.right(2);
    if (isDayMonth(text)) return {Action::Accept, text, true};
    return {Action::WrongDate, {}, true};
}

Form10::Form10(QWidget* parent) : ui::Form(parent) {
    setWindowTitle(historyTitle(1));

    const ui::Design design(this, kDesign);
    design.get({{Frame2, "Frame2"},
                {Label9, "Label9"},
                {Text3, "Text3"},
                {Label10, "Label10"},
                {Text4, "Text4"},
                {Label11, "Label11"},
                {Text1, "Text1"},
                {MSFlexGrid1, "MSFlexGrid1"},
                {Command2, "Command2"}});
    Text3->setMaxLength(kDateLength);
    Text4->setMaxLength(kDateLength);
    Text1->setMaxLength(10);
    Label9->setBuddy(Text3);
    Label10->setBuddy(Text4);
    Label11->setBuddy(Text1);

    MSFlexGrid1->setCols(6);
    MSFlexGrid1->setRows(kGridRows);
    MSFlexGrid1->setFixedRows(1);
    MSFlexGrid1->setFixedCols(0);
    for (int c = 0; c < 6; ++c) {
        MSFlexGrid1->setColWidth(c, kColumns[c].width);
        if (kColumns[c].leftAligned) MSFlexGrid1->setColAlignment(c, Qt::AlignLeft);
    }

    setTabOrder(Text3, Text4);
    setTabOrder(Text4, Text1);
    setTabOrder(Text1, Command2);
    setTabOrder(Command2, MSFlexGrid1);

    connect(Command2, &QPushButton::clicked, this, &Form10::Command2_Click);
    ui::onEscape(Command2, [this] { unload(); });
    ui::onKeyDown(Text3, [this](int key) { return Text3_KeyDown(key); });
    ui::onKeyDown(Text4, [this](int key) { return Text4_KeyDown(key); });
    ui::onKeyDown(Text1, [this](int key) { return Text1_KeyDown(key); });
    ui::caretToEndOnFocus(Text3);
    ui::caretToEndOnFocus(Text4);

    setClientSizeTw(kClientWidth, kClientHeight);
}

void Form10::onLoad() {
    ui::moveTw(this, 495, 1200);
    const QString title = historyTitle(LanguageIndex);
    if (!title.isEmpty()) setWindowTitle(title);
    MSFlexGrid1->setAccessibleName(windowTitle());
    Label9->setText(CatFrom);
    Label10->setText(CatTo);
    Label11->setText(CatPlatesShort);
    Command2->setText(CatExit);
    show();
    buildGridHeadings();
    Text3->setFocus();
}

void Form10::buildGridHeadings() {
    const QString headings[] = {CatDate,  CatHour,   historyVehicleHeading(LanguageIndex),
                                CatModel, CatPlates, CatFaults};
    MSFlexGrid1->setRow(0);
    for (int c = 0; c < 6; ++c) {
        MSFlexGrid1->setCol(c);
        MSFlexGrid1->setText(headings[c]);
    }
}

void Form10::Command2_Click() {
    unload();
}

bool Form10::Text3_KeyDown(int key) {
    if (ui::isEnter(key)) {
        dateEntered(Text3, Text4);
        return true;
    }
    if (key == Qt::Key_Escape) {
        leaveToMainWindow();
        return true;
    }
    return false;
}

bool Form10::Text4_KeyDown(int key) {
    if (ui::isEnter(key)) {
        dateEntered(Text4, Text1);
        return true;
    }
    if (key == Qt::Key_Up) {
        Text3->setFocus();
        return true;
    }
    if (key == Qt::Key_Escape) {
        leaveToMainWindow();
        return true;
    }
    return false;
}

bool Form10::Text1_KeyDown(int key) {
    if (ui::isEnter(key)) return true; // the plate is the last field: Enter goes nowhere
    if (key == Qt::Key_Up) {
        Text4->setFocus();
        return true;
    }
    if (key == Qt::Key_Escape) {
        leaveToMainWindow();
        return true;
    }
    return false;
}

void Form10::dateEntered(QLineEdit* field, QLineEdit* next) {
    const DateEntry entry = enterDate(field->text(), TodayDate);
    if (entry.widen) field->setMaxLength(kWideDateLength);
    switch (entry.action) {
    case DateEntry::Action::Beep:
        ui::platform().beep();
        field->clear();
        break;
    case DateEntry::Action::WrongDate: {
        QPointer<QLineEdit> guard(field);
        ui::platform().messageBox(this, CatWrongDate);
        if (guard) guard->clear();
        break;
    }
    case DateEntry::Action::Accept:
        field->setText(entry.text);
        next->setFocus();
        break;
    }
}

void Form10::leaveToMainWindow() {
    shell::WindowRegistry::instance().load(QStringLiteral("Form3"));
    unload();
}

} // namespace reference
