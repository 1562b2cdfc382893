#include "PointHistory.h"

#include <QDebug>
#include <QFile>
#include <QLocale>
#include <QLoggingCategory>

// Every exported row is traced here; off by default because a long export writes
// megabytes of it.
Q_LOGGING_CATEGORY(lcHistoryExport, "loopwatch.export", QtInfoMsg)

PointHistory::PointHistory()
{
    init();
}

void PointHistory::init()
{
    for (auto &l : m_lists)
        l.clear();
}

void PointHistory::clear()
{
    for (auto &l : m_lists) {
        l.clear();
        l.squeeze();
    }
}

void PointHistory::append(int loop, int address, int normalizedValue, int absoluteValue, int secondValue)
{
    // Local time kept with its offset from UTC: comparing and exporting thousands
    // of samples then needs no time zone lookup per sample.
    const QDateTime now = QDateTime::currentDateTime();
    PointHistorySample s;
    s.timestamp = now.toOffsetFromUtc(now.offsetFromUtc());
    s.secondValue = secondValue;
    s.normalizedValue = normalizedValue;
    s.absoluteValue = absoluteValue;
    append(loop, address, s);
}

void PointHistory::append(int loop, int address, const PointHistorySample &sample)
{
    QList<PointHistorySample> &l = m_lists[index(loop, address)];
    if (l.size() >= MaxSamplesPerPoint)
        l.removeFirst();
    l.append(sample);
}

void PointHistory::clearAll(int &progress)
{
    init();
    progress = 100;
}

bool PointHistory::exportFile(int loop, const QString &fileName) const
{
    if (loop < 0 || loop >= Loops)
        return false;

    QList<const QList<PointHistorySample> *> columns;
    QList<int> addresses;
    qsizetype rows = -1;
    for (int a = 0; a < Addresses; ++a) {
        const QList<PointHistorySample> &l = list(loop, a);
        if (l.isEmpty())
            continue;
        columns.append(&l);
        addresses.append(a);
        rows = rows < 0 ? l.size() : qMin(rows, l.size());
    }
    // Nothing to write: the named file is left exactly as it is.
    if (columns.isEmpty())
        return false;

    // The whole table is built first and written in one go, so a failed write
    // can be undone by cutting the file back.
    QByteArray text;
    text.reserve(qsizetype(rows + 1) * (24 + columns.size() * 10));
    text.append("Timestamp");
    const QByteArray loopText = QByteArray::number(loop + 1);
    for (int a : addresses) {
        const QByteArray point = loopText + '.' + QByteArray::number(a + 1);
        text.append(';').append(point).append(" (nVA);").append(point).append(" (VA)");
    }
    text.append('\n');

    const QLocale locale = QLocale::system();
    const bool trace = lcHistoryExport().isDebugEnabled();
    for (qsizetype k = 0; k < rows; ++k) {
        qint64 latest = 0;
        const QDateTime *latestTime = nullptr;
        QByteArray cells;
        for (const QList<PointHistorySample> *l : columns) {
            const PointHistorySample &s = l->at(k);
            const qint64 ms = s.timestamp.toMSecsSinceEpoch();
            if (!latestTime || ms > latest) {
                latest = ms;
                latestTime = &s.timestamp;
            }
            cells.append(';').append(QByteArray::number(s.normalizedValue))
                 .append(';').append(QByteArray::number(s.absoluteValue));
        }
        const QString time = locale.toString(*latestTime, QLocale::ShortFormat);
        const QByteArray timeText = time.toUtf8();
        text.append(timeText).append(cells).append('\n');
        if (trace)
            qCDebug(lcHistoryExport).noquote() << "print line: " + time + QString::fromLatin1(cells);
    }

    // Unbuffered: what could not be written is never held back in a buffer,
    // where QFileDevice::resize would first try to flush it again, fail and
    // leave the part that did reach the disk behind the old content.
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    const qint64 before = file.size();
    if (file.write(text) != text.size()) {
        if (!file.isSequential())
            file.resize(before);
        file.close();
        return false;
    }
    file.close();
    return file.error() == QFileDevice::NoError;
}
