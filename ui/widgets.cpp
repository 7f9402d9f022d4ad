#include "ui/widgets.h"

#include "ui/twips.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace ui {

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                    int width, int height) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    place(b, left, top, width, height);
    return b;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, int left, int top,
              int width, int height) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    place(l, left, top, width, height);
    return l;
}

QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                 int width, int height) {
    auto* f = new QGroupBox(caption, parent);
    f->setObjectName(name);
    place(f, left, top, width, height);
    return f;
}

void paintBack(QWidget* w, const QColor& back) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, back);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void paintText(QWidget* w, const QColor& fore) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, fore);
    w->setPalette(p);
}

void paint(QWidget* w, const QColor& back, const QColor& fore) {
    paintBack(w, back);
    paintText(w, fore);
}

void keepDefaultFont(QWidget* w) {
    QFont f = QApplication::font();
    // Marking every property as set keeps it from following the parent's font.
    f.setFamilies(f.families().isEmpty() ? QStringList{f.family()} : f.families());
    f.setPointSizeF(f.pointSizeF());
    f.setWeight(f.weight());
    f.setStyle(f.style());
    f.setStyleHint(f.styleHint());
    w->setFont(f);
}

void breakAtCarriageReturns(QLabel* l) {
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setTextFormat(Qt::PlainText);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setFocusPolicy(Qt::NoFocus);
}

} // namespace ui
