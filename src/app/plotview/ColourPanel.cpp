#include "app/plotview/ColourPanel.h"

#include "plot/PaintColour.h"

#include <QColorDialog>
#include <QMouseEvent>

namespace vimo {
namespace {

Colour fromQColor(const QColor& c)
{
    return makeColour(c.red(), c.green(), c.blue());
}

} // namespace

ColourPanel::ColourPanel(const QString& objectName, const QString& dialogName, QWidget* parent)
    : QFrame(parent), m_dialog(new QColorDialog(this))
{
    setObjectName(objectName);
    m_dialog->setObjectName(dialogName);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAutoFillBackground(true);
    setMinimumSize(32, 20);
    setCursor(Qt::PointingHandCursor);
    setColour(0);
}

void ColourPanel::setColour(Colour colour)
{
    m_colour = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, paintColour(colour));
    setPalette(p);
}

void ColourPanel::pick()
{
    m_dialog->setCurrentColor(paintColour(m_colour));
    if (m_dialog->exec() != QDialog::Accepted)
        return;
    setColour(fromQColor(m_dialog->selectedColor()));
    Q_EMIT colourPicked(m_colour);
}

void ColourPanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pick();
    else
        QFrame::mousePressEvent(event);
}

} // namespace vimo
