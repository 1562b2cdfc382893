#include "LoopPoint.h"

#include <QCoreApplication>

void LoopPoint::clear()
{
    normalizedValue = 0;
    loop = 0;
    address = 0;
    type = 0;
    comm = 0;
    error = 0;
    percent = 0.0f;
    zone = 0;
    state = 0;
    description.clear();
    version = 0;
    alarms = 0;
    faults = 0;
    subtype = 0;
    detectedType = 0;
    absoluteValue = 0;
    maxValue = 0;
    minValue = 0;
    actions = 0;
}

void LoopPoint::resetReadings()
{
    comm = 0;
    error = 0;
    percent = 0.0f;
    normalizedValue = -1;
    absoluteValue = -1;
    maxValue = -1;
    minValue = -1;
}

QString LoopPoint::typeName(int type)
{
    switch (type) {
    case Empty: return QCoreApplication::translate("QObject", "Empty");
    case Optical: return QCoreApplication::translate("QObject", "Optical");
    case Heat: return QCoreApplication::translate("QObject", "Heat");
    case OpticalHeat: return QCoreApplication::translate("QObject", "Optical-Heat");
    case Mcp: return QCoreApplication::translate("QObject", "MCP");
    case Zone: return QCoreApplication::translate("QObject", "Zone");
    case Input: return QCoreApplication::translate("QObject", "Input");
    case Output: return QCoreApplication::translate("QObject", "Output");
    case Sounder: return QCoreApplication::translate("QObject", "Sounder");
    case Panel: return QCoreApplication::translate("QObject", "Panel");
    case Gas: return QCoreApplication::translate("QObject", "Gas");
    case RemoteIndicator: return QCoreApplication::translate("QObject", "Remote indicator");
    case Beam: return QCoreApplication::translate("QObject", "Beam");
    case Double: return QCoreApplication::translate("QObject", "Double");
    case FaultType: return QCoreApplication::translate("QObject", "Fault");
    default:
        return QCoreApplication::translate("QObject", "Type:") + QLatin1Char(' ') + QString::number(type);
    }
}
