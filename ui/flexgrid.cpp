#include "ui/flexgrid.h"

#include "ui/twips.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace ui {

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setDefaultSectionSize(px(240));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    // Tab moves on to the next control, not through every cell.
    setTabKeyNavigation(false);
    setRowCount(2);
    setColumnCount(2);
    for (int c = 0; c < 2; ++c)
        setColWidth(c, 960);
    restyle();
    connect(this, &QTableWidget::cellClicked, this, [this](int r, int c) {
        m_row = r;
        m_col = c;
        Q_EMIT cellClick();
    });
}

void FlexGrid::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool press = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    const QModelIndex current = currentIndex();
    if (press && !(event->modifiers() & ~Qt::KeypadModifier) && current.isValid()) {
        // The keyboard's click on the current cell.
        m_row = current.row();
        m_col = current.column();
        event->accept();
        Q_EMIT cellClick();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void FlexGrid::setRows(int n) {
    n = std::max(n, 0);
    const int old = rowCount();
    setRowCount(n);
    for (int r = old; r < n; ++r)
        for (int c = 0; c < columnCount(); ++c)
            styleCell(r, c);
    m_row = std::min(m_row, std::max(n - 1, 0));
}

void FlexGrid::setCols(int n) {
    n = std::max(n, 0);
    const int old = columnCount();
    setColumnCount(n);
    for (int c = old; c < n; ++c) {
        setColWidth(c, 960);
        for (int r = 0; r < rowCount(); ++r)
            styleCell(r, c);
    }
    m_col = std::min(m_col, std::max(n - 1, 0));
}

void FlexGrid::setFixedRows(int n) {
    m_fixedRows = std::max(n, 0);
    restyle();
}

void FlexGrid::setFixedCols(int n) {
    m_fixedCols = std::max(n, 0);
    restyle();
}

void FlexGrid::setColWidth(int col, int tw) {
    setColumnWidth(col, px(tw));
}

Qt::Alignment FlexGrid::colAlignment(int col) const {
    return m_alignment.value(col, Qt::AlignLeft | Qt::AlignVCenter);
}

void FlexGrid::setColAlignment(int col, Qt::Alignment a) {
    if (!(a & Qt::AlignVertical_Mask)) a |= Qt::AlignVCenter;
    m_alignment[col] = a;
    for (int r = 0; r < rowCount(); ++r)
        if (auto* it = item(r, col)) it->setTextAlignment(a);
}

void FlexGrid::setRow(int r) {
    m_row = std::clamp(r, 0, std::max(rowCount() - 1, 0));
}

void FlexGrid::setCol(int c) {
    m_col = std::clamp(c, 0, std::max(columnCount() - 1, 0));
}

QString FlexGrid::textAt(int row, int col) const {
    const auto* it = item(row, col);
    return it ? it->text() : QString();
}

void FlexGrid::setTextAt(int row, int col, const QString& s) {
    if (row < 0 || col < 0 || row >= rowCount() || col >= columnCount()) return;
    if (!item(row, col)) styleCell(row, col);
    item(row, col)->setText(s);
}

QStringList FlexGrid::rowTexts(int row) const {
    QStringList out;
    for (int c = 0; c < columnCount(); ++c)
        out << textAt(row, c);
    return out;
}

void FlexGrid::restyle() {
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            styleCell(r, c);
}

void FlexGrid::styleCell(int row, int col) {
    auto* it = item(row, col);
    if (!it) {
        it = new QTableWidgetItem;
        setItem(row, col, it);
    }
    const bool fixed = row < m_fixedRows || col < m_fixedCols;
    it->setTextAlignment(colAlignment(col));
    if (fixed) {
        it->setFlags(Qt::ItemIsEnabled);
        it->setBackground(palette().brush(QPalette::Button));
        it->setForeground(palette().brush(QPalette::ButtonText));
    } else {
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        it->setData(Qt::BackgroundRole, QVariant());
        it->setData(Qt::ForegroundRole, QVariant());
    }
}

} // namespace ui
