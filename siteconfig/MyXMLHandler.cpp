#include "MyXMLHandler.h"

#include "Facility.h"
#include "FileXML.h"
#include "LogManeuver.h"
#include "PanelConfig.h"

#include <cstring>

namespace {

// Decimal text to integer; anything that is not a decimal integer gives 0.
int number(QStringView value)
{
    return value.toInt();
}

unsigned char byteOf(QStringView value)
{
    return static_cast<unsigned char>(number(value));
}

std::uint16_t wordOf(QStringView value)
{
    return static_cast<std::uint16_t>(number(value));
}

// A dotted address: at most four pieces, empty pieces kept (they read as 0);
// bytes without a piece keep their values. An address of more than four
// pieces is not stored.
void readAddress(unsigned char *bytes, QStringView value)
{
    unsigned char parsed[4];
    int pieces = 0;
    qsizetype start = 0;
    for (;;) {
        qsizetype dot = value.indexOf(QLatin1Char('.'), start);
        const QStringView piece = value.mid(start, dot < 0 ? -1 : dot - start);
        if (pieces == 4)
            return;
        parsed[pieces++] = byteOf(piece);
        if (dot < 0)
            break;
        start = dot + 1;
    }
    std::memcpy(bytes, parsed, size_t(pieces));
}

// A user or pass text in its 32-byte field: Latin-1 ('?' for anything else),
// followed by a NUL when there is room. A longer text is not stored.
void readField(char *field, QStringView value)
{
    const QByteArray bytes = value.toLatin1();
    if (bytes.size() > WebServerSettings::TextSize)
        return;
    std::memset(field, 0, WebServerSettings::TextSize);
    std::memcpy(field, bytes.constData(), size_t(bytes.size()));
}

} // namespace

MyXMLHandler::MyXMLHandler(Facility *target)
    : target(target)
    , panelIndex(target ? target->panelCount() : 0)
{
}

MyXMLHandler::~MyXMLHandler() = default;

PanelConfig *MyXMLHandler::currentPanel() const
{
    // Only the panel whose "Panel" element is open: elements outside one are ignored.
    return target && panelIndex < target->panelCount() ? target->getPanel(panelIndex) : nullptr;
}

bool MyXMLHandler::startElement(QStringView namespaceURI, QStringView localName,
                                QStringView qName, const QXmlStreamAttributes &atts)
{
    if (localName == u"CONFIG")
        return true;   // "Version" and "Date" are informative only
    if (localName == u"Panel")
        return readPanel(atts);
    return parseElement(namespaceURI, localName, qName, atts);
}

bool MyXMLHandler::endElement(QStringView, QStringView localName, QStringView)
{
    if (localName == u"Panel") {
        finishLogicEvent();
        inLogicEvent = false;
        // The file does not carry the zone states: they follow from the modes
        // of the elements, and the zone records take them to the panel.
        if (PanelConfig *panel = currentPanel())
            panel->rebuildZoneStates();
        ++panelIndex;
        loopIndex = 0;
        maneuverIndex = 0;
        maneuver = EventRecord();
    } else if (localName == u"maneuver") {
        // Only a maneuver that holds a used slot moves on, so a free one in the
        // file leaves no gap among the slots.
        const PanelConfig *panel = currentPanel();
        if (panel && maneuverIndex < panel->eventCount())
            ++maneuverIndex;
        maneuver = EventRecord();
    } else if (localName == u"logManeuver") {
        finishLogicEvent();
        inLogicEvent = false;
    }
    return true;
}

