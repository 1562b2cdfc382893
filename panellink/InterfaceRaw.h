#pragma once
#include "PanelCommand.h"

#include <QByteArray>
#include <QtGlobal>

// The transport through which the configuration program reaches a panel's memory:
// the panel itself over USB (USBRaw) or a ".conf" memory image (FileRaw).
// Every operation reports success by its result only.
class InterfaceRaw {
public:
    virtual ~InterfaceRaw() = default;

    virtual bool open() = 0;
    virtual bool close() = 0;
    // The panel's information reply, exactly the bytes the panel sent.
    virtual bool readInfo(QByteArray &info);
    virtual bool readPage(quint16 page, quint8 buffer[PanelLink::PageSize]) = 0;
    virtual bool writePage(quint16 page, const quint8 buffer[PanelLink::PageSize]) = 0;
    // second, minute, hour, 1, day, month, year % 100 (plain values).
    virtual bool setDateTime(const quint8 dateTime[PanelLink::DateTimeSize]);
    virtual bool finishUpload();
    virtual bool readLogCount(PanelLogType log, quint16 &count);
    virtual bool readLogLine(quint8 line[PanelLink::LogLineSize]);

    // Factories; the caller owns the result.
    static InterfaceRaw *createUsb();
    // A ".conf" image to export into / import from, chosen in a file dialog. The
    // link is returned also when no file was chosen (opening it then fails).
    static InterfaceRaw *createFileWriter();
    static InterfaceRaw *createFileReader();

protected:
    InterfaceRaw() = default;
};
