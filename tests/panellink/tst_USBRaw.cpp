#include "SimPanel.h"
#include "USBRaw.h"

#include <QtTest>
#include <memory>

using sim::SimPanel;

namespace {
QByteArray hex(const char *h) { return QByteArray::fromHex(h); }
}

class TestUSBRaw : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_link->close(); m_link.reset(); }

    void requests_data();
    void requests();
    void readInfoGivesExactlyTheReply_data();
    void readInfoGivesExactlyTheReply();
    void replyLengthMismatchFails_data();
    void replyLengthMismatchFails();
    void logLinesAdvance();
    void failedWriteReadsNothing();

private:
    std::unique_ptr<USBRaw> m_link;
};

void TestUSBRaw::init()
{
    SimPanel::instance().reset();
    m_link = std::make_unique<USBRaw>();
    QVERIFY(m_link->open());
    SimPanel::instance().clearLogs();
}

// Each command: the request payload on the wire and what the caller gets.
void TestUSBRaw::requests_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QByteArray>("request");

    QTest::newRow("0 read info") << 0 << hex("00");
    QTest::newRow("1 read page 0x1A3") << 1 << hex("0101a3");
    QTest::newRow("2 write page 0x1A3") << 2 << hex("0201a3");
    QTest::newRow("3 set date and time") << 3 << hex("0300051e0e01090c1a");
    QTest::newRow("4 finish upload") << 4 << hex("04");
    QTest::newRow("5 read log count (alarm)") << 5 << hex("0501");
    QTest::newRow("6 read log line") << 6 << hex("06");
}

void TestUSBRaw::requests()
{
    QFETCH(int, command);
    QFETCH(QByteArray, request);

    SimPanel &panel = SimPanel::instance();
    panel.setInfoReply("2.10");
    panel.setLog(LogAlarm, {QByteArray("ALARM 1"), QByteArray("ALARM 2")});
    QByteArray pageBytes(256, '\0');
    for (int i = 0; i < 256; ++i)
        pageBytes[i] = char(255 - i);
    panel.setPage(0x1A3, pageBytes);

    quint8 page[256];
    quint8 line[128];
    QByteArray info;
    quint16 count = 0;
    const quint8 clock[7] = {5, 30, 14, 1, 9, 12, 26};
    switch (command) {
    case 0:
        QVERIFY(m_link->readInfo(info));
        QCOMPARE(info, QByteArray("2.10"));
        break;
    case 1:
        QVERIFY(m_link->readPage(0x1A3, page));
        QCOMPARE(QByteArray(reinterpret_cast<char *>(page), 256), pageBytes);
        break;
    case 2:
        std::memset(page, 0x5A, sizeof page);
        QVERIFY(m_link->writePage(0x1A3, page));
        QCOMPARE(panel.page(0x1A3), QByteArray(256, char(0x5A)));
        QCOMPARE(panel.requests().first().size(), 259);
        break;
    case 3:
        QVERIFY(m_link->setDateTime(clock));
        QCOMPARE(panel.lastClockRequest(), hex("051e0e01090c1a"));
        break;
    case 4:
        QVERIFY(m_link->finishUpload());
        QCOMPARE(panel.finishUploadCount(), 1);
        break;
    case 5:
        QVERIFY(m_link->readLogCount(LogAlarm, count));
        QCOMPARE(count, quint16(2));
        break;
    case 6:
        panel.setLogCountOverride(LogAlarm, -1);
        QVERIFY(m_link->readLogCount(LogAlarm, count));
        panel.clearLogs();
        QVERIFY(m_link->readLogLine(line));
        QCOMPARE(QByteArray(reinterpret_cast<char *>(line)), QByteArray("ALARM 1"));
        break;
    }
    QCOMPARE(panel.requests().size(), 1);
    QVERIFY(panel.requests().first().startsWith(request));
    if (command != 2)
        QCOMPARE(panel.requests().first(), request);
}

void TestUSBRaw::readInfoGivesExactlyTheReply_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("short") << QByteArray("1");
    QTest::newRow("with NUL inside") << QByteArray("2.1\0x", 5);
    QTest::newRow("longer than a page request") << QByteArray(600, 'v');
}

void TestUSBRaw::readInfoGivesExactlyTheReply()
{
    QFETCH(QByteArray, reply);
    // A longer reply first fills the link's buffers with other bytes.
    SimPanel::instance().setInfoReply(QByteArray(700, 'z'));
    QByteArray info;
    QVERIFY(m_link->readInfo(info));
    SimPanel::instance().setInfoReply(reply);
    QVERIFY(m_link->readInfo(info));
    QCOMPARE(info, reply);
}

void TestUSBRaw::replyLengthMismatchFails_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("page of 255") << 1 << QByteArray(255, 'p');
    QTest::newRow("page of 257") << 1 << QByteArray(257, 'p');
    QTest::newRow("log count of 1") << 5 << QByteArray(1, 'c');
    QTest::newRow("log count of 3") << 5 << QByteArray(3, 'c');
    QTest::newRow("log line of 127") << 6 << QByteArray(127, 'l');
    QTest::newRow("log line of 200") << 6 << QByteArray(200, 'l');
}

void TestUSBRaw::replyLengthMismatchFails()
{
    QFETCH(int, command);
    QFETCH(QByteArray, reply);
    SimPanel::instance().overrideReply(reply);

    // Guard bytes behind each receiving buffer must survive.
    quint8 area[300];
    std::memset(area, 0x77, sizeof area);
    quint16 count = 0;
    int capacity = 0;
    switch (command) {
    case 1: QVERIFY(!m_link->readPage(0x1A0, area)); capacity = 256; break;
    case 5: QVERIFY(!m_link->readLogCount(LogGeneral, count)); capacity = 0; break;
    case 6: QVERIFY(!m_link->readLogLine(area)); capacity = 128; break;
    }
    for (int i = capacity; i < int(sizeof area); ++i)
        QCOMPARE(int(area[i]), 0x77);

    // The link stays in step: the next request gets its own answer.
    QByteArray info;
    SimPanel::instance().setInfoReply("ok");
    QVERIFY(m_link->readInfo(info));
    QCOMPARE(info, QByteArray("ok"));
}

void TestUSBRaw::logLinesAdvance()
{
    SimPanel &panel = SimPanel::instance();
    panel.setLog(LogFault, {QByteArray("F1"), QByteArray("F2")});
    panel.overrideReply(hex("012c"));
    quint16 count = 0;
    QVERIFY(m_link->readLogCount(LogFault, count));
    QCOMPARE(count, quint16(300));
    quint8 line[128];
    QVERIFY(m_link->readLogLine(line));
    QCOMPARE(QByteArray(reinterpret_cast<char *>(line)), QByteArray("F1"));
    QVERIFY(m_link->readLogLine(line));
    QCOMPARE(QByteArray(reinterpret_cast<char *>(line)), QByteArray("F2"));
}

void TestUSBRaw::failedWriteReadsNothing()
{
    SimPanel &panel = SimPanel::instance();
    panel.failAtRequest(0);
    quint8 page[256];
    QVERIFY(!m_link->readPage(0x1A0, page));
    for (const sim::Transfer &t : panel.transfers())
        QVERIFY(t.out);
}

QTEST_GUILESS_MAIN(TestUSBRaw)
#include "tst_USBRaw.moc"
