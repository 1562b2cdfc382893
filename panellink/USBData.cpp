#include "USBData.h"

#include <cstring>

using namespace PanelMemoryMap;

namespace {
constexpr int SlotsPerPage = PageSize / RecordSize;
constexpr int EventBufferSize = 3 * PageSize;
constexpr int EffectsOffset = PageSize;
constexpr int LogicAreaSize = LogicAreaPages * PageSize;
}

USBData::USBData(InterfaceRaw *link)
    : m_link(link)
{
}

USBData::~USBData() = default;

void USBData::allocate(Section section, int bytes)
{
    m_buffer.assign(size_t(bytes), 0);
    m_section = section;
    m_cachedPage = NoPage;
}

void USBData::release()
{
    m_buffer.clear();
    m_buffer.shrink_to_fit();
    m_section = Section::None;
    m_cachedPage = NoPage;
}

// A page is received into scratch space and copied only when it arrived whole, so
// a failed read never leaves a half-filled page behind in the cache.
bool USBData::readInto(quint16 page, quint8 *at)
{
    if (!m_link)
        return false;
    quint8 scratch[PageSize];
    if (!m_link->readPage(page, scratch))
        return false;
    std::memcpy(at, scratch, PageSize);
    return true;
}

bool USBData::writeFrom(quint16 page, const quint8 *at)
{
    return m_link && m_link->writePage(page, at);
}

bool USBData::fetchRecordPage(quint16 page)
{
    if (m_cachedPage == page)
        return true;
    if (!readInto(page, data()))
        return false;
    m_cachedPage = page;
    return true;
}

// Every element slot of a written page starts enabled, every zone slot with state 0.
void USBData::prepareWritePage()
{
    const bool devices = m_section == Section::DeviceWrite;
    for (int slot = 0; slot < SlotsPerPage; ++slot) {
        if (devices)
            m_buffer[size_t(slot * RecordSize + ElementRecordLayout::ModeByte)] = 1;
        else
            m_buffer[size_t(slot * RecordSize + ZoneRecordLayout::StateByte)] = 0;
    }
}

bool USBData::moveWritePage(quint16 page)
{
    if (m_cachedPage == page)
        return true;
    if (!writeFrom(quint16(m_cachedPage), data()))
        return false;
    if (m_section == Section::LogicWrite)
        std::memset(data(), 0, PageSize);
    else
        prepareWritePage();
    m_cachedPage = page;
    return true;
}

bool USBData::beginRecordRead(Section section, quint16 firstPage)
{
    allocate(section, PageSize);
    return fetchRecordPage(firstPage);
}

bool USBData::beginRecordWrite(Section section, quint16 firstPage)
{
    allocate(section, PageSize);
    if (section != Section::LogicWrite)
        prepareWritePage();
    m_cachedPage = firstPage;
    return true;
}

bool USBData::readRecord(Section section, bool inMap, quint16 page, int offset, quint8 *record, int size)
{
    if (m_section != section || !inMap || !fetchRecordPage(page))
        return false;
    std::memcpy(record, data() + offset, size_t(size));
    return true;
}

quint8 *USBData::writeRecord(Section section, bool inMap, quint16 page, int offset, const quint8 *record, int size)
{
    if (m_section != section || !inMap || !moveWritePage(page))
        return nullptr;
    quint8 *to = data() + offset;
    std::memcpy(to, record, size_t(size));
    return to;
}

// ---- elements ---------------------------------------------------------------

bool USBData::beginDeviceRead()
{
    return beginRecordRead(Section::DeviceRead, DeviceFirstPage);
}

bool USBData::readDevice(int loop, int address, quint8 *record)
{
    return readRecord(Section::DeviceRead, isDevice(loop, address), devicePage(loop, address),
                      deviceOffset(address), record, RecordSize);
}

void USBData::endDeviceRead()
{
    release();
}

bool USBData::beginDeviceWrite()
{
    return beginRecordWrite(Section::DeviceWrite, DeviceFirstPage);
}

