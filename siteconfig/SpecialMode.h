#ifndef SPECIALMODE_H
#define SPECIALMODE_H

// One special mode of a panel (10 bytes on the panel, in this order).
// Bit 0x80 of `mode` enables the mode; the low bits hold its setting.
struct SpecialMode
{
    static constexpr int WireSize = 10;
    static constexpr unsigned char Enabled = 0x80;

    unsigned char startDay = 0;     // 1 Monday .. 7 Sunday
    unsigned char endDay = 0;
    unsigned char startHour = 0;
    unsigned char startMinute = 0;
    unsigned char endHour = 0;
    unsigned char endMinute = 0;
    unsigned char startZone = 0;    // 0-based
    unsigned char endZone = 0;      // 0-based
    unsigned char mode = 0;
    unsigned char spare = 0;

    void fromWire(const unsigned char *bytes);   // 10 bytes
    void toWire(unsigned char *bytes) const;     // 10 bytes
};

#endif // SPECIALMODE_H
