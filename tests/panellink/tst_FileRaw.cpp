#include "FileRaw.h"
#include "USBData.h"

#include <QtTest>
#include <QTemporaryDir>

namespace {
QByteArray pageOf(char fill, int marker)
{
    QByteArray p(256, fill);
    p[0] = char(marker >> 8);
    p[1] = char(marker);
    return p;
}

bool writeImage(const QString &name, const QList<int> &pages, bool finish = true)
{
    FileRaw file;
    file.prepareImage(name);
    if (!file.open())
        return false;
    for (int n : pages) {
        const QByteArray p = pageOf('w', n);
        if (!file.writePage(quint16(n), reinterpret_cast<const quint8 *>(p.constData())))
            return false;
    }
    const bool ok = !finish || file.finishUpload();
    file.close();
    return ok;
}

QByteArray readAll(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}

class TestFileRaw : public QObject {
    Q_OBJECT
private slots:
    void exportThenImport();
    void exportReplacesExistingFile();
    void abortedExportKeepsPreviousFile();
    void unwritableFolderFailsToOpen();
    void importRefusesWrongSize_data();
    void importRefusesWrongSize();
    void importOfReadOnlyFile();
    void builtInDefaults();
    void noFileChosen();
    void pagesOutsideTheImage();
    void cacheOverFile();

private:
    QTemporaryDir m_dir;
};

void TestFileRaw::exportThenImport()
{
    const QString name = m_dir.filePath("site.conf");
    QVERIFY(writeImage(name, {0x1A0, 0x456, 0xFFF, 5}));
    const QByteArray image = readAll(name);
    QCOMPARE(image.size(), 1048576);
    QCOMPARE(image.mid(0x45600, 256), pageOf('w', 0x456));

    FileRaw file;
    file.setImportFile(name);
    QVERIFY(file.open());
    quint8 buf[256];
    for (int n : {0x1A0, 0x456, 0xFFF, 5}) {
        QVERIFY(file.readPage(quint16(n), buf));
        QCOMPARE(QByteArray(reinterpret_cast<char *>(buf), 256), pageOf('w', n));
    }
    for (int n : {0, 3, 4, 0x1A1, 0x455}) {
        QVERIFY(file.readPage(quint16(n), buf));
        QCOMPARE(QByteArray(reinterpret_cast<char *>(buf), 256), QByteArray(256, char(0xFF)));
    }
    // An imported image is never written.
    QVERIFY(!file.writePage(3, buf));
    file.close();
}

void TestFileRaw::exportReplacesExistingFile()
{
    const QString name = m_dir.filePath("replace.conf");
    QVERIFY(writeImage(name, {0x200}));
    QVERIFY(writeImage(name, {0x201}));
    const QByteArray image = readAll(name);
    QCOMPARE(image.size(), 1048576);
    QCOMPARE(image.mid(0x20000, 256), QByteArray(256, char(0xFF)));
    QCOMPARE(image.mid(0x20100, 256), pageOf('w', 0x201));
}

void TestFileRaw::abortedExportKeepsPreviousFile()
{
    const QString name = m_dir.filePath("keep.conf");
    QVERIFY(writeImage(name, {0x300}));
    const QByteArray before = readAll(name);
    QVERIFY(writeImage(name, {0x301}, false));   // closed without finishing
    QCOMPARE(readAll(name), before);
    // No temporary file is left beside it.
    QCOMPARE(QDir(m_dir.path()).entryList({"keep.conf*"}, QDir::Files).size(), 1);
}

void TestFileRaw::unwritableFolderFailsToOpen()
{
    FileRaw file;
    file.prepareImage(m_dir.filePath("no/such/folder/x.conf"));
    QVERIFY(!file.open());
    quint8 buf[256] = {};
    QVERIFY(!file.writePage(0, buf));
    QVERIFY(!file.finishUpload());
}

void TestFileRaw::importRefusesWrongSize_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("empty") << 0;
    QTest::newRow("one page short") << 1048576 - 256;
    QTest::newRow("one byte long") << 1048577;
}

