#include "PointCommand.h"
#include "PointState.h"
#include "USBDataReader.h"

#include "PanelCharsetTable.h"
#include "PanelMemoryMap.h"
#include "SimPanel.h"
#include "SimPointCommands.h"

#include <QtTest>
#include <functional>
#include <memory>

using sim::SimPanel;
using sim::SimPointCommands;

namespace {
// The reader with its image open to the test.
struct Reader : USBDataReader {
    using USBDataReader::point;
};

QByteArray bytes(std::initializer_list<int> l)
{
    QByteArray b;
    for (int v : l)
        b.append(char(v));
    return b;
}

using Command = std::function<bool(Reader &)>;

// Every command of the reader, each with the request it must send.
void addCommands()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QByteArray>("request");
    QTest::newRow("0x07 poll normalized") << Command([](Reader &r) { return r.pollPoint(2, 17, 1, true); }) << bytes({0x07, 2, 17, 1});
    QTest::newRow("0x07 poll absolute") << Command([](Reader &r) { return r.pollPoint(7, 249, 0, false); }) << bytes({0x07, 7, 249, 0});
    QTest::newRow("0x08 panel info") << Command([](Reader &r) { quint8 l, m, p[8]; return r.readPanelInfo(l, p, m); }) << bytes({0x08});
    QTest::newRow("0x0B alarm") << Command([](Reader &r) { return r.setPointAlarm(1, 4); }) << bytes({0x0B, 1, 4});
    QTest::newRow("0x0C key") << Command([](Reader &r) { return r.sendKey(20); }) << bytes({0x0C, 20});
    QTest::newRow("0x0D led") << Command([](Reader &r) { return r.setPointLed(3, 9, 2); }) << bytes({0x0D, 3, 9, 2});
    QTest::newRow("0x0E counters") << Command([](Reader &r) { return r.readPointCounters(0, 200); }) << bytes({0x0E, 0, 200});
    QTest::newRow("0x0F explore") << Command([](Reader &r) { return r.explorePoint(5, 0); }) << bytes({0x0F, 5, 0});
    QTest::newRow("0x10 read param") << Command([](Reader &r) { quint8 v = 0; return r.readPointParam(1, 2, 8, v); }) << bytes({0x10, 1, 2, 8});
    QTest::newRow("0x12 loop version") << Command([](Reader &r) { return r.readLoopVersion(6); }) << bytes({0x12, 6});
    QTest::newRow("0x14 write param") << Command([](Reader &r) { return r.writePointParam(1, 2, 2, 33); }) << bytes({0x14, 1, 2, 2, 33});
    QTest::newRow("0x17 output") << Command([](Reader &r) { return r.setPointOutput(4, 100, 0x10); }) << bytes({0x17, 4, 100, 0x10});
}
}

class TestUSBDataReader : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void connectOpensAndConfigures();
    void failedConfigureLeavesDisconnected();
    void requestBytes_data() { addCommands(); }
    void requestBytes();
    void disconnectedSendsNothing_data() { addCommands(); }
    void disconnectedSendsNothing();
    void failedTransferClosesLink_data() { addCommands(); }
    void failedTransferClosesLink();
    void closedGateSendsNothingAndKeepsTheLink_data() { addCommands(); }
    void closedGateSendsNothingAndKeepsTheLink();
    void gateAskedBeforeEachPageRead();
    void noLateReplyAfterTimeout();
    void leftOverReplyDiscardedOnConnect();
    void shortReplyChangesNothing_data();
    void shortReplyChangesNothing();

    void pollDecoding_data();
    void pollDecoding();
    void pollMinMaxAndPercent();
    void failedPollNeverLatchesAlarm();
    void pollAppendsHistoryOnlyWhenCounted();

    void exploreResults_data();
    void exploreResults();
    void counters_data();
    void counters();
    void readParam_data();
    void readParam();
    void writeParam();
    void actionReplies();
    void loopVersion();
    void panelInfo_data();
    void panelInfo();
    void panelInfoResetBeforeRead();

    void loopConfigFillsPoints();
    void loopConfigFailedPageClearsPoints();
    void fillPointEnabledByte_data();
    void fillPointEnabledByte();

private:
    std::unique_ptr<Reader> m_reader;
    std::unique_ptr<SimPointCommands> m_sim;
};

