#include "FileTxt.h"

#include "Facility.h"
#include "PanelConfig.h"

#include <QObject>
#include <QSaveFile>
#include <QStringConverter>
#include <QTextStream>

FileTxt::FileTxt() = default;

bool FileTxt::writeSite(const QString &name, const Facility *site, bool withLoops,
                        bool withZones, bool withActions)
{
    fileName = name;
    loops = withLoops;
    zones = withZones;
    actions = withActions;

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::Utf8);
    stream.setGenerateByteOrderMark(false);
    out = &stream;
    if (site) {
        for (int i = 0; i < site->panelCount(); ++i)
            writePanel(*site->getPanel(i));
    }
    stream.flush();
    out = nullptr;

    if (stream.status() != QTextStream::Ok || !file.flush()
        || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void FileTxt::writePanel(const PanelConfig &panel)
{
    *out << panel.name() << '\n' << "FW version: " << panel.version << '\n';
    if (loops) {
        for (int loop = 0; loop < PanelConfig::LoopCount; ++loop)
            writeLoop(panel, loop);
    }
    if (zones)
        writeZones(panel);
    if (actions) {
        writeManeuvers(panel);
        writeLogManeuvers(panel);
    }
}

void FileTxt::writeLoop(const PanelConfig &panel, int loop)
{
    if (panel.isLoopEmpty(loop))
        return;
    *out << "  LOOP " << loop + 1 << '\n';
    for (int address = 0; address < PanelConfig::AddressCount; ++address)
        writeDevice(*panel.deviceAt(loop, address));
    *out << '\n';
}

void FileTxt::writeDevice(const DeviceRecord &device)
{
    if (device.type == 0)
        return;
    *out << "    " << QObject::tr("Address:") << device.address + 1 << ' '
         << QObject::tr("Type:") << device.classNames() << ' '
         << QObject::tr("Description:") << device.description << ' '
         << QObject::tr("Zone:") << device.zone + 1 << ' ' << '\n';
}

void FileTxt::writeZones(const PanelConfig &panel)
{
    *out << "  ZONES" << '\n';
    for (int zone = 0; zone < PanelConfig::ZoneCount; ++zone) {
        if (panel.isZoneUnused(zone))
            continue;
        *out << "    " << QObject::tr("Zone:") << zone + 1 << ' ' << QObject::tr("Description:")
             << panel.zoneAt(zone)->description << '\n';
    }
}

void FileTxt::writeManeuvers(const PanelConfig &panel)
{
    *out << "  ACTIONS" << '\n';
    for (int slot = 0; slot < panel.eventCount(); ++slot)
        *out << QStringLiteral("    %1   ").arg(slot + 1) << panel.eventAt(slot)->maneuverLine()
             << '\n';
    *out << '\n';
}

void FileTxt::writeLogManeuvers(const PanelConfig &panel)
{
    *out << "  LOG ACTIONS" << '\n';
    for (int i = 0; i < panel.logicEventCount(); ++i) {
        const LogManeuver &logic = *panel.logicEventAt(i);
        *out << QStringLiteral("    Logical maneuver %1:\n").arg(i + 1);
        for (const LogicEventTerm &condition : logic.conditions) {
            EventRecord record;
            record.cause = condition;
            *out << "        " << record.eventLine() << '\n';
        }
        *out << "        " << QObject::tr("action: ") << logic.record.describe() << "\n\n";
    }
}
