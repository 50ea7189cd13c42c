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
    : QWidget(parent), m_portBox(new PortBox(this)), m_speedBox(new QComboBox(this)),
      m_connectButton(new QPushButton(QStringLiteral("Connect"), this)), m_memo(new QPlainTextEdit(this)),
      m_downloadInfoButton(new QPushButton(QStringLiteral("Download Info"), this)), m_setBox(new QComboBox(this)),
      m_downloadDataButton(new QPushButton(QStringLiteral("Download Data"), this)),
      m_eraseButton(new QPushButton(QStringLiteral("Erase Data"), this)),
      m_sizeableBox(new QCheckBox(QStringLiteral("Sizeable Window"), this))
{
    setObjectName(QStringLiteral("ConnectPage"));
    const std::pair<QWidget*, const char*> names[] = {
        {m_portBox, "CommPortBox"},          {m_speedBox, "SpeedBox"},
        {m_connectButton, "ConnectBtn"},     {m_memo, "InfoText"},
        {m_downloadInfoButton, "DLInfoBtn"}, {m_setBox, "SetList"},
        {m_downloadDataButton, "DLDataBtn"}, {m_eraseButton, "EraseDataBtn"},
        {m_sizeableBox, "SizeChk"}};
    for (const auto& [widget, name] : names)
        widget->setObjectName(QLatin1String(name));
    setUpControls();

    QWidget* connection = buildConnectionGroup();
    auto* middle = new QHBoxLayout;
    middle->addWidget(buildInformationGroup(), 1);
    middle->addWidget(buildDataGroup());
    auto* page = new QVBoxLayout(this);
    page->addWidget(connection);
    page->addLayout(middle, 1);
    page->addWidget(m_sizeableBox);

    connect(m_connectButton, &QPushButton::clicked, this, &ConnectPage::connectRequested);
    connect(m_speedBox, &QComboBox::activated, this, &ConnectPage::speedChosen);
    connect(m_downloadInfoButton, &QPushButton::clicked, this, &ConnectPage::downloadInfoRequested);
    connect(m_downloadDataButton, &QPushButton::clicked, this, &ConnectPage::downloadDataRequested);
    connect(m_eraseButton, &QPushButton::clicked, this, &ConnectPage::eraseRequested);
}

void ConnectPage::setUpControls()
{
    // Port: the discovered ports, or a device path typed by hand (pseudo-terminals, Bluetooth serial).
    m_portBox->setEditable(true);
    m_portBox->setInsertPolicy(QComboBox::NoInsert);
    m_portBox->setMinimumContentsLength(28);
    m_portBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_portBox->lineEdit()->setPlaceholderText(QStringLiteral("No port found: type a device path"));
    m_portBox->setToolTip(QStringLiteral("Serial port of the module: pick a port or type a device path"));
    for (int speed : speeds())
        m_speedBox->addItem(QString::number(speed));
    m_speedBox->setToolTip(QStringLiteral("Serial port speed (bits per second)"));
    m_connectButton->setToolTip(QStringLiteral("Connect or Disconnect to the Vimo Module"));
    m_connectButton->setMinimumWidth(110);

    // The information memo: bold blue monospaced lines, so that the colons of its lines align.
    m_memo->setReadOnly(true);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont memoFont(QStringLiteral("Courier New"));
    memoFont.setStyleHint(QFont::Monospace);
    memoFont.setFixedPitch(true);
    memoFont.setBold(true);
    memoFont.setPointSize(font().pointSize() + 1);
    m_memo->setFont(memoFont);
    QPalette memoPalette = m_memo->palette();
    memoPalette.setColor(QPalette::Text, Qt::blue);
    m_memo->setPalette(memoPalette);

    m_downloadInfoButton->setToolTip(QStringLiteral("Download module information"));
    m_setBox->setToolTip(QStringLiteral("Select data set to download"));
    m_setBox->setPlaceholderText(QStringLiteral("(none)"));
    m_setBox->setMinimumContentsLength(8);
    m_downloadDataButton->setToolTip(QStringLiteral("Download specified data set."));
    m_eraseButton->setToolTip(QStringLiteral("Erase all module data"));
    m_sizeableBox->setToolTip(
        QStringLiteral("Check/uncheck to make main window sizeable/unsizeable.  Restart program to take effect."));
}

