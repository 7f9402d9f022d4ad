#include "ui/widgets.h"

#include <QApplication>
#include <QLabel>

namespace ui {

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
