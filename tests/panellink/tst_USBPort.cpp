#include "SimPanel.h"
#include "USBPort.h"

#include <QtTest>

using sim::SimPanel;
using sim::ReplyFault;

namespace {
// The port is never used alone; a thin owner gives the tests the handle state.
class Port : public USBPort {
public:
    using USBPort::USBPort;
    bool hasHandle() const { return handle != nullptr; }
};

QByteArray bytes(std::initializer_list<int> list)
{
    QByteArray b;
    for (int v : list)
        b.append(char(v));
    return b;
}
}

class TestUSBPort : public QObject {
    Q_OBJECT
private slots:
    void init() { SimPanel::instance().reset(); }

    void openFindsAndConfigures();
    void openFailures_data();
    void openFailures();
    void openWithoutConfigure();
    void laterBusReplacesAndClosesEarlierHandle();
    void closeClearsHandleAndOperationsFail();
    void frameBytesOnTheWire();
    void bareCommandFrame();
    void readFailures_data();
    void readFailures();
    void oversizeReplyStaysOutOfBufferAndOffTheLink();
    void zeroLengthReply();
    void refusedHeaderWriteSendsNoPayload();
    void shortPayloadWriteFails();
};

void TestUSBPort::openFindsAndConfigures()
{
    Port port;
    QVERIFY(port.open());
    QVERIFY(port.hasHandle());
    QCOMPARE(SimPanel::instance().configuration(), 1);
    QVERIFY(SimPanel::instance().interfaceClaimed());
    QVERIFY(port.close());
    QCOMPARE(SimPanel::instance().openHandleCount(), 0);
}

void TestUSBPort::openFailures_data()
{
    QTest::addColumn<int>("what");
    QTest::newRow("no device") << 0;
    QTest::newRow("other device only") << 1;
    QTest::newRow("configuration refused") << 2;
    QTest::newRow("claim refused") << 3;
}

void TestUSBPort::openFailures()
{
    QFETCH(int, what);
    SimPanel &panel = SimPanel::instance();
    switch (what) {
    case 0: panel.setNoDevice(); break;
    case 1: panel.setBuses({{{0x15A2, 0x0041}, {0x1234, 0x0040}}}); break;
    case 2: panel.setConfigurationResult(-1); break;
    case 3: panel.setClaimResult(-16); break;
    }
    Port port;
    QVERIFY(!port.open());
    QVERIFY(!port.hasHandle());
    // A device opened for a failed configuration is closed again.
    QCOMPARE(panel.openHandleCount(), 0);
    quint8 b = 0;
    QVERIFY(!port.writeFrame(&b, 1));
}

void TestUSBPort::openWithoutConfigure()
{
    Port port(false);
    QVERIFY(port.open());
    QCOMPARE(SimPanel::instance().configuration(), 0);
    QVERIFY(!SimPanel::instance().interfaceClaimed());
    QVERIFY(port.configure());
    QVERIFY(SimPanel::instance().interfaceClaimed());
    port.releaseInterface();
    QVERIFY(!SimPanel::instance().interfaceClaimed());
    port.close();
}

void TestUSBPort::laterBusReplacesAndClosesEarlierHandle()
{
    SimPanel &panel = SimPanel::instance();
    panel.setBuses({{{0x15A2, 0x0040}}, {}, {{0x0001, 0x0002}, {0x15A2, 0x0040}, {0x15A2, 0x0040}}});
    Port port;
    QVERIFY(port.open());
    QCOMPARE(panel.lastOpenedBus(), 2);
    QCOMPARE(panel.openCalls(), 2);          // first match of each bus only
    QCOMPARE(panel.openHandleCount(), 1);    // the handle of bus 0 was closed
    port.close();
    QCOMPARE(panel.openHandleCount(), 0);
}

void TestUSBPort::closeClearsHandleAndOperationsFail()
{
    Port port;
    QVERIFY(port.open());
    QVERIFY(port.close());
    QVERIFY(!port.hasHandle());
    QVERIFY(port.close());   // closing twice is harmless
    quint8 buf[4] = {};
    quint16 len = 7;
    QVERIFY(!port.writeFrame(buf, 1));
    QVERIFY(!port.readFrame(buf, sizeof buf, len));
    QCOMPARE(len, quint16(7));
    QVERIFY(!port.configure());
    const int before = SimPanel::instance().transfers().size();
    port.releaseInterface();
    QCOMPARE(SimPanel::instance().transfers().size(), before);
}

void TestUSBPort::frameBytesOnTheWire()
{
    SimPanel &panel = SimPanel::instance();
    QByteArray page(256, '\0');
    for (int i = 0; i < 256; ++i)
        page[i] = char(i);
    panel.setPage(0x1A3, page);

    Port port;
    QVERIFY(port.open());
    panel.clearLogs();
    const quint8 request[3] = {0x01, 0x01, 0xA3};
    QVERIFY(port.writeFrame(request, 3));
    quint8 reply[256];
    quint16 len = 0;
    QVERIFY(port.readFrame(reply, sizeof reply, len));
    QCOMPARE(len, quint16(256));
    QCOMPARE(QByteArray(reinterpret_cast<char *>(reply), 256), page);

    const QList<sim::Transfer> &t = panel.transfers();
    QCOMPARE(t.size(), 4);
    QVERIFY(t[0].out);
    QCOMPARE(t[0].endpoint, 0x02);
    QCOMPARE(t[0].bytes, bytes({0x00, 0x03}));
    QCOMPARE(t[1].bytes, bytes({0x01, 0x01, 0xA3}));
    QVERIFY(!t[2].out);
    QCOMPARE(t[2].endpoint, 0x81);
    QCOMPARE(t[2].bytes, bytes({0x01, 0x00}));
    QCOMPARE(t[3].bytes.size(), 256);
    QCOMPARE(t[0].requested, 2);
    QCOMPARE(t[2].requested, 2);
    QCOMPARE(t[3].requested, 256);
    port.close();
}

