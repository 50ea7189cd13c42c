#include "app/plotview/StyleComboDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStylePainter>

namespace vimo {
namespace {

constexpr Qt::PenStyle kLinePens[] = {Qt::NoPen,    Qt::SolidLine,   Qt::DotLine,
                                      Qt::DashLine, Qt::DashDotLine, Qt::DashDotDotLine};

void closedPath(QPainter& p, std::initializer_list<QPoint> points)
{
    QPainterPath path;
    path.moveTo(*points.begin());
    for (auto it = points.begin() + 1; it != points.end(); ++it)
        path.lineTo(*it);
    path.closeSubpath();
    p.drawPath(path);
}

// The symbols of the point styles around (cx, cy) in a row of height h. Lines are drawn with both end points, so
// they end one pixel before the "+ 1" ends of the symbols' outlines.
void paintPoint(QPainter& p, int cx, int cy, int h, int row)
{
    const int q = h / 4;
    const int f = h / 5;
    const int s = h / 6;
    switch (row) {
    case 1:
        p.drawPoint(cx, cy);
        break;
    case 2:
        p.drawEllipse(QRect(cx - q, cy - q, 2 * q, 2 * q));
        break;
    case 3:
        p.drawRect(QRect(cx - f, cy - f, 2 * f, 2 * f));
        break;
    case 4:
        p.drawLine(cx - f, cy, cx + f, cy);
        p.drawLine(cx, cy - f, cx, cy + f);
        break;
    case 5:
        p.drawLine(cx - f, cy - f, cx + f, cy + f);
        p.drawLine(cx - f, cy + f, cx + f, cy - f);
        break;
    case 6:
        closedPath(p, {{cx, cy - q}, {cx - q, cy}, {cx, cy + q}, {cx + q, cy}});
        break;
    case 7:
        closedPath(p, {{cx, cy - q}, {cx - f, cy + s}, {cx + f, cy + s}});
        break;
    default:
        break;
    }
}

} // namespace

QStringList styleRowNames(StyleKind kind)
{
    if (kind == StyleKind::Line)
        return {QStringLiteral("-none-"), QStringLiteral("Solid"),    QStringLiteral("Dot"),
                QStringLiteral("Dash"),   QStringLiteral("Dash Dot"), QStringLiteral("Dash Dot Dot")};
    return {QStringLiteral("-none-"), QStringLiteral("Dot"), QStringLiteral("Circle"),  QStringLiteral("Square"),
            QStringLiteral("Cross"),  QStringLiteral("X"),   QStringLiteral("Diamond"), QStringLiteral("Triangle")};
}

void paintStyleRow(QPainter& painter, const QRect& rect, StyleKind kind, int row)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect, Qt::white);
    painter.setBrush(Qt::NoBrush);
    const int cy = rect.top() + rect.height() / 2;
    if (kind == StyleKind::Line) {
        if (row > 0 && row < int(std::size(kLinePens))) {
            painter.setPen(QPen(Qt::black, 1, kLinePens[row]));
            painter.drawLine(rect.left() + 4, cy, rect.left() + rect.width() - 4, cy);
        }
    } else {
        painter.setPen(QPen(Qt::black, 1));
        paintPoint(painter, rect.left() + rect.width() / 2, cy, rect.height(), row);
    }
    painter.restore();
}

StyleComboDelegate::StyleComboDelegate(StyleKind kind, QObject* parent) : QStyledItemDelegate(parent), m_kind(kind) {}

void StyleComboDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    paintStyleRow(*painter, option.rect, m_kind, index.row());
    if (option.state & QStyle::State_Selected) {
        QStyleOptionFocusRect focus;
        focus.rect = option.rect.adjusted(1, 1, -1, -1);
        focus.state = QStyle::State_KeyboardFocusChange;
        focus.backgroundColor = Qt::white;
        const QWidget* widget = option.widget;
        (widget ? widget->style() : QApplication::style())
            ->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
}

QSize StyleComboDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(std::max(size.height(), 20));
    return size;
}

StyleCombo::StyleCombo(const QString& objectName, StyleKind kind, QWidget* parent) : QComboBox(parent), m_kind(kind)
{
    setObjectName(objectName);
    addItems(styleRowNames(kind));
    setItemDelegate(new StyleComboDelegate(kind, this));
    setMinimumWidth(110);
}

void StyleCombo::paintEvent(QPaintEvent* /*event*/)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    paintStyleRow(painter, field, m_kind, currentIndex());
}

} // namespace vimo
