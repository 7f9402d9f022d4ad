#pragma once

#include "ui/form.h"

class QPushButton;

namespace ui {
class FlexGrid;
}

namespace reference {

// The glossary: abbreviations and their meaning in the current language, read from the
// glossary database each time the window opens.
class Form9 : public ui::Form {
    Q_OBJECT
public:
    explicit Form9(QWidget* parent = nullptr);

    ui::FlexGrid* MSFlexGrid1 = nullptr;
    QPushButton* Command2 = nullptr;

    void Command2_Click();

    // The glossary database below the root folder.
    static const char* const kDatabaseFile;

protected:
    void onLoad() override;

private:
    void fillGrid();
};

// Window title for a language (1 Spanish ... 8 Swedish); empty for the design title.
QString glossaryTitle(int languageIndex);

} // namespace reference