void TestUSBDataReader::init()
{
    SimPanel::instance().reset();
    m_sim = std::make_unique<SimPointCommands>();
    m_reader = std::make_unique<Reader>();
    QVERIFY(m_reader->connect());
    SimPanel::instance().clearLogs();
}

void TestUSBDataReader::cleanup()
{
    m_reader.reset();
    m_sim.reset();
}

void TestUSBDataReader::connectOpensAndConfigures()
{
    QVERIFY(m_reader->isConnected());
    QVERIFY(SimPanel::instance().interfaceClaimed());
    QCOMPARE(SimPanel::instance().configuration(), 1);
    m_reader->disconnect();
    QVERIFY(!m_reader->isConnected());
    QCOMPARE(SimPanel::instance().openHandleCount(), 0);
}

void TestUSBDataReader::failedConfigureLeavesDisconnected()
{
    m_reader->disconnect();
    SimPanel::instance().setClaimResult(-1);
    QVERIFY(!m_reader->connect());
    QVERIFY(!m_reader->isConnected());
    QCOMPARE(SimPanel::instance().openHandleCount(), 0);
}

void TestUSBDataReader::requestBytes()
{
    QFETCH(Command, command);
    QFETCH(QByteArray, request);
    QVERIFY(command(*m_reader));
    QCOMPARE(SimPanel::instance().requests(), QList<QByteArray>{request});
    QVERIFY(m_reader->isConnected());
}

void TestUSBDataReader::disconnectedSendsNothing()
{
    QFETCH(Command, command);
    m_reader->disconnect();
    SimPanel::instance().clearLogs();
    QVERIFY(!command(*m_reader));
    QVERIFY(SimPanel::instance().transfers().isEmpty());
}

void TestUSBDataReader::failedTransferClosesLink()
{
    QFETCH(Command, command);
    SimPanel::instance().injectFault(sim::ReplyFault::NoReply);
    QVERIFY(!command(*m_reader));
    QVERIFY(!m_reader->isConnected());
    QCOMPARE(SimPanel::instance().openHandleCount(), 0);
    SimPanel::instance().clearLogs();
    QVERIFY(!command(*m_reader));
    QVERIFY(SimPanel::instance().transfers().isEmpty());
}

void TestUSBDataReader::closedGateSendsNothingAndKeepsTheLink()
{
    QFETCH(Command, command);
    QFETCH(QByteArray, request);
    m_reader->setRequestGate([] { return false; });
    QVERIFY(!command(*m_reader));
    QVERIFY(SimPanel::instance().transfers().isEmpty());
    QVERIFY(m_reader->isConnected());
    QCOMPARE(SimPanel::instance().openHandleCount(), 1);

    m_reader->setRequestGate({});
    QVERIFY(command(*m_reader));
    QCOMPARE(SimPanel::instance().requests(), QList<QByteArray>{request});
}

// A loop's element configuration is many page reads: the gate is asked before
// each, and the first refusal ends the reading with the link still open.
void TestUSBDataReader::gateAskedBeforeEachPageRead()
{
    int asked = 0;
    m_reader->setRequestGate([&] { return ++asked <= 3; });
    QVERIFY(!m_reader->readLoopConfig(0));
    QCOMPARE(SimPanel::instance().pageReads().size(), 3);
    QCOMPARE(asked, 4);
    QVERIFY(m_reader->isConnected());
}

void TestUSBDataReader::noLateReplyAfterTimeout()
{
    // The poll's reply header is cut short; what remains of it must not be
    // read as the answer to the next request.
    m_sim->setPoll(0, 1, 0, SimPointCommands::pollReply(0, 77, 0));
    SimPanel::instance().injectFault(sim::ReplyFault::ShortPayload, 0, 1);
    QVERIFY(!m_reader->pollPoint(0, 1, 0, true));
    QCOMPARE(m_reader->point(0, 1).absoluteValue, 0);
    QVERIFY(!m_reader->isConnected());
    QVERIFY(m_reader->connect());
    QVERIFY(m_reader->pollPoint(0, 1, 0, true));
    QCOMPARE(m_reader->point(0, 1).absoluteValue, 77);
}

