#pragma once
#include <QString>
#include <QtGlobal>

// The monitor's record of one address of one loop: what the panel's stored
// configuration says is there, what the device answered when explored, the last
// readings of the poll, the communication counters and the user's action bits.
struct LoopPoint {
    // Element type codes as the panel stores them.
    enum Type : quint8 {
        Empty = 0, Optical = 1, Heat = 2, OpticalHeat = 3, Mcp = 4, Zone = 5, Input = 6,
        Output = 7, Sounder = 8, Panel = 9, Gas = 10, RemoteIndicator = 11, Beam = 12,
        Double = 250, FaultType = 251
    };
    static constexpr int LastType = Beam;

    qint32 normalizedValue = 0;   // 0-255; -1 none or failed
    qint32 secondValue = -1;
    quint8 loop = 0;
    quint8 address = 0;
    quint8 type = 0;              // 0 = nothing configured
    quint32 comm = 0;             // counted polls
    quint32 error = 0;            // counted polls answered with a non-zero status
    float percent = 0.0f;         // (comm - error) / comm x 100
    quint8 zone = 0;              // 0-based
    qint32 state = 0;             // PointState bits
    QString description;
    quint8 enabledByte = 0;       // element record: ElementRecordLayout::ModeByte
    quint8 configByte28 = 0;      // element record: ElementRecordLayout::FlagsByte
    quint32 version = 0;          // 0 = not read
    quint32 alarms = 0;
    quint32 faults = 0;
    quint8 subtype = 0;           // hardware subtype, 6 bits
    quint8 detectedType = 0;      // type reported when explored; 0 = none
    quint8 threshold = 0;         // point parameter 2 (types 1 and 3)
    quint8 sensibility = 0;       // point parameter 8 (types 1 and 3)
    qint32 absoluteValue = 0;     // -1 none or failed
    qint32 maxValue = 0;          // highest absolute reading with status 0; -1 none yet
    qint32 minValue = 0;          // lowest absolute reading with status 0; -1 none
    quint8 actions = 0;           // 0x10 fire or output action; low nibble LED mode (2 on)

    // Back to the state of a new connection; secondValue, enabledByte,
    // configByte28, threshold and sensibility are kept.
    void clear();
    // Counters to 0 and the readings normalizedValue, absoluteValue, maxValue and
    // minValue to -1 (none); secondValue is left as it is.
    void resetReadings();

    // The display name of an element type (translation context QObject).
    static QString typeName(int type);
};
