#include "LoopPoint.h"
#include "PointState.h"
#include "USBDataReader.h"

#include <QtTest>

namespace {
struct Reader : USBDataReader {
    using USBDataReader::point;
};
}

class TestLoopState : public QObject {
    Q_OBJECT
private slots:
    void evaluation_data();
    void evaluation();
    void bitsOnlyAdded();
    void typeNames_data();
    void typeNames();
    void clearKeepsSomeFields();
    void statistics();
};

void TestLoopState::evaluation_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("subtype");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("previous");
    QTest::addColumn<int>("result");
    QTest::newRow("optical 100") << 1 << 0 << 0 << 100 << 0 << 0x08;
    QTest::newRow("optical 99 after 99") << 1 << 0 << 0 << 99 << 99 << 0x04;
    QTest::newRow("opto-heat 255") << 3 << 0 << 0 << 255 << 0 << 0x08;
    QTest::newRow("optical 60 after 57") << 1 << 0 << 0 << 60 << 57 << 0x04;
    QTest::newRow("optical 60 after 55") << 1 << 0 << 0 << 60 << 55 << 0x04;
    QTest::newRow("optical 60 after 54") << 1 << 0 << 0 << 60 << 54 << 0;
    QTest::newRow("optical 60 after 50") << 1 << 0 << 0 << 60 << 50 << 0;
    QTest::newRow("optical 60 after 66") << 1 << 0 << 0 << 60 << 66 << 0;
    QTest::newRow("optical 60 after 65") << 1 << 0 << 0 << 60 << 65 << 0x04;
    QTest::newRow("optical 60 after failed") << 1 << 0 << 0 << 60 << 255 << 0;
    QTest::newRow("optical 50 after 50") << 1 << 0 << 0 << 50 << 50 << 0;
    QTest::newRow("disabled exactly") << 1 << 0 << 0x100 << 100 << 0 << 0x100;
    QTest::newRow("not configured exactly") << 1 << 0 << 0x002 << 100 << 0 << 0x002;
    QTest::newRow("disabled and ok") << 1 << 0 << 0x101 << 100 << 0 << 0x109;
    QTest::newRow("heat 255") << 2 << 0 << 0 << 255 << 0 << 0;
    QTest::newRow("mcp 100") << 4 << 0 << 0 << 100 << 0 << 0x08;
    QTest::newRow("mcp 101") << 4 << 0 << 0 << 101 << 0 << 0;
    QTest::newRow("output 100") << 7 << 0 << 0 << 100 << 0 << 0x08;
    QTest::newRow("remote 100") << 11 << 0 << 0 << 100 << 0 << 0x08;
    QTest::newRow("zone 1") << 5 << 0 << 0 << 1 << 0 << 0x08;
    QTest::newRow("zone 2") << 5 << 0 << 0 << 2 << 0 << 0x08;
    QTest::newRow("zone 3") << 5 << 0 << 0 << 3 << 0 << 0;
    QTest::newRow("zone 0") << 5 << 0 << 0 << 0 << 0 << 0x80;
    QTest::newRow("zone 5") << 5 << 0 << 0 << 5 << 0 << 0x80;
    QTest::newRow("input 0") << 6 << 0 << 0 << 0 << 0 << 0x08;
    QTest::newRow("input 3") << 6 << 0 << 0 << 3 << 0 << 0x80;
    QTest::newRow("input 1") << 6 << 0 << 0 << 1 << 0 << 0;
    QTest::newRow("sounder 5 reads 2") << 8 << 5 << 0 << 2 << 0 << 0x08;
    QTest::newRow("sounder 5 reads 3") << 8 << 5 << 0 << 3 << 0 << 0;
    QTest::newRow("sounder 15 reads 3") << 8 << 15 << 0 << 3 << 0 << 0x08;
    QTest::newRow("sounder 18 reads 4") << 8 << 18 << 0 << 4 << 0 << 0x80;
    QTest::newRow("sounder 14 reads 2") << 8 << 14 << 0 << 2 << 0 << 0x80;
    QTest::newRow("sounder 3 reads 2") << 8 << 3 << 0 << 2 << 0 << 0;
    QTest::newRow("sounder 19 reads 3") << 8 << 19 << 0 << 3 << 0 << 0;
    QTest::newRow("panel 100") << 9 << 0 << 0 << 100 << 0 << 0;
    QTest::newRow("gas 100") << 10 << 0 << 0 << 100 << 0 << 0;
    QTest::newRow("beam 1") << 12 << 0 << 0 << 1 << 0 << 0x08;
    QTest::newRow("beam 5") << 12 << 0 << 0 << 5 << 0 << 0x80;
    QTest::newRow("beam 6") << 12 << 0 << 0 << 6 << 0 << 0;
    QTest::newRow("type 13") << 13 << 0 << 0 << 100 << 0 << 0;
    QTest::newRow("empty 100") << 0 << 0 << 0 << 100 << 0 << 0;
}

