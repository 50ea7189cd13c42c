#include "app/Controls.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QMouseEvent>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace vimo {

QColor readoutLime()
{
    return QColor(0x00, 0xFF, 0x00);
}

QLabel* makeReadout(const QString& objectName, const QString& text, const QColor& colour, QWidget* parent,
                    int pointSizeDelta)
{
    auto* panel = new QLabel(text, parent);
    panel->setObjectName(objectName);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, colour);
    panel->setPalette(palette);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setBold(true);
    font.setPointSize(panel->font().pointSize() + pointSizeDelta);
    panel->setFont(font);
    panel->setMargin(2);
    return panel;
}

SpinButtons::SpinButtons(const QString& objectName, QWidget* parent)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this))
{
    setObjectName(objectName);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFixedSize(18, 14);
        b->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(b);
    }
    m_up->setObjectName(objectName + QStringLiteral("Up"));
    m_down->setObjectName(objectName + QStringLiteral("Down"));
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    connect(m_up, &QToolButton::clicked, this, &SpinButtons::up);
    connect(m_down, &QToolButton::clicked, this, &SpinButtons::down);
}

RadioGroup::RadioGroup(const QString& objectName, const QString& title, const QStringList& items, QWidget* parent,
                       int columns)
    : QGroupBox(title, parent), m_buttons(new QButtonGroup(this))
{
    setObjectName(objectName);
    auto* layout = new QGridLayout(this);
    layout->setVerticalSpacing(2);
    const int perColumn = (int(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        m_buttons->addButton(button, i);
        layout->addWidget(button, i % perColumn, i / perColumn);
    }
    connect(m_buttons, &QButtonGroup::idClicked, this, &RadioGroup::itemClicked);
}

int RadioGroup::itemIndex() const
{
    return m_buttons->checkedId();
}

QGridLayout* RadioGroup::grid() const
{
    return static_cast<QGridLayout*>(layout());
}

int RadioGroup::count() const
{
    return int(m_buttons->buttons().size());
}

void RadioGroup::setItemIndex(int row)
{
    if (row >= count())
        row = count() - 1;
    if (row < 0) {
        // An exclusive group cannot uncheck its last button; let go of exclusivity for a moment.
        m_buttons->setExclusive(false);
        for (QAbstractButton* b : m_buttons->buttons())
            b->setChecked(false);
        m_buttons->setExclusive(true);
        return;
    }
    m_buttons->button(row)->setChecked(true);
}

LinkLabel::LinkLabel(const QString& objectName, const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setBold(true);
    f.setUnderline(true);
    setFont(f);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    setPalette(palette);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace vimo
