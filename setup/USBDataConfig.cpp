#include "USBDataConfig.h"

#include "FileRaw.h"
#include "PanelCharsetTable.h"
#include "PanelConfig.h"
#include "PanelMemoryMap.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSaveFile>

#include <cstring>
#include <memory>

using namespace PanelMemoryMap;

namespace {
// system page (8)
constexpr int SysLedBytes = 0;
constexpr int SysMarker = 160;
constexpr int SysSensibility = 164;
constexpr int SysOptoheat = 174;
constexpr int SysDayNight = 184;
constexpr int SysDelayed = 196;
constexpr int SysDelay1 = 206;
constexpr int SysDelay2 = 208;

// serial ports and web server (9)
constexpr int SerMarker = 0;
constexpr int SerModbusAddress = 100;
constexpr int SerModbusBaudrate = 101;
constexpr int SerRs485Mode = 102;
constexpr int SerModbus2Address = 104;
constexpr int SerModbus2Baudrate = 105;
constexpr int SerRs485_2Mode = 106;
constexpr int SerWebPattern = 128;
constexpr int SerWebBlock = 132;
const quint8 WebPattern[4] = {0x05, 0x05, 0x00, 0x00};

constexpr int ModbusMode = 1;
constexpr quint8 NodeController = 2;
constexpr quint8 NodeNormal = 1;
}

USBDataConfig::USBDataConfig() = default;

USBDataConfig::~USBDataConfig()
{
    disconnect();
}

void USBDataConfig::keepResponsive()
{
    QCoreApplication::processEvents();
}

// ---- connection --------------------------------------------------------------

bool USBDataConfig::connectLink(InterfaceRaw *newLink)
{
    closeLink();   // at most one link: the engine holds one only while connected
    setLink(newLink);
    m_connected = newLink && newLink->open();
    if (!m_connected) {
        delete newLink;
        setLink(nullptr);
    }
    return m_connected;
}

bool USBDataConfig::connectUsb()
{
    return connectLink(InterfaceRaw::createUsb());
}

bool USBDataConfig::connectFileWriter()
{
    return connectLink(InterfaceRaw::createFileWriter());
}

bool USBDataConfig::connectFileReader()
{
    return connectLink(InterfaceRaw::createFileReader());
}

bool USBDataConfig::connectFileWriter(const QString &fileName)
{
    auto *file = new FileRaw;
    file->prepareImage(fileName);
    return connectLink(file);
}

bool USBDataConfig::connectFileReader(const QString &fileName)
{
    auto *file = new FileRaw;
    file->setImportFile(fileName);
    return connectLink(file);
}

void USBDataConfig::disconnect()
{
    m_panel = nullptr;
    closeLink();
}

void USBDataConfig::closeLink()
{
    if (!m_connected)
        return;
    link()->close();
    m_connected = false;
    delete link();
    setLink(nullptr);
}

bool USBDataConfig::readAccessCode(QString &code)
{
    if (!m_connected)
        return false;
    quint8 page[PageSize];
    if (!link()->readPage(AccessCodePage, page))
        return false;
    for (int i = 0; i < AccessCodeSize; ++i)
        code.append(QChar(page[i]));
    return true;
}

bool USBDataConfig::finishUpload()
{
    return m_connected && link()->finishUpload();
}

// ---- elements and zones ------------------------------------------------------------

bool USBDataConfig::readLoop(int loop)
{
    if (!ready() || !isDevice(loop, 0))
        return false;
    if (!beginDeviceRead()) {
        endDeviceRead();
        return false;
    }
    quint8 record[RecordSize];
    for (int a = 0; a < AddressesPerLoop; ++a) {
        if (!readDevice(loop, a, record)) {
            endDeviceRead();
            return false;
        }
        m_panel->deviceFromWire(loop, a, record);
        keepResponsive();
    }
    endDeviceRead();
    return true;
}

bool USBDataConfig::writeLoop(int loop)
{
    if (!ready() || !isDevice(loop, 0))
        return false;
    for (int a = 0; a < AddressesPerLoop; ++a) {
        quint8 record[RecordSize] = {};
        m_panel->deviceToWire(loop, a, record);
        if (!writeDevice(loop, a, record))
            return false;
        keepResponsive();
    }
    return true;
}

