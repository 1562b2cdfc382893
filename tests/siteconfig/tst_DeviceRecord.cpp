#include "DeviceRecord.h"
#include "ElementModelTable.h"

#include <QImage>
#include <QSet>
#include <QtTest>

class TestDeviceRecord : public QObject
{
    Q_OBJECT

private slots:
    void moduleAddressCount_data();
    void moduleAddressCount();
    void channelType_data();
    void channelType();
    void codeForChannel_data();
    void codeForChannel();
    void positions_data();
    void positions();
    void capabilities();
    void typeName_data();
    void typeName();
    void classNames();
    void modelNames();
    void defaultDescription();
    void displayTexts();
    void iconsLoadAndDiffer();
    void iconAndTreeIcon();
    void faintIcon();
};

static DeviceRecord record(int type, int code = 0, int address = 0)
{
    DeviceRecord r;
    r.type = static_cast<unsigned char>(type);
    r.ext_type = static_cast<unsigned char>(code);
    r.address = static_cast<unsigned char>(address);
    return r;
}

void TestDeviceRecord::moduleAddressCount_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("count");
    const int counts[26] = {1, 1, 1, 1, 1, 1, 1, 2, 1, 2, 1, 2, 2, 4, 1, 2, 1, 2, 1, 3, 5, 9, 13, 7, 1, 1};
    for (int m = 0; m < 26; ++m)
        QTest::addRow("model %d", m) << m << counts[m];
    QTest::newRow("last of model 13") << 0xCD << 4;
    QTest::newRow("BEAM") << 26 << 1;
    QTest::newRow("model 63") << 63 << 1;
    QTest::newRow("model 27 with position bits") << (0x40 | 27) << 1;
}

void TestDeviceRecord::moduleAddressCount()
{
    QFETCH(int, code);
    QFETCH(int, count);
    QCOMPARE(DeviceRecord::moduleAddressCount(code), count);
}

void TestDeviceRecord::channelType_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("type");
    QTest::newRow("19/0") << 19 << 0 << 9;
    QTest::newRow("19/2") << 19 << 2 << 5;
    QTest::newRow("22/12") << 22 << 12 << 5;
    QTest::newRow("22/13") << 22 << 13 << 0;
    QTest::newRow("13/3") << 13 << 3 << 7;
    QTest::newRow("8/1 listed") << 8 << 1 << 5;
    QTest::newRow("26/0") << 26 << 0 << 12;
    QTest::newRow("model 40") << 40 << 0 << 0;
    QTest::newRow("negative channel") << 1 << -1 << 0;
    QTest::newRow("code with position bits") << 0xD6 << 12 << 5;
}

void TestDeviceRecord::channelType()
{
    QFETCH(int, code);
    QFETCH(int, channel);
    QFETCH(int, type);
    QCOMPARE(DeviceRecord::channelType(code, channel), type);
}

void TestDeviceRecord::codeForChannel_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("result");
    QTest::newRow("22/12 last") << 22 << 12 << 0xD6;
    QTest::newRow("22/5 middle") << 22 << 5 << 0x96;
    QTest::newRow("22/0 first") << 22 << 0 << 0x56;
    QTest::newRow("26/0") << 26 << 0 << 26;
    QTest::newRow("5/0") << 5 << 0 << 5;
    QTest::newRow("7/1 last of two") << 7 << 1 << 0xC7;
    QTest::newRow("model 40") << 40 << 3 << 40;
}

void TestDeviceRecord::codeForChannel()
{
    QFETCH(int, code);
    QFETCH(int, channel);
    QFETCH(int, result);
    QCOMPARE(DeviceRecord::codeForChannel(code, channel), result);
}

void TestDeviceRecord::positions_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("part");
    QTest::addColumn<bool>("first");
    QTest::addColumn<bool>("last");
    QTest::newRow("0x05") << 0x05 << false << true << true;
    QTest::newRow("0x47") << 0x47 << true << true << false;
    QTest::newRow("0x87") << 0x87 << true << false << false;
    QTest::newRow("0xC7") << 0xC7 << true << false << true;
}

