#include "MyConfigOptions.h"

#include <QSignalSpy>
#include <QtTest>

// The options read and write "settings.ini" beside the test program; each test
// starts without the file and removes it at the end.
class TestMyConfigOptions : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void defaultsWithoutFile();
    void flagParsing_data();
    void flagParsing();
    void periodParsing_data();
    void periodParsing();
    void saveWritesAllKeysAndKeepsForeign();
    void saveLanguageAlone();
    void setDefaultsKeepsLanguageAndLoop();

private:
    void writeFile(const QByteArray &content);
    QString m_path;
};

void TestMyConfigOptions::init()
{
    m_path = MyConfigOptions::settingsPath();
    QCOMPARE(m_path, QCoreApplication::applicationDirPath() + "/settings.ini");
    QFile::remove(m_path);
}

void TestMyConfigOptions::cleanup()
{
    QFile::remove(m_path);
}

void TestMyConfigOptions::writeFile(const QByteArray &content)
{
    QFile f(m_path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
    QVERIFY(f.flush());
    // QSettings keeps parsed files by time stamp: each file written here gets its own.
    static int written = 0;
    QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-10000 + 10 * ++written),
                          QFileDevice::FileModificationTime));
}

void TestMyConfigOptions::defaultsWithoutFile()
{
    const MyConfigOptions o;
    QVERIFY(o.zone);
    QVERIFY(o.description);
    QVERIFY(o.normalized);
    QVERIFY(!o.version);
    QVERIFY(o.numAlarms);
    QVERIFY(!o.numFaults);
    QVERIFY(!o.comms);
    QVERIFY(!o.absoluteVals);
    QVERIFY(!o.absoluteMinMax);
    QVERIFY(!o.global);
    QVERIFY(o.optoHeat);
    QVERIFY(o.datalog);
    QCOMPARE(o.periode, 500u);
    QVERIFY(o.language.isEmpty());
    QVERIFY(!QFile::exists(m_path));
}

void TestMyConfigOptions::flagParsing_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("value");
    QTest::newRow("true") << QByteArray("true") << true;
    QTest::newRow("false") << QByteArray("false") << false;
    QTest::newRow("True") << QByteArray("True") << false;
    QTest::newRow("1") << QByteArray("1") << false;
    QTest::newRow("yes") << QByteArray("yes") << false;
    QTest::newRow("empty") << QByteArray("") << false;
}

void TestMyConfigOptions::flagParsing()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, value);
    writeFile("[General]\nzone=" + stored + "\nversion=" + stored + "\ndatalog=" + stored + "\n");
    const MyConfigOptions o;
    QCOMPARE(o.zone, value);
    QCOMPARE(o.version, value);
    QCOMPARE(o.datalog, value);
    QVERIFY(o.description);   // missing: default
}

void TestMyConfigOptions::periodParsing_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<uint>("periode");
    QTest::newRow("500") << QByteArray("500") << 500u;
    QTest::newRow("1200") << QByteArray("1200") << 1200u;
    QTest::newRow("2000") << QByteArray("2000") << 2000u;
    QTest::newRow("0") << QByteArray("0") << 500u;
    QTest::newRow("100") << QByteArray("100") << 500u;
    QTest::newRow("2500") << QByteArray("2500") << 500u;
    QTest::newRow("letters") << QByteArray("fast") << 500u;
    QTest::newRow("minus") << QByteArray("-700") << 500u;
    QTest::newRow("fraction") << QByteArray("700.5") << 500u;
    QTest::newRow("empty") << QByteArray("") << 500u;
}

void TestMyConfigOptions::periodParsing()
{
    QFETCH(QByteArray, stored);
    writeFile("[General]\nperiode=" + stored + "\n");
    const MyConfigOptions o;
    QTEST(o.periode, "periode");
}

void TestMyConfigOptions::saveWritesAllKeysAndKeepsForeign()
{
    writeFile("[General]\nadvanced=true\nlanguage=es\n");
    MyConfigOptions o;
    QCOMPARE(o.language, QStringLiteral("es"));
    o.version = true;
    o.zone = false;
    o.periode = 1500;
    o.language = QStringLiteral("en");   // not written by save()
    QSignalSpy spy(&o, &MyConfigOptions::settingsChange);
    o.save();
    QCOMPARE(spy.count(), 1);

    QSettings s(m_path, QSettings::IniFormat);
    const QStringList keys = {"zone", "description", "normalized", "version", "numAlarms", "numFaults", "comms",
                              "absoluteVals", "absoluteMinMax", "optoHeat", "global", "datalog", "periode"};
    for (const QString &k : keys)
        QVERIFY2(s.contains(k), qPrintable(k));
    QCOMPARE(s.value("advanced").toString(), QStringLiteral("true"));
    QCOMPARE(s.value("language").toString(), QStringLiteral("es"));
    QCOMPARE(s.value("version").toString(), QStringLiteral("true"));
    QCOMPARE(s.value("zone").toString(), QStringLiteral("false"));
    QCOMPARE(s.value("periode").toString(), QStringLiteral("1500"));

    const MyConfigOptions back;
    QVERIFY(back.version);
    QVERIFY(!back.zone);
    QCOMPARE(back.periode, 1500u);
}

void TestMyConfigOptions::saveLanguageAlone()
{
    MyConfigOptions o;
    o.language = QStringLiteral("ru");
    o.zone = false;
    QSignalSpy spy(&o, &MyConfigOptions::settingsChange);
    o.saveLanguage();
    QCOMPARE(spy.count(), 0);
    QSettings s(m_path, QSettings::IniFormat);
    QCOMPARE(s.allKeys(), QStringList{"language"});
    QCOMPARE(s.value("language").toString(), QStringLiteral("ru"));
}

void TestMyConfigOptions::setDefaultsKeepsLanguageAndLoop()
{
    writeFile("[General]\nzone=false\nglobal=true\nperiode=900\nlanguage=es\n");
    MyConfigOptions o;
    o.currentLoop = 3;
    QVERIFY(!o.zone);
    QVERIFY(o.global);
    o.setDefaults();
    QVERIFY(o.zone);
    QVERIFY(!o.global);
    QCOMPARE(o.periode, 500u);
    QCOMPARE(o.language, QStringLiteral("es"));
    QCOMPARE(int(o.currentLoop), 3);
}

QTEST_GUILESS_MAIN(TestMyConfigOptions)
#include "tst_MyConfigOptions.moc"