bool USBDataConfig::readZones()
{
    if (!ready())
        return false;
    if (!beginZoneRead()) {
        endZoneRead();
        return false;
    }
    quint8 record[RecordSize];
    for (int z = 0; z < Zones; ++z) {
        if (!readZone(z, record)) {
            endZoneRead();
            return false;
        }
        m_panel->zoneFromWire(z, record);
        keepResponsive();
    }
    endZoneRead();
    // Zone states come from the elements, which are read before the zones.
    m_panel->rebuildZoneStates();
    return true;
}

bool USBDataConfig::writeZones()
{
    if (!ready())
        return false;
    // The zone states go out as the elements written with them give them, not
    // as an earlier derivation left them.
    m_panel->rebuildZoneStates();
    beginZoneWrite();
    for (int z = 0; z < Zones; ++z) {
        quint8 record[RecordSize] = {};
        m_panel->zoneToWire(z, record);
        if (!writeZone(z, record))
            return false;
        keepResponsive();
    }
    return flushPage();
}

// ---- events ------------------------------------------------------------------

bool USBDataConfig::readEvents()
{
    if (!ready())
        return false;
    m_panel->clearLogicEvents();
    m_panel->clearEvents();
    if (!beginEventRead()) {
        endEventRead();
        return false;
    }
    quint8 cause[CauseSize];
    quint8 effect[EffectSize];
    // Slots are read up to the first free one; the panel keeps them compact.
    for (int n = 0; n < EventSlots; ++n) {
        if (!readNextEvent(cause, effect)) {
            endEventRead();
            return false;
        }
        m_panel->setEventFromWire(n, cause, effect);
        keepResponsive();
        if (cause[0] == 0)
            break;
    }
    endEventRead();
    return true;
}

bool USBDataConfig::writeEvents()
{
    if (!ready())
        return false;
    beginEventWrite();
    for (int n = 0; n < EventSlots; ++n) {
        quint8 cause[CauseSize] = {};
        quint8 effect[EffectSize] = {};
        m_panel->eventToWire(n, cause, effect);
        if (!writeEvent(n, cause, effect))
            return false;
        keepResponsive();
    }
    return flushEventPages();
}

// ---- logic events -------------------------------------------------------------

bool USBDataConfig::readLogicEvents()
{
    if (!ready())
        return false;
    if (!readLogicArea())
        return false;
    quint8 terms[TermsPerLogicEvent * LogicTermSize];
    quint8 header[LogicHeaderSize];
    for (int k = 0; k < LogicEvents; ++k) {
        if (!readLogicEvent(k, terms, header) || terms[0] == 0)
            break;
        auto maneuver = std::make_unique<LogManeuver>();
        maneuver->record.effect.fromWire(header);
        for (int t = 0; t < TermsPerLogicEvent && terms[t * LogicTermSize] != 0; ++t) {
            LogicEventTerm term;
            term.fromWire(terms + t * LogicTermSize);
            maneuver->conditions.append(term);
        }
        if (m_panel->addLogicEvent(maneuver) != 0)
            break;
    }
    endLogicRead();
    return true;
}

bool USBDataConfig::writeLogicEvents()
{
    if (!ready())
        return false;
    beginLogicWrite();
    // On the panel a condition of scope 0 is absent: it ends the conditions of
    // its logic event, and in the first place it ends the list of logic events,
    // hiding every logic event after it. So only the conditions with a scope are
    // written, in their order, and a logic event left without any is left out;
    // the others are written one after the other.
    struct Present {
        const LogManeuver *maneuver;
        QList<const LogicEventTerm *> conditions;
    };
    QList<Present> present;
    for (int k = 0; k < m_panel->logicEventCount(); ++k) {
        const LogManeuver *maneuver = m_panel->logicEventAt(k);
        if (!maneuver)
            continue;
        Present entry{maneuver, {}};
        for (const LogicEventTerm &condition : maneuver->conditions) {
            if (condition.id_blk != EventRecord::ScopeFree)
                entry.conditions.append(&condition);
        }
        if (!entry.conditions.isEmpty())
            present.append(entry);
    }
    const int count = int(present.size());
    for (int k = 0; k < LogicEvents; ++k) {
        const QList<const LogicEventTerm *> *conditions = k < count ? &present.at(k).conditions : nullptr;
        for (int t = 0; t < TermsPerLogicEvent; ++t) {
            quint8 term[LogicTermSize] = {};
            if (conditions && t < conditions->size())
                conditions->at(t)->toWire(term);
            if (!writeLogicTerm(k, t, term))
                return false;
        }
    }
    for (int k = 0; k < LogicEvents; ++k) {
        quint8 header[LogicHeaderSize] = {};
        if (k < count)
            present.at(k).maneuver->record.effect.toWire(header);
        if (!writeLogicHeader(k, header))
            return false;
    }
    return flushPage();
}