bool USBData::writeDevice(int loop, int address, const quint8 *record)
{
    return writeRecord(Section::DeviceWrite, isDevice(loop, address), devicePage(loop, address),
                       deviceOffset(address), record, RecordSize);
}

bool USBData::flushPage()
{
    if (m_section != Section::DeviceWrite && m_section != Section::ZoneWrite && m_section != Section::LogicWrite)
        return false;
    const bool ok = writeFrom(quint16(m_cachedPage), data());
    release();
    return ok;
}

// ---- zones ------------------------------------------------------------------

bool USBData::beginZoneRead()
{
    return beginRecordRead(Section::ZoneRead, ZoneFirstPage);
}

bool USBData::readZone(int zone, quint8 *record)
{
    return readRecord(Section::ZoneRead, isZone(zone), zonePage(zone), zoneOffset(zone), record, RecordSize);
}

void USBData::endZoneRead()
{
    release();
}

bool USBData::beginZoneWrite()
{
    return beginRecordWrite(Section::ZoneWrite, ZoneFirstPage);
}

bool USBData::writeZone(int zone, const quint8 *record)
{
    return writeRecord(Section::ZoneWrite, isZone(zone), zonePage(zone), zoneOffset(zone), record, RecordSize);
}

// ---- events -----------------------------------------------------------------

bool USBData::readEventGroup(int group)
{
    quint8 scratch[EventBufferSize];
    const quint16 pages[3] = {quint16(CauseFirstPage + group), quint16(EffectFirstPage + 2 * group),
                              quint16(EffectFirstPage + 2 * group + 1)};
    for (int i = 0; i < 3; ++i) {
        if (!readInto(pages[i], scratch + i * PageSize))
            return false;
    }
    // The group is taken only when all three pages arrived.
    std::memcpy(data(), scratch, EventBufferSize);
    m_cachedPage = pages[0];
    return true;
}

bool USBData::beginEventRead()
{
    allocate(Section::EventRead, EventBufferSize);
    m_eventCounter = 0;
    m_eventBase = 0;
    if (readEventGroup(0))
        return true;
    // Nothing valid is held: the next record fetches group 0 again.
    m_eventBase = -EventsPerGroup;
    return false;
}

bool USBData::readNextEvent(quint8 *cause, quint8 *effect)
{
    if (m_section != Section::EventRead || !isEventSlot(m_eventCounter))
        return false;
    if (m_eventCounter == m_eventBase + EventsPerGroup) {
        if (!readEventGroup(eventGroup(m_eventCounter)))
            return false;
        m_eventBase = m_eventCounter;
    }
    const int inGroup = m_eventCounter & 31;
    std::memcpy(cause, data() + CauseSize * inGroup, CauseSize);
    std::memcpy(effect, data() + EffectsOffset + EffectSize * inGroup, EffectSize);
    pageToHost16(effect);
    ++m_eventCounter;
    return true;
}

void USBData::endEventRead()
{
    release();
}

bool USBData::beginEventWrite()
{
    allocate(Section::EventWrite, EventBufferSize);
    m_cachedPage = CauseFirstPage;
    return true;
}

bool USBData::writeEventGroup()
{
    const int group = m_cachedPage - CauseFirstPage;
    return writeFrom(quint16(CauseFirstPage + group), data())
        && writeFrom(quint16(EffectFirstPage + 2 * group), data() + PageSize)
        && writeFrom(quint16(EffectFirstPage + 2 * group + 1), data() + 2 * PageSize);
}

bool USBData::writeEvent(int slot, const quint8 *cause, const quint8 *effect)
{
    if (m_section != Section::EventWrite || !isEventSlot(slot))
        return false;
    const quint16 page = causePage(slot);
    if (page != m_cachedPage) {
        if (!writeEventGroup())
            return false;
        for (int i = 0; i < EventsPerGroup; ++i) {
            m_buffer[size_t(CauseSize * i)] = 0;
            m_buffer[size_t(EffectsOffset + EffectSize * i)] = 0;
        }
        m_cachedPage = page;
    }
    const int inGroup = slot & 31;
    std::memcpy(data() + CauseSize * inGroup, cause, CauseSize);
    quint8 *to = data() + EffectsOffset + EffectSize * inGroup;
    std::memcpy(to, effect, EffectSize);
    hostToPage16(to);
    return true;
}

