#include "PanelModel.h"
#include "PointState.h"
#include "virtualActions.h"

#include "PanelMemoryMap.h"
#include "SimPanel.h"
#include "SimPointCommands.h"

#include <QColor>
#include <QIcon>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

using sim::SimPanel;
using sim::SimPointCommands;

namespace {
QByteArray bytes(std::initializer_list<int> l)
{
    QByteArray b;
    for (int v : l)
        b.append(char(v));
    return b;
}

QImage iconImage(const QIcon &icon) { return icon.pixmap(24, 24).toImage(); }
QImage fileImage(const char *path) { return QIcon(QString::fromLatin1(path)).pixmap(24, 24).toImage(); }

// Rows named by the data-changed notices of a spy.
QSet<int> changedRows(const QSignalSpy &spy)
{
    QSet<int> rows;
    for (const QList<QVariant> &args : spy) {
        const QModelIndex from = args.at(0).toModelIndex();
        const QModelIndex to = args.at(1).toModelIndex();
        for (int r = from.row(); r <= to.row(); ++r)
            rows.insert(r);
    }
    return rows;
}
}

class TestPanelModel : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void headersAndFlags();
    void displayValues();
    void statusTextsAndIcons_data();
    void statusTextsAndIcons();
    void typeIconsDistinct();
    void rowColours_data();
    void rowColours();
    void invalidIndexGivesNothing();
    void rowHidden();

    void setDataRules();
    void thresholdWriteThenRead_data();
    void thresholdWriteThenRead();
    void thresholdWriteRefused();

    void tickRequests_data();
    void tickRequests();
    void tickSkipsAndWraps();
    void tickWithNothingToPoll();
    void showLoopCursor();
    void pollingNeedsLink();
    void panelInfoWhileDisconnected();
    void pollInterval_data();
    void pollInterval();

    void applyActionsCases_data();
    void applyActionsCases();
    void applyActionsDisconnected();
    void ledScenario();
    void resetKeyClearsAllLoops();
    void otherKeyChangesNothing();

    void destructorLedOffWhenConnected();
    void destructorSendsNothingWhenDisconnected();
    void historyPointerStaysValid();

private:
    void configure(int loop, int address, int type, int enabled = 1, const QByteArray &description = "Point");
    void load(int loop);
    void alarmPoint(int address);
    void clearLogs();
    QList<QByteArray> requests() const { return SimPanel::instance().requests(); }
    QVariant cell(int row, int column, int role = Qt::DisplayRole) const
    {
        return m_model->data(m_model->index(row, column), role);
    }

    std::unique_ptr<SimPointCommands> m_sim;
    std::unique_ptr<PanelModel> m_model;
};

void TestPanelModel::init()
{
    SimPanel::instance().reset();
    m_sim = std::make_unique<SimPointCommands>();
    // element area with no element configured (type 0)
    for (int loop = 0; loop < PanelMemoryMap::Loops; ++loop)
        for (int page = 0; page < PanelMemoryMap::PagesPerLoop; ++page)
            SimPanel::instance().setPage(PanelMemoryMap::DeviceFirstPage + loop * PanelMemoryMap::PagesPerLoop + page,
                                         QByteArray(PanelMemoryMap::PageSize, '\0'));
    m_model = std::make_unique<PanelModel>();
    QVERIFY(m_model->openPort());
    clearLogs();
}

void TestPanelModel::cleanup()
{
    m_model.reset();
    m_sim.reset();
}

void TestPanelModel::clearLogs()
{
    SimPanel::instance().clearLogs();
    m_sim->clearRequests();
}

void TestPanelModel::configure(int loop, int address, int type, int enabled, const QByteArray &description)
{
    QByteArray r(32, '\0');
    r[0] = char(type);
    r.replace(1, description.size(), description);
    r[25] = char(4);
    r[27] = char(enabled);
    SimPanel::instance().setPageBytes(PanelMemoryMap::devicePage(loop, address),
                                      PanelMemoryMap::deviceOffset(address), r);
}

void TestPanelModel::load(int loop)
{
    QVERIFY(m_model->exploreLoop(quint8(loop)));
    clearLogs();
}

void TestPanelModel::alarmPoint(int address)
{
    m_sim->setPoll(m_model->currentLoop(), address, 1, SimPointCommands::pollReply(0, 100));
    QVERIFY(m_model->isConnected());
}

