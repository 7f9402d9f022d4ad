#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <functional>
#include <initializer_list>
#include <span>

class QWidget;

namespace ui {

// The objectName of element `index` of a control array: "Label28(3)".
QString indexed(const char* name, int index);

// What a control of a design is; the builder makes the standard Qt widget for it.
enum class Kind {
    Button,  // QPushButton
    Label,   // QLabel
    Frame,   // QGroupBox
    TextBox, // QLineEdit
    Check,   // QCheckBox
    Option,  // QRadioButton
    List,    // QListWidget
    Combo,   // QComboBox
    Picture, // QLabel showing a picture
    Grid,    // ui::FlexGrid
    Shape,   // QFrame (a line, box or lamp)
    Other,   // made by the window itself; the builder only names and places it
};

// One control of a window's design.
struct DesignRow {
    const char* name; // design name and objectName; array elements "Label28(3)"
    Kind kind;
    const char* parent;           // design name of the container; "" for the window itself
    int left, top, width, height; // twips, inside the parent
    const char* caption;          // design caption (UTF-8), "" for none
    const char* alias;            // what the control is, for the reader of the table
};

// Builds a window's controls from its design table, in table order. That order is also
// the tab order and the stacking order (a later row lies over an earlier one), so a table
// lists the controls in the order the design created them.
class Design {
public:
    // For a row of kind Other: makes the widget (with `parent`); the builder names and
    // places it.
    using MakeOther = std::function<QWidget*(const DesignRow& row, QWidget* parent)>;

    Design(QWidget* window, std::span<const DesignRow> rows, const MakeOther& makeOther = {});

    // A member of the window and the design name of the control it holds.
    struct Member {
        template <class T>
        Member(T*& member, const char* name) : name(name), slot(&member), assign(&assignAs<T>) {}
        const char* name;
        void* slot;
        bool (*assign)(void* slot, QWidget* w);
    };
    // Fetches the named controls, typed, into the members. A name missing from the table
    // or a control of another type is a fault of the program: it stops with a message.
    void get(std::initializer_list<Member> members) const;
    // The elements 0..count-1 of a control array ("Label28(0)", ...).
    template <class T> void getArray(QList<T*>& members, const char* name, int count) const {
        members.resize(count);
        for (int i = 0; i < count; ++i) {
            const QByteArray element = indexed(name, i).toLatin1();
            get({Member(members[i], element.constData())});
        }
    }

    QWidget* widget(const QString& name) const;
    // The row of a control in a design table, for a handler that puts a moved control
    // back where the design has it.
    static const DesignRow& row(std::span<const DesignRow> rows, const char* name);

private:
    template <class T> static bool assignAs(void* slot, QWidget* w) {
        T* t = dynamic_cast<T*>(w);
        *static_cast<T**>(slot) = t;
        return t != nullptr;
    }

    QHash<QString, QWidget*> m_widgets;
};

// Maker for rows of kind Other that are a tab control and its pages: a row inside a tab
// control is a page of it, titled with the row's caption; any other row is a tab control.
QWidget* makeTabs(const DesignRow& row, QWidget* parent);

} // namespace ui
