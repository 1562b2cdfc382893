#include "USBRaw.h"
#include "PanelFrame.h"

#include <cstring>
#include <vector>

USBRaw::USBRaw(bool configureOnOpen)
    : USBPort(configureOnOpen)
{
}

bool USBRaw::open()
{
    return USBPort::open();
}

bool USBRaw::close()
{
    return USBPort::close();
}

bool USBRaw::send(quint16 length)
{
    return writeFrame(m_request, length);
}

bool USBRaw::receiveExact(quint8 *buffer, quint16 expected)
{
    quint16 length = 0;
    return readFrame(buffer, expected, length) && length == expected;
}

bool USBRaw::readInfo(QByteArray &info)
{
    m_request[0] = CmdReadInfo;
    if (!send(1))
        return false;
    std::vector<quint8> reply(PanelFrame::MaxPayload);
    quint16 length = 0;
    if (!readFrame(reply.data(), PanelFrame::MaxPayload, length))
        return false;
    info = QByteArray(reinterpret_cast<const char *>(reply.data()), length);
    return true;
}

bool USBRaw::readPage(quint16 page, quint8 *buffer)
{
    m_request[0] = CmdReadPage;
    m_request[1] = quint8(page >> 8);
    m_request[2] = quint8(page & 0xFF);
    return send(3) && receiveExact(buffer, PanelLink::PageSize);
}

bool USBRaw::writePage(quint16 page, const quint8 *buffer)
{
    m_request[0] = CmdWritePage;
    m_request[1] = quint8(page >> 8);
    m_request[2] = quint8(page & 0xFF);
    std::memcpy(m_request + 3, buffer, PanelLink::PageSize);
    return send(PanelLink::WritePageRequestSize);
}

bool USBRaw::setDateTime(const quint8 *dateTime)
{
    m_request[0] = CmdSetDateTime;
    m_request[1] = 0;
    std::memcpy(m_request + 2, dateTime, PanelLink::DateTimeSize);
    return send(2 + PanelLink::DateTimeSize);
}

bool USBRaw::finishUpload()
{
    m_request[0] = CmdFinishUpload;
    return send(1);
}

bool USBRaw::readLogCount(PanelLogType log, quint16 &count)
{
    m_request[0] = CmdReadLogCount;
    m_request[1] = quint8(log);
    quint8 reply[2];
    if (!send(2) || !receiveExact(reply, 2))
        return false;
    count = quint16((reply[0] << 8) | reply[1]);
    return true;
}

bool USBRaw::readLogLine(quint8 *line)
{
    m_request[0] = CmdReadLogLine;
    return send(1) && receiveExact(line, PanelLink::LogLineSize);
}
