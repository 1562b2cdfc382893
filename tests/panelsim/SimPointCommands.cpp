#include "SimPointCommands.h"

#include <initializer_list>

namespace sim {

namespace {
quint8 at(const QByteArray &r, int i) { return quint8(r.at(i)); }

// A reply payload, byte by byte.
QByteArray payload(std::initializer_list<quint8> bytes)
{
    QByteArray r;
    for (quint8 b : bytes)
        r.append(char(b));
    return r;
}
}

SimPointCommands::SimPointCommands(SimPanel &panel)
    : m_panel(panel),
      m_panelInfo(panelInfoReply("1.05", 1, 250, QByteArray(1, '\x01'))),
      m_alarmReply(QByteArray(1, '\0')),
      m_keyReply(QByteArray(1, '\0')),
      m_ledReply(QByteArray(1, '\x01')),
      m_outputReply(QByteArray(1, '\x01'))
{
    install(Poll, 4, [this](const QByteArray &r) {
        const int mode = at(r, 3);
        const auto own = m_poll.constFind(key(at(r, 1), at(r, 2), mode));
        if (own != m_poll.constEnd())
            return Reply::of(*own);
        return Reply::of(m_pollAll.value(mode, pollReply(0, 0, 0)));
    });
    install(PanelInfo, 1, [this](const QByteArray &) { return Reply::of(m_panelInfo); });
    install(Alarm, 3, [this](const QByteArray &) { return Reply::of(m_alarmReply); });
    install(Key, 2, [this](const QByteArray &) { return Reply::of(m_keyReply); });
    install(Led, 4, [this](const QByteArray &) { return Reply::of(m_ledReply); });
    install(Counters, 3, [this](const QByteArray &r) {
        return Reply::of(m_counters.value(key(at(r, 1), at(r, 2)), countersReply(1, 0, 0, 0)));
    });
    install(Explore, 3, [this](const QByteArray &r) {
        return Reply::of(m_explore.value(key(at(r, 1), at(r, 2)), exploreReply(1, 0, 0)));
    });
    install(ReadParam, 4, [this](const QByteArray &r) {
        const quint32 k = key(at(r, 1), at(r, 2), at(r, 3));
        const auto own = m_paramReplies.constFind(k);
        if (own != m_paramReplies.constEnd())
            return Reply::of(*own);
        return Reply::of(paramReply(0, m_params.value(k, 0)));
    });
    install(LoopVersion, 2, [this](const QByteArray &r) {
        return Reply::of(m_loopVersion.value(at(r, 1), QByteArrayLiteral("100")));
    });
    install(WriteParam, 5, [this](const QByteArray &r) {
        if (m_writeStatus == 0)
            m_params[key(at(r, 1), at(r, 2), at(r, 3))] = at(r, 4);
        return Reply::of(QByteArray(1, char(m_writeStatus)));
    });
    install(Output, 4, [this](const QByteArray &) { return Reply::of(m_outputReply); });
}

SimPointCommands::~SimPointCommands()
{
    for (quint8 code : {Poll, PanelInfo, Alarm, Key, Led, Counters, Explore, ReadParam, LoopVersion,
                        WriteParam, Output})
        m_panel.setCommandHandler(code, {});
}

void SimPointCommands::install(quint8 code, int length, std::function<Reply(const QByteArray &)> answer)
{
    m_panel.setCommandHandler(code, [this, length, answer](const QByteArray &r) {
        m_requests.append(r);
        if (r.size() != length)
            return Reply::none();
        return answer(r);
    });
}

QByteArray SimPointCommands::pollReply(quint8 status, quint8 value, quint8 second)
{
    return payload({status, value, second});
}

QByteArray SimPointCommands::panelInfoReply(const QByteArray &version, quint8 loops, quint8 maxPoints,
                                            const QByteArray &presence)
{
    QByteArray r = version.left(4).leftJustified(4, ' ');
    r.append(char(loops));
    r.append(char(maxPoints));
    r.append(presence);
    return r;
}

QByteArray SimPointCommands::countersReply(quint8 result, quint8 version, quint8 alarms, quint8 faults)
{
    return payload({0, 0, 0, result, version, alarms, faults});
}

QByteArray SimPointCommands::exploreReply(quint8 result, quint8 type, quint8 subtype)
{
    return payload({0, result, type, subtype});
}

QByteArray SimPointCommands::paramReply(quint8 result, quint8 value)
{
    return payload({result, value});
}

void SimPointCommands::setPoll(int loop, int address, int mode, const QByteArray &reply)
{
    m_poll[key(loop, address, mode)] = reply;
}

void SimPointCommands::setPollAll(int mode, const QByteArray &reply)
{
    m_pollAll[mode] = reply;
}

void SimPointCommands::setExplore(int loop, int address, const QByteArray &reply)
{
    m_explore[key(loop, address)] = reply;
}

void SimPointCommands::setCounters(int loop, int address, const QByteArray &reply)
{
    m_counters[key(loop, address)] = reply;
}

void SimPointCommands::setParam(int loop, int address, int param, quint8 value)
{
    m_params[key(loop, address, param)] = value;
}

void SimPointCommands::setParamReply(int loop, int address, int param, const QByteArray &reply)
{
    m_paramReplies[key(loop, address, param)] = reply;
}

quint8 SimPointCommands::param(int loop, int address, int param) const
{
    return m_params.value(key(loop, address, param), 0);
}

QList<QByteArray> SimPointCommands::requests(quint8 code) const
{
    QList<QByteArray> l;
    for (const QByteArray &r : m_requests)
        if (!r.isEmpty() && quint8(r.at(0)) == code)
            l.append(r);
    return l;
}

} // namespace sim
