#include "shell/form3.h"

#include "shell/catalog.h"
#include "shell/errors32.h"
#include "shell/form3_data.h"
#include "shell/settings.h"
#include "shell/window_registry.h"
#include "ui/accessibility.h"
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

QRadioButton* option(QWidget* parent, const QString& name, int index, const QString& caption,
                     int left, int top, int width) {
    auto* b = new QRadioButton(caption, parent);
    b->setObjectName(QStringLiteral("%1(%2)").arg(name).arg(index));
    ui::place(b, left, top, width, 285);
    return b;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}
} // namespace

Form3::Form3(QWidget* parent) : ui::Form(parent) {
    setWindowTitle(QStringLiteral("Orvane V 1.20 (Demo)"));
    buildMenu();

    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    Image1 = new QLabel(client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    // Twice the pixels on a high-density screen, so that the picture stays sharp.
    Image1->setPixmap(QPixmap(devicePixelRatioF() > 1.0
                                  ? QStringLiteral(":/shell/background@2x.jpg")
                                  : QStringLiteral(":/shell/background.jpg")));
    Image1->setAccessibleName(QStringLiteral("Orvane"));

    buildSettingsPanel();
    buildWorkshopPanel();
    buildAboutPanel();

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

void Form3::buildSettingsPanel() {
    Frame1 = new QGroupBox(QStringLiteral("Setting"), client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    ui::place(Frame1, 240, 360, 6960, 4920);

    Frame9 = new QGroupBox(Frame1);
    Frame9->setObjectName(QStringLiteral("Frame9"));
    ui::place(Frame9, 240, 360, 2520, 1080);
    Option4 = {nullptr};
    Option4 << option(Frame9, QStringLiteral("Option4"), 1, QStringLiteral("Celsius"), 240, 240,
                      2040)
            << option(Frame9, QStringLiteral("Option4"), 2, QStringLiteral("Farenheit"), 240, 600,
                      2040);

    Frame3 = new QGroupBox(QStringLiteral("Language"), Frame1);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    ui::place(Frame3, 240, 1560, 2520, 3120);
    const char* languages[] = {"Spanish", "English",    "French", "Italian",
                               "German",  "Portuguese", "Suomi",  "Swedish"};
    Option2 = {nullptr};
    for (int i = 1; i <= 8; ++i)
        Option2 << option(Frame3, QStringLiteral("Option2"), i,
                          QString::fromLatin1(languages[i - 1]), 240, 360 + (i - 1) * 330, 2040);

    Frame2 = new QGroupBox(QStringLiteral("Port"), Frame1);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    ui::place(Frame2, 3000, 360, 1800, 3120);
    Option1 = {nullptr};
    for (int i = 1; i <= 8; ++i)
        Option1 << option(Frame2, QStringLiteral("Option1"), i, QStringLiteral("COM%1").arg(i), 240,
                          360 + (i - 1) * 330, 1320);
    // The adapter link is kept but never offered to the user.
    Frame8 = new QGroupBox(Frame2);
    Frame8->setObjectName(QStringLiteral("Frame8"));
    ui::place(Frame8, 120, 2880, 1560, 120);
    Frame8->hide();
    Option3 = {nullptr};
    Option3 << option(Frame8, QStringLiteral("Option3"), 1, QStringLiteral("RS232"), 0, 0, 700)
            << option(Frame8, QStringLiteral("Option3"), 2, QStringLiteral("USB"), 720, 0, 700);

    Command1 = new QPushButton(QStringLiteral("Exit"), Frame1);
    Command1->setObjectName(QStringLiteral("Command1"));
    ui::place(Command1, 5040, 4080, 1680, 480);

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

void Form3::buildWorkshopPanel() {
    Frame4 = new QGroupBox(QStringLiteral("Datos Taller"), client);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    ui::place(Frame4, 7440, 360, 4320, 2400);
    const char* captions[] = {"Taller:", "Propietario:", "Dirección:", "N.I.F.:", "Teléfono:"};
    // Rows: name, owner and address full width; tax number and telephone share row four.
    const int geometry[5][4] = {{120, 360, 1200, 2880},
                                {120, 840, 1200, 2880},
                                {120, 1320, 1200, 2880},
                                {120, 1800, 720, 1200},
                                {2160, 1800, 1080, 960}};
    for (int i = 0; i < 5; ++i) {
        auto* l =
            label(Frame4, QStringLiteral("Label%1").arg(i + 1), QString::fromUtf8(captions[i]));
        auto* t = new QLineEdit(Frame4);
        t->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        t->setMaxLength(30);
        const auto& g = geometry[i];
        ui::place(l, g[0], g[1] + 45, g[2], 285);
        ui::place(t, g[0] + g[2], g[1], g[3], 345);
        l->setBuddy(t);
        workshopLabels << l;
        workshopFields << t;
        ui::caretToEndOnFocus(t);
        ui::onKeyDown(t, [this, i](int key) { return workshopKeyDown(i, key); });
    }
    Frame4->hide();
}

void Form3::buildAboutPanel() {
    Frame7 = new QGroupBox(QStringLiteral("About...."), client);
    Frame7->setObjectName(QStringLiteral("Frame7"));
    ui::place(Frame7, 240, 5400, 11520, 2880);
    Label13 = label(Frame7, QStringLiteral("Label13"),
                    QString::fromUtf8(form3data::aboutTexts(1)->legalNotice));
    Label12 = label(Frame7, QStringLiteral("Label12"), QString::fromUtf8(form3data::kCopyWarning));
    Label11 = label(Frame7, QStringLiteral("Label11"), QString::fromUtf8(form3data::kFactoryEmail));
    Label7 =
        label(Frame7, QStringLiteral("Label7"), QString::fromUtf8(form3data::kDistributionEmail));
    Label14 = label(Frame7, QStringLiteral("Label14"), catalogText("CatTrademarkNote", 2));
    for (QLabel* l : {Label13, Label12})
        l->setWordWrap(true);
    ui::place(Label13, 240, 300, 11040, 600);
    ui::place(Label12, 240, 900, 11040, 600);
    ui::place(Label11, 240, 1560, 6000, 285);
    ui::place(Label7, 240, 1860, 6000, 285);
    ui::place(Label14, 240, 2280, 8400, 285);
    Command4 = new QPushButton(QStringLiteral("Aceptar"), Frame7);
    Command4->setObjectName(QStringLiteral("Command4"));
    ui::place(Command4, 9600, 2160, 1680, 480);
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
