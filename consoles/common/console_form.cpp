#include "consoles/common/console_form.h"

#include "shell/errors32.h"
#include "ui/events.h"
#include "ui/twips.h"
#include "ui/widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace consoles {

ConsoleForm::ConsoleForm(QWidget* parent) : ui::Form(parent) {}

ui::Design ConsoleForm::buildConsole(std::span<const ui::DesignRow> design, const Look& look,
                                     const ui::Design::MakeOther& makeOther) {
    setWindowTitle(QString::fromUtf8(look.title));
    setClientSizeTw(kClientWidth, kClientHeight);
    ui::paintBack(this, ui::kMaroon);
    if (look.text.isValid()) ui::paintText(this, look.text);

    ui::Design d(this, design, makeOther);
    d.get({{Frame3, "Frame3"},
           {Command29, "Command29"},
           {Frame2, "Frame2"},
           {List1, "List1"},
           {Frame1, "Frame1"},
           {Command2, "Command2"},
           {Command3, "Command3"},
           {Command4, "Command4"},
           {Frame14, "Frame14"},
           {Label51, "Label51"},
           {Frame7, "Frame7"},
           {Label7, "Label7"},
           {Command15, "Command15"}});

    // The function buttons wait for a connection.
    const QList<QPushButton*> functions = Frame3->findChildren<QPushButton*>();
    if (look.fixedPitchButtonBlock) Frame3->setFont(ui::fixedFont());
    for (QPushButton* b : functions) {
        if (look.fixedPitchButtonBlock) ui::keepDefaultFont(b);
        if (b != Command29) b->setEnabled(false);
    }

    List1->setFont(ui::fixedFont());
    QPalette p = List1->palette();
    p.setColor(QPalette::Base, ui::kLightGrey);
    p.setColor(QPalette::Text, ui::kDarkRed);
    List1->setPalette(p);

    Frame14->setFont(ui::fixedFont());
    ui::paintText(Label51, ui::kRed);
    Label7->setAlignment(Qt::AlignCenter);
    ui::paintText(Label7, ui::kDarkRed);
    if (look.linesOnGrey) {
        ui::paintBack(Label51, ui::kGrey);
        ui::paintBack(Label7, ui::kGrey);
    }
    Frame14->hide();
    Frame7->hide();
    m_bars = look.bars;

    auto buttons = [&d](const QList<const char*>& names) {
        QList<QPushButton*> out;
        for (const char* name : names)
            out << qobject_cast<QPushButton*>(d.widget(QString::fromLatin1(name)));
        return out;
    };
    m_enableSet = buttons(look.enableSet);
    m_disableSet = buttons(look.disableSet);

    connect(Command3, &QPushButton::clicked, this, &ui::Form::unload);
    ui::onEscape(Command3, [this] { unload(); });
    connect(Command15, &QPushButton::clicked, this, &ConsoleForm::Command15_Click);
    return d;
}

bool ConsoleForm::ShowConnectingProgress(const Ticket& ticket) {
    setBusy(true);
    Label51->setText(QStringLiteral(" "));
    Frame14->setTitle(ERRORS32::CatInitComm);
    Frame14->show();
    Frame14->raise();
    return growBar(Label51, QStringLiteral("I"), m_bars, kYieldsPerBar, ticket);
}

bool ConsoleForm::growBar(QLabel* bar, const QString& step, int steps, int yields,
                          const Ticket& ticket) {
    for (int i = 0; i < steps; ++i) {
        bar->setText(bar->text() + step);
        if (!yieldTimes(yields, ticket)) return false;
    }
    return true;
}

void ConsoleForm::EnableConsoleButtons() {
    m_panelOpen = false;
    for (QPushButton* b : std::as_const(m_enableSet))
        b->setEnabled(true);
}

void ConsoleForm::DisableConsoleButtons() {
    m_panelOpen = true;
    for (QPushButton* b : std::as_const(m_disableSet))
        b->setEnabled(false);
}

void ConsoleForm::Command15_Click() {
    Frame7->hide();
    focusExit();
}

void ConsoleForm::focusExit() {
    Command3->setFocus();
}

void ConsoleForm::showMessage(const QString& text) {
    Label7->setText(text);
    Frame7->show();
    Frame7->raise();
    Command15->setFocus();
}

void ConsoleForm::showMessage(const QString& text, const QString& caption) {
    Frame7->setTitle(caption);
    showMessage(text);
}

} // namespace consoles