bool MyXMLHandler::parseElement(QStringView, QStringView localName, QStringView,
                                const QXmlStreamAttributes &atts)
{
    if (!currentPanel())
        return true;   // nothing before the first "Panel" has a place

    const QStringView n = localName;
    if (n == u"Device")
        return readDevice(atts);
    if (n == u"maneuver")
        return readManeuver(atts);
    if (n == u"PanelEvent" || n == u"DeviceEvent" || n == u"LoopEvent" || n == u"ZoneEvent")
        return readEvent(n, atts);
    if (n == u"PanelAction" || n == u"DeviceAction" || n == u"LoopAction" || n == u"ZoneAction")
        return readAction(n, atts);
    if (n == u"Zone")
        return readZone(atts);
    if (n == u"loop") {
        for (const QXmlStreamAttribute &a : atts) {
            if (a.qualifiedName() == u"number") {
                loopIndex = number(a.value());
                break;
            }
        }
        return true;
    }
    if (n == u"logManeuver")
        return readLogManeuver(atts);
    if (n == u"network")
        return readNetwork(atts);
    if (n == u"SpecialModes") {
        PanelConfig *panel = currentPanel();
        for (const QXmlStreamAttribute &a : atts) {
            if (a.qualifiedName() == u"panelFlags")
                panel->panelFlags = number(a.value());
        }
        return true;
    }
    if (n == u"dayNight")
        return readDayNight(atts);
    if (n == u"sensibility")
        return readSensibility(atts);
    if (n == u"optoheat")
        return readOptoheat(atts);
    if (n == u"delayed")
        return readDelayed(atts);
    if (n == u"WebServer")
        return readWebServer(atts);
    // "LogPanelEvent", "LogDeviceEvent", "LogLoopEvent", "LogZoneEvent",
    // "Installation", "zones", "maneuvers", "logManeuvers" and unknown names:
    // nothing.
    return true;
}

bool MyXMLHandler::readPanel(const QXmlStreamAttributes &atts)
{
    if (!target)
        return true;
    if (panelsRead == MaxPanelsPerFile)
        return false;
    ++panelsRead;
    auto *panel = new PanelConfig;
    for (const QXmlStreamAttribute &a : atts) {
        const QStringView name = a.qualifiedName();
        const QStringView value = a.value();
        if (name == u"name")
            panel->setName(value.toString());
        else if (name == u"version")
            panel->version = value.toString();
        else if (name == u"installer")
            panel->installer = value.toString();
        else if (name == u"phone")
            panel->phone = value.toString();
        else if (name == u"ledFromDay")
            panel->ledFromDay = byteOf(value);
        else if (name == u"ledToDay")
            panel->ledToDay = byteOf(value);
        else if (name == u"ledFromHour")
            panel->ledFromHour = byteOf(value);
        else if (name == u"ledFromMinute")
            panel->ledFromMinute = byteOf(value);
        else if (name == u"ledToHour")
            panel->ledToHour = byteOf(value);
        else if (name == u"ledToMinute")
            panel->ledToMinute = byteOf(value);
        else if (name == u"ledToggling")
            panel->ledToggling = byteOf(value);
    }
    target->addPanel(panel);
    return true;
}

bool MyXMLHandler::readNetwork(const QXmlStreamAttributes &atts)
{
    PanelConfig *panel = currentPanel();
    for (const QXmlStreamAttribute &a : atts) {
        const QStringView name = a.qualifiedName();
        const int value = number(a.value());
        if (name == u"address")
            panel->address = value;
        else if (name == u"type")
            panel->type = value == 1 ? 1 : 0;
        else if (name == u"modbusAddress")
            panel->modbusAddress = value;
        else if (name == u"modbusBaudrate")
            panel->modbusBaudrate = value;
        else if (name == u"rs485mode")
            panel->rs485mode = value;
        else if (name == u"modbus2Address")
            panel->modbus2Address = value;
        else if (name == u"modbus2Baudrate")
            panel->modbus2Baudrate = value;
        else if (name == u"rs485_2mode")
            panel->rs485_2mode = value;
    }
    return true;
}

bool MyXMLHandler::readZone(const QXmlStreamAttributes &atts)
{
    ZoneRecord zone;
    for (const QXmlStreamAttribute &a : atts) {
        const QStringView name = a.qualifiedName();
        if (name == u"number")
            zone.number = number(a.value());
        else if (name == u"description")
            zone.description = a.value().toString();
    }
    if (ZoneRecord *place = currentPanel()->zoneAt(zone.number))
        *place = zone;
    return true;
}