void TestPanelModel::headersAndFlags()
{
    const QStringList titles = {"Address", "Type", "Status", "Description", "Zone", "Version",
                                "Number of alarms", "Number of faults", "Normalized value", "Absolute value",
                                "Absolute min", "Absolute max", "Comms quality", "Comms err.", "Total comms",
                                "Def. Threshold", "Sensibility", "Actions"};
    QCOMPARE(m_model->rowCount(), 250);
    QCOMPARE(m_model->columnCount(), 18);
    for (int c = 0; c < 18; ++c)
        QCOMPARE(m_model->headerData(c, Qt::Horizontal).toString(), titles.at(c));
    QCOMPARE(m_model->headerData(0, Qt::Vertical).toString(), QStringLiteral("1"));
    QVERIFY(!m_model->headerData(0, Qt::Horizontal, Qt::DecorationRole).isValid());
    for (int c = 0; c < 18; ++c) {
        const Qt::ItemFlags f = m_model->flags(m_model->index(0, c));
        QVERIFY(f & Qt::ItemIsSelectable);
        QVERIFY(f & Qt::ItemIsEnabled);
        QCOMPARE(bool(f & Qt::ItemIsEditable), c == 15 || c == 16);
    }
}

void TestPanelModel::displayValues()
{
    configure(0, 0, 1, 1, "Hall");
    configure(0, 1, 2);
    configure(0, 2, 8);
    configure(0, 3, 13);
    load(0);
    m_sim->setCounters(0, 0, SimPointCommands::countersReply(0, 12, 3, 4));
    QVERIFY(m_model->readPointCounters(0, 0));
    m_sim->setParam(0, 0, 2, 35);
    m_sim->setParam(0, 0, 8, 3);
    QVERIFY(m_model->readPointThreshold(0, 0));
    QVERIFY(m_model->readPointSensibility(0, 0));
    m_sim->setPoll(0, 0, 0, SimPointCommands::pollReply(0, 80));
    m_model->setPollFlags(false, true);
    for (int i = 0; i < 3; ++i) {
        m_model->timerSlot();
        m_model->timerSlot();
        m_model->timerSlot();
        m_model->timerSlot();
    }
    m_sim->setPoll(0, 0, 0, SimPointCommands::pollReply(2, 80));
    for (int i = 0; i < 4; ++i)
        m_model->timerSlot();

    QCOMPARE(cell(0, 0), QVariant(1));
    QCOMPARE(cell(249, 0).toInt(), 250);
    QCOMPARE(cell(0, 1).toString(), QStringLiteral("Optical"));
    QCOMPARE(cell(0, 3).toString(), QStringLiteral("Hall"));
    QCOMPARE(cell(0, 4).toString(), QStringLiteral("Zone: 5"));
    QCOMPARE(cell(0, 5).toString(), QStringLiteral("v12"));
    QCOMPARE(cell(1, 5).toString(), QStringLiteral("???"));
    QCOMPARE(cell(0, 6).toUInt(), 3u);
    QCOMPARE(cell(0, 7).toUInt(), 4u);
    QCOMPARE(cell(0, 9).toInt(), -1);    // last reading failed
    QCOMPARE(cell(0, 10).toInt(), 80);
    QCOMPARE(cell(0, 11).toInt(), 80);
    QCOMPARE(cell(0, 12).toString(), QStringLiteral("75.0 %"));
    QCOMPARE(cell(0, 13).toUInt(), 1u);
    QCOMPARE(cell(0, 14).toUInt(), 4u);
    QCOMPARE(cell(5, 12).toString(), QStringLiteral("--.-"));
    QCOMPARE(cell(0, 15), QVariant(35));
    QCOMPARE(cell(0, 16), QVariant(3));
    QVERIFY(!cell(1, 15).isValid());
    QVERIFY(!cell(1, 16).isValid());

    const QVariant actions = cell(0, 17);
    QCOMPARE(actions.metaType(), QMetaType::fromType<virtualActions>());
    QCOMPARE(QString::fromLatin1(actions.typeName()), QStringLiteral("virtualActions"));
    QCOMPARE(int(actions.value<virtualActions>().mask), 5);
    QVERIFY(!cell(2, 17).isValid());   // sounder: no actions
    QVERIFY(!cell(3, 17).isValid());   // type 13
    QCOMPARE(cell(0, 3, Qt::TextAlignmentRole).toInt(), int(Qt::AlignJustify | Qt::AlignVCenter));
    QCOMPARE(cell(0, 4, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
}

void TestPanelModel::statusTextsAndIcons_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("icon");
    QTest::newRow("none") << 1 << 0 << "" << "";
    QTest::newRow("ok") << 1 << 0x001 << "Device OK" << "shield_green";
    QTest::newRow("not configured") << 1 << 0x002 << "Not configured" << "shield_gray";
    QTest::newRow("maintenance") << 1 << 0x005 << "Need manteinance" << "shield_yellow";
    QTest::newRow("alarm") << 1 << 0x00D << "In alarm" << "shield_red";
    QTest::newRow("output on") << 7 << 0x009 << "Output ON" << "shield_red";
    QTest::newRow("duplicated") << 1 << 0x010 << "Address duplicated" << "shield_blue";
    QTest::newRow("wrong") << 1 << 0x020 << "Wrong device" << "shield_blue";
    QTest::newRow("missing") << 1 << 0x040 << "Missing" << "shield_gray";
    QTest::newRow("fault") << 1 << 0x081 << "Point in fault" << "shield_yellow";
    QTest::newRow("fault and alarm") << 1 << 0x089 << "Point in fault" << "shield_red";
    QTest::newRow("disabled alarm") << 1 << 0x108 << "Element disabled" << "shield_gray";
    QTest::newRow("wrong and alarm") << 1 << 0x028 << "Wrong device" << "shield_red";
}

void TestPanelModel::statusTextsAndIcons()
{
    QFETCH(int, type);
    QFETCH(int, state);
    QFETCH(QString, icon);
    LoopPoint p;
    p.type = quint8(type);
    p.state = state;
    QTEST(m_model->statusText(p), "text");
    const QIcon got = m_model->statusIcon(p);
    if (icon.isEmpty()) {
        QVERIFY(got.isNull());
    } else {
        QVERIFY(!got.isNull());
        QCOMPARE(iconImage(got), fileImage(qPrintable(":/res/icons/" + icon + ".png")));
    }
}

void TestPanelModel::typeIconsDistinct()
{
    QList<QImage> seen;
    for (int t = 1; t <= 12; ++t) {
        const QIcon icon = m_model->typeIcon(t);
        QVERIFY2(!icon.isNull(), qPrintable(QString::number(t)));
        const QImage image = iconImage(icon);
        QVERIFY(!seen.contains(image));
        seen.append(image);
    }
    for (const char *shield : {":/res/icons/shield_red.png", ":/res/icons/shield_yellow.png", ":/res/icons/shield_gray.png",
                               ":/res/icons/shield_green.png", ":/res/icons/shield_blue.png"}) {
        const QImage image = fileImage(shield);
        QVERIFY(!image.isNull());
        QVERIFY(!seen.contains(image));
        seen.append(image);
    }
    QVERIFY(m_model->typeIcon(0).isNull());
    QVERIFY(m_model->typeIcon(13).isNull());
    QVERIFY(m_model->typeIcon(250).isNull());
}

void TestPanelModel::rowColours_data()
{
    QTest::addColumn<int>("enabled");
    QTest::addColumn<int>("reading");   // normalized reading of an optical point, -1 none
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("foreground");
    QTest::newRow("quiet") << 1 << -1 << QColor() << QColor();
    QTest::newRow("disabled") << 0 << 120 << QColor(150, 150, 150, 154) << QColor(230, 230, 230, 255);
    QTest::newRow("alarm") << 1 << 120 << QColor(255, 0, 0, 100) << QColor();
    QTest::newRow("maintenance") << 1 << 60 << QColor(255, 145, 18, 154) << QColor();
}

void TestPanelModel::rowColours()
{
    QFETCH(int, enabled);
    QFETCH(int, reading);
    configure(0, 6, 1, enabled);
    load(0);
    if (reading >= 0) {
        m_model->setPollFlags(true, false);
        m_sim->setPoll(0, 6, 1, SimPointCommands::pollReply(0, quint8(reading)));
        m_model->timerSlot();
        m_model->timerSlot();
    }
    QFETCH(QColor, background);
    QFETCH(QColor, foreground);
    for (int c : {0, 8, 17}) {
        QCOMPARE(cell(6, c, Qt::BackgroundRole).value<QColor>(), background);
        QCOMPARE(cell(6, c, Qt::ForegroundRole).value<QColor>(), foreground);
    }
}

void TestPanelModel::invalidIndexGivesNothing()
{
    configure(0, 0, 1);
    load(0);
    QVERIFY(!m_model->data(QModelIndex()).isValid());
    QVERIFY(!m_model->data(m_model->index(250, 0)).isValid());
    QVERIFY(!m_model->data(m_model->index(0, 18)).isValid());
    QVERIFY(!cell(0, 0, Qt::ToolTipRole).isValid());
    QVERIFY(!cell(0, 0, Qt::DecorationRole).isValid());
    QVERIFY(cell(0, 1, Qt::DecorationRole).isValid());
}

void TestPanelModel::rowHidden()
{
    configure(0, 1, 4);
    load(0);
    m_sim->setExplore(0, 2, SimPointCommands::exploreReply(0, 6, 0));
    QVERIFY(m_model->readPointState(0, 2));
    QVERIFY(m_model->isRowHidden(0));
    QVERIFY(!m_model->isRowHidden(1));
    QVERIFY(!m_model->isRowHidden(2));
    QCOMPARE(int(m_model->pointType(0, 2)), 6);
}

void TestPanelModel::setDataRules()
{
    configure(0, 0, 1);
    configure(0, 1, 2);
    load(0);
    QVERIFY(!m_model->setData(m_model->index(0, 15), 30, Qt::DisplayRole));
    QVERIFY(!m_model->setData(m_model->index(0, 3), "x"));
    QVERIFY(!m_model->setData(m_model->index(0, 0), 5));
    QVERIFY(!m_model->setData(m_model->index(0, 17), 0x12));          // not a virtualActions value
    QVERIFY(!m_model->setData(m_model->index(1, 15), 30));            // heat detector: no threshold
    QVERIFY(!m_model->setData(m_model->index(0, 15), "thirty"));
    QVERIFY(requests().isEmpty());
    QVERIFY(m_model->setData(m_model->index(0, 17), QVariant::fromValue(virtualActions(0x12, 5))));
    QCOMPARE(requests(), (QList<QByteArray>{bytes({0x0B, 0, 0}), bytes({0x0D, 0, 0, 2})}));
}

void TestPanelModel::thresholdWriteThenRead_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("parameter");
    QTest::addColumn<int>("value");
    QTest::newRow("threshold 10") << 15 << 2 << 10;
    QTest::newRow("threshold 60") << 15 << 2 << 60;
    QTest::newRow("sensibility 1") << 16 << 8 << 1;
    QTest::newRow("sensibility 5") << 16 << 8 << 5;
}

