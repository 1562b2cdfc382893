#include "FileXML.h"

#include "Facility.h"
#include "MyXMLHandler.h"
#include "PanelConfig.h"

#include <QDate>
#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

FileXML::FileXML(Facility *facility)
    : facility(facility)
{
}

// ------------------------------------------------------------------ writing

bool FileXML::writeXml(const QString &fileName)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;

    QXmlStreamWriter writer(&file);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(4);
    xml = &writer;

    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("CONFIG"));
    writeText(QStringLiteral("Version"), QString::fromLatin1(ProgramVersion));
    writeText(QStringLiteral("Date"),
              QLocale::system().toString(QDate::currentDate(), QStringLiteral("ddd MMM d yyyy")));
    if (facility)
        writeInstallation(*facility);
    else
        writer.writeEmptyElement(QStringLiteral("Installation"));
    writer.writeEndElement();
    writer.writeEndDocument();

    xml = nullptr;
    // commit() alone does not report a failed last flush of the buffer: a
    // short file would replace the old one.
    if (writer.hasError() || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void FileXML::writeNumber(const QString &name, int value)
{
    xml->writeAttribute(name, QString::number(value));
}

void FileXML::writeText(const QString &name, const QString &value)
{
    xml->writeAttribute(name, xmlSafe(value));
}

static bool isXmlForbidden(char16_t c)
{
    return (c < 0x20 && c != 0x09 && c != 0x0A && c != 0x0D) || c == 0xFFFE || c == 0xFFFF;
}

QString FileXML::xmlSafe(const QString &text)
{
    const qsizetype n = text.size();
    const QChar *s = text.constData();
    qsizetype i = 0;
    for (; i < n; ++i) {
        const char16_t c = s[i].unicode();
        if (isXmlForbidden(c) || QChar::isSurrogate(c))
            break;
    }
    if (i == n)
        return text;   // the usual case: nothing to drop

    QString out;
    out.reserve(n);
    out.append(s, i);
    for (; i < n; ++i) {
        const char16_t c = s[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(s[i + 1].unicode())) {
            out.append(s[i]);
            out.append(s[i + 1]);
            ++i;
            continue;
        }
        if (isXmlForbidden(c) || QChar::isSurrogate(c))
            continue;
        out.append(s[i]);
    }
    return out;
}

QString FileXML::ipToString(const unsigned char *bytes)
{
    return QString::number(bytes[0]) + QLatin1Char('.') + QString::number(bytes[1])
            + QLatin1Char('.') + QString::number(bytes[2]) + QLatin1Char('.')
            + QString::number(bytes[3]);
}

void FileXML::writeInstallation(const Facility &site)
{
    xml->writeStartElement(QStringLiteral("Installation"));
    for (int i = 0; i < site.panelCount(); ++i)
        writePanel(*site.getPanel(i));
    xml->writeEndElement();
}

void FileXML::writePanel(const PanelConfig &panel)
{
    xml->writeStartElement(QStringLiteral("Panel"));
    writePanelInfo(panel);
    for (int loop = 0; loop < PanelConfig::LoopCount; ++loop)
        writeLoop(panel, loop);
    writeZones(panel);
    writeManeuvers(panel);
    writeLogManeuvers(panel);
    xml->writeEndElement();
}

void FileXML::writePanelInfo(const PanelConfig &panel)
{
    writeText(QStringLiteral("name"), panel.name());
    writeText(QStringLiteral("version"), panel.version);
    writeText(QStringLiteral("phone"), panel.phone);
    writeText(QStringLiteral("installer"), panel.installer);
    // The LED-toggling bytes of the system page, so that a site opened from
    // the file uploads them unchanged.
    writeNumber(QStringLiteral("ledFromDay"), panel.ledFromDay);
    writeNumber(QStringLiteral("ledToDay"), panel.ledToDay);
    writeNumber(QStringLiteral("ledFromHour"), panel.ledFromHour);
    writeNumber(QStringLiteral("ledFromMinute"), panel.ledFromMinute);
    writeNumber(QStringLiteral("ledToHour"), panel.ledToHour);
    writeNumber(QStringLiteral("ledToMinute"), panel.ledToMinute);
    writeNumber(QStringLiteral("ledToggling"), panel.ledToggling);
    writeNetwork(panel);
    writeSpecialModes(panel);
}

void FileXML::writeNetwork(const PanelConfig &panel)
{
    xml->writeStartElement(QStringLiteral("network"));
    writeNumber(QStringLiteral("type"), panel.type != 0 ? 1 : 0);
    writeNumber(QStringLiteral("address"), panel.address);
    writeNumber(QStringLiteral("rs485mode"), panel.rs485mode);
    writeNumber(QStringLiteral("modbusAddress"), panel.modbusAddress);
    writeNumber(QStringLiteral("modbusBaudrate"), panel.modbusBaudrate);
    writeNumber(QStringLiteral("rs485_2mode"), panel.rs485_2mode);
    writeNumber(QStringLiteral("modbus2Address"), panel.modbus2Address);
    writeNumber(QStringLiteral("modbus2Baudrate"), panel.modbus2Baudrate);
    writeWebServer(panel);
    xml->writeEndElement();
}

void FileXML::writeWebServer(const PanelConfig &panel)
{
    const WebServerSettings &ws = panel.webServer;
    xml->writeEmptyElement(QStringLiteral("WebServer"));
    if (ws.WSEnabled == 0) {
        writeNumber(QStringLiteral("WSEnabled"), 0);
        return;
    }
    writeNumber(QStringLiteral("WSEnabled"), 1);
    writeNumber(QStringLiteral("dhcp"), ws.dhcp);
    writeNumber(QStringLiteral("auth"), ws.auth);
    if (ws.dhcp == 0) {
        writeText(QStringLiteral("ip"), ipToString(ws.ip));
        writeText(QStringLiteral("gateway"), ipToString(ws.gateway));
        writeText(QStringLiteral("netmask"), ipToString(ws.netmask));
    }
    if (ws.auth != 0) {
        writeText(QStringLiteral("user"), ws.userText());
        writeText(QStringLiteral("pass"), ws.passText());
    }
    writeNumber(QStringLiteral("bidi"), ws.bidi == 0 ? 1 : 0);
    // "bidi" only tells whether the byte is zero; the whole byte keeps the
    // event-sending bits as well.
    writeNumber(QStringLiteral("options"), ws.bidi);
}

void FileXML::writeSpecialModes(const PanelConfig &panel)
{
    xml->writeStartElement(QStringLiteral("SpecialModes"));
    writeNumber(QStringLiteral("panelFlags"), panel.panelFlags);
    writeDayNight(panel.dayNight);
    writeSensibility(panel.sensibility);
    writeOptoheat(panel.optoheat);
    writeDelayed(panel.delayed, panel.delay1, panel.delay2);
    xml->writeEndElement();
}

void FileXML::writeModeAttributes(const SpecialMode &mode)
{
    writeNumber(QStringLiteral("mode"), mode.mode);
    writeNumber(QStringLiteral("endDay"), mode.endDay);
    writeNumber(QStringLiteral("endHour"), mode.endHour);
    writeNumber(QStringLiteral("endMinute"), mode.endMinute);
    writeNumber(QStringLiteral("startDay"), mode.startDay);
    writeNumber(QStringLiteral("startHour"), mode.startHour);
    writeNumber(QStringLiteral("startMinute"), mode.startMinute);
    writeNumber(QStringLiteral("startZone"), mode.startZone);
    writeNumber(QStringLiteral("endZone"), mode.endZone);
}

void FileXML::writeDayNight(const SpecialMode &mode)
{
    xml->writeEmptyElement(QStringLiteral("dayNight"));
    writeModeAttributes(mode);
}

void FileXML::writeSensibility(const SpecialMode &mode)
{
    xml->writeEmptyElement(QStringLiteral("sensibility"));
    writeModeAttributes(mode);
}

void FileXML::writeOptoheat(const SpecialMode &mode)
{
    xml->writeEmptyElement(QStringLiteral("optoheat"));
    writeModeAttributes(mode);
}

void FileXML::writeDelayed(const SpecialMode &mode, unsigned short delay1, unsigned short delay2)
{
    xml->writeEmptyElement(QStringLiteral("delayed"));
    writeModeAttributes(mode);
    writeNumber(QStringLiteral("delay1"), delay1);
    writeNumber(QStringLiteral("delay2"), delay2);
}

void FileXML::writeLoop(const PanelConfig &panel, int loop)
{
    if (panel.isLoopEmpty(loop))
        return;
    xml->writeStartElement(QStringLiteral("loop"));
    writeNumber(QStringLiteral("number"), loop);
    for (int address = 0; address < PanelConfig::AddressCount; ++address)
        writeDevice(*panel.deviceAt(loop, address));
    xml->writeEndElement();
}

void FileXML::writeDevice(const DeviceRecord &device)
{
    if (device.type == 0)
        return;
    xml->writeEmptyElement(QStringLiteral("Device"));
    writeNumber(QStringLiteral("address"), device.address);
    writeNumber(QStringLiteral("type"), device.type);
    writeNumber(QStringLiteral("ext_type"), device.ext_type);
    writeNumber(QStringLiteral("zone"), device.zone);
    writeText(QStringLiteral("description"), device.description);
    writeNumber(QStringLiteral("mode"), device.mode);
    writeNumber(QStringLiteral("flags"), device.flags);
}

void FileXML::writeZones(const PanelConfig &panel)
{
    xml->writeStartElement(QStringLiteral("zones"));
    for (int z = 0; z < PanelConfig::ZoneCount; ++z) {
        const ZoneRecord &zone = *panel.zoneAt(z);
        if (zone.description.isEmpty())
            continue;
        xml->writeEmptyElement(QStringLiteral("Zone"));
        writeNumber(QStringLiteral("number"), zone.number);
        writeText(QStringLiteral("description"), zone.description);
    }
    xml->writeEndElement();
}

void FileXML::writeManeuvers(const PanelConfig &panel)
{
    xml->writeStartElement(QStringLiteral("maneuvers"));
    for (int slot = 0; slot < panel.eventCount(); ++slot) {
        const EventRecord *record = panel.eventAt(slot);
        xml->writeStartElement(QStringLiteral("maneuver"));
        writeEvent(record->cause);
        writeAction(record->effect);
        xml->writeEndElement();
    }
    xml->writeEndElement();
}

void FileXML::writeLogManeuvers(const PanelConfig &panel)
{
    xml->writeStartElement(QStringLiteral("logManeuvers"));
    for (int i = 0; i < panel.logicEventCount(); ++i) {
        const LogManeuver *logic = panel.logicEventAt(i);
        xml->writeStartElement(QStringLiteral("logManeuver"));
        for (const LogicEventTerm &condition : logic->conditions)
            writeCondition(condition);
        writeAction(logic->record.effect);
        xml->writeEndElement();
    }
    xml->writeEndElement();
}

namespace {

const FileXML::ScopeElement scopeElements[] = {
    {EventRecord::ScopePanel, QStringLiteral("PanelEvent"), QStringLiteral("PanelAction"),
     QString(), QString()},
    {EventRecord::ScopeLoop, QStringLiteral("LoopEvent"), QStringLiteral("LoopAction"),
     QStringLiteral("i_loop"), QStringLiteral("f_loop")},
    {EventRecord::ScopeZone, QStringLiteral("ZoneEvent"), QStringLiteral("ZoneAction"),
     QStringLiteral("i_zona"), QStringLiteral("f_zona")},
    {EventRecord::ScopeElement, QStringLiteral("DeviceEvent"), QStringLiteral("DeviceAction"),
     QStringLiteral("loop"), QStringLiteral("address")},
};

} // namespace

const FileXML::ScopeElement *FileXML::scopeElement(int scope)
{
    for (const ScopeElement &e : scopeElements) {
        if (e.scope == scope)
            return &e;
    }
    return nullptr;
}

const FileXML::ScopeElement *FileXML::scopeElement(QStringView elementName)
{
    for (const ScopeElement &e : scopeElements) {
        if (elementName == e.event || elementName == e.action)
            return &e;
    }
    return nullptr;
}

// The element that carries a cause or effect part of this scope; null for 0
// (a free slot, no effect). A panel or a configuration image may hold a scope
// byte that has no element of its own: such a part travels in the loop scope's
// element, whose "id_blk" keeps the scope, and comes back whole, as the reader
// takes the scope from "id_blk" and the element name only for the names of the
// first and last attributes. Dropping it would drop the slot and move every
// later slot down, or take a condition out of its logic event.
static const FileXML::ScopeElement *writtenElement(int scope)
{
    if (scope == EventRecord::ScopeFree)
        return nullptr;
    if (const FileXML::ScopeElement *own = FileXML::scopeElement(scope))
        return own;
    return FileXML::scopeElement(EventRecord::ScopeLoop);
}

bool FileXML::writeEvent(const EventRecord::Cause &cause)
{
    const ScopeElement *names = writtenElement(cause.id_blk);
    if (!names)
        return false;
    xml->writeEmptyElement(names->event);
    writeNumber(QStringLiteral("id_blk"), cause.id_blk);
    writeNumber(QStringLiteral("event"), cause.event);
    if (!names->first.isEmpty()) {
        writeNumber(names->first, cause.first);
        writeNumber(names->last, cause.last);
    }
    return true;
}

// A condition's second byte holds the panel index of its element and goes to
// the panel with the condition, so it must come back from the file. It is
// written only where it is not 0: the conditions of the first panel look as
// they always did.
void FileXML::writeCondition(const LogicEventTerm &condition)
{
    if (writeEvent(condition) && condition.spare1 != 0)
        writeNumber(QStringLiteral("panel"), condition.spare1);
}

void FileXML::writeAction(const EventRecord::Effect &effect)
{
    const ScopeElement *names = writtenElement(effect.id_blk);
    if (!names)
        return;
    xml->writeEmptyElement(names->action);
    writeNumber(QStringLiteral("id_blk"), effect.id_blk);
    writeNumber(QStringLiteral("id_panel"), effect.id_panel);
    writeNumber(QStringLiteral("delay"), effect.delay);
    if (names->first.isEmpty()) {
        // The panel effect alone writes "matches" before "act".
        writeNumber(QStringLiteral("matches"), effect.matches);
        writeNumber(QStringLiteral("act"), effect.act);
        return;
    }
    writeNumber(QStringLiteral("act"), effect.act);
    writeNumber(QStringLiteral("matches"), effect.matches);
    writeNumber(names->first, effect.first);
    writeNumber(names->last, effect.last);
}

// ------------------------------------------------------------------ reading

bool FileXML::readXml(const QString &fileName, Facility *target)
{
    QFile file(fileName);
    if (!target || !file.open(QIODevice::ReadOnly))
        return false;

    QXmlStreamReader reader(&file);
    MyXMLHandler handler(target);
    bool atDocumentElement = true;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && atDocumentElement) {
            atDocumentElement = false;
            // Every site file is one "CONFIG" element. Another program's XML
            // document is no site without panels: it is refused, and the site
            // in use stays.
            if (reader.name() != u"CONFIG") {
                reader.raiseError(QStringLiteral("The document is not a site file."));
                break;
            }
        }
        switch (token) {
        case QXmlStreamReader::DTD:
            // Our files never declare a document type. One that does may declare
            // entities that turn a few kilobytes into any number of panels, so the
            // read stops here, before the first reference could be expanded.
            reader.raiseError(QStringLiteral("A site file has no document type declaration."));
            break;
        case QXmlStreamReader::StartElement:
            if (!handler.startElement(reader.namespaceUri(), reader.name(), reader.qualifiedName(),
                                      reader.attributes()))
                reader.raiseError(QStringLiteral("The site file holds more than %1 panels.")
                                          .arg(MyXMLHandler::MaxPanelsPerFile));
            break;
        case QXmlStreamReader::EndElement:
            if (!handler.endElement(reader.namespaceUri(), reader.name(), reader.qualifiedName()))
                reader.raiseError();
            break;
        default:
            break;
        }
    }
    return !reader.hasError();
}
