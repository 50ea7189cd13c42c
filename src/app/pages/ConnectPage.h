#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace vimo {

// The "Connect / Download" page: port and speed, Connect, the information memo, the download and erase buttons
// and "Sizeable Window". The page says what the user asked for and shows what it is given.
class ConnectPage : public QWidget {
    Q_OBJECT
public:
    explicit ConnectPage(QWidget* parent = nullptr);

    // The speed table, identical to the items of the speed box, and the speed a first start offers (115200).
    static const QList<int>& speeds();
    static constexpr int kDefaultSpeedIndex = 5;

    // The port box: the discovered ports as rows; a device path may be typed instead. New rows keep neither
    // selection nor typed text: the caller restores what the user chose.
    void setPorts(const QStringList& rows);
    QStringList portRows() const;
    void setPortText(const QString& path);
    // Called each time the user opens the port list, before it shows (to read the ports again).
    void setBeforePortList(std::function<void()> call);
    int portCount() const;
    void setPortRow(int row);
    // The selected row, -1 when none is selected or the text was typed over it.
    int portRow() const;
    // The text in the port box (a typed device path), trimmed.
    QString portText() const;

    int speedIndex() const;
    void setSpeedIndex(int index);

    // Connect reads "Disconnect" while connected.
    void setConnected(bool connected);

    // The data sets the module holds, as "Download Info" lists them; `selected` is the row offered.
    void setSets(const QStringList& rows, int selected);
    void clearSets();
    int selectedSet() const;

    // While an exchange runs, nothing here may start another; a running download offers to cancel instead.
    void setExchangeRunning(bool running, bool downloading);

    bool sizeable() const;
    void setSizeable(bool sizeable);

    // The information memo.
    void clearMemo();
    void addMemoLine(const QString& line);
    QStringList memoLines() const;

Q_SIGNALS:
    void connectRequested();
    void speedChosen(int index);
    void downloadInfoRequested();
    void downloadDataRequested();
    void eraseRequested();

private:
    void setUpControls();
    QWidget* buildConnectionGroup();
    QWidget* buildInformationGroup();
    QWidget* buildDataGroup();

    QComboBox* m_portBox;
    QComboBox* m_speedBox;
    QPushButton* m_connectButton;
    QPlainTextEdit* m_memo;
    QPushButton* m_downloadInfoButton;
    QComboBox* m_setBox;
    QPushButton* m_downloadDataButton;
    QPushButton* m_eraseButton;
    QCheckBox* m_sizeableBox;
    int m_memoLines = 0;
};

} // namespace vimo
