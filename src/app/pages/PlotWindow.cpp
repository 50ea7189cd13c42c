#include "app/pages/PlotWindow.h"

#include "app/AppInfo.h"
#include "app/pages/DataPage.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QStatusBar>

namespace vimo {

PlotWindow::PlotWindow(PlotSession& session, QAction* toggle, QWidget* parent)
    : QMainWindow(parent, Qt::Window), m_page(new DataPage(session, this)), m_toggle(toggle),
      m_position(new QLabel(this)), m_climb(new QLabel(this))
{
    setObjectName(QStringLiteral("PlotWindow"));
    setWindowTitle(QStringLiteral("%1 - Recorded Data").arg(QString::fromLatin1(appinfo::kName)));
    setCentralWidget(m_page);
    m_page->setObjectName(QStringLiteral("PlotWindowPage"));
    // Its own toggle of the window's keys: F11 in the plot window closes it again.
    addAction(toggle);

    m_position->setObjectName(QStringLiteral("PlotWindowXYDisp"));
    m_climb->setObjectName(QStringLiteral("PlotWindowROCDisp"));
    statusBar()->addWidget(m_position, 1);
    statusBar()->addWidget(m_climb, 1);
    connect(m_page, &DataPage::readout, this, [this](const QString& position, const QString& climb) {
        m_position->setText(position);
        m_climb->setText(climb);
    });
    resize(kDefaultWidth, kDefaultHeight);
}

QString PlotWindow::geometryText() const
{
    return QString::fromLatin1(saveGeometry().toBase64());
}

void PlotWindow::restoreGeometryText(const QString& text)
{
    if (!text.isEmpty())
        restoreGeometry(QByteArray::fromBase64(text.toLatin1()));
}

void PlotWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    m_toggle->setChecked(true);
}

void PlotWindow::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    m_toggle->setChecked(false);
}

} // namespace vimo
