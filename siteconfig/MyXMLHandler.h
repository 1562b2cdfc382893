#ifndef MYXMLHANDLER_H
#define MYXMLHANDLER_H

#include "EventRecord.h"

#include <QStringView>
#include <QXmlStreamAttributes>

#include <memory>

class Facility;
class PanelConfig;
struct LogManeuver;
struct SpecialMode;

// Receives the elements of an XML site file in document order and writes
// what they carry into the target facility at once: each "Panel" becomes a
// new PanelConfig, every other element is recognised by its local name
// wherever it stands and acts on the current panel and indices. At the end
// of a "Panel" its zone states are derived again from its elements.
//
// Nothing is ever written outside the records: a value that has no place
// (loop outside 0..7, address or "Zone" number outside 0..249, a "Device"
// zone that is not a byte, more than 1024 maneuvers, an address of more than
// four pieces, a user or pass longer than its 32-byte field, anything before
// the first "Panel") is skipped.
//
// A "Panel" beyond MaxPanelsPerFile of one file is refused: startElement
// returns false and the read must stop, so a file can never make the reader
// hold more than that many panels.
class MyXMLHandler
{
public:
    // Far above any site (network addresses run 1..32).
    static constexpr int MaxPanelsPerFile = 256;

    // The new panels are appended to `target` in file order, after those it holds.
    explicit MyXMLHandler(Facility *target);
    ~MyXMLHandler();
    MyXMLHandler(const MyXMLHandler &) = delete;
    MyXMLHandler &operator=(const MyXMLHandler &) = delete;

    // False when the read must stop: a "Panel" beyond MaxPanelsPerFile.
    bool startElement(QStringView namespaceURI, QStringView localName, QStringView qName,
                      const QXmlStreamAttributes &atts);
    bool endElement(QStringView namespaceURI, QStringView localName, QStringView qName);

private:
    bool parseElement(QStringView namespaceURI, QStringView localName, QStringView qName,
                      const QXmlStreamAttributes &atts);

    bool readPanel(const QXmlStreamAttributes &atts);
    bool readNetwork(const QXmlStreamAttributes &atts);
    bool readZone(const QXmlStreamAttributes &atts);
    bool readDevice(const QXmlStreamAttributes &atts);
    bool readManeuver(const QXmlStreamAttributes &atts);
    bool readLogManeuver(const QXmlStreamAttributes &atts);
    bool readEvent(QStringView localName, const QXmlStreamAttributes &atts);
    bool readAction(QStringView localName, const QXmlStreamAttributes &atts);
    bool readWebServer(const QXmlStreamAttributes &atts);
    bool readDelayed(const QXmlStreamAttributes &atts);
    bool readDayNight(const QXmlStreamAttributes &atts);
    bool readSensibility(const QXmlStreamAttributes &atts);
    bool readOptoheat(const QXmlStreamAttributes &atts);
    bool readSpecialMode(SpecialMode &mode, const QXmlStreamAttributes &atts);

    PanelConfig *currentPanel() const;
    // Puts the maneuver being read into slot maneuverIndex.
    void storeManeuver(PanelConfig *panel);
    // Hands the open logic event, if any, to the current panel.
    void finishLogicEvent();

    Facility *target;
    int panelIndex = 0;      // "Panel" elements already closed
    int panelsRead = 0;      // "Panel" elements of this file
    int loopIndex = 0;       // "number" of the last "loop" of the current panel
    int maneuverIndex = 0;   // slot the current or next "maneuver" fills
    std::unique_ptr<LogManeuver> logicEvent;   // the logic event being read
    bool inLogicEvent = false;
    EventRecord maneuver;    // both parts of the maneuver being read
};

#endif // MYXMLHANDLER_H