void TestPanelModel::thresholdWriteThenRead()
{
    QFETCH(int, column);
    QFETCH(int, parameter);
    QFETCH(int, value);
    configure(0, 9, 3);
    load(0);
    QSignalSpy spy(m_model.get(), &QAbstractItemModel::dataChanged);
    QVERIFY(m_model->setData(m_model->index(9, column), value));
    QCOMPARE(requests(), (QList<QByteArray>{bytes({0x14, 0, 9, parameter, value}), bytes({0x10, 0, 9, parameter})}));
    QCOMPARE(cell(9, column).toInt(), value);
    QVERIFY(changedRows(spy).contains(9));
}

void TestPanelModel::thresholdWriteRefused()
{
    configure(0, 9, 1);
    load(0);
    for (const auto &c : {qMakePair(15, 9), qMakePair(15, 61), qMakePair(15, 300), qMakePair(15, 266),
                          qMakePair(16, 0), qMakePair(16, 6), qMakePair(16, -1)})
        QVERIFY2(!m_model->setData(m_model->index(9, c.first), c.second), qPrintable(QString::number(c.second)));
    QVERIFY(!m_model->setPointThreshold(0, 9, 61));
    QVERIFY(!m_model->setPointSensibility(0, 9, 0));
    QVERIFY(requests().isEmpty());
    // a refused write is not followed by a read
    m_sim->setWriteParamStatus(3);
    QVERIFY(!m_model->setData(m_model->index(9, 15), 20));
    QCOMPARE(requests(), QList<QByteArray>{bytes({0x14, 0, 9, 2, 20})});
}

