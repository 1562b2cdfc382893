#ifndef FILEXML_H
#define FILEXML_H

#include "EventRecord.h"
#include "LogicEventTerm.h"

#include <QString>

struct DeviceRecord;
class Facility;
class PanelConfig;
class QXmlStreamWriter;
struct LogManeuver;
struct SpecialMode;

// The XML site file: every panel of a facility with its settings, elements,
// named zones, maneuvers and logic events. Every value travels in an
// attribute, numbers in decimal, loops, addresses and zones 0-based.
//
// Beyond the original attributes the writer stores the panel's LED-toggling
// bytes on "Panel" ("ledFromDay" .. "ledToggling") and the web server's whole
// options byte as "options" on an enabled "WebServer", and on a logic event's
// condition the panel byte of its element as "panel" where it is not 0; the
// reader takes them when present, so files without them read as before (a
// condition without "panel" has the byte 0). A cause or effect whose
// non-zero scope has no element of its own is written in the loop scope's
// element with its own "id_blk", which any reader takes as the scope.
class FileXML
{
public:
    // The configuration program's version text, written as "Version".
    static constexpr const char *ProgramVersion = "v2.32";

    explicit FileXML(Facility *facility);

    // Writes the whole kept site through a save file: true only when every
    // byte reached the disk. On failure the previous file stays as it was.
    bool writeXml(const QString &fileName);

    // Reads a site file into `target`, which must be empty. False when the
    // file cannot be opened or is not well-formed; a document type declaration,
    // a document element other than "CONFIG" and a "Panel" past
    // MyXMLHandler::MaxPanelsPerFile count as not well-formed. What was read
    // before the first error stays in `target`.
    bool readXml(const QString &fileName, Facility *target);

    // "192.168.1.10" from the four bytes, first byte first.
    static QString ipToString(const unsigned char *bytes);

    // The text without the characters XML 1.0 cannot carry (control
    // characters other than tab, line feed and carriage return, unpaired
    // surrogates, U+FFFE and U+FFFF).
    static QString xmlSafe(const QString &text);

    // The cause and effect element of one scope and the attributes that
    // carry its first and last byte ("i_loop" / "f_loop" and the like); the
    // panel scope has none. The one list of these names for writer and reader.
    struct ScopeElement
    {
        int scope;
        QString event;    // "PanelEvent", "LoopEvent", "ZoneEvent", "DeviceEvent"
        QString action;   // "PanelAction", ...
        QString first;    // empty for the panel scope
        QString last;
    };
    // The entry of a cause or effect scope; null for a scope without element.
    static const ScopeElement *scopeElement(int scope);
    // The entry whose cause or effect element has this name; null for others.
    static const ScopeElement *scopeElement(QStringView elementName);

private:
    void writeInstallation(const Facility &facility);
    void writePanel(const PanelConfig &panel);
    void writePanelInfo(const PanelConfig &panel);
    void writeNetwork(const PanelConfig &panel);
    void writeWebServer(const PanelConfig &panel);
    void writeSpecialModes(const PanelConfig &panel);
    void writeModeAttributes(const SpecialMode &mode);
    void writeDayNight(const SpecialMode &mode);
    void writeSensibility(const SpecialMode &mode);
    void writeOptoheat(const SpecialMode &mode);
    void writeDelayed(const SpecialMode &mode, unsigned short delay1, unsigned short delay2);
    void writeLoop(const PanelConfig &panel, int loop);
    void writeDevice(const DeviceRecord &device);
    void writeZones(const PanelConfig &panel);
    void writeManeuvers(const PanelConfig &panel);
    void writeLogManeuvers(const PanelConfig &panel);
    // False when the scope has no element (a free slot): nothing written.
    bool writeEvent(const EventRecord::Cause &cause);
    void writeCondition(const LogicEventTerm &condition);
    void writeAction(const EventRecord::Effect &effect);

    void writeNumber(const QString &name, int value);
    void writeText(const QString &name, const QString &value);

    Facility *facility;
    QXmlStreamWriter *xml = nullptr;   // only during writeXml
};

#endif // FILEXML_H
