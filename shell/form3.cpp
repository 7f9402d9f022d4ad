#include "shell/form3.h"

#include "shell/catalog.h"
#include "shell/errors32.h"
#include "shell/form3_data.h"
#include "shell/settings.h"
#include "shell/window_registry.h"
#include "ui/accessibility.h"
#include "ui/design.h"
#include "ui/events.h"
#include "ui/twips.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace shell {

using namespace ERRORS32;

namespace {
constexpr int kClientWidth = 12000;
constexpr int kWindowHeight = 9000;

using ui::Kind;
// The menu bar is not in the table: it is made first, and "client" fills the window below
// it (placed at run time, once the menu bar's height is known).
constexpr ui::DesignRow kDesign[] = {
    // name, kind, parent, left, top, width, height, caption, alias
    {"client", Kind::Other, "", 0, 0, 12000, 9000, "", "everything below the menu bar"},
    {"Image1", Kind::Picture, "client", 0, 0, 12000, 9000, "", "background picture"},
    {"Frame1", Kind::Frame, "client", 240, 360, 6960, 4920, "Setting", "settings panel"},
    {"Frame9", Kind::Frame, "Frame1", 240, 360, 2520, 1080, "", "temperature unit"},
    {"Option4(1)", Kind::Option, "Frame9", 240, 240, 2040, 285, "Celsius", "Celsius"},
    {"Option4(2)", Kind::Option, "Frame9", 240, 600, 2040, 285, "Farenheit", "Fahrenheit"},
    {"Frame3", Kind::Frame, "Frame1", 240, 1560, 2520, 3120, "Language", "language"},
    {"Option2(1)", Kind::Option, "Frame3", 240, 360, 2040, 285, "Spanish", "Spanish"},
    {"Option2(2)", Kind::Option, "Frame3", 240, 690, 2040, 285, "English", "English"},
    {"Option2(3)", Kind::Option, "Frame3", 240, 1020, 2040, 285, "French", "French"},
    {"Option2(4)", Kind::Option, "Frame3", 240, 1350, 2040, 285, "Italian", "Italian"},
    {"Option2(5)", Kind::Option, "Frame3", 240, 1680, 2040, 285, "German", "German"},
    {"Option2(6)", Kind::Option, "Frame3", 240, 2010, 2040, 285, "Portuguese", "Portuguese"},
    {"Option2(7)", Kind::Option, "Frame3", 240, 2340, 2040, 285, "Suomi", "Suomi"},
    {"Option2(8)", Kind::Option, "Frame3", 240, 2670, 2040, 285, "Swedish", "Swedish"},
    {"Frame2", Kind::Frame, "Frame1", 3000, 360, 1800, 3120, "Port", "serial port"},
    {"Option1(1)", Kind::Option, "Frame2", 240, 360, 1320, 285, "COM1", "COM1"},
    {"Option1(2)", Kind::Option, "Frame2", 240, 690, 1320, 285, "COM2", "COM2"},
    {"Option1(3)", Kind::Option, "Frame2", 240, 1020, 1320, 285, "COM3", "COM3"},
    {"Option1(4)", Kind::Option, "Frame2", 240, 1350, 1320, 285, "COM4", "COM4"},
    {"Option1(5)", Kind::Option, "Frame2", 240, 1680, 1320, 285, "COM5", "COM5"},
    {"Option1(6)", Kind::Option, "Frame2", 240, 2010, 1320, 285, "COM6", "COM6"},
    {"Option1(7)", Kind::Option, "Frame2", 240, 2340, 1320, 285, "COM7", "COM7"},
    {"Option1(8)", Kind::Option, "Frame2", 240, 2670, 1320, 285, "COM8", "COM8"},
    {"Frame8", Kind::Frame, "Frame2", 120, 2880, 1560, 120, "", "adapter link (hidden)"},
    {"Option3(1)", Kind::Option, "Frame8", 0, 0, 700, 285, "RS232", "RS232"},
    {"Option3(2)", Kind::Option, "Frame8", 720, 0, 700, 285, "USB", "USB"},
    {"Command1", Kind::Button, "Frame1", 5040, 4080, 1680, 480, "Exit", "Exit"},
    {"Frame4", Kind::Frame, "client", 7440, 360, 4320, 2400, "Datos Taller", "workshop panel"},
    {"Label1", Kind::Label, "Frame4", 120, 405, 1200, 285, "Taller:", "workshop name"},
    {"Text1", Kind::TextBox, "Frame4", 1320, 360, 2880, 345, "", "workshop name field"},
    {"Label2", Kind::Label, "Frame4", 120, 885, 1200, 285, "Propietario:", "owner"},
    {"Text2", Kind::TextBox, "Frame4", 1320, 840, 2880, 345, "", "owner field"},
    {"Label3", Kind::Label, "Frame4", 120, 1365, 1200, 285, "Dirección:", "address"},
    {"Text3", Kind::TextBox, "Frame4", 1320, 1320, 2880, 345, "", "address field"},
    {"Label4", Kind::Label, "Frame4", 120, 1845, 720, 285, "N.I.F.:", "tax number"},
    {"Text4", Kind::TextBox, "Frame4", 840, 1800, 1200, 345, "", "tax number field"},
    {"Label5", Kind::Label, "Frame4", 2160, 1845, 1080, 285, "Teléfono:", "telephone"},
    {"Text5", Kind::TextBox, "Frame4", 3240, 1800, 960, 345, "", "telephone field"},
    {"Frame7", Kind::Frame, "client", 240, 5400, 11520, 2880, "About....", "about panel"},
    {"Label13", Kind::Label, "Frame7", 240, 300, 11040, 600, "", "legal notice"},
    {"Label12", Kind::Label, "Frame7", 240, 900, 11040, 600, "", "copying warning"},
    {"Label11", Kind::Label, "Frame7", 240, 1560, 6000, 285, "", "factory email"},
    {"Label7", Kind::Label, "Frame7", 240, 1860, 6000, 285, "", "distribution email"},
    {"Label14", Kind::Label, "Frame7", 240, 2280, 8400, 285, "", "trademark note"},
    {"Command4", Kind::Button, "Frame7", 9600, 2160, 1680, 480, "Aceptar", "close the about panel"},
};

QWidget* makeClient(const ui::DesignRow&, QWidget* parent) {
    return new QWidget(parent);
}

// Elements 1..count of an option array; element 0 is unused.
QList<QRadioButton*> options(const ui::Design& design, const char* name, int count) {
    QList<QRadioButton*> list{nullptr};
    for (int i = 1; i <= count; ++i)
        list << qobject_cast<QRadioButton*>(design.widget(ui::indexed(name, i)));
    return list;
}
} // namespace

