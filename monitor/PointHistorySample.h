#pragma once
#include <QDateTime>
#include <QtGlobal>

// One recorded reading of a point.
struct PointHistorySample {
    QDateTime timestamp;          // local time when the sample was appended
    qint32 secondValue = -1;
    qint32 normalizedValue = -1;  // -1 after a failed reading
    qint32 absoluteValue = -1;    // -1 after a failed reading
};
