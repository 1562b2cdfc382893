#pragma once
#include "RecordLayout.h"

#include <QString>
#include <QtEndian>
#include <QtGlobal>
#include <cstring>

// Where each record lives in the panel's memory of 256-byte pages. A ".conf"
// image holds the same pages at the same numbers.
namespace PanelMemoryMap {

constexpr int PageSize = 256;
constexpr int RecordSize = ElementRecordLayout::RecordSize;   // element and zone records
static_assert(ZoneRecordLayout::RecordSize == RecordSize, "element and zone slots share the pages' grid");
constexpr int CauseSize = 8;
constexpr int EffectSize = 16;
constexpr int LogicTermSize = 8;
constexpr int LogicHeaderSize = 16;

constexpr int Loops = 8;
constexpr int AddressesPerLoop = 250;
constexpr int Zones = 250;
constexpr int EventSlots = 1024;
constexpr int EventsPerGroup = 32;
constexpr int LogicEvents = 100;
constexpr int TermsPerLogicEvent = 10;

constexpr quint16 AccessCodePage = 0x003;
constexpr quint16 OptionsPage = 0x004;
constexpr quint16 IdentityPage = 0x005;
constexpr quint16 SystemPage = 0x008;
constexpr quint16 SerialPage = 0x009;
constexpr quint16 SerialSparePage = 0x00A;
constexpr quint16 ZoneFirstPage = 0x120;
constexpr quint16 DeviceFirstPage = 0x1A0;
constexpr quint16 PagesPerLoop = 32;
constexpr quint16 CauseFirstPage = 0x3A0;
constexpr quint16 EffectFirstPage = 0x3E0;
constexpr quint16 LogicTermFirstPage = 0x420;
constexpr quint16 LogicAreaPages = 64;            // 0x420..0x45F, read as one area
constexpr quint16 LogicHeaderFirstPage = 0x450;
constexpr int LogicHeaderAreaOffset = (LogicHeaderFirstPage - LogicTermFirstPage) * PageSize;

constexpr int AccessCodeSize = 4;
constexpr int IdentitySize = 128;
constexpr int IdentityFieldSize = 32;
constexpr int IdentityNameOffset = 0;
constexpr int IdentityInstallerOffset = 32;
constexpr int IdentityPhoneOffset = 64;
constexpr int IdentityFlagsOffset = 96;
constexpr int IdentityFlagsReadOffset = 99;

// Range checks of record indices.
constexpr bool isDevice(int loop, int address) { return loop >= 0 && loop < Loops && address >= 0 && address < AddressesPerLoop; }
constexpr bool isZone(int zone) { return zone >= 0 && zone < Zones; }
constexpr bool isEventSlot(int slot) { return slot >= 0 && slot < EventSlots; }
constexpr bool isLogicTerm(int event, int term) { return event >= 0 && event < LogicEvents && term >= 0 && term < TermsPerLogicEvent; }
constexpr bool isLogicEvent(int event) { return event >= 0 && event < LogicEvents; }

// Elements: 8 per page, 32 pages per loop.
constexpr quint16 devicePage(int loop, int address) { return quint16(DeviceFirstPage + PagesPerLoop * loop + (address >> 3)); }
constexpr int deviceOffset(int address) { return RecordSize * (address & 7); }

constexpr quint16 zonePage(int zone) { return quint16(ZoneFirstPage + (zone >> 3)); }
constexpr int zoneOffset(int zone) { return RecordSize * (zone & 7); }

// Events: groups of 32 slots, one cause page and two effect pages per group.
constexpr int eventGroup(int slot) { return slot >> 5; }
constexpr quint16 causePage(int slot) { return quint16(CauseFirstPage + (slot >> 5)); }
constexpr int causeOffset(int slot) { return CauseSize * (slot & 31); }
constexpr quint16 effectPage(int slot) { return quint16(EffectFirstPage + 2 * (slot >> 5) + ((slot & 31) >> 4)); }
constexpr int effectOffset(int slot) { return EffectSize * (slot & 15); }

// Logic events: term index i = 10 * event + term.
constexpr int logicTermIndex(int event, int term) { return TermsPerLogicEvent * event + term; }
constexpr quint16 logicTermPage(int event, int term) { return quint16(LogicTermFirstPage + (logicTermIndex(event, term) >> 5)); }
constexpr int logicTermOffset(int event, int term) { return LogicTermSize * (logicTermIndex(event, term) & 31); }
constexpr quint16 logicHeaderPage(int event) { return quint16(LogicHeaderFirstPage + (event >> 4)); }
constexpr int logicHeaderOffset(int event) { return LogicHeaderSize * (event & 15); }

// Bytes 2-3 of effects and logic headers: big-endian on the page, host order in
// the records handed to and from the cache.
inline void pageToHost16(quint8 *record)
{
    const quint16 value = qFromBigEndian<quint16>(record + 2);
    std::memcpy(record + 2, &value, sizeof value);
}
inline void hostToPage16(quint8 *record)
{
    quint16 value;
    std::memcpy(&value, record + 2, sizeof value);
    qToBigEndian(value, record + 2);
}

// Identity texts of page 5: one Latin-1 byte per character, at most 31 bytes and
// a NUL in each 32-byte field; a character Latin-1 cannot hold is written as '?'.
void writeIdentityText(quint8 *identity, int fieldOffset, const QString &text);
// Reads up to the first NUL inside the field; never past it.
QString readIdentityText(const quint8 *identity, int fieldOffset);

} // namespace PanelMemoryMap
