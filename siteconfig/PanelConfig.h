#ifndef PANELCONFIG_H
#define PANELCONFIG_H

#include "DeviceRecord.h"
#include "EventRecord.h"
#include "RecordLayout.h"
#include "LogManeuver.h"
#include "SpecialMode.h"
#include "WebServerSettings.h"
#include "ZoneRecord.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

// The whole configuration of one fire control panel. Large (2000 element
// records), so it is never copied: it lives on the heap, owned by a Facility.
//
// Event slots are always compact: the used slots are 0 .. eventCount() - 1 and
// every slot from eventCount() on is free.
class PanelConfig
{
public:
    static constexpr int LoopCount = 8;
    static constexpr int AddressCount = 250;
    static constexpr int ZoneCount = 250;
    static constexpr int EventSlotCount = 1024;
    static constexpr int MaxLogicEvents = 100;
    static constexpr int DeviceWireSize = ElementRecordLayout::RecordSize;
    static constexpr int ZoneWireSize = ZoneRecordLayout::RecordSize;
    // Characters a description may take; its field also holds the NUL.
    static constexpr int DeviceDescriptionBytes = ElementRecordLayout::DescriptionSize - 1;
    static constexpr int ZoneDescriptionBytes = ZoneRecordLayout::DescriptionSize - 1;

    PanelConfig();
    ~PanelConfig();
    PanelConfig(const PanelConfig &) = delete;
    PanelConfig &operator=(const PanelConfig &) = delete;

    // Makes this panel an exact copy of `other` (logic events copied, not
    // shared). Named, so that nothing copies a panel by accident: a download
    // fills a copy and hands it back only when every section was read.
    void copyFrom(const PanelConfig &other);

    void setDefaults();

    // Elements
    DeviceRecord *deviceAt(int loop, int address);
    const DeviceRecord *deviceAt(int loop, int address) const;
    // 1 done, -1 an address is taken and overwrite is off, -2 the run passes
    // address 249 (or starts outside the loop), -3 the loop is outside 0..7.
    int insertDevices(DeviceRecord &record, int count, bool overwrite);
    bool replaceDevice(DeviceRecord &record, bool retype);
    // 1 removed, -1 no element there (or loop/address outside the panel).
    int removeDevice(int loop, int address);
    DeviceRecord *moduleStart(int loop, int address);
    // True when the n addresses from `address` lie in the loop and each is free or
    // part of the module that holds `address`: a new model put there in place of
    // that module covers no other element.
    bool fitsInPlaceOfModule(int loop, int address, int n) const;
    bool isAddressRangeFree(int loop, int start, int n) const;
    // True when some module address of the loop is not part of a whole module
    // (its first address, then its middle ones and its last one, of one model),
    // as only a download or a site file can leave it.
    bool holdsPartialModule(int loop) const;
    bool isLoopEmpty(int loop) const;
    // No element, no used event slot and no logic event.
    bool isEmpty() const;

    // Zones
    ZoneRecord *zoneAt(int zone);
    const ZoneRecord *zoneAt(int zone) const;
    QString &zoneNameAt(int zone);   // zone outside 0..249: a scratch string
    bool isZoneUnused(int zone) const;
    void setZoneEnable(int zone, int mode);
    void rebuildZoneStates();

    // Event slots
    EventRecord *eventAt(int slot);
    const EventRecord *eventAt(int slot) const;
    int eventCount() const { return usedEventCount; }
    int setEvent(int slot, const EventRecord &record);
    int removeEvent(int slot);
    void clearEvents();
    void setEventFromWire(int slot, const unsigned char *cause, const unsigned char *effect);
    void eventToWire(int slot, unsigned char *cause, unsigned char *effect) const;
    bool hasLoopEvent(int loop) const;
    bool hasZoneEvent(int zone) const;
    bool hasDeviceEvent(int loop, int address) const;
    bool hasPanelEvent() const;

    // Logic events, owned by the panel
    int logicEventCount() const { return int(logicEvents.size()); }
    LogManeuver *logicEventAt(int index);
    const LogManeuver *logicEventAt(int index) const;
    // 0 appended: the panel takes the maneuver and `maneuver` becomes empty.
    // -1 refused (100 entries already, or no maneuver): `maneuver` still owns it.
    int addLogicEvent(std::unique_ptr<LogManeuver> &maneuver);
    // Appends without the limit of 100 (a site file may hold more); the panel
    // takes the maneuver. Nothing happens for an empty pointer.
    void appendLogicEvent(std::unique_ptr<LogManeuver> &maneuver);
    int removeLogicEvent(int index);
    void clearLogicEvents();

    // Identity and flags
    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    QString titleText() const;
    void clearUseFlags();
    // A number no other panel object of this run carries, not even one made later
    // at the same place in memory: a view that shows one panel recognises it after
    // the site's list changed, and notices when it was removed.
    std::uint64_t serial() const { return m_serial; }

    // Wire forms of the 32-byte element and zone records. Bytes the encoder
    // does not own are left as they are. False when the index is outside the panel.
    bool deviceToWire(int loop, int address, unsigned char *record) const;
    bool deviceFromWire(int loop, int address, const unsigned char *record);
    bool zoneToWire(int zone, unsigned char *record) const;
    bool zoneFromWire(int zone, const unsigned char *record);

    // Use flags (derived by Facility::markUsedElements)
    unsigned char panelEventUse = 0;
    unsigned char panelActionUse = 0;
    unsigned char loopEventUse[LoopCount] = {};
    unsigned char loopActionUse[LoopCount] = {};

    QString version;
    QString phone;
    QString installer;
    int panelFlags = 0;
    unsigned char ledFromDay = 0;
    unsigned char ledToDay = 0;
    unsigned char ledFromHour = 0;
    unsigned char ledFromMinute = 0;
    unsigned char ledToHour = 0;
    unsigned char ledToMinute = 0;
    unsigned char ledToggling = 0;

    // Network settings: address, type and the serial ports below.
    int address = 0;
    int type = 0;

    SpecialMode sensibility;
    SpecialMode optoheat;
    SpecialMode dayNight;
    SpecialMode delayed;
    unsigned short delay1 = 0;
    unsigned short delay2 = 0;

    int rs485mode = 0;
    int rs485_2mode = 0;
    int modbusBaudrate = 0;
    int modbusAddress = 0;
    int modbus2Baudrate = 0;
    int modbus2Address = 0;

    WebServerSettings webServer;

private:
    struct ModuleSpan
    {
        int first;
        int count;
    };

    static bool validLoop(int loop) { return loop >= 0 && loop < LoopCount; }
    static bool validAddress(int address) { return address >= 0 && address < AddressCount; }
    static bool validZone(int zone) { return zone >= 0 && zone < ZoneCount; }
    static bool validSlot(int slot) { return slot >= 0 && slot < EventSlotCount; }
    ModuleSpan moduleSpan(int loop, int address) const;
    // True when the cause part of some used slot satisfies match.
    template <typename Match>
    bool anyCause(Match match) const;

    EventRecord events[EventSlotCount];
    std::vector<std::unique_ptr<LogManeuver>> logicEvents;
    int usedEventCount = 0;
    ZoneRecord zones[ZoneCount];
    DeviceRecord devices[LoopCount][AddressCount];
    QString m_name;
    QString scratchZoneName;
    static std::uint64_t nextSerial();
    const std::uint64_t m_serial = nextSerial();
};

#endif // PANELCONFIG_H
