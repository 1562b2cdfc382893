#include "PanelCharsetTable.h"

#include <QtTest>

class TestPanelCharsetTable : public QObject
{
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
    void rowOrder();
    void encode_data();
    void encode();
    void decode_data();
    void decode();
    void decodeStopsAtMaxLen();
    void decodeNeverGivesXmlForbiddenCharacters();
};

static QString ucs(std::initializer_list<char16_t> chars)
{
    QString s;
    for (char16_t c : chars)
        s.append(QChar(c));
    return s;
}

void TestPanelCharsetTable::rows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("unicode");
    QTest::addColumn<int>("byte");

    // Expected table written out group by group.
    struct Group { int firstRow; int firstUnicode; int firstByte; int count; };
    const Group groups[] = {
        {0, 0x0410, 0xA0, 4},  {4, 0x0414, 0xA5, 2},  {6, 0x0404, 0xA7, 1},
        {7, 0x0416, 0xA8, 3},  {10, 0x0406, 0xAB, 1}, {11, 0x0407, 0xAC, 1},
        {12, 0x0419, 0xAD, 17}, {29, 0x042C, 0xBE, 1}, {30, 0x042E, 0xBF, 1},
        {31, 0x042F, 0xC0, 1}, {32, 0x0430, 0xC1, 4}, {36, 0x0434, 0xC6, 2},
        {38, 0x0454, 0xC8, 1}, {39, 0x0436, 0xC9, 3}, {42, 0x0456, 0xCC, 1},
        {43, 0x0457, 0xCD, 1}, {44, 0x0439, 0xCE, 17}, {61, 0x044C, 0xBE, 1},
        {62, 0x044E, 0xE0, 1}, {63, 0x044F, 0xE1, 1},
    };
    for (const Group &g : groups) {
        for (int i = 0; i < g.count; ++i) {
            const int row = g.firstRow + i;
            QTest::addRow("row %d", row) << row << g.firstUnicode + i << g.firstByte + i;
        }
    }
}

void TestPanelCharsetTable::rows()
{
    QFETCH(int, row);
    QFETCH(int, unicode);
    QFETCH(int, byte);
    QCOMPARE(int(PanelCharsetTable::rows[row].unicode), unicode);
    QCOMPARE(int(PanelCharsetTable::rows[row].byte), byte);
    QCOMPARE(int(PanelCharsetTable::encodeChar(char32_t(unicode))), byte);
}

void TestPanelCharsetTable::rowOrder()
{
    QCOMPARE(PanelCharsetTable::RowCount, 64);
    // 0xBE is held twice; the first row (U+042C) wins when decoding.
    QCOMPARE(int(PanelCharsetTable::tableChar(0xBE)), 0x042C);
    for (unsigned char b : {0xA4, 0xC5, 0xDF, 0xE2, 0xFF})
        QCOMPARE(int(PanelCharsetTable::tableChar(b)), 0);
}

void TestPanelCharsetTable::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("latin and cyrillic") << (QStringLiteral("Zona ") + QChar(0x0411))
                                        << QByteArray::fromHex("5a6f6e6120a1");
    QTest::newRow("soft sign small") << ucs({0x044C}) << QByteArray::fromHex("be");
    QTest::newRow("e acute") << ucs({0x00E9}) << QByteArray("?");
    QTest::newRow("ghe with upturn") << ucs({0x0490}) << QByteArray("?");
    QTest::newRow("U+0080 kept") << ucs({0x0080}) << QByteArray::fromHex("80");
    QTest::newRow("U+0085 not") << ucs({0x0085}) << QByteArray("?");
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("surrogate pair is one character")
        << QString::fromUcs4(U"a\U0001F525b") << QByteArray("a?b");
}

void TestPanelCharsetTable::encode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(PanelCharsetTable::encode(text), bytes);
}

void TestPanelCharsetTable::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("latin and cyrillic") << QByteArray::fromHex("5a6f6e6120a1")
                                        << (QStringLiteral("Zona ") + QChar(0x0411));
    QTest::newRow("0xBE first row") << QByteArray::fromHex("be") << ucs({0x042C});
    QTest::newRow("0x85 own code point") << QByteArray::fromHex("85") << ucs({0x0085});
    QTest::newRow("unmapped repeats last table char")
        << QByteArray::fromHex("c1a441") << ucs({0x0430, 0x0430, 0x0041});
    QTest::newRow("unmapped without table char left out")
        << QByteArray::fromHex("41a4") << QStringLiteral("A");
    QTest::newRow("erased field") << QByteArray(24, char(0xFF)) << QString();
    QTest::newRow("repeat only after a table byte")
        << QByteArray::fromHex("ff41a2ff") << (QStringLiteral("A") + ucs({0x0412, 0x0412}));
    QTest::newRow("stops at NUL") << QByteArray::fromHex("414200a1") << QStringLiteral("AB");
    QTest::newRow("control bytes left out")
        << QByteArray::fromHex("0141080b0c0e1f42") << QStringLiteral("AB");
    QTest::newRow("tab, line feed, return kept")
        << QByteArray::fromHex("090a0d") << QStringLiteral("\t\n\r");
}

void TestPanelCharsetTable::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(PanelCharsetTable::decode(bytes.constData(), bytes.size()), text);
}

void TestPanelCharsetTable::decodeStopsAtMaxLen()
{
    const char bytes[] = {'A', 'B', 'C', 'D'};   // no NUL: must not read past maxLen
    QCOMPARE(PanelCharsetTable::decode(bytes, 3), QStringLiteral("ABC"));
    QCOMPARE(PanelCharsetTable::decode(bytes, 0), QString());
    QCOMPARE(PanelCharsetTable::decode(nullptr, 5), QString());
}

void TestPanelCharsetTable::decodeNeverGivesXmlForbiddenCharacters()
{
    // Every single byte value, alone and after a table byte, decodes to text an
    // XML writer can carry.
    for (int b = 1; b < 256; ++b) {
        for (const QByteArray &bytes : {QByteArray(1, char(b)), QByteArray("\xa0") + char(b)}) {
            const QString text = PanelCharsetTable::decode(bytes.constData(), bytes.size());
            for (QChar c : text)
                QVERIFY2(!PanelCharsetTable::isForbiddenControl(c.unicode()),
                         qPrintable(QString::number(b, 16)));
        }
    }
}

QTEST_APPLESS_MAIN(TestPanelCharsetTable)
#include "tst_PanelCharsetTable.moc"
