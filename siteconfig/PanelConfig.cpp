#include "PanelConfig.h"

#include "PanelCharsetTable.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <iterator>

namespace {

void resetSpecialMode(SpecialMode &sm, unsigned char mode)
{
    sm.startDay = 1;
    sm.endDay = 5;
    sm.startHour = 22;
    sm.startMinute = 0;
    sm.endHour = 8;
    sm.endMinute = 0;
    sm.startZone = 0;
    sm.endZone = 99;
    sm.mode = mode;
}

// Writes the text cut to maxBytes at the start of its field, a NUL, and a
// second NUL when it still lies inside the field (maxBytes + 1 bytes).
void writeText(unsigned char *field, const QString &text, int maxBytes)
{
    const QByteArray bytes = PanelCharsetTable::encode(text).left(maxBytes);
    const int len = int(bytes.size());
    std::memcpy(field, bytes.constData(), size_t(len));
    field[len] = 0;
    if (len < maxBytes)
        field[len + 1] = 0;
}

} // namespace

PanelConfig::PanelConfig()
{
    setDefaults();
}

PanelConfig::~PanelConfig() = default;

void PanelConfig::copyFrom(const PanelConfig &other)
{
    if (this == &other)
        return;
    panelEventUse = other.panelEventUse;
    panelActionUse = other.panelActionUse;
    std::copy(std::begin(other.loopEventUse), std::end(other.loopEventUse), std::begin(loopEventUse));
    std::copy(std::begin(other.loopActionUse), std::end(other.loopActionUse), std::begin(loopActionUse));

    version = other.version;
    phone = other.phone;
    installer = other.installer;
    panelFlags = other.panelFlags;
    ledFromDay = other.ledFromDay;
    ledToDay = other.ledToDay;
    ledFromHour = other.ledFromHour;
    ledFromMinute = other.ledFromMinute;
    ledToHour = other.ledToHour;
    ledToMinute = other.ledToMinute;
    ledToggling = other.ledToggling;
    address = other.address;
    type = other.type;
    sensibility = other.sensibility;
    optoheat = other.optoheat;
    dayNight = other.dayNight;
    delayed = other.delayed;
    delay1 = other.delay1;
    delay2 = other.delay2;
    rs485mode = other.rs485mode;
    rs485_2mode = other.rs485_2mode;
    modbusBaudrate = other.modbusBaudrate;
    modbusAddress = other.modbusAddress;
    modbus2Baudrate = other.modbus2Baudrate;
    modbus2Address = other.modbus2Address;
    webServer = other.webServer;

    std::copy(std::begin(other.events), std::end(other.events), std::begin(events));
    usedEventCount = other.usedEventCount;
    logicEvents.clear();
    logicEvents.reserve(other.logicEvents.size());
    for (const std::unique_ptr<LogManeuver> &maneuver : other.logicEvents)
        if (maneuver)
            logicEvents.push_back(std::make_unique<LogManeuver>(*maneuver));
    std::copy(std::begin(other.zones), std::end(other.zones), std::begin(zones));
    for (int l = 0; l < LoopCount; ++l)
        std::copy(std::begin(other.devices[l]), std::end(other.devices[l]), std::begin(devices[l]));
    m_name = other.m_name;
}

