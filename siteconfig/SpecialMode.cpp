#include "SpecialMode.h"

void SpecialMode::fromWire(const unsigned char *bytes)
{
    startDay = bytes[0];
    endDay = bytes[1];
    startHour = bytes[2];
    startMinute = bytes[3];
    endHour = bytes[4];
    endMinute = bytes[5];
    startZone = bytes[6];
    endZone = bytes[7];
    mode = bytes[8];
    spare = bytes[9];
}

void SpecialMode::toWire(unsigned char *bytes) const
{
    bytes[0] = startDay;
    bytes[1] = endDay;
    bytes[2] = startHour;
    bytes[3] = startMinute;
    bytes[4] = endHour;
    bytes[5] = endMinute;
    bytes[6] = startZone;
    bytes[7] = endZone;
    bytes[8] = mode;
    bytes[9] = spare;
}
