#include "consoles/bombardier/widgets.h"

#include "ui/twips.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace bombardier::widgets {

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top,
                    int width, int height) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    ui::place(b, left, top, width, height);
    return b;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top, int width,
              int height) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    ui::place(l, left, top, width, height);
    return l;
}

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, int left, int top,
                 int width, int height) {
    auto* f = new QGroupBox(caption, parent);
    f->setObjectName(QString::fromLatin1(name));
    ui::place(f, left, top, width, height);
    return f;
}

QGroupBox* overlay(QWidget* parent, const char* name, const QString& caption, int left, int top,
                   int width, int height) {
    QGroupBox* f = frame(parent, name, caption, left, top, width, height);
    paintBackground(f, QApplication::palette().color(QPalette::Button));
    paintText(f, QApplication::palette().color(QPalette::WindowText));
    f->hide();
    return f;
}

void paintBackground(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void paintText(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}

void usePlainFont(QWidget* w) {
    QFont f = QApplication::font();
    // Marking every property as set keeps it from following the parent's font.
    f.setFamilies(f.families().isEmpty() ? QStringList{f.family()} : f.families());
    f.setPointSizeF(f.pointSizeF());
    f.setWeight(f.weight());
    f.setStyle(f.style());
    f.setStyleHint(f.styleHint());
    w->setFont(f);
}

} // namespace bombardier::widgets