void TestUSBDataReader::leftOverReplyDiscardedOnConnect()
{
    // The poll's reply header comes cut short; its payload is still waiting on
    // the panel's side when the link is opened again. It must not be read as
    // (part of) the answer to any later request.
    for (int a : {1, 2, 3})
        m_sim->setPoll(0, a, 0, SimPointCommands::pollReply(0, quint8(10 * a), 0));
    SimPanel::instance().injectFault(sim::ReplyFault::ShortHeader);
    QVERIFY(!m_reader->pollPoint(0, 1, 0, true));
    QVERIFY(!m_reader->isConnected());

    QVERIFY(m_reader->connect());
    QVERIFY(m_reader->pollPoint(0, 2, 0, true));
    QVERIFY(m_reader->pollPoint(0, 3, 0, true));
    QCOMPARE(m_reader->point(0, 2).absoluteValue, 20);
    QCOMPARE(m_reader->point(0, 3).absoluteValue, 30);
    QCOMPARE(m_reader->point(0, 1).comm, 0u);
    QVERIFY(m_reader->isConnected());
}

void TestUSBDataReader::shortReplyChangesNothing_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("poll 2 bytes") << Command([](Reader &r) { return r.pollPoint(0, 3, 1, true); }) << bytes({0, 120});
    QTest::newRow("explore 3 bytes") << Command([](Reader &r) { return r.explorePoint(0, 3); }) << bytes({0, 0, 4});
    QTest::newRow("counters 6 bytes") << Command([](Reader &r) { return r.readPointCounters(0, 3); }) << bytes({0, 0, 0, 0, 9, 9});
    QTest::newRow("loop version 2 bytes") << Command([](Reader &r) { return r.readLoopVersion(0); }) << bytes({'2', '0'});
    QTest::newRow("led empty") << Command([](Reader &r) { return r.setPointLed(0, 3, 2); }) << QByteArray();
    QTest::newRow("output empty") << Command([](Reader &r) { return r.setPointOutput(0, 3, 0x10); }) << QByteArray();
    QTest::newRow("write param empty") << Command([](Reader &r) { return r.writePointParam(0, 3, 2, 20); }) << QByteArray();
    QTest::newRow("read param 1 byte") << Command([](Reader &r) {
        quint8 v = 42;
        return r.readPointParam(0, 3, 2, v) || v != 42;
    }) << bytes({0});
    QTest::newRow("panel info 5 bytes") << Command([](Reader &r) { quint8 l, m, p[8]; return r.readPanelInfo(l, p, m); }) << bytes({'9', '.', '9', '9', 4});
}

void TestUSBDataReader::shortReplyChangesNothing()
{
    QFETCH(Command, command);
    QFETCH(QByteArray, reply);
    const LoopPoint before = m_reader->point(0, 3);
    const QString version = m_reader->panelVersion();
    SimPanel::instance().overrideReply(reply);
    QVERIFY(!command(*m_reader));
    const LoopPoint &after = m_reader->point(0, 3);
    QCOMPARE(after.normalizedValue, before.normalizedValue);
    QCOMPARE(after.state, before.state);
    QCOMPARE(after.type, before.type);
    QCOMPARE(after.comm, before.comm);
    QCOMPARE(after.version, before.version);
    QCOMPARE(after.actions, before.actions);
    QCOMPARE(m_reader->panelVersion(), version);
    QCOMPARE(m_reader->loopVersion(0), QString());
    // A whole frame arrived: the link stays up.
    QVERIFY(m_reader->isConnected());
}

void TestUSBDataReader::pollDecoding_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("normalized");
    QTest::addColumn<int>("absolute");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("errors");
    // type, mode, reply -> normalizedValue, absoluteValue, secondValue, error
    QTest::newRow("normalized ok") << 2 << 1 << bytes({0, 40, 90}) << 40 << 0 << -1 << 0;
    QTest::newRow("normalized status 1") << 2 << 1 << bytes({1, 40, 90}) << -1 << 0 << -1 << 1;
    QTest::newRow("absolute ok") << 2 << 0 << bytes({0, 40, 90}) << 0 << 40 << -1 << 0;
    QTest::newRow("absolute ok type 3") << 3 << 0 << bytes({0, 40, 90}) << 0 << 90 << -1 << 0;
    QTest::newRow("absolute status 5") << 2 << 0 << bytes({5, 40, 90}) << 0 << -1 << -1 << 1;
    QTest::newRow("absolute status 5 type 3") << 3 << 0 << bytes({5, 40, 90}) << 0 << -1 << -1 << 1;
    QTest::newRow("normalized value 255") << 2 << 1 << bytes({0, 255, 0}) << 255 << 0 << -1 << 0;
}