void TestDeviceRecord::positions()
{
    QFETCH(int, code);
    QFETCH(bool, part);
    QFETCH(bool, first);
    QFETCH(bool, last);
    const DeviceRecord r = record(5, code);
    QCOMPARE(r.isModulePart(), part);
    QCOMPARE(r.isFirstAddress(), first);
    QCOMPARE(r.isLastAddress(), last);
}

void TestDeviceRecord::capabilities()
{
    const QSet<int> sources = {1, 2, 3, 4, 5, 6, 9, 10, 12};
    const QSet<int> outputs = {7, 8, 11};
    for (int t = 0; t < 256; ++t) {
        const DeviceRecord r = record(t);
        QCOMPARE(r.isEventSourceType(), sources.contains(t));
        QCOMPARE(r.isOutputType(), outputs.contains(t));
        QCOMPARE(DeviceRecord::isValidType(t), t <= 12);
        QCOMPARE(DeviceRecord::isInputType(t), t == 6);
        QCOMPARE(DeviceRecord::isOutputOnlyType(t), t == 7);
    }
}

void TestDeviceRecord::typeName_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << 0 << 0x47 << "EMPTY";
    QTest::newRow("optical-heat") << 3 << 3 << "Optical-Heat";
    QTest::newRow("2 zones first") << 5 << 0x47 << "2 zones";
    QTest::newRow("2 zones last") << 5 << 0xC7 << "2 zones";
    QTest::newRow("zone of a panel module") << 5 << 0x96 << "1 zone";
    QTest::newRow("2 inputs") << 6 << 0xC9 << "2 inputs";
    QTest::newRow("input of 1 in 1 out") << 6 << 0x4C << "1 in 1 out";
    QTest::newRow("output of 1 in 1 out") << 7 << 0xCC << "1 in 1 out";
    QTest::newRow("output with input code") << 7 << 0x4C << "OUTPUT";
    QTest::newRow("2 int 2 out") << 6 << 0x8D << "2 int 2 out";
    QTest::newRow("2 IN 2 OUT") << 7 << 0xCD << "2 IN 2 OUT";
    QTest::newRow("out 24V") << 7 << 0x0E << "Out 24V";
    QTest::newRow("out 220V") << 7 << 0x12 << "Out 220V";
    QTest::newRow("sounder 24V") << 8 << 0x10 << "SOUNDER 24V";
    QTest::newRow("sounder") << 8 << 0x05 << "SOUNDER";
    QTest::newRow("panel 12Z middle") << 9 << 0x56 << "PANEL 12Z";
    QTest::newRow("panel ext") << 9 << 0x57 << "PANEL EXT";
    QTest::newRow("panel of model 24") << 9 << 24 << "0x9";
    QTest::newRow("remote indicator") << 11 << 25 << "Remote indicator";
    QTest::newRow("type 250") << 250 << 0 << "0xfa";
}

void TestDeviceRecord::typeName()
{
    QFETCH(int, type);
    QFETCH(int, code);
    QFETCH(QString, name);
    QCOMPARE(record(type, code).typeName(), name);
}

void TestDeviceRecord::classNames()
{
    const QStringList names = {"EMPTY", "Optical", "Heat", "Opto-Heat", "MCP", "Zone", "Input",
                               "Output", "Sounder", "Panel", "Gas", "Remote Indicator", "Beam"};
    for (int t = 0; t < names.size(); ++t)
        QCOMPARE(record(t).classNames(), names.at(t));
    QCOMPARE(record(250).classNames(), QStringLiteral("0xfa"));
    QCOMPARE(record(13).classNames(), QStringLiteral("0xd"));
}

