#ifndef DEVICERECORD_H
#define DEVICERECORD_H

#include <QIcon>
#include <QString>
#include <QStringList>

// One loop address of a panel. The hardware code `ext_type` holds the model in
// bits 0-5 and the position within a multi-address module in bits 6-7
// (00 single-address model, 01 first, 10 middle, 11 last address).
struct DeviceRecord
{
    unsigned char loop = 0;       // 0..7, the record's loop
    unsigned char address = 0;    // 0..249, the record's place in the loop
    unsigned char type = 0;       // element type 0..12, 0 = no element
    unsigned char ext_type = 0;   // hardware code
    unsigned char zone = 0;       // zone index 0..249
    unsigned char mode = 0;       // 1 enabled, 0 disabled, 2 in test
    unsigned char flags = 0;      // 0x40 Tech (inputs), 0x04 Sound (outputs)
    QString description;
    unsigned char actionUse = 0;  // some event slot's effect is this element
    unsigned char eventUse = 0;   // some event slot's cause is this element

    enum : unsigned char {
        FlagTech = 0x40,
        FlagSound = 0x04,
    };

    // Parts of the hardware code
    enum : unsigned char {
        ModelMask = 0x3F,
        PositionMask = 0xC0,
        PositionFirst = 0x40,
        PositionMiddle = 0x80,
        PositionLast = 0xC0,
    };

    // Codes and modules
    static int moduleAddressCount(int code);
    static int channelType(int code, int channel);
    static int codeForChannel(int code, int channel);
    static bool isValidType(int type);
    static bool isInputType(int type);
    static bool isOutputOnlyType(int type);
    bool isModulePart() const;
    bool isFirstAddress() const;
    bool isLastAddress() const;
    bool isEventSourceType() const;
    bool isOutputType() const;

    // Texts
    static QString classNameForType(int type);
    QString classNames() const;
    QString typeName() const;
    static QStringList modelNames();
    QString defaultDescription() const;
    QString zoneText() const;
    QString zoneDisplayText() const;
    QString addressText() const;
    QString addressDisplayText() const;
    QString loopText() const;
    QString loopDisplayText() const;

    // Icons
    static QString iconBaseName(int type);   // empty for type 0 and above 12
    QIcon icon(bool faint = false) const;
    QIcon treeIcon(bool effectTree) const;
};

#endif // DEVICERECORD_H