// ---- panel information ---------------------------------------------------------

bool USBDataConfig::readPanelInfo()
{
    if (!ready())
        return false;
    bool ok = true;

    QByteArray info;
    if (link()->readInfo(info)) {
        const int nul = info.indexOf('\0');
        m_panel->version = QString::fromUtf8(nul < 0 ? info : info.left(nul));
    } else {
        ok = false;
    }

    quint8 identity[IdentitySize];
    if (readIdentityPage(identity)) {
        m_panel->setName(readIdentityText(identity, IdentityNameOffset));
        m_panel->installer = readIdentityText(identity, IdentityInstallerOffset);
        m_panel->phone = readIdentityText(identity, IdentityPhoneOffset);
        m_panel->panelFlags = identity[IdentityFlagsReadOffset];
    } else {
        ok = false;
    }

    ok = readSystemInfo() && ok;
    ok = readWebServer() && ok;
    return ok;
}

bool USBDataConfig::writePanelInfo()
{
    if (!ready())
        return false;
    quint8 identity[IdentitySize] = {};
    writeIdentityText(identity, IdentityNameOffset, m_panel->name());
    writeIdentityText(identity, IdentityPhoneOffset, m_panel->phone);
    writeIdentityText(identity, IdentityInstallerOffset, m_panel->installer);
    identity[IdentityFlagsOffset] = quint8(m_panel->panelFlags);
    identity[IdentityFlagsReadOffset] = quint8(m_panel->panelFlags);
    return writeIdentityPage(identity) && writeSystemInfo() && writeWebServer();
}

bool USBDataConfig::readSystemInfo()
{
    if (!ready())
        return false;
    quint8 page[PageSize];
    if (!readSystemPage(page))
        return false;
    PanelConfig &p = *m_panel;
    const quint8 *led = page + SysLedBytes;
    p.ledFromDay = led[0];
    p.ledToDay = led[1];
    p.ledFromHour = led[2];
    p.ledFromMinute = led[3];
    p.ledToHour = led[4];
    p.ledToMinute = led[5];
    p.ledToggling = led[6];
    p.sensibility.fromWire(page + SysSensibility);
    p.optoheat.fromWire(page + SysOptoheat);
    p.dayNight.fromWire(page + SysDayNight);
    p.delayed.fromWire(page + SysDelayed);
    p.delay1 = quint16((page[SysDelay1] << 8) | page[SysDelay1 + 1]);
    p.delay2 = quint16((page[SysDelay2] << 8) | page[SysDelay2 + 1]);
    return true;
}

bool USBDataConfig::writeSystemInfo()
{
    if (!ready())
        return false;
    const PanelConfig &p = *m_panel;
    quint8 page[PageSize] = {};
    const quint8 led[7] = {p.ledFromDay, p.ledToDay, p.ledFromHour, p.ledFromMinute,
                           p.ledToHour, p.ledToMinute, p.ledToggling};
    std::memcpy(page + SysLedBytes, led, sizeof led);
    page[SysMarker] = 0xA5;
    page[SysMarker + 1] = 0xA5;
    p.sensibility.toWire(page + SysSensibility);
    p.optoheat.toWire(page + SysOptoheat);
    p.dayNight.toWire(page + SysDayNight);
    p.delayed.toWire(page + SysDelayed);
    // Byte 206 is read back as the high byte of delay1; it is 0 for every value
    // the settings editor makes and carries larger values whole.
    page[SysDelay1] = quint8(p.delay1 >> 8);
    page[SysDelay1 + 1] = quint8(p.delay1 & 0xFF);
    page[SysDelay2] = quint8(p.delay2 >> 8);
    page[SysDelay2 + 1] = quint8(p.delay2 & 0xFF);
    return writeSystemPage(page);
}

