#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace vimo {

// The "Connect / Download" page: port and speed, Connect, the information memo, the download and erase buttons
// and "Sizeable Window". The window wires the controls; the page only lays them out.
class ConnectPage : public QWidget {
    Q_OBJECT
public:
    explicit ConnectPage(QWidget* parent = nullptr);

    QComboBox* CommPortBox;   // discovered ports; a device path may be typed
    QComboBox* SpeedBox;
    QPushButton* ConnectBtn;
    QPlainTextEdit* InfoText; // the information memo
    QPushButton* DLInfoBtn;
    QComboBox* SetList;       // data set choice for the download
    QPushButton* DLDataBtn;
    QPushButton* EraseDataBtn;
    QCheckBox* SizeChk;

    // The speed table, identical to the items of the speed box.
    static const QList<int>& speeds();

    // The information memo.
    void clearMemo();
    void addMemoLine(const QString& line);
    QStringList memoLines() const;

private:
    int m_memoLines = 0;
};

} // namespace vimo
