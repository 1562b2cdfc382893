#include "PanelMemoryMap.h"

#include <QtTest>

using namespace PanelMemoryMap;

class TestPanelMemoryMap : public QObject {
    Q_OBJECT
private slots:
    void placement_data();
    void placement();
    void ranges();
    void identityTexts_data();
    void identityTexts();
    void identityFieldsStayApart();
};

void TestPanelMemoryMap::placement_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("expectedPage");
    QTest::addColumn<int>("expectedOffset");

    QTest::newRow("element (0,0)") << int(devicePage(0, 0)) << deviceOffset(0) << 0x1A0 << 0;
    QTest::newRow("element (2,13)") << int(devicePage(2, 13)) << deviceOffset(13) << 0x1E1 << 160;
    QTest::newRow("element (7,249)") << int(devicePage(7, 249)) << deviceOffset(249) << 0x29F << 32;
    QTest::newRow("zone 0") << int(zonePage(0)) << zoneOffset(0) << 0x120 << 0;
    QTest::newRow("zone 249") << int(zonePage(249)) << zoneOffset(249) << 0x13F << 32;
    QTest::newRow("cause of slot 37") << int(causePage(37)) << causeOffset(37) << 0x3A1 << 40;
    QTest::newRow("effect of slot 37") << int(effectPage(37)) << effectOffset(37) << 0x3E2 << 80;
    QTest::newRow("effect of slot 50") << int(effectPage(50)) << effectOffset(50) << 0x3E3 << 32;
    QTest::newRow("effect of slot 1023") << int(effectPage(1023)) << effectOffset(1023) << 0x41F << 240;
    QTest::newRow("term (7,4)") << int(logicTermPage(7, 4)) << logicTermOffset(7, 4) << 0x422 << 80;
    QTest::newRow("term (99,9)") << int(logicTermPage(99, 9)) << logicTermOffset(99, 9) << 0x43F << 56;
    QTest::newRow("header 17") << int(logicHeaderPage(17)) << logicHeaderOffset(17) << 0x451 << 16;
    QTest::newRow("header 99") << int(logicHeaderPage(99)) << logicHeaderOffset(99) << 0x456 << 48;
}

void TestPanelMemoryMap::placement()
{
    QFETCH(int, page);
    QFETCH(int, offset);
    QFETCH(int, expectedPage);
    QFETCH(int, expectedOffset);
    QCOMPARE(page, expectedPage);
    QCOMPARE(offset, expectedOffset);
}

void TestPanelMemoryMap::ranges()
{
    QVERIFY(isDevice(7, 249));
    QVERIFY(!isDevice(8, 0));
    QVERIFY(!isDevice(0, 250));
    QVERIFY(!isDevice(-1, 0));
    QVERIFY(isZone(249));
    QVERIFY(!isZone(250));
    QVERIFY(isEventSlot(1023));
    QVERIFY(!isEventSlot(1024));
    QVERIFY(isLogicTerm(99, 9));
    QVERIFY(!isLogicTerm(100, 0));
    QVERIFY(!isLogicTerm(0, 10));
    QVERIFY(!isLogicEvent(100));
    // The header area starts 0x30 pages into the logic area.
    QCOMPARE(LogicHeaderAreaOffset, 0x3000);
}

void TestPanelMemoryMap::identityTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("readBack");

    QTest::newRow("plain") << QStringLiteral("Panel A") << QByteArray("Panel A") << QStringLiteral("Panel A");
    QTest::newRow("empty") << QString() << QByteArray() << QString();
    QTest::newRow("latin-1") << QStringLiteral("Caf\u00e9") << QByteArray("Caf\xe9") << QStringLiteral("Caf\u00e9");
    QTest::newRow("not latin-1 becomes ?") << QStringLiteral("\u0411x") << QByteArray("?x") << QStringLiteral("?x");
    QTest::newRow("one ? per character outside the BMP") << QStringLiteral("a\U0001F525b") << QByteArray("a?b")
                                                         << QStringLiteral("a?b");
    QTest::newRow("31 bytes kept") << QString(31, QLatin1Char('x')) << QByteArray(31, 'x') << QString(31, QLatin1Char('x'));
    QTest::newRow("long text cut to 31") << QString(40, QLatin1Char('y')) << QByteArray(31, 'y') << QString(31, QLatin1Char('y'));
}

void TestPanelMemoryMap::identityTexts()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, field);
    QFETCH(QString, readBack);

    quint8 identity[IdentitySize];
    std::memset(identity, 0xAA, sizeof identity);
    writeIdentityText(identity, IdentityNameOffset, text);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(identity), field.size()), field);
    for (int i = field.size(); i < IdentityFieldSize; ++i)
        QCOMPARE(int(identity[i]), 0);
    QCOMPARE(int(identity[IdentityFieldSize]), 0xAA);   // next field untouched
    QCOMPARE(readIdentityText(identity, IdentityNameOffset), readBack);
}

void TestPanelMemoryMap::identityFieldsStayApart()
{
    quint8 identity[IdentitySize];
    std::memset(identity, 0, sizeof identity);
    writeIdentityText(identity, IdentityNameOffset, QString(60, QLatin1Char('n')));
    writeIdentityText(identity, IdentityInstallerOffset, QStringLiteral("Installer"));
    writeIdentityText(identity, IdentityPhoneOffset, QString(60, QLatin1Char('p')));
    QCOMPARE(readIdentityText(identity, IdentityInstallerOffset), QStringLiteral("Installer"));
    QCOMPARE(readIdentityText(identity, IdentityNameOffset).size(), 31);

    // A field without any NUL (an erased page) is read up to its end only.
    std::memset(identity, 0xFF, sizeof identity);
    QCOMPARE(readIdentityText(identity, IdentityPhoneOffset), QString(32, QChar(0xFF)));
}

QTEST_GUILESS_MAIN(TestPanelMemoryMap)
#include "tst_PanelMemoryMap.moc"
