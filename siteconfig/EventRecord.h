#ifndef EVENTRECORD_H
#define EVENTRECORD_H

#include <QString>

#include <cstdint>

class Facility;

// One maneuver slot: a cause part of 8 bytes and an effect part of 16 bytes,
// each laid out byte for byte as the panel stores it. The 16-bit delay is held
// in host order; the page cache swaps it to and from the panel's big-endian form.
// Copies always move both parts whole, spare bytes included.
struct EventRecord
{
    enum Scope : unsigned char {
        ScopeFree = 0,
        ScopePanel = 1,
        ScopeLoop = 2,
        ScopeZone = 4,
        ScopeElement = 5,
    };

    struct Cause
    {
        unsigned char id_blk = 0;   // scope: 0 slot free, 1 panel, 2 loop, 4 zone, 5 element
        unsigned char spare1 = 0;   // 0 in a slot; in a logic condition the panel index of its element
        unsigned char event = 0;    // event code, meaning by scope
        unsigned char spare3 = 0;
        unsigned char first = 0;    // first loop / first zone / loop of the element
        unsigned char last = 0;     // last loop / last zone / address of the element
        unsigned char spare6[2] = {0, 0};

        void fromWire(const unsigned char *bytes);   // 8 bytes
        void toWire(unsigned char *bytes) const;     // 8 bytes
    };

    struct Effect
    {
        unsigned char id_blk = 0;   // scope: 1 panel, 2 loop, 4 zone, 5 element
        unsigned char id_panel = 0; // 0 this panel, n remote panel with network address n
        std::uint16_t delay = 0;    // seconds
        unsigned char act = 0;      // action code, meaning by scope
        unsigned char matches = 0;  // coincidences required
        unsigned char spare6[6] = {0, 0, 0, 0, 0, 0};
        unsigned char first = 0;
        unsigned char last = 0;
        unsigned char spare14[2] = {0, 0};

        void fromWire(const unsigned char *bytes);   // 16 bytes
        void toWire(unsigned char *bytes) const;     // 16 bytes
    };

    static constexpr int CauseSize = 8;
    static constexpr int EffectSize = 16;

    Cause cause;
    Effect effect;

    bool isEmpty() const { return cause.id_blk == ScopeFree; }

    // Readable texts (EventTexts.cpp). The cause text of any 8-byte cause part.
    static QString eventText(const Cause &cause);
    QString ownEventText() const;
    // The effect text; a remote panel is named through the site's
    // Facility::panelName, or shown by its address without a site.
    QString describe(const Facility *site = nullptr) const;
    QString eventLine() const;          // "EMPTY" for a free slot, else "event: " + cause
    QString actionLine() const;         // "EMPTY" for a free slot, else "action: " + effect
    QString actionTextOrEmpty() const;  // "EMPTY" for a free slot, else the effect text
    QString maneuverLine() const;       // "EMPTY", else "event: ...  >>>  action: ..."

    // Element action list positions (on, off, evacuation, on without reset)
    // and the action codes 0, 1, 2, 5.
    static int actionCodeForIndex(int index);
    static int actionCodeForDeviceIndex(int code);
};

static_assert(sizeof(EventRecord::Cause) == EventRecord::CauseSize, "cause part is 8 bytes");
static_assert(sizeof(EventRecord::Effect) == EventRecord::EffectSize, "effect part is 16 bytes");

#endif // EVENTRECORD_H