void TestLoopState::evaluation()
{
    QFETCH(int, type);
    QFETCH(int, subtype);
    QFETCH(int, state);
    QFETCH(int, value);
    QFETCH(int, previous);
    LoopPoint p;
    p.type = quint8(type);
    p.subtype = quint8(subtype);
    p.state = state;
    USBDataReader::evaluateStatus(p, quint8(value), quint8(previous));
    QTEST(p.state, "result");
}

void TestLoopState::bitsOnlyAdded()
{
    LoopPoint p;
    p.type = 5;
    USBDataReader::evaluateStatus(p, 1, 0);
    USBDataReader::evaluateStatus(p, 0, 1);
    USBDataReader::evaluateStatus(p, 3, 0);   // a quiet reading removes nothing
    QCOMPARE(p.state, PointState::Alarm | PointState::Fault);
}

void TestLoopState::typeNames_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    const char *names[] = {"Empty", "Optical", "Heat", "Optical-Heat", "MCP", "Zone", "Input", "Output",
                           "Sounder", "Panel", "Gas", "Remote indicator", "Beam"};
    for (int t = 0; t <= 12; ++t)
        QTest::newRow(names[t]) << t << QString::fromLatin1(names[t]);
    QTest::newRow("250") << 250 << "Double";
    QTest::newRow("251") << 251 << "Fault";
    QTest::newRow("13") << 13 << "Type: 13";
    QTest::newRow("255") << 255 << "Type: 255";
}

void TestLoopState::typeNames()
{
    QFETCH(int, type);
    QTEST(LoopPoint::typeName(type), "name");
}

void TestLoopState::clearKeepsSomeFields()
{
    LoopPoint p;
    QCOMPARE(p.secondValue, -1);
    QCOMPARE(p.normalizedValue, 0);
    p.type = 3;
    p.state = 0x109;
    p.description = QStringLiteral("x");
    p.threshold = 30;
    p.sensibility = 3;
    p.enabledByte = 1;
    p.secondValue = 7;
    p.actions = 0x12;
    p.maxValue = 9;
    p.clear();
    QCOMPARE(int(p.type), 0);
    QCOMPARE(p.state, 0);
    QVERIFY(p.description.isEmpty());
    QCOMPARE(int(p.actions), 0);
    QCOMPARE(p.maxValue, 0);
    QCOMPARE(int(p.threshold), 30);
    QCOMPARE(int(p.sensibility), 3);
    QCOMPARE(int(p.enabledByte), 1);
    QCOMPARE(p.secondValue, 7);
}

void TestLoopState::statistics()
{
    Reader r;
    r.point(1, 0).type = 1;
    r.point(1, 0).comm = 10;
    r.point(1, 0).error = 2;
    r.point(1, 5).type = 1;
    r.point(1, 5).comm = 4;
    r.point(1, 249).type = 8;
    r.point(1, 249).comm = 1;
    r.point(1, 249).error = 1;
    r.point(2, 0).type = 1;
    QCOMPARE(r.totalPolls(1), 15);
    QCOMPARE(r.totalErrors(1), 3);
    QCOMPARE(r.countByType(1, 1), 2);
    QCOMPARE(r.countByType(1, 0), 247);
    QCOMPARE(r.presentCount(1), 3);
    QCOMPARE(r.errorPointCount(1), 2);
    QCOMPARE(r.countByType(8, 0), 0);
    QCOMPARE(r.totalPolls(8), 0);
    QCOMPARE(r.presentCount(8), 0);
}

QTEST_GUILESS_MAIN(TestLoopState)
#include "tst_LoopState.moc"
