#pragma once

#include "ui/form.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace ui {
class FlexGrid;
}

namespace yamaha {

// The Yamaha self-diagnostic guide: the technician picks a model and the window shows how
// to put it into its own diagnostic mode, the fault codes of its family and, for a code
// clicked in that table, the probable causes, the checks and the reinstatement method.
class Form55 : public ui::Form {
    Q_OBJECT
public:
    explicit Form55(QWidget* parent = nullptr);

    // Rows the fault table offers before it grows for a longer code list.
    static constexpr int kFaultRows = 200;
    static constexpr int kDetailRows = 6;

    QComboBox* Combo1 = nullptr;
    QTabWidget* SSTab1 = nullptr;

    // Tab 0: setting the diagnostic mode
    QGroupBox* Frame4 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QListWidget* List1 = nullptr;

    // Tab 1: fault code table
    QGroupBox* Frame2 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    ui::FlexGrid* MSFlexGrid1 = nullptr;

    // Tab 2: troubleshooting details
    QGroupBox* Frame3 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    ui::FlexGrid* MSFlexGrid2 = nullptr;

    // Button bar
    QGroupBox* Frame1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command3 = nullptr;

    // 1 for the Fx10 models, 2 for the Apex.
    short modelFamily = 2;

    void Combo1_Click(int listIndex);
    void MSFlexGrid1_Click();
    void Command3_Click();

protected:
    void onLoad() override;

private:
    void setHeadings();
    void ShowModelGuide();
    void ShowTroubleshootingDetails();
    void showPicture(QLabel* image, const char* fileName);
    void reportDatabaseProblem(const QString& error, const char* database);
};

} // namespace yamaha