bool USBData::flushEventPages()
{
    if (m_section != Section::EventWrite)
        return false;
    if (!writeEventGroup())
        return false;
    release();
    return true;
}

// ---- logic events -------------------------------------------------------------

bool USBData::readLogicArea()
{
    allocate(Section::LogicRead, LogicAreaSize);
    for (int i = 0; i < LogicAreaPages; ++i) {
        if (!readInto(quint16(LogicTermFirstPage + i), data() + PageSize * i)) {
            release();
            return false;
        }
    }
    return true;
}

bool USBData::readLogicEvent(int event, quint8 *terms, quint8 *header)
{
    if (m_section != Section::LogicRead || !isLogicEvent(event))
        return false;
    std::memcpy(terms, data() + LogicTermSize * logicTermIndex(event, 0), TermsPerLogicEvent * LogicTermSize);
    std::memcpy(header, data() + LogicHeaderAreaOffset + LogicHeaderSize * event, LogicHeaderSize);
    pageToHost16(header);
    return true;
}

void USBData::endLogicRead()
{
    release();
}

bool USBData::beginLogicWrite()
{
    return beginRecordWrite(Section::LogicWrite, LogicTermFirstPage);
}

bool USBData::writeLogicTerm(int event, int term, const quint8 *record)
{
    return writeRecord(Section::LogicWrite, isLogicTerm(event, term), logicTermPage(event, term),
                       logicTermOffset(event, term), record, LogicTermSize);
}

bool USBData::writeLogicHeader(int event, const quint8 *header)
{
    quint8 *to = writeRecord(Section::LogicWrite, isLogicEvent(event), logicHeaderPage(event),
                             logicHeaderOffset(event), header, LogicHeaderSize);
    if (to)
        hostToPage16(to);
    return to != nullptr;
}

// ---- page 4 -------------------------------------------------------------------

bool USBData::readOptionsPage()
{
    allocate(Section::Options, 2 * PageSize);
    if (!readInto(OptionsPage, data())) {
        release();
        return false;
    }
    std::memcpy(data() + PageSize, data(), PageSize);
    m_cachedPage = OptionsPage;
    return true;
}

bool USBData::getOptions(quint8 &address, quint8 &nodeType) const
{
    if (m_section != Section::Options)
        return false;
    address = m_buffer[0];
    nodeType = m_buffer[1];
    return true;
}

bool USBData::setOptions(quint8 address, quint8 nodeType)
{
    if (m_section != Section::Options)
        return false;
    m_buffer[0] = address;
    m_buffer[1] = nodeType;
    return true;
}

bool USBData::writeOptionsIfChanged()
{
    if (m_section != Section::Options)
        return false;
    const bool changed = m_buffer[0] != m_buffer[PageSize] || m_buffer[1] != m_buffer[PageSize + 1];
    const bool ok = !changed || writeFrom(OptionsPage, data());
    release();
    return ok;
}

// ---- pages 5 and 8 --------------------------------------------------------------

bool USBData::readIdentityPage(quint8 *identity)
{
    quint8 page[PageSize];
    if (!readInto(IdentityPage, page))
        return false;
    std::memcpy(identity, page, IdentitySize);
    return true;
}

bool USBData::writeIdentityPage(const quint8 *identity)
{
    quint8 page[PageSize] = {};
    std::memcpy(page, identity, IdentitySize);
    return writeFrom(IdentityPage, page);
}

bool USBData::readSystemPage(quint8 *page)
{
    return readInto(SystemPage, page);
}

bool USBData::writeSystemPage(const quint8 *page)
{
    return writeFrom(SystemPage, page);
}