Form3::Form3(QWidget* parent) : ui::Form(parent) {
    setWindowTitle(QStringLiteral("Orvane V 1.20 (Demo)"));
    buildMenu();

    const ui::Design design(this, kDesign, makeClient);
    design.get({{client, "client"},
                {Image1, "Image1"},
                {Frame1, "Frame1"},
                {Frame9, "Frame9"},
                {Frame3, "Frame3"},
                {Frame2, "Frame2"},
                {Frame8, "Frame8"},
                {Command1, "Command1"},
                {Frame4, "Frame4"},
                {Frame7, "Frame7"},
                {Label13, "Label13"},
                {Label12, "Label12"},
                {Label11, "Label11"},
                {Label7, "Label7"},
                {Label14, "Label14"},
                {Command4, "Command4"}});
    Option1 = options(design, "Option1", 8);
    Option2 = options(design, "Option2", 8);
    Option3 = options(design, "Option3", 2);
    Option4 = options(design, "Option4", 2);
    for (int i = 1; i <= 5; ++i) {
        QLabel* l = nullptr;
        QLineEdit* t = nullptr;
        const QByteArray label = "Label" + QByteArray::number(i);
        const QByteArray text = "Text" + QByteArray::number(i);
        design.get({{l, label.constData()}, {t, text.constData()}});
        workshopLabels << l;
        workshopFields << t;
    }

    Image1->setScaledContents(true);
    // Twice the pixels on a high-density screen, so that the picture stays sharp.
    Image1->setPixmap(QPixmap(devicePixelRatioF() > 1.0
                                  ? QStringLiteral(":/shell/background@2x.jpg")
                                  : QStringLiteral(":/shell/background.jpg")));
    Image1->setAccessibleName(QStringLiteral("Orvane"));

    setUpSettingsPanel();
    setUpWorkshopPanel();
    setUpAboutPanel();

    // The panels are opaque over the background picture.
    for (QGroupBox* panel : {Frame1, Frame4, Frame7}) {
        panel->setAutoFillBackground(true);
        panel->setBackgroundRole(QPalette::Window);
    }

    const int menuHeight = menu->sizeHint().height();
    menu->setGeometry(0, 0, ui::px(kClientWidth), menuHeight);
    client->setGeometry(0, menuHeight, ui::px(kClientWidth), ui::px(kWindowHeight) - menuHeight);
    Image1->setGeometry(client->rect());
    setFixedSize(ui::px(kClientWidth), ui::px(kWindowHeight));
}

