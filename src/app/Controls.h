#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QStringList>
#include <QWidget>

class QButtonGroup;
class QGridLayout;
class QToolButton;

namespace vimo {

// A sunken read-out panel: bold digits of `colour` on black, as the interval editor, the module setup dialog and
// the live view show them.
QLabel* makeReadout(const QString& objectName, const QString& text, const QColor& colour, QWidget* parent,
                    int pointSizeDelta = 4);

// Lime digits on black.
QColor readoutLime();

// An up and a down arrow button stacked beside a read-out. up() and down() fire on the user's clicks; holding a
// button repeats.
class SpinButtons : public QWidget {
    Q_OBJECT
public:
    explicit SpinButtons(const QString& objectName, QWidget* parent = nullptr);

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

Q_SIGNALS:
    void up();
    void down();

private:
    QToolButton* m_up;
    QToolButton* m_down;
};

// A titled group of radio buttons with one selected row (or none, -1). setItemIndex() changes the selection
// without a signal; itemClicked() fires only when the user picks a row.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& objectName, const QString& title, const QStringList& items, QWidget* parent = nullptr,
               int columns = 1);

    int itemIndex() const;
    // Selects `row`; a row beyond the last selects the last, a negative one selects none.
    void setItemIndex(int row);
    int count() const;

    // The group's grid: row i holds item i in column 0; further columns may take controls that belong to a row.
    QGridLayout* grid() const;

Q_SIGNALS:
    void itemClicked(int row);

private:
    QButtonGroup* m_buttons;
};

// A bold blue link-like label with the hand cursor; clicked() fires on a left click.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& objectName, const QString& text, QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace vimo