void TestPanelModel::tickRequests_data()
{
    QTest::addColumn<bool>("normalized");
    QTest::addColumn<bool>("absolute");
    QTest::addColumn<QList<QByteArray>>("sent");
    QTest::addColumn<int>("comm");
    QTest::newRow("both") << true << true << QList<QByteArray>{bytes({7, 0, 4, 1}), bytes({7, 0, 4, 0})} << 1;
    QTest::newRow("normalized") << true << false << QList<QByteArray>{bytes({7, 0, 4, 1})} << 1;
    QTest::newRow("absolute") << false << true << QList<QByteArray>{bytes({7, 0, 4, 0})} << 1;
    QTest::newRow("none") << false << false << QList<QByteArray>{} << 0;
}

void TestPanelModel::tickRequests()
{
    QFETCH(bool, normalized);
    QFETCH(bool, absolute);
    configure(0, 4, 1);
    configure(0, 8, 1);
    load(0);
    m_model->setPollFlags(normalized, absolute);
    QSignalSpy spy(m_model.get(), &QAbstractItemModel::dataChanged);
    m_model->timerSlot();
    QTEST(requests(), "sent");
    QTEST(int(m_model->loopPoint(0, 4).comm), "comm");
    QCOMPARE(changedRows(spy), QSet<int>{4});
    // the cursor moved on to the next point, also when nothing was sent
    spy.clear();
    m_model->timerSlot();
    QCOMPARE(changedRows(spy), QSet<int>{8});
}

