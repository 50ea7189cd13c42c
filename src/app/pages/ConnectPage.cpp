#include "app/pages/ConnectPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace vimo {

namespace {

// The port box tells before its list opens, so that the list shows the ports plugged in meanwhile.
class PortBox : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<void()> beforeList;

    void showPopup() override
    {
        if (beforeList)
            beforeList();
        QComboBox::showPopup();
    }
};

} // namespace


const QList<int>& ConnectPage::speeds()
{
    static const QList<int> table = {2400, 4800, 9600, 19200, 38400, 115200};
    return table;
}

ConnectPage::ConnectPage(QWidget* parent)
    : QWidget(parent),
      CommPortBox(new PortBox(this)),
      SpeedBox(new QComboBox(this)),
      ConnectBtn(new QPushButton(QStringLiteral("Connect"), this)),
      InfoText(new QPlainTextEdit(this)),
      DLInfoBtn(new QPushButton(QStringLiteral("Download Info"), this)),
      SetList(new QComboBox(this)),
      DLDataBtn(new QPushButton(QStringLiteral("Download Data"), this)),
      EraseDataBtn(new QPushButton(QStringLiteral("Erase Data"), this)),
      SizeChk(new QCheckBox(QStringLiteral("Sizeable Window"), this))
{
    setObjectName(QStringLiteral("ConnectPage"));
    CommPortBox->setObjectName(QStringLiteral("CommPortBox"));
    SpeedBox->setObjectName(QStringLiteral("SpeedBox"));
    ConnectBtn->setObjectName(QStringLiteral("ConnectBtn"));
    InfoText->setObjectName(QStringLiteral("InfoText"));
    DLInfoBtn->setObjectName(QStringLiteral("DLInfoBtn"));
    SetList->setObjectName(QStringLiteral("SetList"));
    DLDataBtn->setObjectName(QStringLiteral("DLDataBtn"));
    EraseDataBtn->setObjectName(QStringLiteral("EraseDataBtn"));
    SizeChk->setObjectName(QStringLiteral("SizeChk"));

    // Port: the discovered ports, or a device path typed by hand (pseudo-terminals, Bluetooth serial).
    CommPortBox->setEditable(true);
    CommPortBox->setInsertPolicy(QComboBox::NoInsert);
    CommPortBox->setMinimumContentsLength(28);
    CommPortBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    CommPortBox->lineEdit()->setPlaceholderText(QStringLiteral("No port found: type a device path"));
    CommPortBox->setToolTip(QStringLiteral("Serial port of the module: pick a port or type a device path"));
    for (int speed : speeds())
        SpeedBox->addItem(QString::number(speed));
    SpeedBox->setToolTip(QStringLiteral("Serial port speed (bits per second)"));
    ConnectBtn->setToolTip(QStringLiteral("Connect or Disconnect to the Vimo Module"));
    ConnectBtn->setMinimumWidth(110);

    InfoText->setReadOnly(true);
    InfoText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    InfoText->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont memoFont(QStringLiteral("Courier New"));
    memoFont.setStyleHint(QFont::Monospace);
    memoFont.setFixedPitch(true);
    memoFont.setBold(true);
    memoFont.setPointSize(font().pointSize() + 1);
    InfoText->setFont(memoFont);
    QPalette memoPalette = InfoText->palette();
    memoPalette.setColor(QPalette::Text, Qt::blue);
    InfoText->setPalette(memoPalette);

    DLInfoBtn->setToolTip(QStringLiteral("Download module information"));
    SetList->setToolTip(QStringLiteral("Select data set to download"));
    SetList->setPlaceholderText(QStringLiteral("(none)"));
    SetList->setMinimumContentsLength(8);
    DLDataBtn->setToolTip(QStringLiteral("Download specified data set."));
    EraseDataBtn->setToolTip(QStringLiteral("Erase all module data"));
    SizeChk->setToolTip(QStringLiteral(
        "Check/uncheck to make main window sizeable/unsizeable.  Restart program to take effect."));

    // Connection row.
    auto* connection = new QGroupBox(QStringLiteral("Connection"), this);
    auto* connectionRow = new QHBoxLayout(connection);
    auto* portLabel = new QLabel(QStringLiteral("Port"), connection);
    portLabel->setBuddy(CommPortBox);
    auto* speedLabel = new QLabel(QStringLiteral("Speed"), connection);
    speedLabel->setBuddy(SpeedBox);
    connectionRow->addWidget(portLabel);
    connectionRow->addWidget(CommPortBox, 1);
    connectionRow->addSpacing(12);
    connectionRow->addWidget(speedLabel);
    connectionRow->addWidget(SpeedBox);
    connectionRow->addSpacing(12);
    connectionRow->addWidget(ConnectBtn);

    // Module information memo.
    auto* information = new QGroupBox(QStringLiteral("Module Information"), this);
    auto* informationLayout = new QVBoxLayout(information);
    informationLayout->addWidget(InfoText);

    // Recorded data on the module.
    auto* data = new QGroupBox(QStringLiteral("Module Data"), this);
    auto* dataLayout = new QGridLayout(data);
    auto* setLabel = new QLabel(QStringLiteral("Set#"), data);
    setLabel->setBuddy(SetList);
    dataLayout->addWidget(DLInfoBtn, 0, 0, 1, 2);
    dataLayout->addWidget(setLabel, 1, 0);
    dataLayout->addWidget(SetList, 1, 1);
    dataLayout->addWidget(DLDataBtn, 2, 0, 1, 2);
    dataLayout->setRowMinimumHeight(3, 16);
    dataLayout->addWidget(EraseDataBtn, 4, 0, 1, 2);
    dataLayout->setRowStretch(5, 1);
    data->setMinimumWidth(190);

    auto* middle = new QHBoxLayout;
    middle->addWidget(information, 1);
    middle->addWidget(data);

    auto* page = new QVBoxLayout(this);
    page->addWidget(connection);
    page->addLayout(middle, 1);
    page->addWidget(SizeChk);

    connect(ConnectBtn, &QPushButton::clicked, this, &ConnectPage::connectRequested);
    connect(SpeedBox, &QComboBox::activated, this, &ConnectPage::speedChosen);
    connect(DLInfoBtn, &QPushButton::clicked, this, &ConnectPage::downloadInfoRequested);
    connect(DLDataBtn, &QPushButton::clicked, this, &ConnectPage::downloadDataRequested);
    connect(EraseDataBtn, &QPushButton::clicked, this, &ConnectPage::eraseRequested);
}

