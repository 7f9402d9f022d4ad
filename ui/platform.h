#pragma once

#include <QDate>
#include <QString>

class QWidget;

namespace ui {

class Pace;

// The program's title, used on every message box.
inline constexpr const char* kProgramTitle = "Terrasond";

// The services of the window system that the windows use besides their own controls.
// The running program uses QtPlatform; tests install a replacement that records
// message boxes, counts yields and fixes the date.
class Platform {
public:
    virtual ~Platform() = default;

    // OK-only message box titled with the program's title; returns when dismissed.
    virtual void messageBox(QWidget* parent, const QString& text) = 0;
    virtual void beep() = 0;
    // Handles pending input and paint events of every window, then returns.
    virtual void yield() = 0;
    // Hourglass (true) or default arrow (false) over the given window.
    virtual void setBusyPointer(QWidget* window, bool busy) = 0;
    virtual QDate today() = 0;
    // The folder that stands for the root folder of the original installation.
    virtual QString rootFolder() = 0;
};

// The platform in force. Never null once the program or a test has started.
Platform& platform();
// Installs a platform; the caller keeps ownership. Returns the previous one.
Platform* setPlatform(Platform* p);

// The pace of the counted yields (presentation mode, ui/pace.h), or nullptr: yields run at
// full speed. A platform's yield calls paceYield() once it has handled the events.
Pace* pace();
// Installs a pace; the caller keeps ownership. Returns the previous one.
Pace* setPace(Pace* p);
void paceYield();

// The running program's platform. Its yield handles the pending events and then keeps the
// pace in force, if any.
class QtPlatform : public Platform {
public:
    explicit QtPlatform(QString root);
    void messageBox(QWidget* parent, const QString& text) override;
    void beep() override;
    void yield() override;
    void setBusyPointer(QWidget* window, bool busy) override;
    QDate today() override;
    QString rootFolder() override;

private:
    QString m_root;
};

// Absolute path of a file below the root folder ("port.DAT", "orvanedemo/terrasond/ok.jpg").
QString rootPath(const QString& relative);

// Where a data file is read from: the user's copy below the root folder when it exists,
// otherwise the copy bundled with the program (a Qt resource under ":/bundled/"),
// otherwise the path below the root folder, so that loading it fails as a missing file does.
QString dataFile(const QString& relative);

} // namespace ui
