#ifndef ZONERECORD_H
#define ZONERECORD_H

#include <QString>

// One zone of a panel.
struct ZoneRecord
{
    QString description;          // zone name, "" when none
    int number = 0;               // zone index 0..249
    unsigned char actionUse = 0;  // some event slot's effect is this zone
    unsigned char eventUse = 0;   // some event slot's cause is this zone
    unsigned char hasDevices = 0; // some element is in this zone (derived)
    int state = 0;                // 0 enabled, 1 disabled, 2 in test (derived)
};

#endif // ZONERECORD_H
