#include "MonitorViewsFixture.h"

#include "PanelMemoryMap.h"
#include "Pause.h"

#include <QTest>

using sim::SimPanel;

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

void doubleClick(QWidget *widget, QPoint at)
{
    QTest::mousePress(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
    QTest::mousePress(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

MonitorViewsFixture::MonitorViewsFixture()
{
    Pause::setEnabled(false);
    SimPanel::instance().reset();
    sim = std::make_unique<sim::SimPointCommands>();
    for (int loop = 0; loop < PanelMemoryMap::Loops; ++loop)
        for (int page = 0; page < PanelMemoryMap::PagesPerLoop; ++page)
            SimPanel::instance().setPage(PanelMemoryMap::DeviceFirstPage + loop * PanelMemoryMap::PagesPerLoop + page,
                                         QByteArray(PanelMemoryMap::PageSize, '\0'));
    options = std::make_unique<MyConfigOptions>();
    options->setDefaults();
    options->currentLoop = 0;
    model = std::make_unique<PanelModel>();
    model->openPort();
    clearRequests();
}

MonitorViewsFixture::~MonitorViewsFixture()
{
    widget.reset();
    model.reset();
    sim.reset();
}

void MonitorViewsFixture::configure(int loop, int address, int type, int enabled, const QByteArray &description)
{
    QByteArray r(PanelMemoryMap::RecordSize, '\0');
    r[0] = char(type);
    r.replace(1, description.size(), description);
    r[25] = char(4);
    r[27] = char(enabled);
    SimPanel::instance().setPageBytes(PanelMemoryMap::devicePage(loop, address), PanelMemoryMap::deviceOffset(address), r);
}

bool MonitorViewsFixture::load(int loop)
{
    const bool ok = model->exploreLoop(quint8(loop));
    clearRequests();
    return ok;
}

MyMainWidget *MonitorViewsFixture::createWidget()
{
    widget = std::make_unique<MyMainWidget>(model.get(), options.get());
    widget->resize(1900, 700);
    widget->show();
    widget->activateWindow();
    if (!QTest::qWaitForWindowActive(widget.get()))
        return nullptr;
    return widget.get();
}

QTableView *MonitorViewsFixture::table() const
{
    return widget ? widget->findChild<QTableView *>(QStringLiteral("tvLoop")) : nullptr;
}

QModelIndex MonitorViewsFixture::viewIndex(int address, int column) const
{
    QAbstractItemModel *view = table()->model();
    for (int r = 0; r < view->rowCount(); ++r) {
        const QModelIndex i = view->index(r, PanelModel::ColAddress);
        if (i.data().toInt() == address + 1)
            return view->index(r, column);
    }
    return QModelIndex();
}

QRect MonitorViewsFixture::cellRect(int address, int column) const
{
    const QModelIndex index = viewIndex(address, column);
    table()->scrollTo(index);
    return table()->visualRect(index);
}

void MonitorViewsFixture::clearRequests()
{
    SimPanel::instance().clearLogs();
    sim->clearRequests();
}

QList<QByteArray> MonitorViewsFixture::requests(quint8 code) const
{
    QList<QByteArray> l;
    for (const QByteArray &r : requests())
        if (!r.isEmpty() && quint8(r.at(0)) == code)
            l.append(r);
    return l;
}
