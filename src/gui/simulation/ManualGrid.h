#pragma once
// The layer grid of the manual simulation: a table whose cursor moves only
// where its owner allows. Every attempt to move it, by mouse or by the
// arrow keys, asks OnSelectCell first; a refused cell keeps the cursor
// where it was. Coordinates given to the owner count the title row and the
// number column, as the user sees the grid: (1, 1) is the first thickness.
//
// The titles are fixed: the column titles in the top header, the layer
// numbers in the side header and "Layer Nr" in the corner. The grid is
// never edited in place, and typing does not search it.

#include <QString>
#include <QTableWidget>
#include <functional>

class QAbstractButton;

class TManualGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit TManualGrid(QWidget* parent = nullptr);

    std::function<bool(int row, int col)> OnSelectCell;
    // A double click on the cursor's cell.
    std::function<void()> OnDblClick;

    void SetCornerText(const QString& text);
    // The cursor at (row, col), without asking.
    void PlaceCursor(int row, int col);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyboardSearch(const QString&) override {}
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Allowed(const QModelIndex& index) const;

    QAbstractButton* corner_ = nullptr;
    QString cornerText_;
};