bool MyXMLHandler::readDevice(const QXmlStreamAttributes &atts)
{
    DeviceRecord device;
    int address = 0;
    for (const QXmlStreamAttribute &a : atts) {
        const QStringView name = a.qualifiedName();
        const QStringView value = a.value();
        if (name == u"address") {
            address = number(value);
        } else if (name == u"zone") {
            // The element's zone byte as the panel holds it, 250..255 too (the
            // model keeps them and leaves them out of the zone states); only
            // what is not a byte is not taken and the element keeps zone 0.
            bool ok = false;
            const int zone = value.toInt(&ok);
            if (ok && zone >= 0 && zone <= 255)
                device.zone = static_cast<unsigned char>(zone);
        } else if (name == u"type") {
            device.type = byteOf(value);
        } else if (name == u"mode") {
            device.mode = byteOf(value);
        } else if (name == u"ext_type") {
            device.ext_type = byteOf(value);
        } else if (name == u"flags") {
            device.flags = byteOf(value);
        } else if (name == u"description") {
            device.description = value.toString();
        }
    }
    DeviceRecord *place = currentPanel()->deviceAt(loopIndex, address);
    if (!place)
        return true;   // loop or address outside the panel
    device.loop = static_cast<unsigned char>(loopIndex);
    device.address = static_cast<unsigned char>(address);
    *place = std::move(device);
    return true;
}

void MyXMLHandler::storeManeuver(PanelConfig *panel)
{
    if (maneuverIndex >= 0 && maneuverIndex < PanelConfig::EventSlotCount)
        panel->setEvent(maneuverIndex, maneuver);
}

bool MyXMLHandler::readManeuver(const QXmlStreamAttributes &)
{
    maneuver = EventRecord();
    storeManeuver(currentPanel());   // frees the slot should it hold anything
    return true;
}

bool MyXMLHandler::readLogManeuver(const QXmlStreamAttributes &)
{
    // A start inside an open logic event first hands that one to the panel:
    // nothing read is dropped and no logic event is owned twice.
    finishLogicEvent();
    logicEvent = std::make_unique<LogManeuver>();
    inLogicEvent = true;
    return true;
}

void MyXMLHandler::finishLogicEvent()
{
    if (!logicEvent)
        return;
    if (PanelConfig *panel = currentPanel())
        panel->appendLogicEvent(logicEvent);
    logicEvent.reset();
}

bool MyXMLHandler::readEvent(QStringView localName, const QXmlStreamAttributes &atts)
{
    // The name only selects which first and last attributes are read.
    const FileXML::ScopeElement *names = FileXML::scopeElement(localName);
    const QStringView firstName = names ? QStringView(names->first) : QStringView();
    const QStringView lastName = names ? QStringView(names->last) : QStringView();

    EventRecord::Cause cause;
    unsigned char panel = 0;
    for (const QXmlStreamAttribute &a : atts) {
        const QStringView name = a.qualifiedName();
        if (name == u"id_blk")
            cause.id_blk = byteOf(a.value());
        else if (name == u"event")
            cause.event = byteOf(a.value());
        else if (!firstName.isEmpty() && name == firstName)
            cause.first = byteOf(a.value());
        else if (!lastName.isEmpty() && name == lastName)
            cause.last = byteOf(a.value());
        else if (name == u"panel")
            panel = byteOf(a.value());
    }

    if (inLogicEvent && logicEvent) {
        // The panel byte of the condition's element; a file without it gives 0.
        cause.spare1 = panel;
        logicEvent->conditions.append(cause);
    } else {
        maneuver.cause = cause;
        storeManeuver(currentPanel());
    }
    return true;
}

