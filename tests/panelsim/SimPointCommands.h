#pragma once
// The monitor's point commands on the simulated panel: 0x07 poll, 0x08 panel
// information, 0x0B alarm, 0x0C key, 0x0D LED, 0x0E counters, 0x0F explore,
// 0x10 read parameter, 0x12 loop version, 0x14 write parameter, 0x17 output.
//
// Constructing an object installs the handlers on the panel, destroying it removes
// them (SimPanel::reset() removes them as well). Each handler answers only a
// request of its exact length; any other request gets no reply, like the built-in
// commands. Replies are kept per point (and per mode or parameter) so a test can
// give each point its own answer; the helpers build the reply layouts.

#include "SimPanel.h"

#include <QByteArray>
#include <QHash>
#include <QList>

namespace sim {

class SimPointCommands {
public:
    enum Code : quint8 {
        Poll = 0x07, PanelInfo = 0x08, Alarm = 0x0B, Key = 0x0C, Led = 0x0D, Counters = 0x0E,
        Explore = 0x0F, ReadParam = 0x10, LoopVersion = 0x12, WriteParam = 0x14, Output = 0x17
    };

    explicit SimPointCommands(SimPanel &panel = SimPanel::instance());
    ~SimPointCommands();
    SimPointCommands(const SimPointCommands &) = delete;
    SimPointCommands &operator=(const SimPointCommands &) = delete;

    // ---- reply layouts -------------------------------------------------------
    // 0x07: status (0 = valid), value, second value
    static QByteArray pollReply(quint8 status, quint8 value, quint8 second = 0);
    // 0x08: 4 version characters, loop count, points per loop, presence bytes
    static QByteArray panelInfoReply(const QByteArray &version, quint8 loops, quint8 maxPoints,
                                     const QByteArray &presence);
    // 0x0E: bytes 0-2 unused, 3 result, 4 version, 5 alarms, 6 faults
    static QByteArray countersReply(quint8 result, quint8 version, quint8 alarms, quint8 faults);
    // 0x0F: byte 0 unused, 1 result, 2 device type, 3 hardware subtype
    static QByteArray exploreReply(quint8 result, quint8 type, quint8 subtype);
    // 0x10: result, value
    static QByteArray paramReply(quint8 result, quint8 value);

    // ---- what the panel answers ----------------------------------------------
    void setPanelInfo(const QByteArray &reply) { m_panelInfo = reply; }
    void setLoopVersion(int loop, const QByteArray &reply) { m_loopVersion[loop] = reply; }
    void setPoll(int loop, int address, int mode, const QByteArray &reply);
    void setPollAll(int mode, const QByteArray &reply);   // every point without its own reply
    void setExplore(int loop, int address, const QByteArray &reply);
    void setCounters(int loop, int address, const QByteArray &reply);
    // The stored value of a parameter (2 threshold, 8 sensibility); read as paramReply(0, value).
    void setParam(int loop, int address, int param, quint8 value);
    // A whole read-parameter reply for one point, instead of the stored value.
    void setParamReply(int loop, int address, int param, const QByteArray &reply);
    quint8 param(int loop, int address, int param) const;
    // Byte 0 of the write-parameter reply; 0 accepts and stores the value.
    void setWriteParamStatus(quint8 status) { m_writeStatus = status; }
    void setAlarmReply(const QByteArray &reply) { m_alarmReply = reply; }
    void setKeyReply(const QByteArray &reply) { m_keyReply = reply; }
    void setLedReply(const QByteArray &reply) { m_ledReply = reply; }
    void setOutputReply(const QByteArray &reply) { m_outputReply = reply; }

    // ---- what the host asked -------------------------------------------------
    // The point command requests received, whole payloads, in order.
    const QList<QByteArray> &requests() const { return m_requests; }
    QList<QByteArray> requests(quint8 code) const;
    void clearRequests() { m_requests.clear(); }

private:
    static quint32 key(int loop, int address, int extra = 0) { return quint32((loop << 16) | (address << 8) | extra); }
    void install(quint8 code, int length, std::function<Reply(const QByteArray &)> answer);

    SimPanel &m_panel;
    QList<QByteArray> m_requests;
    QByteArray m_panelInfo;
    QHash<int, QByteArray> m_loopVersion;
    QHash<quint32, QByteArray> m_poll;
    QHash<int, QByteArray> m_pollAll;
    QHash<quint32, QByteArray> m_explore;
    QHash<quint32, QByteArray> m_counters;
    QHash<quint32, quint8> m_params;
    QHash<quint32, QByteArray> m_paramReplies;
    quint8 m_writeStatus = 0;
    QByteArray m_alarmReply;
    QByteArray m_keyReply;
    QByteArray m_ledReply;
    QByteArray m_outputReply;
};

} // namespace sim
