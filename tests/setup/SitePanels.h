#pragma once
#include <QString>
#include <QStringList>
#include <memory>

class PanelConfig;

// Panels for the transfer tests and the field-by-field comparison of what a
// transfer carries.
namespace SitePanels {
// Every section filled: elements on all loops, Cyrillic descriptions, zones,
// `events` used slots, logic events (one with 12 conditions), identity, system
// page, serial ports and web server.
std::unique_ptr<PanelConfig> richPanel(int events = 100);
// Every address, zone, event slot and logic event (with 10 conditions) used.
std::unique_ptr<PanelConfig> fullPanel();
// The differences between two panels in what the panel's memory carries.
QStringList differences(const PanelConfig &a, const PanelConfig &b);
}