void TestPanelModel::tickSkipsAndWraps()
{
    configure(0, 2, 1);
    configure(0, 3, 1);
    configure(0, 5, 1);
    configure(0, 7, 1);
    configure(0, 240, 4);
    load(0);
    m_sim->setExplore(0, 3, SimPointCommands::exploreReply(2, 0, 0));   // duplicated
    m_sim->setExplore(0, 5, SimPointCommands::exploreReply(1, 0, 0));   // missing
    m_sim->setExplore(0, 7, SimPointCommands::exploreReply(0, 3, 0));   // wrong device: still polled
    for (int a : {3, 5, 7})
        QVERIFY(m_model->readPointState(0, quint8(a)));
    clearLogs();
    m_model->setPollFlags(false, true);
    QList<int> polled;
    for (int i = 0; i < 5; ++i) {
        m_model->timerSlot();
        polled << quint8(requests().last().at(2));
    }
    QCOMPARE(polled, (QList<int>{2, 7, 240, 2, 7}));
    QCOMPARE(requests().size(), 5);
}

void TestPanelModel::tickWithNothingToPoll()
{
    configure(0, 3, 1);
    load(0);
    m_sim->setExplore(0, 3, SimPointCommands::exploreReply(1, 0, 0));
    QVERIFY(m_model->readPointState(0, 3));
    clearLogs();
    QSignalSpy spy(m_model.get(), &QAbstractItemModel::dataChanged);
    m_model->timerSlot();
    m_model->timerSlot();
    QVERIFY(requests().isEmpty());
    QCOMPARE(spy.count(), 0);
}

void TestPanelModel::showLoopCursor()
{
    configure(0, 2, 1);
    configure(0, 4, 1);
    load(0);
    m_model->setPollFlags(false, true);
    m_model->timerSlot();
    m_model->showLoop(0);   // the shown loop: the cursor stays
    m_model->timerSlot();
    m_model->showLoop(9);   // no such loop: the cursor goes back, the loop stays
    QCOMPARE(int(m_model->currentLoop()), 0);
    m_model->timerSlot();
    QCOMPARE(requests(), (QList<QByteArray>{bytes({7, 0, 2, 0}), bytes({7, 0, 4, 0}), bytes({7, 0, 2, 0})}));

    QSignalSpy spy(m_model.get(), &QAbstractItemModel::dataChanged);
    m_model->showLoop(1);
    QCOMPARE(int(m_model->currentLoop()), 1);
    QCOMPARE(changedRows(spy).size(), 250);
}

