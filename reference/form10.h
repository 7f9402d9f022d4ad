#pragma once

#include "ui/form.h"

#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {
class FlexGrid;
}

namespace reference {

// What Enter in a date field does with the text typed there.
struct DateEntry {
    enum class Action {
        Beep,      // wrong length: beep and empty the field, no message
        WrongDate, // not a day and month: "Wrong date" message and empty the field
        Accept,    // the field shows `text` (dd-mm-yy) and the focus moves on
    };
    Action action = Action::Beep;
    QString text;       // the field's new text (empty unless accepted)
    bool widen = false; // the field's maximum length becomes 8
};

// The rule of Enter in a date field. An empty field takes `today` (dd-mm-yy); six
// characters DDMMYY are rewritten as DD-MM-YY and accepted when the day is 1 to 31 and the
// month 1 to 12. The year is not checked, nor whether the day exists in that month.
DateEntry enterDate(const QString& typed, const QString& today);

// The workshop's diagnosis history: a period and a plate above the history grid. No
// history is kept by this program, so the grid shows its headings only; the window does
// the entry and checking of the two dates and the moves between the three fields.
class Form10 : public ui::Form {
    Q_OBJECT
public:
    explicit Form10(QWidget* parent = nullptr);

    QGroupBox* Frame2 = nullptr;
    QLabel* Label9 = nullptr; // from date
    QLineEdit* Text3 = nullptr;
    QLabel* Label10 = nullptr; // to date
    QLineEdit* Text4 = nullptr;
    QLabel* Label11 = nullptr; // vehicle plate
    QLineEdit* Text1 = nullptr;
    ui::FlexGrid* MSFlexGrid1 = nullptr;
    QPushButton* Command2 = nullptr;

    void Command2_Click();
    bool Text3_KeyDown(int key);
    bool Text4_KeyDown(int key);
    bool Text1_KeyDown(int key);

protected:
    void onLoad() override;

private:
    // Enter in a date field; `next` gets the focus once the date is accepted.
    void dateEntered(QLineEdit* field, QLineEdit* next);
    // Escape in a field: back to the main window, which is re-created if it was closed.
    void leaveToMainWindow();
    void buildGridHeadings();
};

// Fixed texts of the history window (form10_data.cpp) for a language (1 Spanish ...
// 8 Swedish): the title, and the heading of the make column. Empty for a language that
// keeps the design title ("Histórico") or leaves the heading empty.
QString historyTitle(int languageIndex);
QString historyVehicleHeading(int languageIndex);

} // namespace reference
