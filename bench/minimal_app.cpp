// The floor of the start-up figures: the smallest Qt Widgets program that shows one
// window (a caption, a label and a button), with the same start-up probe as the program.
#include "app/idle_probe.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app::IdleProbe::installIfRequested(&app);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Hello"), &window));
    auto* exit = new QPushButton(QStringLiteral("Exit"), &window);
    layout->addWidget(exit);
    QObject::connect(exit, &QPushButton::clicked, &app, &QCoreApplication::quit);
    window.resize(800, 600); // the size of the main window
    window.show();
    return QApplication::exec();
}