void TestPanelModel::panelInfoWhileDisconnected()
{
    quint8 loops = 0, maxPoints = 0, presence[8] = {};
    QVERIFY(m_model->readPanelInfo(loops, presence, maxPoints));
    QCOMPARE(int(loops), 1);
    m_model->closePort();
    clearLogs();
    // the previous connection's layout is not shown again
    QVERIFY(!m_model->readPanelInfo(loops, presence, maxPoints));
    QCOMPARE(int(loops), 0);
    QCOMPARE(int(maxPoints), 0);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(presence), 8), QByteArray(8, '\0'));
    QVERIFY(SimPanel::instance().transfers().isEmpty());
}

void TestPanelModel::pollingNeedsLink()
{
    configure(0, 2, 1);
    load(0);
    m_model->startPolling();
    QVERIFY(m_model->isPollingActive());
    m_model->closePort();
    QVERIFY(!m_model->isConnected());
    QVERIFY(!m_model->isPollingActive());
    m_model->startPolling();
    QVERIFY(!m_model->isPollingActive());

    // A failed exchange in a tick closes the link and stops the polling.
    QVERIFY(m_model->openPort());
    m_model->startPolling();
    SimPanel::instance().injectFault(sim::ReplyFault::NoReply);
    m_model->timerSlot();
    QVERIFY(!m_model->isConnected());
    QVERIFY(!m_model->isPollingActive());
    clearLogs();
    m_model->timerSlot();
    QVERIFY(SimPanel::instance().transfers().isEmpty());

    // A link lost outside the tick stops it at the next tick, without traffic.
    QVERIFY(m_model->openPort());
    m_model->startPolling();
    SimPanel::instance().injectFault(sim::ReplyFault::NoReply);
    QVERIFY(!m_model->readPointCounters(0, 2));
    QVERIFY(m_model->isPollingActive());
    clearLogs();
    m_model->timerSlot();
    QVERIFY(!m_model->isPollingActive());
    QVERIFY(SimPanel::instance().transfers().isEmpty());
}

void TestPanelModel::pollInterval_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("interval");
    QTest::newRow("0") << 0 << 500;
    QTest::newRow("499") << 499 << 500;
    QTest::newRow("500") << 500 << 500;
    QTest::newRow("1250") << 1250 << 1250;
    QTest::newRow("2000") << 2000 << 2000;
    QTest::newRow("2001") << 2001 << 500;
    QTest::newRow("-5") << -5 << 500;
}

void TestPanelModel::pollInterval()
{
    QFETCH(int, set);
    QCOMPARE(m_model->pollInterval(), 500);
    m_model->setPollInterval(set);
    QTEST(m_model->pollInterval(), "interval");
}

void TestPanelModel::applyActionsCases_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("led");
    QTest::addColumn<QList<QByteArray>>("sent");
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("after");
    const int r = 10;
    QTest::newRow("fire on") << 1 << 0 << 0x10 << 0 << QList<QByteArray>{bytes({0x0B, 0, r})} << true << 0x10;
    QTest::newRow("fire off is never sent") << 1 << 0x10 << 0 << 0 << QList<QByteArray>{} << false << 0x10;
    QTest::newRow("fire off, led on") << 1 << 0x10 << 0 << 2 << QList<QByteArray>{bytes({0x0D, 0, r, 2})} << true << 0x12;
    QTest::newRow("fire and led") << 1 << 0 << 0x30 << 2
                                  << QList<QByteArray>{bytes({0x0B, 0, r}), bytes({0x0D, 0, r, 2})} << true << 0x12;
    QTest::newRow("led 3 means off") << 1 << 0x02 << 0 << 3 << QList<QByteArray>{bytes({0x0D, 0, r, 0})} << true << 0x00;
    QTest::newRow("led 1 means off, already off") << 1 << 0 << 0 << 1 << QList<QByteArray>{} << false << 0x00;
    QTest::newRow("output on") << 7 << 0 << 0x10 << 0 << QList<QByteArray>{bytes({0x17, 0, r, 0x10})} << true << 0x10;
    QTest::newRow("output on, led kept") << 7 << 0x02 << 0x10 << 2 << QList<QByteArray>{bytes({0x17, 0, r, 0x10})} << true << 0x12;
    QTest::newRow("output off") << 7 << 0x10 << 0 << 0 << QList<QByteArray>{bytes({0x17, 0, r, 0})} << true << 0x00;
    QTest::newRow("sounder") << 8 << 0 << 0x10 << 2 << QList<QByteArray>{} << false << 0x00;
    QTest::newRow("remote indicator") << 11 << 0 << 0x10 << 2 << QList<QByteArray>{} << false << 0x00;
    QTest::newRow("beam has no led") << 12 << 0 << 0 << 2 << QList<QByteArray>{} << false << 0x00;
    QTest::newRow("beam fire") << 12 << 0 << 0x10 << 2 << QList<QByteArray>{bytes({0x0B, 0, r})} << true << 0x10;
    QTest::newRow("type 13") << 13 << 0 << 0x10 << 2 << QList<QByteArray>{} << false << 0x00;
}