std::uint64_t PanelConfig::nextSerial()
{
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

void PanelConfig::setDefaults()
{
    for (int l = 0; l < LoopCount; ++l) {
        for (int a = 0; a < AddressCount; ++a) {
            DeviceRecord &d = devices[l][a];
            d.loop = static_cast<unsigned char>(l);
            d.address = static_cast<unsigned char>(a);
            d.type = 0;
            d.zone = 0;
            d.mode = 0;
            d.flags = 0;
        }
    }
    clearEvents();
    clearLogicEvents();
    for (int z = 0; z < ZoneCount; ++z) {
        zones[z].number = z;
        zones[z].description = QString();
    }
    ledFromDay = 1;
    ledToDay = 7;
    ledFromHour = 22;
    ledFromMinute = 0;
    ledToHour = 8;
    ledToMinute = 0;
    ledToggling = 0;
    resetSpecialMode(sensibility, 4);
    resetSpecialMode(optoheat, 3);
    resetSpecialMode(dayNight, 2);
    resetSpecialMode(delayed, 0);
    delay1 = 60;
    delay2 = 300;
    panelFlags = 6;
    modbusBaudrate = 3;
    modbusAddress = 0;
    clearUseFlags();
}

// ---------------------------------------------------------------- elements

DeviceRecord *PanelConfig::deviceAt(int loop, int address)
{
    if (!validLoop(loop) || !validAddress(address))
        return nullptr;
    return &devices[loop][address];
}

const DeviceRecord *PanelConfig::deviceAt(int loop, int address) const
{
    if (!validLoop(loop) || !validAddress(address))
        return nullptr;
    return &devices[loop][address];
}

// The addresses of the module holding (loop, address), which must be valid.
// A module is taken as it is really stored: walking back only over middle and
// last addresses of the same model to their first address, and forward only
// over middle and last addresses of that model, never beyond the model's
// address count nor the end of the loop. Parts that lost their first address
// form a span of their own, so a removal never touches a neighbouring element.
PanelConfig::ModuleSpan PanelConfig::moduleSpan(int loop, int address) const
{
    const DeviceRecord *line = devices[loop];
    const DeviceRecord &here = line[address];
    if (here.type == 0 || !here.isModulePart())
        return {address, 1};

    const int model = here.ext_type & DeviceRecord::ModelMask;
    const int n = DeviceRecord::moduleAddressCount(model);
    auto position = [&](int a) { return line[a].ext_type & DeviceRecord::PositionMask; };
    auto isPartAt = [&](int a, int wanted) {
        return validAddress(a) && line[a].type != 0
            && (line[a].ext_type & DeviceRecord::ModelMask) == model && position(a) == wanted;
    };
    auto continues = [&](int a) {   // a + 1 is the next address of the module holding a
        return position(a) != DeviceRecord::PositionLast
            && (isPartAt(a + 1, DeviceRecord::PositionMiddle)
                || isPartAt(a + 1, DeviceRecord::PositionLast));
    };
    auto spanFrom = [&](int first) {
        int last = first;
        while (last - first + 1 < n && continues(last))
            ++last;
        return ModuleSpan{first, last - first + 1};
    };

    int first = address;
    while (position(first) >= DeviceRecord::PositionMiddle
           && (isPartAt(first - 1, DeviceRecord::PositionFirst)
               || isPartAt(first - 1, DeviceRecord::PositionMiddle)))
        --first;

    ModuleSpan span = spanFrom(first);
    if (span.first + span.count <= address) {
        // The address lies past the end its module can have: it heads a
        // span of its own.
        span = spanFrom(address);
    }
    return span;
}

int PanelConfig::insertDevices(DeviceRecord &record, int count, bool overwrite)
{
    if (!validLoop(record.loop))
        return -3;
    const int start = record.address;
    if (!validAddress(start))
        return -2;
    if (count < 0)
        count = 0;
    const int model = record.ext_type & DeviceRecord::ModelMask;
    const int perModule = DeviceRecord::moduleAddressCount(model);
    const int n = perModule * count;
    if (start + n > AddressCount)
        return -2;

    const int loop = record.loop;
    for (int a = start; a < start + n; ++a) {
        if (devices[loop][a].type != 0) {
            if (!overwrite)
                return -1;
            removeDevice(loop, a);
        }
    }

    const bool ownDescriptions = record.description.isEmpty();
    for (int k = 0; k < n; ++k) {
        const int channel = k % perModule;
        record.type = static_cast<unsigned char>(DeviceRecord::channelType(model, channel));
        record.ext_type = static_cast<unsigned char>(DeviceRecord::codeForChannel(model, channel));
        record.address = static_cast<unsigned char>(start + k);
        if (ownDescriptions)
            record.description = record.defaultDescription();
        devices[loop][start + k] = record;
    }
    return 1;
}

bool PanelConfig::replaceDevice(DeviceRecord &record, bool retype)
{
    if (!validLoop(record.loop) || !validAddress(record.address))
        return false;
    DeviceRecord &stored = devices[record.loop][record.address];
    if (stored.type == 0)
        return false;

    if (retype) {
        // The old element stays when the new model does not fit in the loop.
        if (record.address + DeviceRecord::moduleAddressCount(record.ext_type) > AddressCount)
            return false;
        removeDevice(record.loop, record.address);
        return insertDevices(record, 1, true) == 1;
    }

    stored.zone = record.zone;
    stored.mode = record.mode;
    stored.flags = record.flags;
    stored.description = record.description;
    // A single-address code replaces the type only of a single element; one
    // address of a module keeps its module code, so no part is orphaned.
    if (!record.isModulePart() && !stored.isModulePart() && DeviceRecord::isValidType(record.type)) {
        stored.type = record.type;
        stored.ext_type = record.ext_type;
    }
    return true;
}

int PanelConfig::removeDevice(int loop, int address)
{
    if (!validLoop(loop) || !validAddress(address) || devices[loop][address].type == 0)
        return -1;
    const ModuleSpan span = moduleSpan(loop, address);
    for (int i = 0; i < span.count; ++i)
        devices[loop][span.first + i].type = 0;
    return 1;
}

DeviceRecord *PanelConfig::moduleStart(int loop, int address)
{
    if (!validLoop(loop) || !validAddress(address))
        return nullptr;
    return &devices[loop][moduleSpan(loop, address).first];
}

bool PanelConfig::fitsInPlaceOfModule(int loop, int address, int n) const
{
    if (!validLoop(loop) || !validAddress(address) || n <= 0 || address + n > AddressCount)
        return false;
    const ModuleSpan own = moduleSpan(loop, address);
    for (int a = address; a < address + n; ++a) {
        const bool inOwnModule = devices[loop][address].type != 0 && a >= own.first
            && a < own.first + own.count;
        if (devices[loop][a].type != 0 && !inOwnModule)
            return false;
    }
    return true;
}

bool PanelConfig::holdsPartialModule(int loop) const
{
    if (!validLoop(loop))
        return false;
    const DeviceRecord *line = devices[loop];
    auto position = [line](int a) { return line[a].ext_type & DeviceRecord::PositionMask; };
    for (int a = 0; a < AddressCount; ++a) {
        if (line[a].type == 0 || !line[a].isModulePart())
            continue;
        const ModuleSpan span = moduleSpan(loop, a);
        const int last = span.first + span.count - 1;
        if (span.count != DeviceRecord::moduleAddressCount(line[a].ext_type)
            || position(span.first) != DeviceRecord::PositionFirst || position(last) != DeviceRecord::PositionLast)
            return true;
        a = last;
    }
    return false;
}

bool PanelConfig::isAddressRangeFree(int loop, int start, int n) const
{
    if (n <= 0)
        return true;
    if (!validLoop(loop) || start < 0 || start + n > AddressCount)
        return false;
    for (int a = start; a < start + n; ++a) {
        if (devices[loop][a].type != 0)
            return false;
    }
    return true;
}

bool PanelConfig::isLoopEmpty(int loop) const
{
    if (!validLoop(loop))
        return true;
    for (const DeviceRecord &d : devices[loop]) {
        if (d.type != 0)
            return false;
    }
    return true;
}

bool PanelConfig::isEmpty() const
{
    for (int l = 0; l < LoopCount; ++l) {
        if (!isLoopEmpty(l))
            return false;
    }
    return usedEventCount == 0 && logicEvents.empty();
}

// ---------------------------------------------------------------- zones

ZoneRecord *PanelConfig::zoneAt(int zone)
{
    return validZone(zone) ? &zones[zone] : nullptr;
}

const ZoneRecord *PanelConfig::zoneAt(int zone) const
{
    return validZone(zone) ? &zones[zone] : nullptr;
}

QString &PanelConfig::zoneNameAt(int zone)
{
    if (validZone(zone))
        return zones[zone].description;
    scratchZoneName.clear();
    return scratchZoneName;
}

bool PanelConfig::isZoneUnused(int zone) const
{
    for (const auto &line : devices) {
        for (const DeviceRecord &d : line) {
            if (d.type != 0 && d.zone == zone)
                return false;
        }
    }
    return true;
}

void PanelConfig::setZoneEnable(int zone, int mode)
{
    // Every zone byte an element can hold, the ones a panel or a file brings
    // beyond the 250 zones included.
    if (zone < 0 || zone > 255)
        return;
    for (auto &line : devices) {
        for (DeviceRecord &d : line) {
            if (d.type != 0 && d.zone == zone)
                d.mode = static_cast<unsigned char>(mode);
        }
    }
}

void PanelConfig::rebuildZoneStates()
{
    for (ZoneRecord &z : zones) {
        z.hasDevices = 0;
        z.state = 0;
    }
    for (const auto &line : devices) {
        for (const DeviceRecord &d : line) {
            if (d.type == 0 || d.zone >= ZoneCount)
                continue;
            ZoneRecord &z = zones[d.zone];
            z.hasDevices = 1;
            if (d.mode == 0)
                z.state = 1;
            else if (d.mode == 2)
                z.state = 2;
        }
    }
}

// ---------------------------------------------------------------- event slots

EventRecord *PanelConfig::eventAt(int slot)
{
    return (slot >= 0 && slot < usedEventCount) ? &events[slot] : nullptr;
}

const EventRecord *PanelConfig::eventAt(int slot) const
{
    return (slot >= 0 && slot < usedEventCount) ? &events[slot] : nullptr;
}

// Keeps the slots compact: a used record lands in its slot when that slot is
// used, else in the first free slot; a free record put into a used slot
// removes that slot's maneuver.
int PanelConfig::setEvent(int slot, const EventRecord &record)
{
    if (!validSlot(slot))
        return -1;
    if (!record.isEmpty()) {
        if (slot < usedEventCount)
            events[slot] = record;
        else
            events[usedEventCount++] = record;
    } else if (slot < usedEventCount) {
        removeEvent(slot);
    }
    return 0;
}

int PanelConfig::removeEvent(int slot)
{
    if (slot < 0 || slot >= usedEventCount)
        return 0;
    for (int s = slot; s < usedEventCount - 1; ++s)
        events[s] = events[s + 1];
    --usedEventCount;
    events[usedEventCount] = EventRecord();
    return 1;
}

void PanelConfig::clearEvents()
{
    for (EventRecord &e : events)
        e = EventRecord();
    usedEventCount = 0;
}

void PanelConfig::setEventFromWire(int slot, const unsigned char *cause, const unsigned char *effect)
{
    if (!validSlot(slot) || !cause || !effect)
        return;
    EventRecord record;
    record.cause.fromWire(cause);
    record.effect.fromWire(effect);
    setEvent(slot, record);
}

void PanelConfig::eventToWire(int slot, unsigned char *cause, unsigned char *effect) const
{
    if (!cause)
        return;
    const EventRecord *record = eventAt(slot);
    if (!record) {
        cause[0] = 0;
        return;
    }
    record->cause.toWire(cause);
    if (effect)
        record->effect.toWire(effect);
}

template <typename Match>
bool PanelConfig::anyCause(Match match) const
{
    return std::any_of(events, events + usedEventCount,
                       [&](const EventRecord &e) { return match(e.cause); });
}

bool PanelConfig::hasLoopEvent(int loop) const
{
    return anyCause([loop](const EventRecord::Cause &c) {
        return c.id_blk == EventRecord::ScopeLoop && c.first <= loop && loop <= c.last;
    });
}

bool PanelConfig::hasZoneEvent(int zone) const
{
    return anyCause([zone](const EventRecord::Cause &c) {
        return c.id_blk == EventRecord::ScopeZone && c.first <= zone && zone <= c.last;
    });
}

bool PanelConfig::hasDeviceEvent(int loop, int address) const
{
    return anyCause([loop, address](const EventRecord::Cause &c) {
        return c.id_blk == EventRecord::ScopeElement && c.first == loop && c.last == address;
    });
}

bool PanelConfig::hasPanelEvent() const
{
    return anyCause([](const EventRecord::Cause &c) { return c.id_blk == EventRecord::ScopePanel; });
}

// ---------------------------------------------------------------- logic events

LogManeuver *PanelConfig::logicEventAt(int index)
{
    if (index < 0 || index >= logicEventCount())
        return nullptr;
    return logicEvents[size_t(index)].get();
}

const LogManeuver *PanelConfig::logicEventAt(int index) const
{
    if (index < 0 || index >= logicEventCount())
        return nullptr;
    return logicEvents[size_t(index)].get();
}

int PanelConfig::addLogicEvent(std::unique_ptr<LogManeuver> &maneuver)
{
    if (!maneuver || logicEventCount() >= MaxLogicEvents)
        return -1;
    logicEvents.push_back(std::move(maneuver));
    return 0;
}

void PanelConfig::appendLogicEvent(std::unique_ptr<LogManeuver> &maneuver)
{
    if (maneuver)
        logicEvents.push_back(std::move(maneuver));
}

int PanelConfig::removeLogicEvent(int index)
{
    if (index < 0 || index >= logicEventCount())
        return 0;
    logicEvents.erase(logicEvents.begin() + index);
    return 1;
}

void PanelConfig::clearLogicEvents()
{
    logicEvents.clear();
}

// ---------------------------------------------------------------- identity, flags

QString PanelConfig::titleText() const
{
    return m_name + QStringLiteral(" (") + QString::number(address) + QLatin1Char(')');
}

void PanelConfig::clearUseFlags()
{
    panelEventUse = 0;
    panelActionUse = 0;
    for (int l = 0; l < LoopCount; ++l) {
        loopEventUse[l] = 0;
        loopActionUse[l] = 0;
    }
    for (ZoneRecord &z : zones) {
        z.actionUse = 0;
        z.eventUse = 0;
    }
    for (auto &line : devices) {
        for (DeviceRecord &d : line) {
            d.actionUse = 0;
            d.eventUse = 0;
        }
    }
}

// ---------------------------------------------------------------- wire forms

bool PanelConfig::deviceToWire(int loop, int address, unsigned char *record) const
{
    if (!record || !validLoop(loop) || !validAddress(address))
        return false;
    using namespace ElementRecordLayout;
    const DeviceRecord &d = devices[loop][address];
    record[TypeByte] = d.type;
    record[ZoneByte] = d.zone;
    writeText(record + DescriptionByte, d.description, DeviceDescriptionBytes);
    record[ModeByte] = d.mode;
    record[CodeByte] = d.ext_type;
    record[FlagsByte] = d.flags;
    return true;
}

bool PanelConfig::deviceFromWire(int loop, int address, const unsigned char *record)
{
    if (!record || !validLoop(loop) || !validAddress(address))
        return false;
    using namespace ElementRecordLayout;
    DeviceRecord &d = devices[loop][address];
    d.loop = static_cast<unsigned char>(loop);
    d.address = static_cast<unsigned char>(address);
    d.type = DeviceRecord::isValidType(record[TypeByte]) ? record[TypeByte] : 0;
    d.zone = record[ZoneByte];
    d.description = PanelCharsetTable::decode(reinterpret_cast<const char *>(record + DescriptionByte),
                                              DescriptionSize);
    d.mode = record[ModeByte];
    d.ext_type = record[CodeByte] & ~0x20 & 0xFF;
    d.flags = record[FlagsByte];
    return true;
}

bool PanelConfig::zoneToWire(int zone, unsigned char *record) const
{
    if (!record || !validZone(zone))
        return false;
    writeText(record + ZoneRecordLayout::DescriptionByte, zones[zone].description, ZoneDescriptionBytes);
    record[ZoneRecordLayout::StateByte] = static_cast<unsigned char>(zones[zone].state & 0xFF);
    return true;
}

bool PanelConfig::zoneFromWire(int zone, const unsigned char *record)
{
    if (!record || !validZone(zone))
        return false;
    zones[zone].description = PanelCharsetTable::decode(
            reinterpret_cast<const char *>(record + ZoneRecordLayout::DescriptionByte),
            ZoneRecordLayout::DescriptionSize);
    return true;
}
