#pragma once
#include "InterfaceRaw.h"
#include "USBPort.h"

// The panel over USB: each operation is one PanelCommand request frame, followed
// at once by the reading of its reply frame where the command has one.
class USBRaw : public InterfaceRaw, public USBPort {
public:
    explicit USBRaw(bool configureOnOpen = true);

    bool open() override;
    bool close() override;
    bool readInfo(QByteArray &info) override;
    bool readPage(quint16 page, quint8 buffer[PanelLink::PageSize]) override;
    bool writePage(quint16 page, const quint8 buffer[PanelLink::PageSize]) override;
    bool setDateTime(const quint8 dateTime[PanelLink::DateTimeSize]) override;
    bool finishUpload() override;
    bool readLogCount(PanelLogType log, quint16 &count) override;
    bool readLogLine(quint8 line[PanelLink::LogLineSize]) override;

private:
    bool send(quint16 length);
    // Reads a reply that must be exactly `expected` bytes long.
    bool receiveExact(quint8 *buffer, quint16 expected);

    quint8 m_request[PanelLink::WritePageRequestSize] = {};
};