QWidget* ConnectPage::buildConnectionGroup()
{
    auto* connection = new QGroupBox(QStringLiteral("Connection"), this);
    auto* row = new QHBoxLayout(connection);
    auto* portLabel = new QLabel(QStringLiteral("Port"), connection);
    portLabel->setBuddy(m_portBox);
    auto* speedLabel = new QLabel(QStringLiteral("Speed"), connection);
    speedLabel->setBuddy(m_speedBox);
    row->addWidget(portLabel);
    row->addWidget(m_portBox, 1);
    row->addSpacing(12);
    row->addWidget(speedLabel);
    row->addWidget(m_speedBox);
    row->addSpacing(12);
    row->addWidget(m_connectButton);
    return connection;
}

QWidget* ConnectPage::buildInformationGroup()
{
    auto* information = new QGroupBox(QStringLiteral("Module Information"), this);
    auto* column = new QVBoxLayout(information);
    column->addWidget(m_memo);
    return information;
}

// The data sets recorded on the module.
QWidget* ConnectPage::buildDataGroup()
{
    auto* data = new QGroupBox(QStringLiteral("Module Data"), this);
    auto* grid = new QGridLayout(data);
    auto* setLabel = new QLabel(QStringLiteral("Set#"), data);
    setLabel->setBuddy(m_setBox);
    grid->addWidget(m_downloadInfoButton, 0, 0, 1, 2);
    grid->addWidget(setLabel, 1, 0);
    grid->addWidget(m_setBox, 1, 1);
    grid->addWidget(m_downloadDataButton, 2, 0, 1, 2);
    grid->setRowMinimumHeight(3, 16);
    grid->addWidget(m_eraseButton, 4, 0, 1, 2);
    grid->setRowStretch(5, 1);
    data->setMinimumWidth(190);
    return data;
}

QStringList ConnectPage::portRows() const
{
    QStringList rows;
    for (int i = 0; i < m_portBox->count(); ++i)
        rows << m_portBox->itemText(i);
    return rows;
}

void ConnectPage::setPortText(const QString& path)
{
    m_portBox->setCurrentIndex(-1);
    m_portBox->setEditText(path);
}

void ConnectPage::setBeforePortList(std::function<void()> call)
{
    static_cast<PortBox*>(m_portBox)->beforeList = std::move(call);
}

void ConnectPage::setPorts(const QStringList& rows)
{
    m_portBox->clear();
    m_portBox->addItems(rows);
}

int ConnectPage::portCount() const
{
    return m_portBox->count();
}

void ConnectPage::setPortRow(int row)
{
    m_portBox->setCurrentIndex(row);
}

int ConnectPage::portRow() const
{
    const int row = m_portBox->currentIndex();
    if (row < 0 || m_portBox->currentText() != m_portBox->itemText(row))
        return -1;
    return row;
}

QString ConnectPage::portText() const
{
    return m_portBox->currentText().trimmed();
}

int ConnectPage::speedIndex() const
{
    return m_speedBox->currentIndex();
}

void ConnectPage::setSpeedIndex(int index)
{
    m_speedBox->setCurrentIndex(index);
}

void ConnectPage::setConnected(bool connected)
{
    m_connectButton->setText(connected ? QStringLiteral("Disconnect") : QStringLiteral("Connect"));
}

void ConnectPage::setSets(const QStringList& rows, int selected)
{
    m_setBox->clear();
    m_setBox->addItems(rows);
    m_setBox->setCurrentIndex(selected);
}

void ConnectPage::clearSets()
{
    m_setBox->clear();
}

int ConnectPage::selectedSet() const
{
    return m_setBox->currentIndex();
}

void ConnectPage::setExchangeRunning(bool running, bool downloading)
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_portBox, m_speedBox, m_connectButton, m_downloadInfoButton,
                                                      m_setBox, m_eraseButton})
        w->setEnabled(!running);
    m_downloadDataButton->setEnabled(!running || downloading);
    m_downloadDataButton->setText(downloading ? QStringLiteral("Cancel Download") : QStringLiteral("Download Data"));
}

bool ConnectPage::sizeable() const
{
    return m_sizeableBox->isChecked();
}

void ConnectPage::setSizeable(bool sizeable)
{
    m_sizeableBox->setChecked(sizeable);
}

void ConnectPage::clearMemo()
{
    m_memo->clear();
    m_memoLines = 0;
}

void ConnectPage::addMemoLine(const QString& line)
{
    m_memo->appendPlainText(line);
    ++m_memoLines;
    m_memo->verticalScrollBar()->setValue(m_memo->verticalScrollBar()->maximum());
}

QStringList ConnectPage::memoLines() const
{
    if (m_memoLines == 0)
        return {};
    return m_memo->toPlainText().split(QLatin1Char('\n'));
}

} // namespace vimo