void Form3::buildMenu() {
    menu = new QMenuBar(this);
    menu->setObjectName(QStringLiteral("menu"));
    menu->setNativeMenuBar(false);
    auto direct = [this](const QString& caption, const QString& name, const QString& window) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, [this, window] { openWindow(window); });
        return a;
    };
    jet = direct(QStringLiteral("Bombardier"), QStringLiteral("jet"), QStringLiteral("Form28"));
    sno = direct(QStringLiteral("Kawasaki"), QStringLiteral("sno"), QStringLiteral("Form71"));
    yamih = direct(QStringLiteral("Yamaha"), QStringLiteral("yamih"), QStringLiteral("Form55"));
    qua = direct(QStringLiteral("Polaris"), QStringLiteral("qua"), QStringLiteral("Form72"));

    auto entry = [](QMenu* m, const QString& caption, const QString& name) {
        QAction* a = m->addAction(caption);
        a->setObjectName(name);
        return a;
    };
    QMenu* config = menu->addMenu(QStringLiteral("Setting"));
    config->setObjectName(QStringLiteral("config"));
    confi1 = entry(config, QStringLiteral("Setting"), QStringLiteral("confi1"));
    taller = entry(config, QStringLiteral("Workshop"), QStringLiteral("taller"));
    connect(confi1, &QAction::triggered, this, &Form3::confi1_Click);
    connect(taller, &QAction::triggered, this, &Form3::taller_Click);

    QMenu* ayuda = menu->addMenu(QStringLiteral("Help"));
    ayuda->setObjectName(QStringLiteral("ayuda"));
    acronimos = entry(ayuda, QStringLiteral("Glosary"), QStringLiteral("acronimos"));
    conectores = entry(ayuda, QStringLiteral("Sockets"), QStringLiteral("conectores"));
    connect(acronimos, &QAction::triggered, this, [this] {
        openWindow(QStringLiteral("Form9"));
        if (auto* f = WindowRegistry::instance().find(QStringLiteral("Form9"))) f->show();
    });
    connect(conectores, &QAction::triggered, this, [this] { openWindow(QStringLiteral("Form6")); });

    QMenu* histo = menu->addMenu(QStringLiteral("History"));
    histo->setObjectName(QStringLiteral("histo"));
    histo1 = entry(histo, QStringLiteral("History"), QStringLiteral("histo1"));
    connect(histo1, &QAction::triggered, this, [this] { openWindow(QStringLiteral("Form10")); });

    QMenu* aer = menu->addMenu(QStringLiteral("About...."));
    aer->setObjectName(QStringLiteral("aer"));
    ac = entry(aer, QStringLiteral("About...."), QStringLiteral("ac"));
    connect(ac, &QAction::triggered, this, &Form3::ac_Click);
    // The menu is the only way into the program: Alt and F10 reach it from the keyboard.
    ui::enterMenuBarWithF10(menu);
}

void Form3::setUpSettingsPanel() {
    // The adapter link is kept but never offered to the user.
    Frame8->hide();
    for (int i = 1; i <= 8; ++i) {
        connect(Option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
        connect(Option2[i], &QRadioButton::clicked, this, [this, i] { Option2_Click(i); });
    }
    for (int i = 1; i <= 2; ++i) {
        connect(Option3[i], &QRadioButton::clicked, this, [this, i] { Option3_Click(i); });
        connect(Option4[i], &QRadioButton::clicked, this, [this, i] { Option4_Click(i); });
    }
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    Frame1->hide();
}

void Form3::setUpWorkshopPanel() {
    for (int i = 0; i < 5; ++i) {
        QLabel* l = workshopLabels[i];
        QLineEdit* t = workshopFields[i];
        t->setMaxLength(30);
        l->setBuddy(t);
        ui::caretToEndOnFocus(t);
        ui::onKeyDown(t, [this, i](int key) { return workshopKeyDown(i, key); });
    }
    Frame4->hide();
}

void Form3::setUpAboutPanel() {
    Label13->setText(QString::fromUtf8(form3data::aboutTexts(1)->legalNotice));
    Label12->setText(QString::fromUtf8(form3data::kCopyWarning));
    Label11->setText(QString::fromUtf8(form3data::kFactoryEmail));
    Label7->setText(QString::fromUtf8(form3data::kDistributionEmail));
    Label14->setText(catalogText("CatTrademarkNote", 2));
    for (QLabel* l : {Label13, Label12})
        l->setWordWrap(true);
    connect(Command4, &QPushButton::clicked, this, &Form3::Command4_Click);
    Frame7->hide();
}

void Form3::onLoad() {
    // Top edge of the screen, horizontally where the window system put it (centred).
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect avail = s->availableGeometry();
        move(avail.x() + std::max(0, (avail.width() - width()) / 2), avail.y());
    }
    show();
    prepareRootFolder();
    runStartup();
}

