// The simulated panel's own contract: the framing, fault numbering and logs the
// link tests rely on.

#include "SimPanel.h"

#include <QtTest>
#include <usb.h>

using sim::SimPanel;
using sim::ReplyFault;

Q_DECLARE_METATYPE(sim::ReplyFault)

class TstSimPanel : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pageReadIsOneFrameEachWay();
    void writtenPageReadsBack();
    void faultHitsOnlyItsRequest_data();
    void faultHitsOnlyItsRequest();
    void tooSmallReadLosesTheTransfer();
    void logCursorAdvances();
    void closedHandleIsRefused();
    void requestHookRunsBeforeTheAnswer();

private:
    SimPanel &panel() { return SimPanel::instance(); }
    // Writes one request frame; returns the result of the failing write or 0.
    int send(const QByteArray &payload);
    // Reads one transfer into a buffer of `size` bytes.
    int read(int size, QByteArray *bytes = nullptr);

    usb_dev_handle *m_handle = nullptr;
};

void TstSimPanel::init()
{
    panel().reset();
    usb_init();
    usb_find_busses();
    usb_find_devices();
    struct usb_bus *bus = usb_get_busses();
    QVERIFY(bus && bus->devices && !bus->next);
    QCOMPARE(bus->devices->descriptor.idVendor, quint16(0x15a2));
    QCOMPARE(bus->devices->descriptor.idProduct, quint16(0x0040));
    m_handle = usb_open(bus->devices);
    QVERIFY(m_handle);
    QCOMPARE(usb_set_configuration(m_handle, 1), 0);
    QCOMPARE(usb_claim_interface(m_handle, 0), 0);
}

void TstSimPanel::cleanup()
{
    if (m_handle)
        usb_close(m_handle);
    m_handle = nullptr;
}

int TstSimPanel::send(const QByteArray &payload)
{
    const char header[2] = {char(payload.size() >> 8), char(payload.size() & 0xFF)};
    int r = usb_bulk_write(m_handle, 0x02, header, 2, 1000);
    if (r != 2)
        return r;
    if (payload.isEmpty())
        return 0;
    r = usb_bulk_write(m_handle, 0x02, payload.constData(), int(payload.size()), 1000);
    return r == payload.size() ? 0 : r;
}

int TstSimPanel::read(int size, QByteArray *bytes)
{
    QByteArray buf(size, '\0');
    const int r = usb_bulk_read(m_handle, 0x81, buf.data(), size, 1000);
    if (bytes)
        *bytes = r >= 0 ? buf.left(r) : QByteArray();
    return r;
}

void TstSimPanel::pageReadIsOneFrameEachWay()
{
    QCOMPARE(send(QByteArray::fromHex("010003")), 0);
    QByteArray header, body;
    QCOMPARE(read(2, &header), 2);
    QCOMPARE(header, QByteArray::fromHex("0100"));
    QCOMPARE(read(256, &body), 256);
    QCOMPARE(body.left(5), QByteArray("5813\xFF"));
    QCOMPARE(read(256), sim::kErrTimeout);

    QCOMPARE(panel().requests(), QList<QByteArray>{QByteArray::fromHex("010003")});
    QCOMPARE(panel().pageReads(), QList<int>{3});
    const QList<sim::Transfer> &t = panel().transfers();
    QCOMPARE(t.size(), 5);
    QVERIFY(t[0].out && t[1].out && !t[2].out);
    QCOMPARE(t[1].bytes, QByteArray::fromHex("010003"));
    QCOMPARE(t[4].result, sim::kErrTimeout);
}

void TstSimPanel::writtenPageReadsBack()
{
    QByteArray data(256, '\0');
    for (int i = 0; i < 256; ++i)
        data[i] = char(i);
    QCOMPARE(send(QByteArray::fromHex("020FFF") + data), 0);
    QCOMPARE(read(2), sim::kErrTimeout);        // writes are not answered
    QCOMPARE(panel().page(4095), data);
    QCOMPARE(panel().pageWrites(), QList<int>{4095});

    QCOMPARE(send(QByteArray::fromHex("011000")), 0);  // page 4096 does not exist
    QCOMPARE(read(2), sim::kErrTimeout);
}

void TstSimPanel::faultHitsOnlyItsRequest_data()
{
    QTest::addColumn<ReplyFault>("fault");
    QTest::addColumn<int>("param");
    QTest::addColumn<int>("sendResult");
    QTest::addColumn<QList<int>>("reads");   // results of reading with a 64-byte buffer

    QTest::newRow("write fails") << ReplyFault::WriteFails << 0 << sim::kErrIo << QList<int>{sim::kErrTimeout};
    QTest::newRow("no reply") << ReplyFault::NoReply << 0 << 0 << QList<int>{sim::kErrTimeout};
    QTest::newRow("short header") << ReplyFault::ShortHeader << 0 << 0 << QList<int>{1, 4, sim::kErrTimeout};
    QTest::newRow("short payload") << ReplyFault::ShortPayload << 2 << 0 << QList<int>{2, 2, sim::kErrTimeout};
    QTest::newRow("longer") << ReplyFault::LongerThanAnnounced << 3 << 0 << QList<int>{2, 7, sim::kErrTimeout};
}

