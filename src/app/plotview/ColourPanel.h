#pragma once

#include "data/Colour.h"

#include <QFrame>

class QColorDialog;

namespace vimo {

// A small lowered panel painted in a colour. A left click opens the panel's own colour dialog preset with that
// colour; when the user confirms a colour the panel takes it and colourPicked() fires. Cancelling changes nothing.
class ColourPanel : public QFrame {
    Q_OBJECT
public:
    // objectName names the panel ("BGColorPanel"); dialogName its colour dialog ("BGColorDlg").
    ColourPanel(const QString& objectName, const QString& dialogName, QWidget* parent = nullptr);

    Colour colour() const { return m_colour; }
    void setColour(Colour colour);

    // Opens the colour dialog (what a click does).
    void pick();

Q_SIGNALS:
    void colourPicked(vimo::Colour colour);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColorDialog* m_dialog;
    Colour m_colour = 0;
};

} // namespace vimo
