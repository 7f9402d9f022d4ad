#include "ui/design.h"

#include "ui/flexgrid.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace ui {

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

namespace {

QWidget* make(const DesignRow& row, QWidget* parent, const Design::MakeOther& makeOther) {
    const QString caption = QString::fromUtf8(row.caption);
    switch (row.kind) {
    case Kind::Button: {
        auto* b = new QPushButton(caption, parent);
        b->setAutoDefault(false);
        return b;
    }
    case Kind::Label:
    case Kind::Picture:
        return new QLabel(caption, parent);
    case Kind::Frame:
        return new QGroupBox(caption, parent);
    case Kind::TextBox:
        return new QLineEdit(caption, parent);
    case Kind::Check:
        return new QCheckBox(caption, parent);
    case Kind::Option:
        return new QRadioButton(caption, parent);
    case Kind::List:
        return new QListWidget(parent);
    case Kind::Combo:
        return new QComboBox(parent);
    case Kind::Grid:
        return new FlexGrid(parent);
    case Kind::Shape:
        return new QFrame(parent);
    case Kind::Other:
        break;
    }
    QWidget* w = makeOther ? makeOther(row, parent) : nullptr;
    if (!w) qFatal("Design: no widget made for %s", row.name);
    return w;
}

} // namespace

Design::Design(QWidget* window, std::span<const DesignRow> rows, const MakeOther& makeOther) {
    for (const DesignRow& row : rows) {
        QWidget* parent = *row.parent ? widget(QString::fromLatin1(row.parent)) : window;
        QWidget* w = make(row, parent, makeOther);
        w->setObjectName(QString::fromLatin1(row.name));
        place(w, row.left, row.top, row.width, row.height);
        m_widgets.insert(w->objectName(), w);
    }
}

QWidget* Design::widget(const QString& name) const {
    QWidget* w = m_widgets.value(name);
    if (!w) qFatal("Design: no control %s", qPrintable(name));
    return w;
}

const DesignRow& Design::row(std::span<const DesignRow> rows, const char* name) {
    for (const DesignRow& r : rows)
        if (qstrcmp(r.name, name) == 0) return r;
    qFatal("Design: no control %s", name);
}

void Design::get(std::initializer_list<Member> members) const {
    for (const Member& m : members)
        if (!m.assign(m.slot, widget(QString::fromLatin1(m.name))))
            qFatal("Design: control %s has another type", m.name);
}

QWidget* makeTabs(const DesignRow& row, QWidget* parent) {
    auto* tabs = qobject_cast<QTabWidget*>(parent);
    if (!tabs) return new QTabWidget(parent);
    auto* page = new QWidget;
    tabs->addTab(page, QString::fromUtf8(row.caption));
    return page;
}

} // namespace ui