void TstSimPanel::faultHitsOnlyItsRequest()
{
    QFETCH(ReplyFault, fault);
    QFETCH(int, param);
    QFETCH(int, sendResult);
    QFETCH(QList<int>, reads);

    const QByteArray info(1, '\0');
    QCOMPARE(send(info), 0);                 // request 1
    QCOMPARE(read(64), 2);
    QCOMPARE(read(64), 4);
    panel().injectFault(fault, 3, param);
    panel().injectFault(fault, 0, param);    // "next" = request 2

    for (int n = 2; n <= 3; ++n) {
        QCOMPARE(send(info), sendResult);
        for (int expected : reads)
            QCOMPARE(read(64), expected);
    }
    QCOMPARE(send(info), 0);                 // request 4: a fault fires once
    QCOMPARE(read(64), 2);
    QCOMPARE(read(64), 4);
    QCOMPARE(panel().requestCount(), fault == ReplyFault::WriteFails ? 2 : 4);
}

void TstSimPanel::tooSmallReadLosesTheTransfer()
{
    panel().overrideReply(QByteArray(300, 'x'));
    QCOMPARE(send(QByteArray(1, '\0')), 0);
    QByteArray header;
    QCOMPARE(read(2, &header), 2);
    QCOMPARE(header, QByteArray::fromHex("012C"));
    QCOMPARE(read(256), sim::kErrOverflow);
    QCOMPARE(read(512), sim::kErrTimeout);
}

void TstSimPanel::logCursorAdvances()
{
    panel().setLog(1, {"first", "second"});
    QByteArray bytes;
    QCOMPARE(send(QByteArray::fromHex("0501")), 0);
    QCOMPARE(read(2), 2);
    QCOMPARE(read(2, &bytes), 2);
    QCOMPARE(bytes, QByteArray::fromHex("0002"));
    // past the last line the panel answers zero-filled lines
    for (const char *expected : {"first", "second", ""}) {
        QCOMPARE(send(QByteArray::fromHex("06")), 0);
        QCOMPARE(read(2, &bytes), 2);
        QCOMPARE(bytes, QByteArray::fromHex("0080"));
        QCOMPARE(read(128, &bytes), 128);
        QCOMPARE(bytes, QByteArray(expected).leftJustified(128, '\0'));
    }
    QCOMPARE(panel().logCursor(), 3);
    QCOMPARE(send(QByteArray::fromHex("0501")), 0);   // selecting again rewinds
    QCOMPARE(panel().logCursor(), 0);
}

void TstSimPanel::closedHandleIsRefused()
{
    QCOMPARE(panel().openHandleCount(), 1);
    QCOMPARE(usb_close(m_handle), 0);
    QCOMPARE(panel().openHandleCount(), 0);
    QCOMPARE(usb_bulk_write(m_handle, 0x02, "\0\1", 2, 1000), sim::kErrIo);
    QCOMPARE(usb_close(m_handle), sim::kErrIo);
    QCOMPARE(panel().openHandleCount(), 0);
    m_handle = nullptr;

    panel().setNoDevice();
    QVERIFY(usb_get_busses() && !usb_get_busses()->devices);
}

// The hook sees each whole request once, already logged, and the panel answers
// after it: what the hook changes is in the reply.
void TstSimPanel::requestHookRunsBeforeTheAnswer()
{
    QList<QByteArray> seen;
    QList<int> logged;
    panel().setRequestHook([&](const QByteArray &request) {
        seen.append(request);
        logged.append(panel().requestCount());
        panel().setPageBytes(3, 0, QByteArrayLiteral("1234"));
    });
    QCOMPARE(send(QByteArray::fromHex("010003")), 0);
    QByteArray body;
    QCOMPARE(read(2), 2);
    QCOMPARE(read(256, &body), 256);
    QCOMPARE(body.left(4), QByteArray("1234"));
    QCOMPARE(seen, QList<QByteArray>{QByteArray::fromHex("010003")});
    QCOMPARE(logged, QList<int>{1});

    panel().setRequestHook({});
    QCOMPARE(send(QByteArray::fromHex("010003")), 0);
    QCOMPARE(seen.size(), 1);
}

QTEST_GUILESS_MAIN(TstSimPanel)
#include "tst_SimPanel.moc"