void TestPanelModel::applyActionsCases()
{
    QFETCH(int, type);
    QFETCH(int, before);
    configure(0, 10, type);
    load(0);
    if (before != 0) {
        QVERIFY(m_model->applyActions(10, quint8(before & 0xF0), quint8(before & 0x0F)));
        QCOMPARE(int(m_model->loopPoint(0, 10).actions), before);
        clearLogs();
    }
    QFETCH(int, high);
    QFETCH(int, led);
    QSignalSpy spy(m_model.get(), &QAbstractItemModel::dataChanged);
    QFETCH(bool, result);
    QCOMPARE(m_model->applyActions(10, quint8(high), quint8(led)), result);
    QTEST(requests(), "sent");
    QTEST(int(m_model->loopPoint(0, 10).actions), "after");
    QCOMPARE(changedRows(spy).contains(10), result);
}

void TestPanelModel::applyActionsDisconnected()
{
    configure(0, 10, 1);
    load(0);
    m_model->closePort();
    clearLogs();
    QVERIFY(!m_model->applyActions(10, 0x10, 2));
    QVERIFY(SimPanel::instance().transfers().isEmpty());
    // an output refused by the panel changes nothing
    QVERIFY(m_model->openPort());
    configure(0, 11, 7);
    load(0);
    m_sim->setOutputReply(bytes({0}));
    QVERIFY(!m_model->applyActions(11, 0x10, 0));
    QCOMPARE(int(m_model->loopPoint(0, 11).actions), 0);
}

void TestPanelModel::ledScenario()
{
    configure(0, 5, 1);
    configure(0, 7, 1);
    configure(1, 3, 1);
    load(0);
    QVERIFY(m_model->exploreLoop(1));
    // address 7 of loop 0 lit
    QVERIFY(m_model->applyActions(7, 0, 2));
    // address 3 of loop 1 lit; the off request to 0/7 is refused, so 0/7 stays lit
    m_model->showLoop(1);
    clearLogs();
    SimPanel::instance().overrideReply(bytes({0}));
    QVERIFY(m_model->applyActions(3, 0, 2));
    QCOMPARE(requests(), (QList<QByteArray>{bytes({0x0D, 0, 7, 0}), bytes({0x0D, 1, 3, 2})}));
    QCOMPARE(int(m_model->loopPoint(0, 7).actions), 2);

    // lighting 0/5: 0/7 goes out by the loop walk, 1/3 as the one lit last, then 0/5 lights
    m_model->showLoop(0);
    clearLogs();
    QSignalSpy spy(m_model.get(), &QAbstractItemModel::dataChanged);
    QVERIFY(m_model->applyActions(5, 0, 2));
    QCOMPARE(requests(), (QList<QByteArray>{bytes({0x0D, 0, 7, 0}), bytes({0x0D, 1, 3, 0}), bytes({0x0D, 0, 5, 2})}));
    QCOMPARE(changedRows(spy), (QSet<int>{5, 7}));
    QCOMPARE(int(m_model->loopPoint(0, 7).actions), 0);
    QCOMPARE(int(m_model->loopPoint(1, 3).actions), 0);
    QCOMPARE(int(m_model->loopPoint(0, 5).actions), 2);

    // switching 0/5 off keeps it remembered: the next lighting sends it one more off
    QVERIFY(m_model->applyActions(5, 0, 0));
    clearLogs();
    QVERIFY(m_model->applyActions(7, 0, 2));
    QCOMPARE(requests(), (QList<QByteArray>{bytes({0x0D, 0, 5, 0}), bytes({0x0D, 0, 7, 2})}));
}