void TestUSBPort::bareCommandFrame()
{
    SimPanel &panel = SimPanel::instance();
    Port port;
    QVERIFY(port.open());
    panel.clearLogs();
    const quint8 finish = 0x04;
    QVERIFY(port.writeFrame(&finish, 1));
    QCOMPARE(panel.transfers().size(), 2);
    QCOMPARE(panel.transfers()[0].bytes, bytes({0x00, 0x01}));
    QCOMPARE(panel.transfers()[1].bytes, bytes({0x04}));
    QCOMPARE(panel.finishUploadCount(), 1);
    port.close();
}

void TestUSBPort::readFailures_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("param");
    QTest::addColumn<int>("lengthAfter");

    QTest::newRow("1-byte header") << int(ReplyFault::ShortHeader) << 0 << 0xBEEF;
    QTest::newRow("256 announced, 200 received") << int(ReplyFault::ShortPayload) << 200 << 256;
    QTest::newRow("more than announced") << int(ReplyFault::LongerThanAnnounced) << 10 << 256;
    QTest::newRow("no reply") << int(ReplyFault::NoReply) << 0 << 0xBEEF;
}

void TestUSBPort::readFailures()
{
    QFETCH(int, fault);
    QFETCH(int, param);
    QFETCH(int, lengthAfter);

    SimPanel &panel = SimPanel::instance();
    Port port;
    QVERIFY(port.open());
    panel.injectFault(ReplyFault(fault), 0, param);
    const quint8 request[3] = {0x01, 0x01, 0xA0};
    QVERIFY(port.writeFrame(request, 3));
    quint8 reply[256];
    quint16 len = 0xBEEF;
    QVERIFY(!port.readFrame(reply, sizeof reply, len));
    QCOMPARE(int(len), lengthAfter);
    port.close();
}

void TestUSBPort::oversizeReplyStaysOutOfBufferAndOffTheLink()
{
    SimPanel &panel = SimPanel::instance();
    Port port;
    QVERIFY(port.open());
    panel.overrideReply(QByteArray(300, char(0x55)));
    const quint8 request[3] = {0x01, 0x01, 0xA0};
    QVERIFY(port.writeFrame(request, 3));

    quint8 area[256 + 16];
    std::memset(area, 0x11, sizeof area);
    quint16 len = 0;
    QVERIFY(!port.readFrame(area, 256, len));
    QCOMPARE(len, quint16(300));
    for (quint8 b : area)
        QCOMPARE(int(b), 0x11);

    // The refused reply was taken off the link: the next answer is the right one.
    panel.setPage(0x1A1, QByteArray(256, char(0x42)));
    const quint8 next[3] = {0x01, 0x01, 0xA1};
    QVERIFY(port.writeFrame(next, 3));
    QVERIFY(port.readFrame(area, 256, len));
    QCOMPARE(len, quint16(256));
    QCOMPARE(int(area[0]), 0x42);
    QCOMPARE(int(area[256]), 0x11);
    port.close();
}

void TestUSBPort::zeroLengthReply()
{
    SimPanel &panel = SimPanel::instance();
    panel.setInfoReply(QByteArray());
    Port port;
    QVERIFY(port.open());
    const quint8 info = 0x00;
    QVERIFY(port.writeFrame(&info, 1));
    quint8 buf[8];
    quint16 len = 99;
    QVERIFY(port.readFrame(buf, sizeof buf, len));
    QCOMPARE(len, quint16(0));
    port.close();
}

void TestUSBPort::refusedHeaderWriteSendsNoPayload()
{
    SimPanel &panel = SimPanel::instance();
    Port port;
    QVERIFY(port.open());
    panel.failAtRequest(0);
    const quint8 request[3] = {0x01, 0x01, 0xA0};
    QVERIFY(!port.writeFrame(request, 3));
    // Only the refused header went out.
    QCOMPARE(panel.transfers().last().bytes.size(), 0);
    port.close();
}

void TestUSBPort::shortPayloadWriteFails()
{
    SimPanel &panel = SimPanel::instance();
    Port port;
    QVERIFY(port.open());
    panel.injectFault(ReplyFault::ShortWrite, 0, 2);
    const quint8 request[3] = {0x01, 0x01, 0xA0};
    QVERIFY(!port.writeFrame(request, 3));
    QCOMPARE(panel.transfers().last().result, 2);
    port.close();
}

QTEST_GUILESS_MAIN(TestUSBPort)
#include "tst_USBPort.moc"
