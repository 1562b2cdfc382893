#include "USBDataReader.h"
#include "PointCommand.h"
#include "PointState.h"

#include "PanelCharsetTable.h"
#include "RecordLayout.h"

#include <QDebug>
#include <algorithm>
#include <cstring>

namespace {
constexpr int MaxPresence = 8;

// A point filled anew: no counters and no readings, the second value included.
void resetReadings(LoopPoint &p)
{
    p.resetReadings();
    p.secondValue = -1;
}
}

USBDataReader::USBDataReader()
    : USBData(nullptr), USBRaw(false)
{
    setLink(this);
}

USBDataReader::~USBDataReader()
{
    if (connected)
        disconnect();
}

bool USBDataReader::connect()
{
    connected = USBRaw::open();
    if (!connected)
        return false;
    connected = USBPort::configure();
    if (!connected) {
        USBPort::close();
        return false;
    }
    // What an earlier link left unread on the panel's side (the rest of a reply
    // whose exchange failed) would otherwise be read as the answer to the first
    // requests of this one.
    USBPort::discardInput(DiscardTimeout, DiscardTransfers);
    return true;
}

void USBDataReader::disconnect()
{
    if (!connected)
        return;
    USBPort::releaseInterface();
    USBPort::close();
    connected = false;
}

void USBDataReader::linkLost()
{
    USBPort::close();
    connected = false;
}

QString USBDataReader::loopVersion(quint8 loop) const
{
    return loop < Loops ? loopVersionTexts[loop] : QString();
}

bool USBDataReader::mayRequest()
{
    return connected && (!requestGate || requestGate());
}

bool USBDataReader::readPage(quint16 page, quint8 *buffer)
{
    if (!mayRequest())
        return false;
    if (USBRaw::readPage(page, buffer))
        return true;
    linkLost();
    return false;
}

bool USBDataReader::exchange(std::initializer_list<quint8> request, quint16 minReply, quint16 &replyLength)
{
    replyLength = 0;
    if (!mayRequest())
        return false;
    std::copy(request.begin(), request.end(), m_buffer);
    if (!writeFrame(m_buffer, quint16(request.size()))) {
        linkLost();
        return false;
    }
    // Nothing of the request may pass for reply data.
    std::memset(m_buffer, 0, sizeof m_buffer);
    quint16 got = 0;
    if (!readFrame(m_buffer, BufferSize, got)) {
        linkLost();
        return false;
    }
    replyLength = got;
    return got >= minReply;
}

bool USBDataReader::exchange(std::initializer_list<quint8> request, quint16 minReply)
{
    quint16 replyLength = 0;
    return exchange(request, minReply, replyLength);
}

bool USBDataReader::readPanelInfo(quint8 &loopCount, quint8 presence[8], quint8 &maxPoints)
{
    loopCount = 0;
    maxPoints = 0;
    std::memset(presence, 0, MaxPresence);

    quint16 length = 0;
    if (!exchange({CmdPanelInfo}, 0, length))
        return false;
    if (length <= 1)
        return true;   // the panel has nothing to tell
    if (length < 6)
        return false;

    panelVersionText = QString::fromLatin1(reinterpret_cast<const char *>(m_buffer), 4);
    qDebug() << "Panel version:" << panelVersionText;
    loopCount = qMin<quint8>(m_buffer[4], Loops);
    maxPoints = m_buffer[5];
    const int present = qMin(int(length) - 6, MaxPresence);
    std::memcpy(presence, m_buffer + 6, size_t(present));
    return true;
}

bool USBDataReader::readLoopVersion(quint8 loop)
{
    if (loop >= Loops)
        return false;
    quint16 length = 0;
    if (!exchange({CmdLoopVersion, loop}, 0, length))
        return false;
    if (length == 0)
        return true;
    if (length < 3)
        return false;
    const char *reply = reinterpret_cast<const char *>(m_buffer);
    const QString text = QString::fromLatin1(reply, 1) + QLatin1Char('.') + QString::fromLatin1(reply + 1, 2);
    loopVersionTexts[loop] = text;
    qDebug().noquote() << "Loop " + QString::number(loop) + " version: " + text;
    return true;
}

bool USBDataReader::readLoopConfig(quint8 loop)
{
    if (!connected || loop >= Loops)
        return false;
    bool whole = beginDeviceRead();
    for (int a = 0; a < Addresses; ++a) {
        quint8 record[PanelMemoryMap::RecordSize];
        if (whole && readDevice(loop, a, record)) {
            fillPointFromConfig(loop, quint8(a), record);
        } else {
            // Nothing is known of this address: no point is filled from a
            // record that was not read.
            whole = false;
            LoopPoint &p = points[loop][a];
            p.clear();
            resetReadings(p);
            p.loop = loop;
            p.address = quint8(a);
        }
    }
    endDeviceRead();
    return whole;
}