bool USBDataConfig::readWebServer()
{
    if (!ready())
        return false;
    quint8 page[PageSize];
    quint8 spare[PageSize];
    if (!link()->readPage(SerialPage, page) || !link()->readPage(SerialSparePage, spare))
        return false;
    PanelConfig &p = *m_panel;
    p.modbusAddress = page[SerModbusAddress];
    p.modbusBaudrate = page[SerModbusBaudrate];
    p.rs485mode = page[SerRs485Mode];
    p.modbus2Address = page[SerModbus2Address];
    p.modbus2Baudrate = page[SerModbus2Baudrate];
    p.rs485_2mode = page[SerRs485_2Mode];
    if (std::memcmp(page + SerWebPattern, WebPattern, sizeof WebPattern) == 0) {
        p.webServer.fromWire(page + SerWebBlock);
        qDebug() << "Valid PATTERN_WEB_SVR";
    }
    return true;
}

bool USBDataConfig::writeWebServer()
{
    if (!ready())
        return false;
    const PanelConfig &p = *m_panel;
    quint8 page[PageSize] = {};
    page[SerMarker] = 0xAB;
    page[SerMarker + 1] = 0xCD;
    if (p.rs485mode == ModbusMode) {
        page[SerModbusAddress] = quint8(p.modbusAddress);
        page[SerModbusBaudrate] = quint8(p.modbusBaudrate);
    }
    page[SerRs485Mode] = quint8(p.rs485mode);
    if (p.rs485_2mode == ModbusMode) {
        page[SerModbus2Address] = quint8(p.modbus2Address);
        page[SerModbus2Baudrate] = quint8(p.modbus2Baudrate);
    }
    page[SerRs485_2Mode] = quint8(p.rs485_2mode);
    std::memcpy(page + SerWebPattern, WebPattern, sizeof WebPattern);
    p.webServer.toWire(page + SerWebBlock);
    const quint8 zeros[PageSize] = {};
    return link()->writePage(SerialPage, page) && link()->writePage(SerialSparePage, zeros);
}

// ---- network address and node type (page 4) --------------------------------------------

bool USBDataConfig::readNetwork()
{
    if (!ready() || !readOptionsPage())
        return false;
    quint8 address = 0, nodeType = 0;
    getOptions(address, nodeType);
    m_panel->address = address;
    m_panel->type = nodeType == NodeController ? 1 : 0;
    writeOptionsIfChanged();   // nothing changed: only releases the page
    return true;
}

bool USBDataConfig::writeNetwork()
{
    if (!ready() || !readOptionsPage())
        return false;
    setOptions(quint8(m_panel->address & 0xFF), m_panel->type != 0 ? NodeController : NodeNormal);
    return writeOptionsIfChanged();
}

// ---- logs ------------------------------------------------------------------------

USBDataConfig::LogResult USBDataConfig::readLog(PanelLogType log, const QString &path)
{
    if (!m_connected)
        return LogResult::PanelFailed;
    quint16 count = 0;
    if (!link()->readLogCount(log, count))
        return LogResult::PanelFailed;
    if (count == 0)
        return LogResult::Done;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return LogResult::FileFailed;
    for (int i = 0; i < count; ++i) {
        quint8 line[PanelLink::LogLineSize];
        if (!link()->readLogLine(line)) {
            file.cancelWriting();
            return LogResult::PanelFailed;
        }
        const QByteArray text = PanelCharsetTable::decode(reinterpret_cast<const char *>(line),
                                                          PanelLink::LogLineSize).toUtf8();
        if (file.write(text) != text.size() || !file.putChar('\n')) {
            file.cancelWriting();
            return LogResult::FileFailed;
        }
        keepResponsive();
    }
    // The last lines may still sit in the file's buffer, and commit() alone does
    // not report a failed flush of it: a short file would replace the old one.
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return LogResult::FileFailed;
    }
    return file.commit() ? LogResult::Done : LogResult::FileFailed;
}
