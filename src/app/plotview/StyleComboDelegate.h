#pragma once

#include <QComboBox>
#include <QStyledItemDelegate>

class QPainter;

namespace vimo {

// The two kinds of owner-drawn style lists of the Data Properties dialog.
enum class StyleKind {
    Line,  // rows "-none-", "Solid", "Dot", "Dash", "Dash Dot", "Dash Dot Dot"
    Point, // rows "-none-", "Dot", "Circle", "Square", "Cross", "X", "Diamond", "Triangle"
};

// The row names of a style list, in index order.
QStringList styleRowNames(StyleKind kind);

// Draws style row `row` into `rect`: white background, black pen; a line style as a horizontal line at the middle
// from 4 pixels inside the left edge to 4 inside the right edge, a point style as its symbol around the centre,
// sized by the row's height. Row 0 ("-none-") and unknown rows show white only.
void paintStyleRow(QPainter& painter, const QRect& rect, StyleKind kind, int row);

// Draws the rows of a style list's pop-up with paintStyleRow, with a focus frame on the highlighted row.
class StyleComboDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    StyleComboDelegate(StyleKind kind, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    StyleKind m_kind;
};

// A style list whose rows and whose closed box show the drawings instead of the names (the names stay the items'
// texts, for reading and accessibility). A style index outside the list selects no row.
class StyleCombo : public QComboBox {
    Q_OBJECT
public:
    StyleCombo(const QString& objectName, StyleKind kind, QWidget* parent = nullptr);

    StyleKind kind() const { return m_kind; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    StyleKind m_kind;
};

} // namespace vimo