void TestFileRaw::importRefusesWrongSize()
{
    QFETCH(int, size);
    const QString name = m_dir.filePath(QStringLiteral("size%1.conf").arg(size));
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(size, char(0xFF)));
    f.close();
    FileRaw file;
    file.setImportFile(name);
    QVERIFY(!file.open());
    quint8 buf[256];
    QVERIFY(!file.readPage(0, buf));
}

void TestFileRaw::importOfReadOnlyFile()
{
    const QString name = m_dir.filePath("readonly.conf");
    QVERIFY(writeImage(name, {0x120}));
    QVERIFY(QFile::setPermissions(name, QFile::ReadOwner | QFile::ReadUser));
    FileRaw file;
    file.setImportFile(name);
    QVERIFY(file.open());
    quint8 buf[256];
    QVERIFY(file.readPage(0x120, buf));
    QCOMPARE(QByteArray(reinterpret_cast<char *>(buf), 256), pageOf('w', 0x120));
}

void TestFileRaw::builtInDefaults()
{
    const QString name = m_dir.filePath("defaults.conf");
    QVERIFY(writeImage(name, {}));
    const QByteArray before = readAll(name);
    FileRaw file;
    file.setImportFile(name);
    QVERIFY(file.open());
    InterfaceRaw *link = &file;
    QByteArray info = "stale bytes";
    QVERIFY(link->readInfo(info));
    QCOMPARE(info, QByteArray("012"));
    quint16 count = 99;
    QVERIFY(link->readLogCount(LogAlarm, count));
    QCOMPARE(count, quint16(0));
    const quint8 clock[7] = {1, 2, 3, 1, 4, 5, 26};
    QVERIFY(link->setDateTime(clock));
    QVERIFY(link->finishUpload());
    link->close();
    QCOMPARE(readAll(name), before);
}

void TestFileRaw::noFileChosen()
{
    FileRaw file;
    file.prepareImage(QString());
    QCOMPARE(file.mode(), FileRaw::NoFile);
    QVERIFY(!file.open());
    file.setImportFile(QString());
    QVERIFY(!file.open());
}

void TestFileRaw::pagesOutsideTheImage()
{
    FileRaw file;
    file.prepareImage(m_dir.filePath("range.conf"));
    QVERIFY(file.open());
    quint8 buf[256] = {};
    QVERIFY(!file.writePage(0x1000, buf));
    QVERIFY(!file.readPage(0xFFFF, buf));
    QVERIFY(file.readPage(0xFFF, buf));
    file.close();
}

// The page cache on a file: what an export writes, an import reads back.
void TestFileRaw::cacheOverFile()
{
    const QString name = m_dir.filePath("cache.conf");
    {
        FileRaw file;
        file.prepareImage(name);
        QVERIFY(file.open());
        USBData cache(&file);
        QVERIFY(cache.beginDeviceWrite());
        quint8 r[32] = {3, 'A'};
        QVERIFY(cache.writeDevice(3, 0, r));
        QVERIFY(cache.flushPage());
        QVERIFY(cache.readOptionsPage());
        QVERIFY(cache.setOptions(9, 2));
        QVERIFY(cache.writeOptionsIfChanged());
        QVERIFY(file.finishUpload());
        file.close();
    }
    FileRaw file;
    file.setImportFile(name);
    QVERIFY(file.open());
    USBData cache(&file);
    quint8 r[32];
    QVERIFY(cache.beginDeviceRead());
    QVERIFY(cache.readDevice(3, 0, r));
    QCOMPARE(int(r[0]), 3);
    QCOMPARE(int(r[1]), 'A');
    cache.endDeviceRead();
    QVERIFY(cache.readOptionsPage());
    quint8 a = 0, t = 0;
    QVERIFY(cache.getOptions(a, t));
    QCOMPARE(int(a), 9);
    QCOMPARE(int(t), 2);
    QCOMPARE(readAll(name).mid(0x200 * 256, 2), QByteArray("\x03" "A"));
    // page 3, the access code, is never written by an export
    QCOMPARE(readAll(name).mid(0x300, 4), QByteArray(4, char(0xFF)));
}

QTEST_MAIN(TestFileRaw)
#include "tst_FileRaw.moc"
