// The demonstration of --tour. Everything the tour knows of the windows is here: which
// menu entry opens them, which controls it works and in what order. It works the windows
// only through what a user can reach: a menu entry, a shown and enabled button (clicked,
// so its own handler runs), the click handler of a shown control.

#include "tour/tour.h"

#include "shell/form3.h"

#ifdef TERRASOND_HAS_BOMBARDIER
#include "consoles/bombardier/form28.h"
#endif
#ifdef TERRASOND_HAS_POLARIS
#include "consoles/polaris/form72.h"
#endif
#ifdef TERRASOND_HAS_KAWASAKI
#include "consoles/kawasaki/form71.h"
#endif
#ifdef TERRASOND_HAS_YAMAHA
#include "consoles/yamaha/form55.h"
#include "ui/flexgrid.h"
#include <QComboBox>
#include <QTabWidget>
#endif
#ifdef TERRASOND_HAS_REFERENCE
#include "reference/form6.h"
#include "reference/form9.h"
#endif

#include <QAbstractButton>
#include <QAction>
#include <QPushButton>

namespace tour {

namespace {

// A user reaches a control only while it is shown and enabled.
bool usable(const QWidget* w) {
    return w && w->isVisible() && w->isEnabled();
}

// A click on a button: its own handler runs (and returns when its operation is over).
bool press(QAbstractButton* b) {
    if (!usable(b)) return false;
    b->click();
    return true;
}

// A menu entry of the main window.
bool choose(QAction* entry) {
    if (!entry || !entry->isEnabled()) return false;
    entry->trigger();
    return true;
}

// A step on window `name` of class F.
template <class F, class A>
Step on(Caption caption, const char* name, int pauseMs, A act, bool runsOn = false) {
    return Step{caption, QString::fromLatin1(name),
                [act](ui::Form* w) {
                    F* f = qobject_cast<F*>(w);
                    return f && act(f);
                },
                pauseMs, runsOn};
}

using shell::Form3;

Step menu(Caption caption, QAction* Form3::*entry, int pauseMs) {
    return on<Form3>(caption, "Form3", pauseMs, [entry](Form3* f) { return choose(f->*entry); });
}

} // namespace

std::vector<Step> demonstration() {
    std::vector<Step> s;
    s.push_back(on<Form3>(Caption::Welcome, "Form3", 3000, [](Form3*) { return true; }));

#ifdef TERRASOND_HAS_BOMBARDIER
    {
        using bombardier::Form28;
        const char* w = "Form28";
        auto at = [&](Caption c, QPushButton* Form28::*b, int pause) {
            s.push_back(on<Form28>(c, w, pause, [b](Form28* f) { return press(f->*b); }));
        };
        s.push_back(menu(Caption::OpenBombardier, &Form3::jet, 2000));
        at(Caption::Connect, &Form28::Command29, 2500);
        at(Caption::ReadFaults, &Form28::Command30, 5000);
        at(Caption::EraseFaults, &Form28::Command1, 3000);
        at(Caption::Keep, &Form28::Command15, 800);
        at(Caption::LiveData, &Form28::Command31, 2500); // History/Live Data
        at(Caption::Keep, &Form28::Command66, 3000);     // Monitoring
        at(Caption::Keep, &Form28::Command64, 800);
        at(Caption::CloseConsole, &Form28::Command3, 1500);
    }
#endif

#ifdef TERRASOND_HAS_POLARIS
    {
        using polaris::Form72;
        const char* w = "Form72";
        auto at = [&](Caption c, QPushButton* Form72::*b, int pause, bool runsOn = false) {
            s.push_back(on<Form72>(
                c, w, pause, [b](Form72* f) { return press(f->*b); }, runsOn));
        };
        s.push_back(menu(Caption::OpenPolaris, &Form3::qua, 2000));
        at(Caption::Connect, &Form72::Command29, 2500);
        at(Caption::ReadFaults, &Form72::Command30, 5000);
        at(Caption::EraseFaults, &Form72::Command1, 3000);
        at(Caption::Keep, &Form72::Command15, 800);
        at(Caption::LiveData, &Form72::Command31, 1500);
        at(Caption::LiveReading, &Form72::Command13, 4000, true); // reads until Stop
        // The "?" of the third parameter, while the reading goes on.
        s.push_back(on<Form72>(Caption::ParameterHelp, w, 5000, [](Form72* f) {
            constexpr int kParameter = 2;
            if (f->Label28.size() <= kParameter || !usable(f->Label28[kParameter])) return false;
            f->Label28_Click(kParameter);
            return true;
        }));
        at(Caption::Keep, &Form72::Command6, 1500);
        at(Caption::StopReading, &Form72::Command12, 1500); // Stop
        at(Caption::Keep, &Form72::Command12, 800);         // Exit of the panel
        at(Caption::CloseConsole, &Form72::Command3, 1500);
    }
#endif

#ifdef TERRASOND_HAS_KAWASAKI
    {
        using kawasaki::Form71;
        const char* w = "Form71";
        auto at = [&](Caption c, QPushButton* Form71::*b, int pause) {
            s.push_back(on<Form71>(c, w, pause, [b](Form71* f) { return press(f->*b); }));
        };
        s.push_back(menu(Caption::OpenKawasaki, &Form3::sno, 2000));
        at(Caption::Connect, &Form71::Command29, 2500);
        at(Caption::ReadFaults, &Form71::Command30, 5000);
        at(Caption::EraseFaults, &Form71::Command1, 3000);
        at(Caption::Keep, &Form71::Command15, 800);
        at(Caption::LiveData, &Form71::Command11, 3000);
        at(Caption::Keep, &Form71::Command12, 800);
        at(Caption::Actuators, &Form71::Command31, 1500);
        at(Caption::Keep, &Form71::Command33, 2500); // idle actuator
        at(Caption::Keep, &Form71::Command18, 800);
        at(Caption::CloseConsole, &Form71::Command3, 1500);
    }
#endif

#ifdef TERRASOND_HAS_YAMAHA
    {
        using yamaha::Form55;
        const char* w = "Form55";
        s.push_back(menu(Caption::YamahaGuide, &Form3::yamih, 1500));
        // The first model of the list, as chosen in the combo box.
        s.push_back(on<Form55>(Caption::Keep, w, 4000, [](Form55* f) {
            if (!usable(f->Combo1) || f->Combo1->count() == 0) return false;
            f->Combo1->setCurrentIndex(0);
            f->Combo1_Click(0);
            return true;
        }));
        s.push_back(on<Form55>(Caption::YamahaCodes, w, 3000, [](Form55* f) {
            if (!usable(f->SSTab1)) return false;
            f->SSTab1->setCurrentIndex(1);
            return true;
        }));
        // The first code of the table, then the details tab.
        s.push_back(on<Form55>(Caption::YamahaDetails, w, 5000, [](Form55* f) {
            constexpr int kRow = 1;
            if (!usable(f->MSFlexGrid1) || f->MSFlexGrid1->textAt(kRow, 0).isEmpty()) return false;
            f->MSFlexGrid1->setRow(kRow);
            f->MSFlexGrid1->setCol(0);
            f->MSFlexGrid1_Click();
            f->SSTab1->setCurrentIndex(2);
            return true;
        }));
        s.push_back(
            on<Form55>(Caption::Keep, w, 800, [](Form55* f) { return press(f->Command3); }));
    }
#endif

#ifdef TERRASOND_HAS_REFERENCE
    {
        using reference::Form6;
        using reference::Form9;
        s.push_back(menu(Caption::Glossary, &Form3::acronimos, 4000));
        s.push_back(
            on<Form9>(Caption::Keep, "Form9", 800, [](Form9* f) { return press(f->Command2); }));
        const char* w = "Form6";
        auto at = [&](Caption c, QPushButton* Form6::*b, int pause) {
            s.push_back(on<Form6>(c, w, pause, [b](Form6* f) { return press(f->*b); }));
        };
        s.push_back(menu(Caption::Connectors, &Form3::conectores, 2500));
        at(Caption::Keep, &Form6::Command3, 2500); // Polaris
        at(Caption::Keep, &Form6::Command4, 2500); // Kawasaki: four small pictures
        // A small picture, enlarged (it can be clicked only while nothing covers it).
        s.push_back(on<Form6>(Caption::Keep, w, 2500, [](Form6* f) {
            if (!usable(f->Image2) || !f->Image1->isHidden()) return false;
            f->Image2_Click();
            return true;
        }));
        at(Caption::Keep, &Form6::Command1, 2500); // Bombardier
        at(Caption::Keep, &Form6::Command2, 800);  // Exit
    }
#endif
    return s;
}

} // namespace tour
