// Renders the main window and each of its panels to PNG files (docs/screenshots/).
// Usage: shoot_main OUTPUT_DIR
#include "shell/errors32.h"
#include "shell/form3.h"
#include "shell/window_registry.h"
#include "tools/screenshots/shoot.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

int main(int argc, char* argv[]) {
    shoot::Session session(argc, argv);
    auto* f =
        static_cast<shell::Form3*>(shell::WindowRegistry::instance().load(QStringLiteral("Form3")));
    auto shoot = [&](const char* name) { session.save(f, QString::fromLatin1(name)); };
    shoot("main.png");
    f->confi1->trigger();
    shoot("main-settings.png");
    f->Option2[2]->click();
    shoot("main-settings-english.png");
    f->Command1->click();
    f->taller->trigger();
    f->workshopFields[0]->setText(QStringLiteral("Talleres Demo S.L."));
    f->workshopFields[1]->setText(QStringLiteral("J. Pérez"));
    shoot("main-workshop.png");
    f->workshopFields[0]->clear();
    f->workshopFields[1]->clear();
    f->Frame4->hide();
    f->ac->trigger();
    shoot("main-about.png");
    f->confi1->trigger();
    f->taller->trigger();
    shoot("main-all-panels.png");
    return 0;
}