void USBDataReader::fillPointFromConfig(quint8 loop, quint8 address, const quint8 *record)
{
    if (!isPoint(loop, address))
        return;
    using namespace ElementRecordLayout;
    LoopPoint &p = points[loop][address];
    p.loop = loop;
    p.address = address;
    p.type = record[TypeByte];
    p.subtype = record[CodeByte] & 0x3F;
    resetReadings(p);
    p.zone = record[ZoneByte];
    p.description = PanelCharsetTable::decode(reinterpret_cast<const char *>(record + DescriptionByte),
                                              DescriptionSize);
    p.configByte28 = record[FlagsByte];
    p.enabledByte = record[ModeByte];
    if (record[ModeByte] == 0)
        p.state |= PointState::Disabled;
    else if (record[ModeByte] != 1)
        p.state |= PointState::EnableOther;
}

bool USBDataReader::explorePoint(quint8 loop, quint8 address)
{
    if (!isPoint(loop, address) || !exchange({CmdExplorePoint, loop, address}, 4))
        return false;
    LoopPoint &p = points[loop][address];
    const quint8 result = m_buffer[1];
    const quint8 device = m_buffer[2];
    switch (result) {
    case 0:
        p.subtype = m_buffer[3] & 0x3F;
        p.detectedType = device;
        if (p.type == 0) {
            p.type = device;
            p.state = PointState::NotConfigured;
            p.loop = loop;
            p.address = address;
            resetReadings(p);
        } else if (p.state == 0) {
            p.state = device == p.type ? PointState::DeviceOk : PointState::WrongDevice;
        }
        break;
    case 1:
    case 3:
        if (p.type != 0) {
            p.state = PointState::Missing;
            p.detectedType = 0;
        }
        break;
    case 2:
        p.state = PointState::Duplicated;
        break;
    default:
        break;
    }
    return true;
}

bool USBDataReader::readPointCounters(quint8 loop, quint8 address)
{
    if (!isPoint(loop, address) || !exchange({CmdPointCounters, loop, address}, 7))
        return false;
    LoopPoint &p = points[loop][address];
    if (m_buffer[3] == 0) {
        p.version = m_buffer[4];
        p.alarms = m_buffer[5];
        p.faults = m_buffer[6];
    } else if (m_buffer[3] == 1) {
        p.version = 0;
    }
    return true;
}

bool USBDataReader::pollPoint(quint8 loop, quint8 address, quint8 mode, bool count)
{
    if (!isPoint(loop, address) || !exchange({CmdPollPoint, loop, address, mode}, 3))
        return false;

    LoopPoint &p = points[loop][address];
    const quint8 status = m_buffer[0];
    const quint8 value = m_buffer[1];
    const quint8 second = m_buffer[2];
    if (mode != 0) {
        const quint8 previous = quint8(p.normalizedValue & 0xFF);
        p.normalizedValue = value;
        // Only a valid reading may raise an alarm, maintenance or fault bit.
        if (status == 0)
            evaluateStatus(p, value, previous);
    } else {
        p.absoluteValue = p.type == LoopPoint::OpticalHeat ? second : value;
        if (status == 0) {
            if (p.maxValue == -1) {
                p.maxValue = p.absoluteValue;
                p.minValue = p.absoluteValue;
            } else {
                p.maxValue = qMax(p.maxValue, p.absoluteValue);
                p.minValue = qMin(p.minValue, p.absoluteValue);
            }
        }
    }
    if (count)
        ++p.comm;
    if (status != 0) {
        if (count)
            ++p.error;
        if (mode != 0) {
            p.normalizedValue = -1;
            if (p.type == LoopPoint::OpticalHeat)
                p.secondValue = -1;
        } else {
            p.absoluteValue = -1;
        }
    }
    if (count) {
        p.percent = p.comm == 0 ? 0.0f : float(p.comm - p.error) / float(p.comm) * 100.0f;
        if (historyEnabled)
            history.append(loop, address, p.normalizedValue, p.absoluteValue, p.secondValue);
    }
    return true;
}

bool USBDataReader::readPointParam(quint8 loop, quint8 address, quint8 parameter, quint8 &value)
{
    if (!isPoint(loop, address) || !exchange({CmdReadPointParam, loop, address, parameter}, 2))
        return false;
    if (m_buffer[0] == 0)
        value = m_buffer[1];
    else if (m_buffer[0] == 1)
        value = 0;
    return true;
}