void TestUSBDataReader::pollDecoding()
{
    QFETCH(int, type);
    QFETCH(int, mode);
    QFETCH(QByteArray, reply);
    LoopPoint &p = m_reader->point(1, 10);
    p.type = quint8(type);
    m_sim->setPoll(1, 10, mode, reply);
    QVERIFY(m_reader->pollPoint(1, 10, quint8(mode), true));
    QTEST(p.normalizedValue, "normalized");
    QTEST(p.absoluteValue, "absolute");
    QTEST(p.secondValue, "second");
    QTEST(int(p.error), "errors");
    QCOMPARE(p.comm, 1u);
}

void TestUSBDataReader::pollMinMaxAndPercent()
{
    LoopPoint &p = m_reader->point(0, 0);
    p.type = 1;
    p.maxValue = p.minValue = -1;
    const int readings[][2] = {{0, 50}, {0, 40}, {3, 10}, {0, 60}};
    for (const auto &r : readings) {
        m_sim->setPoll(0, 0, 0, SimPointCommands::pollReply(quint8(r[0]), quint8(r[1])));
        QVERIFY(m_reader->pollPoint(0, 0, 0, true));
    }
    QCOMPARE(p.minValue, 40);   // the failed reading of 10 is not a minimum
    QCOMPARE(p.maxValue, 60);
    QCOMPARE(p.comm, 4u);
    QCOMPARE(p.error, 1u);
    QCOMPARE(p.percent, 75.0f);

    // Not counted: the counters stay, the reading and the state change.
    m_sim->setPoll(0, 0, 1, SimPointCommands::pollReply(0, 120));
    QVERIFY(m_reader->pollPoint(0, 0, 1, false));
    QCOMPARE(p.comm, 4u);
    QCOMPARE(p.normalizedValue, 120);
    QVERIFY(p.state & PointState::Alarm);
}

void TestUSBDataReader::failedPollNeverLatchesAlarm()
{
    LoopPoint &p = m_reader->point(0, 5);
    p.type = 1;
    m_sim->setPoll(0, 5, 1, SimPointCommands::pollReply(1, 200));
    QVERIFY(m_reader->pollPoint(0, 5, 1, true));
    QCOMPARE(p.state, 0);
    QCOMPARE(p.normalizedValue, -1);
    // the same reading with status 0 raises it
    m_sim->setPoll(0, 5, 1, SimPointCommands::pollReply(0, 200));
    QVERIFY(m_reader->pollPoint(0, 5, 1, true));
    QCOMPARE(p.state, int(PointState::Alarm));
}

void TestUSBDataReader::pollAppendsHistoryOnlyWhenCounted()
{
    m_reader->point(0, 7).type = 1;
    m_reader->setLogging(true, QStringLiteral("x"));
    m_sim->setPoll(0, 7, 0, SimPointCommands::pollReply(0, 33));
    QVERIFY(m_reader->pollPoint(0, 7, 1, false));
    QVERIFY(m_reader->pollPoint(0, 7, 0, true));
    m_reader->setLogging(false, QString());
    QVERIFY(m_reader->pollPoint(0, 7, 0, true));
    // the history is only reachable through the model; exporting shows it
    QTemporaryDir dir;
    const QString file = dir.filePath("h.csv");
    QVERIFY(m_reader->exportHistory(0, file));
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    QCOMPARE(lines.size(), 3);   // header, one row, end
    QVERIFY(lines.at(1).endsWith(";0;33"));
}

