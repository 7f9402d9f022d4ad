// The maintenance functions of the Bombardier console: the key frame, the service frame
// and the Change Total Hours panel, the cluster settings frame and the actuators frame.
#include "consoles/bombardier/form28.h"

#include "consoles/bombardier/widgets.h"
#include "shell/errors32.h"
#include "ui/flexgrid.h"
#include "ui/twips.h"

#include <QGroupBox>
#include <QPushButton>

namespace bombardier {

using namespace widgets;

void Form28::buildMaintenancePanels() {
    Frame5 = overlay(this, "Frame5", QString(), 2640, 2160, 5775, 3135);
    Frame10 = overlay(this, "Frame10", QString(), 2040, 2400, 6735, 2895);
    Frame11 = overlay(this, "Frame11", QString(), 2760, 2520, 5415, 2535);
    Frame9 = overlay(this, "Frame9", QString(), 2160, 1440, 6495, 4455);
    Command46 = button(Frame9, "Command46", QStringLiteral("Save"), 360, 3960, 1815, 375);
    Command46->hide();
    Frame8 = overlay(this, "Frame8", QString(), 1320, 1080, 8295, 5415);
}

void Form28::loadMaintenanceCaptions() {}

void Form28::prepareKeyGrid() {}

void Form28::Command33_Click() {}
void Form28::Command12_Click() {}
void Form28::Command13_Click() {}
void Form28::Command13_GotFocus() {}
void Form28::Command5_GotFocus() {}
void Form28::Command47_Click() {}
void Form28::Check1_Click() {}
void Form28::Text6_GotFocus() {}
void Form28::Command50_Click() {}
void Form28::Command52_Click() {}
void Form28::Command53_Click() {}
void Form28::Command21_Click() {}
void Form28::Check2_Click() {}
void Form28::Check3_Click() {}
void Form28::Check4_Click() {}
void Form28::Check5_Click(int) {}
void Form28::Check6_Click(int) {}
void Form28::Command24_Click() {}
void Form28::Command6_Click() {}
void Form28::Command18_Click() {}

} // namespace bombardier
