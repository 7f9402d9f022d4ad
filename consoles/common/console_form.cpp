#include "consoles/common/console_form.h"

#include "shell/errors32.h"
#include "ui/events.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace consoles {

ConsoleForm::ConsoleForm(QWidget* parent) : ui::Form(parent) {}

void ConsoleForm::setProgressPanel(QGroupBox* frame, QLabel* bar, int bars) {
    m_progressFrame = frame;
    m_progressBar = bar;
    m_bars = bars;
}

void ConsoleForm::setMessagePanel(QGroupBox* frame, QLabel* line, QPushButton* exit) {
    m_messageFrame = frame;
    m_messageLine = line;
    m_messageExit = exit;
}

void ConsoleForm::setConsoleButtons(QList<QPushButton*> enableSet, QList<QPushButton*> disableSet) {
    m_enableSet = std::move(enableSet);
    m_disableSet = std::move(disableSet);
}

void ConsoleForm::setExitButton(QPushButton* exit) {
    m_exit = exit;
    connect(exit, &QPushButton::clicked, this, &ui::Form::unload);
    ui::onKeyDown(exit, [this](int key) {
        if (key != Qt::Key_Escape) return false;
        unload();
        return true;
    });
}

bool ConsoleForm::ShowConnectingProgress(const Ticket& ticket) {
    setBusy(true);
    m_progressBar->setText(QStringLiteral(" "));
    m_progressFrame->setTitle(ERRORS32::CatInitComm);
    m_progressFrame->show();
    m_progressFrame->raise();
    for (int i = 0; i < m_bars; ++i)
        if (!growBar(QStringLiteral("I"), kYieldsPerBar, ticket)) return false;
    return true;
}

bool ConsoleForm::growBar(const QString& bars, int count, const Ticket& ticket) {
    m_progressBar->setText(m_progressBar->text() + bars);
    return yieldTimes(count, ticket);
}

void ConsoleForm::EnableConsoleButtons() {
    for (QPushButton* b : std::as_const(m_enableSet))
        b->setEnabled(true);
}

void ConsoleForm::DisableConsoleButtons() {
    for (QPushButton* b : std::as_const(m_disableSet))
        b->setEnabled(false);
}

void ConsoleForm::showMessage(const QString& text) {
    m_messageLine->setText(text);
    m_messageFrame->show();
    m_messageFrame->raise();
    m_messageExit->setFocus();
}

void ConsoleForm::showMessage(const QString& text, const QString& caption) {
    m_messageFrame->setTitle(caption);
    showMessage(text);
}

} // namespace consoles