void TestUSBDataReader::exploreResults_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("state");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("newType");
    QTest::addColumn<int>("newState");
    QTest::addColumn<int>("detected");
    QTest::addColumn<int>("subtype");
    QTest::newRow("0 unconfigured") << 0 << 0 << SimPointCommands::exploreReply(0, 4, 0xC7) << 4 << 2 << 4 << 7;
    QTest::newRow("0 same type") << 1 << 0 << SimPointCommands::exploreReply(0, 1, 3) << 1 << 1 << 1 << 3;
    QTest::newRow("0 other type") << 1 << 0 << SimPointCommands::exploreReply(0, 3, 3) << 1 << 32 << 3 << 3;
    QTest::newRow("0 state kept") << 1 << 1 << SimPointCommands::exploreReply(0, 3, 3) << 1 << 1 << 3 << 3;
    QTest::newRow("1 configured") << 1 << 1 << SimPointCommands::exploreReply(1, 0, 0) << 1 << 64 << 0 << 0;
    QTest::newRow("3 configured") << 6 << 0 << SimPointCommands::exploreReply(3, 0, 0) << 6 << 64 << 0 << 0;
    QTest::newRow("1 unconfigured") << 0 << 0 << SimPointCommands::exploreReply(1, 0, 0) << 0 << 0 << 9 << 0;
    QTest::newRow("2 duplicated") << 1 << 1 << SimPointCommands::exploreReply(2, 0, 0) << 1 << 16 << 9 << 0;
    QTest::newRow("7 other") << 1 << 1 << SimPointCommands::exploreReply(7, 5, 5) << 1 << 1 << 9 << 0;
}

void TestUSBDataReader::exploreResults()
{
    QFETCH(int, type);
    QFETCH(int, state);
    QFETCH(QByteArray, reply);
    LoopPoint &p = m_reader->point(2, 30);
    p.type = quint8(type);
    p.state = state;
    p.detectedType = 9;
    p.comm = 5;
    m_sim->setExplore(2, 30, reply);
    QVERIFY(m_reader->explorePoint(2, 30));
    QTEST(int(p.type), "newType");
    QTEST(p.state, "newState");
    QTEST(int(p.detectedType), "detected");
    QTEST(int(p.subtype), "subtype");
    if (type == 0 && reply.at(1) == 0) {
        QCOMPARE(p.comm, 0u);
        QCOMPARE(p.normalizedValue, -1);
        QCOMPARE(p.maxValue, -1);
        QCOMPARE(int(p.loop), 2);
        QCOMPARE(int(p.address), 30);
    }
}

void TestUSBDataReader::counters_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("alarms");
    QTest::addColumn<int>("faults");
    QTest::newRow("0") << SimPointCommands::countersReply(0, 12, 3, 4) << 12 << 3 << 4;
    QTest::newRow("1") << SimPointCommands::countersReply(1, 12, 3, 4) << 0 << 1 << 2;
    QTest::newRow("2") << SimPointCommands::countersReply(2, 12, 3, 4) << 7 << 1 << 2;
}

void TestUSBDataReader::counters()
{
    QFETCH(QByteArray, reply);
    LoopPoint &p = m_reader->point(0, 9);
    p.version = 7;
    p.alarms = 1;
    p.faults = 2;
    m_sim->setCounters(0, 9, reply);
    QVERIFY(m_reader->readPointCounters(0, 9));
    QTEST(int(p.version), "version");
    QTEST(int(p.alarms), "alarms");
    QTEST(int(p.faults), "faults");
}

void TestUSBDataReader::readParam_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("value");
    QTest::newRow("0") << SimPointCommands::paramReply(0, 35) << 35;
    QTest::newRow("1") << SimPointCommands::paramReply(1, 35) << 0;
    QTest::newRow("4") << SimPointCommands::paramReply(4, 35) << 99;
}

void TestUSBDataReader::readParam()
{
    QFETCH(QByteArray, reply);
    m_sim->setParamReply(0, 2, 2, reply);
    quint8 v = 99;
    QVERIFY(m_reader->readPointParam(0, 2, 2, v));
    QTEST(int(v), "value");
}

void TestUSBDataReader::writeParam()
{
    QVERIFY(m_reader->writePointParam(0, 2, 2, 44));
    QCOMPARE(int(m_sim->param(0, 2, 2)), 44);
    m_sim->setWriteParamStatus(1);
    QVERIFY(!m_reader->writePointParam(0, 2, 2, 45));
    QVERIFY(m_reader->isConnected());
}

