#include "InterfaceRaw.h"
#include "FileRaw.h"
#include "USBRaw.h"

bool InterfaceRaw::readInfo(QByteArray &info)
{
    info = QByteArrayLiteral("012");
    return true;
}

bool InterfaceRaw::setDateTime(const quint8 *)
{
    return true;
}

bool InterfaceRaw::finishUpload()
{
    return true;
}

bool InterfaceRaw::readLogCount(PanelLogType, quint16 &count)
{
    count = 0;
    return true;
}

bool InterfaceRaw::readLogLine(quint8 *)
{
    return true;
}

InterfaceRaw *InterfaceRaw::createUsb()
{
    return new USBRaw;
}

InterfaceRaw *InterfaceRaw::createFileWriter()
{
    auto *file = new FileRaw;
    file->chooseSaveFile();
    return file;
}

InterfaceRaw *InterfaceRaw::createFileReader()
{
    auto *file = new FileRaw;
    file->chooseOpenFile();
    return file;
}
