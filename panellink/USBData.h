#pragma once
#include "InterfaceRaw.h"
#include "PanelMemoryMap.h"

#include <QtGlobal>
#include <vector>

// Page cache over a link: reads and writes the configuration sections record by
// record, one page transfer per page (three per event group, 64 reads for the
// logic area). Writing is write-back: a page is sent when the writer moves to
// another page or at the flush, and never read first (page 4 excepted).
//
// Each section is used as begin, records in increasing order, end or flush; one
// section at a time. Records handed in and out are the wire forms of the records;
// bytes 2-3 of effects and logic headers are in host order here and big-endian
// on the page.
class USBData {
public:
    explicit USBData(InterfaceRaw *link = nullptr);
    virtual ~USBData();
    USBData(const USBData &) = delete;
    USBData &operator=(const USBData &) = delete;

    void setLink(InterfaceRaw *link) { m_link = link; }
    InterfaceRaw *link() const { return m_link; }
    bool hasBuffer() const { return !m_buffer.empty(); }

    // elements
    bool beginDeviceRead();
    bool readDevice(int loop, int address, quint8 record[PanelMemoryMap::RecordSize]);
    void endDeviceRead();
    bool beginDeviceWrite();
    bool writeDevice(int loop, int address, const quint8 record[PanelMemoryMap::RecordSize]);
    // elements, zones, logic events: sends the cached page and releases the buffer
    bool flushPage();

    // zones
    bool beginZoneRead();
    bool readZone(int zone, quint8 record[PanelMemoryMap::RecordSize]);
    void endZoneRead();
    bool beginZoneWrite();
    bool writeZone(int zone, const quint8 record[PanelMemoryMap::RecordSize]);

    // events
    bool beginEventRead();
    bool readNextEvent(quint8 cause[PanelMemoryMap::CauseSize], quint8 effect[PanelMemoryMap::EffectSize]);
    void endEventRead();
    bool beginEventWrite();
    bool writeEvent(int slot, const quint8 cause[PanelMemoryMap::CauseSize],
                    const quint8 effect[PanelMemoryMap::EffectSize]);
    bool flushEventPages();

    // logic events
    bool readLogicArea();
    bool readLogicEvent(int event, quint8 terms[PanelMemoryMap::TermsPerLogicEvent * PanelMemoryMap::LogicTermSize],
                        quint8 header[PanelMemoryMap::LogicHeaderSize]);
    void endLogicRead();
    bool beginLogicWrite();
    bool writeLogicTerm(int event, int term, const quint8 record[PanelMemoryMap::LogicTermSize]);
    bool writeLogicHeader(int event, const quint8 header[PanelMemoryMap::LogicHeaderSize]);

    // page 4: network address and node type; the rest of the page is carried
    bool readOptionsPage();
    bool getOptions(quint8 &address, quint8 &nodeType) const;
    bool setOptions(quint8 address, quint8 nodeType);
    bool writeOptionsIfChanged();

    // page 5: identity (first 128 bytes); page 8: system page
    bool readIdentityPage(quint8 identity[PanelMemoryMap::IdentitySize]);
    bool writeIdentityPage(const quint8 identity[PanelMemoryMap::IdentitySize]);
    bool readSystemPage(quint8 page[PanelMemoryMap::PageSize]);
    bool writeSystemPage(const quint8 page[PanelMemoryMap::PageSize]);

private:
    enum class Section { None, DeviceRead, DeviceWrite, ZoneRead, ZoneWrite, EventRead, EventWrite,
                         LogicRead, LogicWrite, Options };
    static constexpr int NoPage = -1;

    void allocate(Section section, int bytes);
    void release();
    quint8 *data() { return m_buffer.data(); }
    bool readInto(quint16 page, quint8 *at);
    bool writeFrom(quint16 page, const quint8 *at);
    bool fetchRecordPage(quint16 page);
    bool beginRecordRead(Section section, quint16 firstPage);
    bool beginRecordWrite(Section section, quint16 firstPage);
    // One record of a one-page-cache section; refused outside the section or the map.
    bool readRecord(Section section, bool inMap, quint16 page, int offset, quint8 *record, int size);
    // Where the record was stored, null when refused or the previous page could not be sent.
    quint8 *writeRecord(Section section, bool inMap, quint16 page, int offset, const quint8 *record, int size);
    bool moveWritePage(quint16 page);
    void prepareWritePage();
    bool readEventGroup(int group);
    bool writeEventGroup();

    InterfaceRaw *m_link = nullptr;
    std::vector<quint8> m_buffer;
    Section m_section = Section::None;
    int m_cachedPage = NoPage;     // for events: the cause page of the group
    int m_eventBase = 0;           // first slot in the buffer while reading
    int m_eventCounter = 0;        // next slot to hand out
};