bool USBDataReader::writePointParam(quint8 loop, quint8 address, quint8 parameter, quint8 value)
{
    return isPoint(loop, address) && exchange({CmdWritePointParam, loop, address, parameter, value}, 1)
           && m_buffer[0] == 0;
}

bool USBDataReader::setPointAlarm(quint8 loop, quint8 address)
{
    if (!isPoint(loop, address) || !exchange({CmdPointAlarm, loop, address}, 0))
        return false;
    points[loop][address].actions |= 0x10;
    return true;
}

bool USBDataReader::setPointOutput(quint8 loop, quint8 address, quint8 on)
{
    if (!isPoint(loop, address) || !exchange({CmdPointOutput, loop, address, on}, 1) || m_buffer[0] == 0)
        return false;
    LoopPoint &p = points[loop][address];
    p.actions = quint8((p.actions & 0x0F) | (on != 0 ? 0x10 : 0x00));
    return true;
}

bool USBDataReader::setPointLed(quint8 loop, quint8 address, quint8 mode)
{
    if (!isPoint(loop, address) || !exchange({CmdPointLed, loop, address, mode}, 1) || m_buffer[0] == 0)
        return false;
    LoopPoint &p = points[loop][address];
    p.actions = quint8((p.actions & 0xF0) | (mode & 0x0F));
    return true;
}

bool USBDataReader::sendKey(quint8 key)
{
    return exchange({CmdPanelKey, key}, 0);
}

void USBDataReader::setLogging(bool on, const QString &path)
{
    historyEnabled = on;
    historyPath = path;
}

void USBDataReader::clearHistory(int &progress)
{
    history.clearAll(progress);
}

bool USBDataReader::exportHistory(quint8 loop, const QString &fileName) const
{
    return history.exportFile(loop, fileName);
}

void USBDataReader::evaluateStatus(LoopPoint &p, quint8 v, quint8 previous)
{
    if (p.state == PointState::Disabled || p.state == PointState::NotConfigured || p.type > LoopPoint::LastType)
        return;
    const int diff = int(v) - int(previous);
    switch (p.type) {
    case LoopPoint::Optical:
    case LoopPoint::OpticalHeat:
        if (v >= 100)
            p.state |= PointState::Alarm;
        else if (v >= 51 && v <= 99 && previous > 50 && diff >= -5 && diff <= 5)
            p.state |= PointState::Maintenance;
        break;
    case LoopPoint::Mcp:
    case LoopPoint::Output:
    case LoopPoint::RemoteIndicator:
        if (v == 100)
            p.state |= PointState::Alarm;
        break;
    case LoopPoint::Zone:
        if (v == 1 || v == 2)
            p.state |= PointState::Alarm;
        else if (v == 0 || v == 4 || v == 5)
            p.state |= PointState::Fault;
        break;
    case LoopPoint::Input:
        if (v == 0)
            p.state |= PointState::Alarm;
        else if (v == 2 || v == 3)
            p.state |= PointState::Fault;
        break;
    case LoopPoint::Sounder:
        if (p.subtype == 5) {
            if (v == 2)
                p.state |= PointState::Alarm;
        } else if (p.subtype >= 14 && p.subtype <= 18) {
            if (v == 3)
                p.state |= PointState::Alarm;
            else if (v == 0 || v == 2 || v == 4)
                p.state |= PointState::Fault;
        }
        break;
    case LoopPoint::Beam:
        if (v == 1)
            p.state |= PointState::Alarm;
        else if (v >= 2 && v <= 5)
            p.state |= PointState::Fault;
        break;
    default:
        break;
    }
}

template <typename Term>
int USBDataReader::sumOverLoop(quint8 loop, Term term) const
{
    if (loop >= Loops)
        return 0;
    int n = 0;
    for (const LoopPoint &p : points[loop])
        n += term(p);
    return n;
}

int USBDataReader::totalPolls(quint8 loop) const
{
    return sumOverLoop(loop, [](const LoopPoint &p) { return int(p.comm); });
}

int USBDataReader::totalErrors(quint8 loop) const
{
    return sumOverLoop(loop, [](const LoopPoint &p) { return int(p.error); });
}

int USBDataReader::countByType(quint8 loop, quint8 type) const
{
    return sumOverLoop(loop, [type](const LoopPoint &p) { return p.type == type ? 1 : 0; });
}

int USBDataReader::presentCount(quint8 loop) const
{
    return sumOverLoop(loop, [](const LoopPoint &p) { return p.type != 0 ? 1 : 0; });
}

int USBDataReader::errorPointCount(quint8 loop) const
{
    return sumOverLoop(loop, [](const LoopPoint &p) { return p.error != 0 ? 1 : 0; });
}