void Form3::openWindow(const QString& name) {
    WindowRegistry::instance().load(name);
}

void Form3::confi1_Click() {
    Command1->setText(CatExit);
    Frame1->show();
    Frame1->raise();
    if (PortType != 25) {
        ui::setValue(Option3[1], true);
        PortType = 24;
    } else {
        ui::setValue(Option3[2], true);
    }
    if (LanguageIndex >= 1 && LanguageIndex <= 8) ui::setValue(Option2[LanguageIndex], true);
    if (TemperatureUnit == 1 || TemperatureUnit == 0)
        ui::setValue(Option4[1], true);
    else if (TemperatureUnit == 2)
        ui::setValue(Option4[2], true);
    if (PortNumber >= 0 && PortNumber <= 7) ui::setValue(Option1[PortNumber + 1], true);
    Frame1->setTitle(CatSettings);
    Frame3->setTitle(CatLanguage);
    Command1->setFocus();
}

void Form3::Option1_Click(int index) {
    PortNumber = index - 1;
    writeSetting(kPortFile, PortNumber);
}

void Form3::Option2_Click(int index) {
    LanguageIndex = static_cast<short>(index);
    writeSetting(kLanguageFile, LanguageIndex);
    FillLanguageCatalog();
    Label14->setText(CatTrademarkNote);
    Command1->setText(CatExit);
    Frame1->setTitle(CatSettings);
    Frame3->setTitle(CatLanguage);
}

void Form3::Option3_Click(int index) {
    PortType = static_cast<short>(index == 2 ? 25 : 24);
    writeSetting(kPortTypeFile, PortType);
}

void Form3::Option4_Click(int index) {
    TemperatureUnit = static_cast<short>(index == 2 ? 2 : 1);
    writeSetting(kTemperatureFile, TemperatureUnit);
}

void Form3::Command1_Click() {
    if (Option4[1]->isChecked())
        TemperatureUnit = 1;
    else if (Option4[2]->isChecked())
        TemperatureUnit = 2;
    writeSetting(kTemperatureFile, TemperatureUnit);
    Frame1->hide();
    clearWorkshop();
}

void Form3::taller_Click() {
    if (const auto* c = form3data::workshopCaptions(LanguageIndex)) {
        if (c->text[0]) Frame4->setTitle(QString::fromUtf8(c->text[0]));
        for (int i = 0; i < 5; ++i)
            if (c->text[i + 1]) workshopLabels[i]->setText(QString::fromUtf8(c->text[i + 1]));
    }
    Frame4->show();
    Frame4->raise();
    workshopFields[0]->setFocus();
}

void Form3::clearWorkshop() {
    for (QLineEdit* t : std::as_const(workshopFields))
        t->clear();
    Frame4->hide();
}

bool Form3::workshopKeyDown(int field, int key) {
    if (key == Qt::Key_Escape) {
        clearWorkshop();
        return true;
    }
    if (!ui::isEnter(key)) return false;
    if (field < 4)
        workshopFields[field + 1]->setFocus();
    else
        clearWorkshop();
    return true;
}

void Form3::ac_Click() {
    if (const auto* t = form3data::aboutTexts(LanguageIndex)) {
        Frame7->setTitle(QString::fromUtf8(t->frameCaption));
        Label13->setText(QString::fromUtf8(t->legalNotice));
        if (LanguageIndex == 2) {
            Label12->setText(QString::fromUtf8(form3data::kCopyWarning));
            Label12->show();
        } else if (LanguageIndex == 1) {
            Label12->show();
        } else {
            Label12->hide();
        }
    }
    Frame7->show();
    Frame7->raise();
    Command4->setText(CatExit);
    Command4->setFocus();
}

void Form3::Command4_Click() {
    Frame7->hide();
}

} // namespace shell
