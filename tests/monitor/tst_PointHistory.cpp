#include "PointHistory.h"

#include "FileSizeLimit.h"

#include <QtTest>

namespace {
PointHistorySample sample(const QDateTime &t, int normalized, int absolute)
{
    PointHistorySample s;
    s.timestamp = t;
    s.normalizedValue = normalized;
    s.absoluteValue = absolute;
    return s;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QString shortTime(const QDateTime &t) { return QLocale::system().toString(t, QLocale::ShortFormat); }

const QDateTime T0(QDate(2026, 3, 14), QTime(10, 0, 0));
}

class TestPointHistory : public QObject {
    Q_OBJECT
private slots:
    void init();

    void exportTable();
    void exportToFile_data();
    void exportToFile();
    void unopenableFileFails();
    void clearAllEmptiesEverything();
    void boundedDropsOldest();
    void appendStampsNow();

private:
    QTemporaryDir m_dir;
    QDateTime m_t0;
};

void TestPointHistory::init()
{
    QVERIFY(m_dir.isValid());
    m_t0 = T0;
}

void TestPointHistory::exportTable()
{
    PointHistory h;
    // loop 0: address 4 with 3 samples, address 9 with 5; loop 1 has its own
    for (int k = 0; k < 3; ++k)
        h.append(0, 4, sample(m_t0.addSecs(120 * k), 10 + k, k == 1 ? -1 : 100 + k));
    for (int k = 0; k < 5; ++k)
        h.append(0, 9, sample(m_t0.addSecs(120 * k + 60), 20 + k, 200 + k));
    h.append(1, 0, sample(m_t0, 1, 1));
    const QString file = m_dir.filePath("loop1.csv");
    QVERIFY(h.exportFile(0, file));
    const QList<QByteArray> lines = readAll(file).split('\n');
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines.at(0), QByteArray("Timestamp;1.5 (nVA);1.5 (VA);1.10 (nVA);1.10 (VA)"));
    // each row carries the latest time of its samples
    QCOMPARE(QString::fromUtf8(lines.at(1)), shortTime(m_t0.addSecs(60)) + ";10;100;20;200");
    QCOMPARE(QString::fromUtf8(lines.at(2)), shortTime(m_t0.addSecs(180)) + ";11;-1;21;201");
    QCOMPARE(QString::fromUtf8(lines.at(3)), shortTime(m_t0.addSecs(300)) + ";12;102;22;202");
    QCOMPARE(lines.at(4), QByteArray());   // single line feed at the end
}

void TestPointHistory::exportToFile_data()
{
    // The history holds one sample, at loop 2 (shown 3), address 249.
    QTest::addColumn<int>("loop");
    QTest::addColumn<bool>("existing");   // the file holds "old content\n" before
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("content");   // "<missing>": no file
    QTest::addColumn<int>("sizeLimit");        // bytes a file may grow to while exporting; 0 none
    const QByteArray old("old content\n");
    QTest::newRow("appends after old content")
        << 2 << true << true << old + "Timestamp;3.250 (nVA);3.250 (VA)\n" + shortTime(T0).toUtf8() + ";5;6\n" << 0;
    QTest::newRow("loop without samples leaves file untouched") << 3 << true << false << old << 0;
    QTest::newRow("loop without samples creates no file") << 3 << false << false << QByteArray("<missing>") << 0;
    QTest::newRow("loop out of range") << 8 << true << false << old << 0;
    // As on a full disk: only part of the table fits, and none of it may stay.
    QTest::newRow("failed append cut back to the old bytes")
        << 2 << true << false << old << int(old.size()) + 10;
}

void TestPointHistory::exportToFile()
{
    QFETCH(int, loop);
    QFETCH(bool, existing);
    QFETCH(bool, ok);
    PointHistory h;
    h.append(2, 249, sample(m_t0, 5, 6));
    const QString file = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".csv");
    if (existing) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("old content\n");
    }
    QFETCH(int, sizeLimit);
    bool exported = false;
    if (sizeLimit > 0) {
        FileSizeLimit limit(static_cast<rlim_t>(sizeLimit));
        QVERIFY(limit.isActive());
        exported = h.exportFile(loop, file);
    } else {
        exported = h.exportFile(loop, file);
    }
    QCOMPARE(exported, ok);
    QTEST(readAll(file), "content");
}

void TestPointHistory::unopenableFileFails()
{
    PointHistory h;
    h.append(0, 0, sample(m_t0, 1, 1));
    QVERIFY(!h.exportFile(0, m_dir.path()));   // a folder
    QVERIFY(!h.exportFile(0, m_dir.filePath("no/such/folder/x.csv")));
    // a device that takes nothing: the writing fails and is reported
    if (QFile::exists(QStringLiteral("/dev/full"))) {
        // opening for appending seeks, which a character device refuses
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("seek"));
        QVERIFY(!h.exportFile(0, QStringLiteral("/dev/full")));
    }
}

void TestPointHistory::clearAllEmptiesEverything()
{
    PointHistory h;
    h.append(0, 0, sample(m_t0, 1, 1));
    h.append(7, 249, sample(m_t0, 1, 1));
    const QList<PointHistorySample> *list = &h.list(7, 249);
    int progress = -1;
    h.clearAll(progress);
    QCOMPARE(progress, 100);
    for (int loop = 0; loop < 8; ++loop)
        for (int a = 0; a < 250; ++a)
            QVERIFY(h.list(loop, a).isEmpty());
    QCOMPARE(&h.list(7, 249), list);
    QVERIFY(!h.exportFile(0, m_dir.filePath("x.csv")));
}

void TestPointHistory::boundedDropsOldest()
{
    PointHistory h;
    const QList<PointHistorySample> *list = &h.list(1, 2);
    const int extra = 5;
    for (int k = 0; k < PointHistory::MaxSamplesPerPoint + extra; ++k)
        h.append(1, 2, sample(m_t0.addMSecs(k), k, k));
    QCOMPARE(list->size(), PointHistory::MaxSamplesPerPoint);
    QCOMPARE(list->first().normalizedValue, extra);
    QCOMPARE(list->last().normalizedValue, PointHistory::MaxSamplesPerPoint + extra - 1);
    QCOMPARE(&h.list(1, 2), list);
}

void TestPointHistory::appendStampsNow()
{
    PointHistory h;
    const QDateTime before = QDateTime::currentDateTime();
    h.append(0, 3, 7, 8, -1);
    const QDateTime after = QDateTime::currentDateTime();
    const PointHistorySample &s = h.list(0, 3).first();
    QVERIFY(s.timestamp >= before && s.timestamp <= after);
    QCOMPARE(s.normalizedValue, 7);
    QCOMPARE(s.absoluteValue, 8);
    QCOMPARE(s.secondValue, -1);
}

QTEST_GUILESS_MAIN(TestPointHistory)
#include "tst_PointHistory.moc"
