#pragma once

#include <QTableWidget>

namespace ui {

// A grid with the operations of the MSFlexGrid control the windows were designed with.
// Rows and columns are counted from 0 and include the fixed (heading) rows and columns,
// which are drawn as headings and cannot be selected. Widths are in twips.
// A cell's text is written by setting Row, Col and then Text.
// On the keyboard the arrow keys move between cells and Tab leaves the grid.
class FlexGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);

    int rows() const { return rowCount(); }
    void setRows(int n);
    int cols() const { return columnCount(); }
    void setCols(int n);
    void setFixedRows(int n);
    int fixedCols() const { return m_fixedCols; }
    void setFixedCols(int n);

    void setColWidth(int col, int twips);
    Qt::Alignment colAlignment(int col) const;
    void setColAlignment(int col, Qt::Alignment a);

    int row() const { return m_row; }
    void setRow(int r);
    int col() const { return m_col; }
    void setCol(int c);

    // Text of the current cell.
    QString text() const { return textAt(m_row, m_col); }
    void setText(const QString& s) { setTextAt(m_row, m_col, s); }

    QString textAt(int row, int col) const;
    void setTextAt(int row, int col, const QString& s);
    // Every cell's text, row by row (handy for checks and comparisons).
    QStringList rowTexts(int row) const;

Q_SIGNALS:
    // A cell was clicked, or Space or Enter was pressed on the current cell; Row and Col
    // now name it.
    void cellClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void restyle();
    void styleCell(int row, int col);

    int m_fixedRows = 1;
    int m_fixedCols = 1;
    int m_row = 0;
    int m_col = 0;
    QHash<int, Qt::Alignment> m_alignment;
};

} // namespace ui
