#pragma once

#include "EventRecord.h"
#include "LogManeuver.h"

#include <QByteArray>
#include <QIcon>
#include <QPoint>
#include <QString>

#include <memory>

class Facility;
class PanelConfig;
class QTreeWidget;
class QTreeWidgetItem;

// A small site for the event editor tests, and ways to reach its tree items and
// compare its records byte for byte.
namespace EditorSite {

// Three panels:
//  0 "North", address 1: optical L1/1 zone 3 "HALL", MCP L1/5 zone 5, output
//    L2/10 zone 5 "RELAY", sounder L2/11 zone 6, heat L4/1 zone 5;
//  1 "South", address 3: optical L1/1 zone 1, sounder L1/2 zone 1;
//  2 "East", address 5: input L3/6 zone 8, output L3/7 zone 8.
// Zones 3 and 5 of North are named "Entrance" and "Stairs".
std::unique_ptr<Facility> threePanels();
// `count` panels "Panel n" with addresses 1..count, each with an optical L1/1
// zone 1 and an output L1/2 zone 1.
std::unique_ptr<Facility> panels(int count);

void addDevice(PanelConfig &panel, int loop, int address, int type, int zone,
               const QString &description = QString());

EventRecord maneuver(int causeScope, int causeFirst, int causeLast, int effectScope,
                     int effectFirst, int effectLast, int act = 0, int delay = 0, int matches = 1,
                     int remote = 0, int event = 0);
LogicEventTerm condition(int scope, int first, int last, int event = 0, int panel = 0);

// The 24 stored bytes of one record; of a whole panel's slots with the count;
// of a panel's logic maneuvers.
QByteArray bytes(const EventRecord &record);
QByteArray bytes(const LogManeuver &maneuver);
QByteArray maneuverBytes(const PanelConfig &panel);
QByteArray logicBytes(const PanelConfig &panel);

// Tree items by what they stand for; null when not listed.
QTreeWidgetItem *panelItem(QTreeWidget *tree, int panel);
QTreeWidgetItem *deviceItem(QTreeWidget *tree, int panel, int loop, int address);
QTreeWidgetItem *zoneItem(QTreeWidget *tree, int panel, int zone);
QTreeWidgetItem *loopItem(QTreeWidget *tree, int panel, int loop);
// The centre of an item in its tree's viewport, scrolled into view first.
QPoint centreOf(QTreeWidgetItem *item);
// Every item text of a tree, depth first, indented by level.
QString outline(QTreeWidget *tree);
bool iconIs(const QIcon &icon, const QString &path);

} // namespace EditorSite
