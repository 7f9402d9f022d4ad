#pragma once

#include "ui/form.h"

#include <QList>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;

namespace shell {

// The main window: background picture, the menu that opens every other window, and the
// settings, workshop and About panels. Its load step is the program's start-up.
class Form3 : public ui::Form {
    Q_OBJECT
public:
    explicit Form3(QWidget* parent = nullptr);

    // Menu
    QMenuBar* menu = nullptr;
    QAction* jet = nullptr;
    QAction* sno = nullptr;
    QAction* yamih = nullptr;
    QAction* qua = nullptr;
    QAction* confi1 = nullptr;
    QAction* taller = nullptr;
    QAction* acronimos = nullptr;
    QAction* conectores = nullptr;
    QAction* histo1 = nullptr;
    QAction* ac = nullptr;

    QWidget* client = nullptr; // everything below the menu bar
    QLabel* Image1 = nullptr;

    // Settings panel
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame9 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame8 = nullptr;
    QList<QRadioButton*> Option1; // [0] unused; 1..8 COM1..COM8
    QList<QRadioButton*> Option2; // [0] unused; 1..8 languages
    QList<QRadioButton*> Option3; // [0] unused; 1 RS232, 2 USB
    QList<QRadioButton*> Option4; // [0] unused; 1 Celsius, 2 Farenheit
    QPushButton* Command1 = nullptr;

    // Workshop panel
    QGroupBox* Frame4 = nullptr;
    QList<QLabel*> workshopLabels;    // Label1..Label5 at 0..4
    QList<QLineEdit*> workshopFields; // Text1..Text5 at 0..4

    // About panel
    QGroupBox* Frame7 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label14 = nullptr;
    QPushButton* Command4 = nullptr;

    // Menu entries
    void confi1_Click();
    void taller_Click();
    void ac_Click();
    void openWindow(const QString& name);

    // Settings panel handlers
    void Option1_Click(int index);
    void Option2_Click(int index);
    void Option3_Click(int index);
    void Option4_Click(int index);
    void Command1_Click();
    void Command4_Click();

protected:
    void onLoad() override;

private:
    void buildMenu();
    void setUpSettingsPanel();
    void setUpWorkshopPanel();
    void setUpAboutPanel();
    void clearWorkshop();
    bool workshopKeyDown(int field, int key);
};

} // namespace shell