QStringList ConnectPage::portRows() const
{
    QStringList rows;
    for (int i = 0; i < CommPortBox->count(); ++i)
        rows << CommPortBox->itemText(i);
    return rows;
}

void ConnectPage::setPortText(const QString& path)
{
    CommPortBox->setCurrentIndex(-1);
    CommPortBox->setEditText(path);
}

void ConnectPage::setBeforePortList(std::function<void()> call)
{
    static_cast<PortBox*>(CommPortBox)->beforeList = std::move(call);
}

void ConnectPage::setPorts(const QStringList& rows)
{
    CommPortBox->clear();
    CommPortBox->addItems(rows);
}

int ConnectPage::portCount() const
{
    return CommPortBox->count();
}

void ConnectPage::setPortRow(int row)
{
    CommPortBox->setCurrentIndex(row);
}

int ConnectPage::portRow() const
{
    const int row = CommPortBox->currentIndex();
    if (row < 0 || CommPortBox->currentText() != CommPortBox->itemText(row))
        return -1;
    return row;
}

QString ConnectPage::portText() const
{
    return CommPortBox->currentText().trimmed();
}

int ConnectPage::speedIndex() const
{
    return SpeedBox->currentIndex();
}

void ConnectPage::setSpeedIndex(int index)
{
    SpeedBox->setCurrentIndex(index);
}

void ConnectPage::setConnected(bool connected)
{
    ConnectBtn->setText(connected ? QStringLiteral("Disconnect") : QStringLiteral("Connect"));
}

void ConnectPage::setSets(const QStringList& rows, int selected)
{
    SetList->clear();
    SetList->addItems(rows);
    SetList->setCurrentIndex(selected);
}

void ConnectPage::clearSets()
{
    SetList->clear();
}

int ConnectPage::selectedSet() const
{
    return SetList->currentIndex();
}

void ConnectPage::setExchangeRunning(bool running, bool downloading)
{
    for (QWidget* w : std::initializer_list<QWidget*>{CommPortBox, SpeedBox, ConnectBtn, DLInfoBtn, SetList,
                                                      EraseDataBtn})
        w->setEnabled(!running);
    DLDataBtn->setEnabled(!running || downloading);
    DLDataBtn->setText(downloading ? QStringLiteral("Cancel Download") : QStringLiteral("Download Data"));
}

bool ConnectPage::sizeable() const
{
    return SizeChk->isChecked();
}

void ConnectPage::setSizeable(bool sizeable)
{
    SizeChk->setChecked(sizeable);
}

void ConnectPage::clearMemo()
{
    InfoText->clear();
    m_memoLines = 0;
}

void ConnectPage::addMemoLine(const QString& line)
{
    InfoText->appendPlainText(line);
    ++m_memoLines;
    InfoText->verticalScrollBar()->setValue(InfoText->verticalScrollBar()->maximum());
}

QStringList ConnectPage::memoLines() const
{
    if (m_memoLines == 0)
        return {};
    return InfoText->toPlainText().split(QLatin1Char('\n'));
}

} // namespace vimo