void TestPanelModel::resetKeyClearsAllLoops()
{
    configure(0, 1, 1);
    configure(1, 2, 5);
    load(0);
    QVERIFY(m_model->exploreLoop(1));
    m_sim->setPoll(0, 1, 1, SimPointCommands::pollReply(0, 100));
    m_sim->setPoll(1, 2, 1, SimPointCommands::pollReply(0, 0));   // zone fault
    QVERIFY(m_model->applyActions(1, 0x10, 2));
    m_model->setPollFlags(true, false);
    m_model->timerSlot();
    m_model->showLoop(1);
    m_model->timerSlot();
    QCOMPARE(m_model->loopPoint(0, 1).state, int(PointState::Alarm));
    QCOMPARE(m_model->loopPoint(1, 2).state, int(PointState::Fault));
    QCOMPARE(int(m_model->loopPoint(0, 1).actions), 0x12);

    clearLogs();
    QSignalSpy spy(m_model.get(), &QAbstractItemModel::dataChanged);
    QVERIFY(m_model->sendPanelKey(20));
    QCOMPARE(requests(), QList<QByteArray>{bytes({0x0C, 20})});
    QCOMPARE(m_model->loopPoint(0, 1).state, 0);
    QCOMPARE(m_model->loopPoint(1, 2).state, 0);
    QCOMPARE(int(m_model->loopPoint(0, 1).actions), 0);
    QCOMPARE(changedRows(spy).size(), 250);
}

void TestPanelModel::otherKeyChangesNothing()
{
    configure(0, 1, 1);
    load(0);
    QVERIFY(m_model->applyActions(1, 0x10, 0));
    QVERIFY(m_model->sendPanelKey(19));
    QCOMPARE(int(m_model->loopPoint(0, 1).actions), 0x10);
    // a reset the panel did not answer changes nothing
    SimPanel::instance().injectFault(sim::ReplyFault::NoReply);
    QVERIFY(!m_model->sendPanelKey(20));
    QCOMPARE(int(m_model->loopPoint(0, 1).actions), 0x10);
}

void TestPanelModel::destructorLedOffWhenConnected()
{
    configure(0, 6, 1);
    load(0);
    QVERIFY(m_model->applyActions(6, 0, 2));
    clearLogs();
    m_model.reset();
    QCOMPARE(requests(), QList<QByteArray>{bytes({0x0D, 0, 6, 0})});
    QCOMPARE(SimPanel::instance().openHandleCount(), 0);
}

void TestPanelModel::destructorSendsNothingWhenDisconnected()
{
    configure(0, 6, 1);
    load(0);
    QVERIFY(m_model->applyActions(6, 0, 2));
    m_model->closePort();
    const int opens = SimPanel::instance().openCalls();
    clearLogs();
    m_model.reset();
    QVERIFY(SimPanel::instance().transfers().isEmpty());
    QCOMPARE(SimPanel::instance().openCalls(), opens);
}

void TestPanelModel::historyPointerStaysValid()
{
    configure(0, 0, 1);
    load(0);
    const QList<PointHistorySample> *list = m_model->history(0, 0);
    QVERIFY(list->isEmpty());
    m_model->setDataLogging(true, QString());
    m_model->setPollFlags(true, true);
    m_sim->setPoll(0, 0, 1, SimPointCommands::pollReply(0, 20));
    m_sim->setPoll(0, 0, 0, SimPointCommands::pollReply(0, 90));
    for (int i = 0; i < 3; ++i)
        m_model->timerSlot();
    QCOMPARE(m_model->history(0, 0), list);
    QCOMPARE(list->size(), 3);   // one sample per tick
    QCOMPARE(list->last().normalizedValue, 20);
    QCOMPARE(list->last().absoluteValue, 90);
    int progress = 0;
    m_model->clearHistory(progress);
    QCOMPARE(progress, 100);
    QVERIFY(list->isEmpty());
    QCOMPARE(m_model->history(0, 0), list);
}

QTEST_MAIN(TestPanelModel)
#include "tst_PanelModel.moc"