void TestUSBDataReader::actionReplies()
{
    LoopPoint &p = m_reader->point(0, 1);
    p.actions = 0x12;
    QVERIFY(m_reader->setPointOutput(0, 1, 0));
    QCOMPARE(int(p.actions), 0x02);
    QVERIFY(m_reader->setPointOutput(0, 1, 0x10));
    QCOMPARE(int(p.actions), 0x12);
    m_sim->setOutputReply(bytes({0}));
    QVERIFY(!m_reader->setPointOutput(0, 1, 0));
    QCOMPARE(int(p.actions), 0x12);

    p.actions = 0x10;
    QVERIFY(m_reader->setPointLed(0, 1, 2));
    QCOMPARE(int(p.actions), 0x12);
    m_sim->setLedReply(bytes({0}));
    QVERIFY(!m_reader->setPointLed(0, 1, 0));
    QCOMPARE(int(p.actions), 0x12);

    p.actions = 0;
    m_sim->setAlarmReply(QByteArray());
    QVERIFY(m_reader->setPointAlarm(0, 1));
    QCOMPARE(int(p.actions), 0x10);
    m_sim->setKeyReply(QByteArray());
    QVERIFY(m_reader->sendKey(19));
}

void TestUSBDataReader::loopVersion()
{
    m_sim->setLoopVersion(3, bytes({0x31, 0x30, 0x35}));
    QVERIFY(m_reader->readLoopVersion(3));
    QCOMPARE(m_reader->loopVersion(3), QStringLiteral("1.05"));
    // an empty reply keeps the text
    m_sim->setLoopVersion(3, QByteArray());
    QVERIFY(m_reader->readLoopVersion(3));
    QCOMPARE(m_reader->loopVersion(3), QStringLiteral("1.05"));
    SimPanel::instance().clearLogs();
    QVERIFY(!m_reader->readLoopVersion(8));
    QVERIFY(SimPanel::instance().transfers().isEmpty());
}

void TestUSBDataReader::panelInfo_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("version");
    QTest::addColumn<int>("loops");
    QTest::addColumn<int>("maxPoints");
    QTest::addColumn<QByteArray>("presence");
    QTest::newRow("1 byte") << bytes({'x'}) << true << QString() << 0 << 0 << QByteArray(8, '\0');
    QTest::newRow("6 bytes") << QByteArray("2.31\x02\xfa", 6) << true << "2.31" << 2 << 250 << QByteArray(8, '\0');
    QTest::newRow("14 bytes") << SimPointCommands::panelInfoReply("1.07", 3, 250, bytes({1, 0, 1, 0, 0, 0, 0, 1}))
                              << true << "1.07" << 3 << 250 << bytes({1, 0, 1, 0, 0, 0, 0, 1});
    QTest::newRow("20 loops, 14 presence") << SimPointCommands::panelInfoReply("1.07", 20, 250, QByteArray(14, '\x01'))
                                           << true << "1.07" << 8 << 250 << QByteArray(8, '\x01');
    QTest::newRow("oversize") << SimPointCommands::panelInfoReply("1.07", 8, 250, QByteArray(200, '\x01'))
                              << false << QString() << 0 << 0 << QByteArray(8, '\0');
}

void TestUSBDataReader::panelInfo()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, ok);
    m_sim->setPanelInfo(reply);
    quint8 loops = 99, maxPoints = 99;
    struct { quint8 presence[8]; quint8 guard[8]; } area;
    std::memset(&area, 0x55, sizeof area);
    QCOMPARE(m_reader->readPanelInfo(loops, area.presence, maxPoints), ok);
    QTEST(m_reader->panelVersion(), "version");
    QTEST(int(loops), "loops");
    QTEST(int(maxPoints), "maxPoints");
    QTEST(QByteArray(reinterpret_cast<const char *>(area.presence), 8), "presence");
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(area.guard), 8), QByteArray(8, '\x55'));
    QCOMPARE(m_reader->isConnected(), ok);
}

void TestUSBDataReader::panelInfoResetBeforeRead()
{
    quint8 loops = 0, maxPoints = 0, presence[8] = {};
    QVERIFY(m_reader->readPanelInfo(loops, presence, maxPoints));
    QCOMPARE(int(loops), 1);
    QCOMPARE(int(presence[0]), 1);
    SimPanel::instance().injectFault(sim::ReplyFault::NoReply);
    QVERIFY(!m_reader->readPanelInfo(loops, presence, maxPoints));
    QCOMPARE(int(loops), 0);
    QCOMPARE(int(presence[0]), 0);
    QCOMPARE(int(maxPoints), 0);
}

