#include "Facility.h"

#include "PanelConfig.h"

Facility::Facility(QObject *parent)
    : QObject(parent)
{
}

Facility::~Facility()
{
    for (PanelConfig *panel : panels)
        delete panel;
    panels.clear();
}

PanelConfig *Facility::getPanel(int index) const
{
    if (panels.isEmpty() || index < 0 || index > panels.size())
        return nullptr;
    if (index == panels.size())
        return panels.last();
    return panels.at(index);
}

int Facility::panelCount() const
{
    return int(panels.size());
}

int Facility::addPanel(PanelConfig *panel)
{
    if (panel && !panels.contains(panel))
        panels.append(panel);
    return 0;
}

void Facility::removePanel(int index)
{
    if (index < 0 || index >= panels.size())
        return;
    delete panels.takeAt(index);
}

QStringList Facility::panelNames() const
{
    QStringList names;
    for (const PanelConfig *panel : panels)
        names << panel->name();
    return names;
}

bool Facility::panelNameExists(const QString &name) const
{
    for (const PanelConfig *panel : panels) {
        if (panel->name() == name)
            return true;
    }
    return false;
}

PanelConfig *Facility::findPanelByAddress(int address) const
{
    for (PanelConfig *panel : panels) {
        if (panel->address == address)
            return panel;
    }
    return nullptr;
}

QString Facility::panelName(int address) const
{
    if (const PanelConfig *panel = findPanelByAddress(address))
        return panel->name();
    return QStringLiteral("Panel with address ") + QString::number(address);
}

namespace {

// The use flags one side of a maneuver (its cause or its effect) sets.
struct UseFlags
{
    unsigned char PanelConfig::*panel;
    unsigned char (PanelConfig::*loops)[PanelConfig::LoopCount];
    unsigned char ZoneRecord::*zone;
    unsigned char DeviceRecord::*device;
};

constexpr UseFlags EventUseFlags = {&PanelConfig::panelEventUse, &PanelConfig::loopEventUse,
                                    &ZoneRecord::eventUse, &DeviceRecord::eventUse};
constexpr UseFlags ActionUseFlags = {&PanelConfig::panelActionUse, &PanelConfig::loopActionUse,
                                     &ZoneRecord::actionUse, &DeviceRecord::actionUse};

// Sets the flag of the target named by scope and its first and last bytes.
// Of a loop or zone range only the first is marked; an element only when
// its address holds one. Bytes outside the panel mark nothing.
void markTarget(PanelConfig &panel, const UseFlags &flags, int scope, int first, int last)
{
    switch (scope) {
    case EventRecord::ScopePanel:
        panel.*flags.panel = 1;
        break;
    case EventRecord::ScopeLoop:
        if (first < PanelConfig::LoopCount)
            (panel.*flags.loops)[first] = 1;
        break;
    case EventRecord::ScopeZone:
        if (ZoneRecord *zone = panel.zoneAt(first))
            zone->*flags.zone = 1;
        break;
    case EventRecord::ScopeElement:
        if (DeviceRecord *device = panel.deviceAt(first, last); device && device->type != 0)
            device->*flags.device = 1;
        break;
    default:
        break;
    }
}

} // namespace

int Facility::markManeuverUse(int panelIndex, int slot)
{
    if (panelIndex < 0 || panelIndex >= panels.size())
        return 0;
    PanelConfig *panel = panels.at(panelIndex);
    const EventRecord *record = panel->eventAt(slot);
    if (!record)
        return 0;

    const EventRecord::Cause &cause = record->cause;
    markTarget(*panel, EventUseFlags, cause.id_blk, cause.first, cause.last);
    const EventRecord::Effect &effect = record->effect;
    if (effect.id_panel == 0)   // else the effect is on a remote panel
        markTarget(*panel, ActionUseFlags, effect.id_blk, effect.first, effect.last);
    return 0;
}

int Facility::markUsedElements()
{
    for (int i = 0; i < panels.size(); ++i) {
        PanelConfig *panel = panels.at(i);
        panel->clearUseFlags();
        for (int slot = 0; slot < panel->eventCount(); ++slot)
            markManeuverUse(i, slot);
    }
    return 0;
}