void TestDeviceRecord::modelNames()
{
    const QStringList names = DeviceRecord::modelNames();
    QCOMPARE(names.size(), 26);
    QCOMPARE(names.first(), QStringLiteral("OPTO"));
    QCOMPARE(names.at(12), QStringLiteral("2 INPUTS 2 OUTPUTS"));
    QCOMPARE(names.at(21), QStringLiteral("PANEL 12Z"));
    QCOMPARE(names.last(), QStringLiteral("BEAM"));
}

void TestDeviceRecord::defaultDescription()
{
    QCOMPARE(record(2, 2, 11).defaultDescription(), QStringLiteral("Heat 12"));
    QCOMPARE(record(5, 0x47, 16).defaultDescription(), QStringLiteral("Zone 17"));
}

void TestDeviceRecord::displayTexts()
{
    DeviceRecord r = record(1, 1, 249);
    r.loop = 7;
    r.zone = 0;
    QCOMPARE(r.addressText(), QStringLiteral("249"));
    QCOMPARE(r.addressDisplayText(), QStringLiteral("250"));
    QCOMPARE(r.loopText(), QStringLiteral("7"));
    QCOMPARE(r.loopDisplayText(), QStringLiteral("8"));
    QCOMPARE(r.zoneText(), QStringLiteral("0"));
    QCOMPARE(r.zoneDisplayText(), QStringLiteral("1"));
}

void TestDeviceRecord::iconsLoadAndDiffer()
{
    QSet<QByteArray> seen;
    for (int t = 1; t <= 12; ++t) {
        for (const char *suffix : {"", "_a", "_e"}) {
            const QString path = QStringLiteral(":/icons/icons/") + DeviceRecord::iconBaseName(t)
                + QLatin1String(suffix) + QStringLiteral(".png");
            const QImage image(path);
            QVERIFY2(!image.isNull(), qPrintable(path));
            const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
            const QByteArray pixels(reinterpret_cast<const char *>(argb.constBits()),
                                    int(argb.sizeInBytes()));
            QVERIFY2(!seen.contains(pixels), qPrintable(path + " looks like another icon"));
            seen.insert(pixels);
        }
    }
}

static QImage iconImage(const QIcon &icon)
{
    return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}

static QImage fileImage(const QString &path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

void TestDeviceRecord::iconAndTreeIcon()
{
    DeviceRecord sounder = record(8, 5);
    const QImage plain = fileImage(":/icons/icons/i_sounder.png");
    const QImage actionMarked = fileImage(":/icons/icons/i_sounder_a.png");
    const QImage eventMarked = fileImage(":/icons/icons/i_sounder_e.png");

    QCOMPARE(iconImage(sounder.icon()), plain);
    QCOMPARE(iconImage(sounder.treeIcon(true)), plain);
    sounder.actionUse = 1;
    QCOMPARE(iconImage(sounder.treeIcon(true)), actionMarked);
    QCOMPARE(iconImage(sounder.treeIcon(false)), plain);
    sounder.eventUse = 1;
    QCOMPARE(iconImage(sounder.treeIcon(false)), eventMarked);

    for (int t : {0, 13, 255}) {
        DeviceRecord none = record(t);
        none.actionUse = none.eventUse = 1;
        QVERIFY(none.icon().isNull());
        QVERIFY(none.icon(true).isNull());
        QVERIFY(none.treeIcon(true).isNull());
        QVERIFY(none.treeIcon(false).isNull());
    }
}

void TestDeviceRecord::faintIcon()
{
    const QImage plain = fileImage(":/icons/icons/i_opto.png");
    const QImage faint = iconImage(record(1, 1).icon(true));
    QCOMPARE(faint.size(), plain.size());
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            const int a = qAlpha(plain.pixel(x, y));
            QVERIFY(qAbs(qAlpha(faint.pixel(x, y)) - a / 4) <= 2);
        }
    }
}

QTEST_MAIN(TestDeviceRecord)
#include "tst_DeviceRecord.moc"