static QByteArray elementRecord(int type, const QByteArray &description, int zone, int enabled, int subtypeByte)
{
    QByteArray r(32, '\0');
    r[0] = char(type);
    r.replace(1, qMin<int>(24, description.size()), description.left(24));
    r[25] = char(zone);
    r[27] = char(enabled);
    r[28] = char(0x5A);
    r[29] = char(subtypeByte);
    return r;
}

void TestUSBDataReader::loopConfigFillsPoints()
{
    using namespace PanelMemoryMap;
    const QString cyrillic = QString::fromUtf8("Датчик 1");
    SimPanel::instance().setPageBytes(devicePage(2, 9), deviceOffset(9),
                                      elementRecord(1, PanelCharsetTable::encode(cyrillic), 4, 1, 0xC5));
    SimPanel::instance().setPageBytes(devicePage(2, 249), deviceOffset(249),
                                      elementRecord(7, "Door", 0, 0, 0x03));
    QVERIFY(m_reader->readLoopConfig(2));
    const LoopPoint &p = m_reader->point(2, 9);
    QCOMPARE(int(p.type), 1);
    QCOMPARE(p.description, cyrillic);
    QCOMPARE(int(p.zone), 4);
    QCOMPARE(int(p.subtype), 5);
    QCOMPARE(int(p.configByte28), 0x5A);
    QCOMPARE(p.state, 0);
    QCOMPARE(p.normalizedValue, -1);
    QCOMPARE(p.minValue, -1);
    const LoopPoint &q = m_reader->point(2, 249);
    QCOMPARE(int(q.type), 7);
    QCOMPARE(q.description, QStringLiteral("Door"));
    QCOMPARE(q.state, int(PointState::Disabled));
    QCOMPARE(int(q.address), 249);
    QCOMPARE(int(q.loop), 2);
    // the 32 pages of loop 2 were read
    const QList<int> reads = SimPanel::instance().pageReads();
    for (int page = devicePage(2, 0); page <= devicePage(2, 249); ++page)
        QVERIFY(reads.contains(page));
}

void TestUSBDataReader::loopConfigFailedPageClearsPoints()
{
    using namespace PanelMemoryMap;
    for (int a : {8, 16, 17})
        SimPanel::instance().setPageBytes(devicePage(0, a), deviceOffset(a), elementRecord(1, "Old", 3, 1, 0));
    QVERIFY(m_reader->readLoopConfig(0));
    QCOMPARE(int(m_reader->point(0, 16).type), 1);

    // The first reading took requests 1-32 (one per page of loop 0). In the
    // second, page 2 (addresses 16-23) gets no reply: request 32 + 3.
    QCOMPARE(SimPanel::instance().pageReads().size(), 32);
    SimPanel::instance().injectFault(sim::ReplyFault::NoReply, 35);
    QVERIFY(!m_reader->readLoopConfig(0));
    QCOMPARE(int(m_reader->point(0, 8).type), 1);   // read before the failure
    for (int a : {16, 17, 249}) {
        const LoopPoint &p = m_reader->point(0, quint8(a));
        QCOMPARE(int(p.type), 0);
        QCOMPARE(p.state, 0);
        QVERIFY(p.description.isEmpty());
        QCOMPARE(int(p.address), a);
    }
    QVERIFY(!m_reader->isConnected());
}

void TestUSBDataReader::fillPointEnabledByte_data()
{
    QTest::addColumn<int>("enabled");
    QTest::addColumn<int>("state");
    QTest::newRow("0") << 0 << 0x101;
    QTest::newRow("1") << 1 << 0x001;
    QTest::newRow("5") << 5 << 0x201;
}

void TestUSBDataReader::fillPointEnabledByte()
{
    QFETCH(int, enabled);
    LoopPoint &p = m_reader->point(1, 1);
    p.state = PointState::DeviceOk;
    p.actions = 0x12;
    p.threshold = 30;
    const QByteArray r = elementRecord(3, "x", 0, enabled, 0);
    m_reader->fillPointFromConfig(1, 1, reinterpret_cast<const quint8 *>(r.constData()));
    QTEST(p.state, "state");
    QCOMPARE(int(p.actions), 0x12);
    QCOMPARE(int(p.threshold), 30);
    QCOMPARE(int(p.enabledByte), enabled);
}

QTEST_GUILESS_MAIN(TestUSBDataReader)
#include "tst_USBDataReader.moc"