bool MyXMLHandler::readAction(QStringView localName, const QXmlStreamAttributes &atts)
{
    // The name only selects which first and last attributes are read.
    const FileXML::ScopeElement *names = FileXML::scopeElement(localName);
    const QStringView firstName = names ? QStringView(names->first) : QStringView();
    const QStringView lastName = names ? QStringView(names->last) : QStringView();

    EventRecord::Effect effect;
    for (const QXmlStreamAttribute &a : atts) {
        const QStringView name = a.qualifiedName();
        const QStringView value = a.value();
        if (name == u"id_blk")
            effect.id_blk = byteOf(value);
        else if (name == u"id_panel")
            effect.id_panel = byteOf(value);
        else if (name == u"delay")
            effect.delay = wordOf(value);
        else if (name == u"act")
            effect.act = byteOf(value);
        else if (name == u"matches")
            effect.matches = byteOf(value);
        else if (!firstName.isEmpty() && name == firstName)
            effect.first = byteOf(value);
        else if (!lastName.isEmpty() && name == lastName)
            effect.last = byteOf(value);
    }

    if (inLogicEvent && logicEvent) {
        logicEvent->record.effect = effect;
    } else {
        maneuver.effect = effect;
        storeManeuver(currentPanel());
    }
    return true;
}

bool MyXMLHandler::readWebServer(const QXmlStreamAttributes &atts)
{
    WebServerSettings &ws = currentPanel()->webServer;
    bool haveOptions = false;
    unsigned char options = 0;
    for (const QXmlStreamAttribute &a : atts) {
        const QStringView name = a.qualifiedName();
        const QStringView value = a.value();
        if (name == u"WSEnabled")
            ws.WSEnabled = byteOf(value);
        else if (name == u"dhcp")
            ws.dhcp = byteOf(value);
        else if (name == u"auth")
            ws.auth = byteOf(value);
        else if (name == u"bidi")
            ws.bidi = number(value) == 0 ? 1 : 0;
        else if (name == u"ip")
            readAddress(ws.ip, value);
        else if (name == u"gateway")
            readAddress(ws.gateway, value);
        else if (name == u"netmask")
            readAddress(ws.netmask, value);
        else if (name == u"user")
            readField(ws.user, value);
        else if (name == u"pass")
            readField(ws.pass, value);
        else if (name == u"options") {
            haveOptions = true;
            options = byteOf(value);
        }
    }
    // The whole options byte, when the file has it, says more than "bidi".
    if (haveOptions)
        ws.bidi = options;
    return true;
}

bool MyXMLHandler::readSpecialMode(SpecialMode &mode, const QXmlStreamAttributes &atts)
{
    for (const QXmlStreamAttribute &a : atts) {
        const QStringView name = a.qualifiedName();
        const QStringView value = a.value();
        if (name == u"mode")
            mode.mode = byteOf(value);
        else if (name == u"endDay")
            mode.endDay = byteOf(value);
        else if (name == u"endHour")
            mode.endHour = byteOf(value);
        else if (name == u"endMinute")
            mode.endMinute = byteOf(value);
        else if (name == u"startDay")
            mode.startDay = byteOf(value);
        else if (name == u"startHour")
            mode.startHour = byteOf(value);
        else if (name == u"startMinute")
            mode.startMinute = byteOf(value);
        else if (name == u"startZone")
            mode.startZone = byteOf(value);
        else if (name == u"endZone")
            mode.endZone = byteOf(value);
    }
    return true;
}

bool MyXMLHandler::readDelayed(const QXmlStreamAttributes &atts)
{
    PanelConfig *panel = currentPanel();
    readSpecialMode(panel->delayed, atts);
    for (const QXmlStreamAttribute &a : atts) {
        const QStringView name = a.qualifiedName();
        if (name == u"delay1")
            panel->delay1 = wordOf(a.value());
        else if (name == u"delay2")
            panel->delay2 = wordOf(a.value());
    }
    return true;
}

bool MyXMLHandler::readDayNight(const QXmlStreamAttributes &atts)
{
    return readSpecialMode(currentPanel()->dayNight, atts);
}

bool MyXMLHandler::readSensibility(const QXmlStreamAttributes &atts)
{
    return readSpecialMode(currentPanel()->sensibility, atts);
}

bool MyXMLHandler::readOptoheat(const QXmlStreamAttributes &atts)
{
    return readSpecialMode(currentPanel()->optoheat, atts);
}
