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

int Facility::markManeuverUse(int panelIndex, int slot)
{
    if (panelIndex < 0 || panelIndex >= panels.size())
        return 0;
    PanelConfig *panel = panels.at(panelIndex);
    const EventRecord *record = panel->eventAt(slot);
    if (!record)
        return 0;

    const EventRecord::Cause &cause = record->cause;
    switch (cause.id_blk) {
    case EventRecord::ScopePanel:
        panel->panelEventUse = 1;
        break;
    case EventRecord::ScopeLoop:
        if (cause.first < PanelConfig::LoopCount)
            panel->loopEventUse[cause.first] = 1;
        break;
    case EventRecord::ScopeZone:
        if (ZoneRecord *zone = panel->zoneAt(cause.first))
            zone->eventUse = 1;
        break;
    case EventRecord::ScopeElement: {
        DeviceRecord *device = panel->deviceAt(cause.first, cause.last);
        if (device && device->type != 0)
            device->eventUse = 1;
        break;
    }
    default:
        break;
    }

    const EventRecord::Effect &effect = record->effect;
    if (effect.id_panel != 0)
        return 0;   // the effect is on a remote panel
    switch (effect.id_blk) {
    case EventRecord::ScopePanel:
        panel->panelActionUse = 1;
        break;
    case EventRecord::ScopeLoop:
        if (effect.first < PanelConfig::LoopCount)
            panel->loopActionUse[effect.first] = 1;
        break;
    case EventRecord::ScopeZone:
        if (ZoneRecord *zone = panel->zoneAt(effect.first))
            zone->actionUse = 1;
        break;
    case EventRecord::ScopeElement: {
        DeviceRecord *device = panel->deviceAt(effect.first, effect.last);
        if (device && device->type != 0)
            device->actionUse = 1;
        break;
    }
    default:
        break;
    }
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
