#include "EditorSite.h"

#include "Facility.h"
#include "PanelConfig.h"

#include <QImage>
#include <QTreeWidget>

namespace EditorSite {

void addDevice(PanelConfig &panel, int loop, int address, int type, int zone, const QString &description)
{
    DeviceRecord *d = panel.deviceAt(loop, address);
    d->type = static_cast<unsigned char>(type);
    d->ext_type = static_cast<unsigned char>(type);
    d->zone = static_cast<unsigned char>(zone);
    d->mode = 1;
    d->description = description.isEmpty() ? d->defaultDescription() : description;
}

static PanelConfig *newPanel(const QString &name, int address)
{
    auto *p = new PanelConfig;
    p->setName(name);
    p->address = address;
    p->version = QStringLiteral("-.--");
    return p;
}

std::unique_ptr<Facility> threePanels()
{
    auto site = std::make_unique<Facility>();
    PanelConfig *north = newPanel(QStringLiteral("North"), 1);
    addDevice(*north, 0, 0, 1, 2, QStringLiteral("HALL"));
    addDevice(*north, 0, 4, 4, 4);
    addDevice(*north, 1, 9, 7, 4, QStringLiteral("RELAY"));
    addDevice(*north, 1, 10, 8, 5);
    addDevice(*north, 3, 0, 2, 4);
    north->zoneNameAt(2) = QStringLiteral("Entrance");
    north->zoneNameAt(4) = QStringLiteral("Stairs");
    site->addPanel(north);

    PanelConfig *south = newPanel(QStringLiteral("South"), 3);
    addDevice(*south, 0, 0, 1, 0);
    addDevice(*south, 0, 1, 8, 0);
    site->addPanel(south);

    PanelConfig *east = newPanel(QStringLiteral("East"), 5);
    addDevice(*east, 2, 5, 6, 7);
    addDevice(*east, 2, 6, 7, 7);
    site->addPanel(east);
    return site;
}

std::unique_ptr<Facility> panels(int count)
{
    auto site = std::make_unique<Facility>();
    for (int i = 0; i < count; ++i) {
        PanelConfig *p = newPanel(QStringLiteral("Panel %1").arg(i + 1), i + 1);
        addDevice(*p, 0, 0, 1, 0);
        addDevice(*p, 0, 1, 7, 0);
        site->addPanel(p);
    }
    return site;
}

EventRecord maneuver(int causeScope, int causeFirst, int causeLast, int effectScope, int effectFirst,
                     int effectLast, int act, int delay, int matches, int remote, int event)
{
    EventRecord r;
    r.cause.id_blk = static_cast<unsigned char>(causeScope);
    r.cause.event = static_cast<unsigned char>(event);
    r.cause.first = static_cast<unsigned char>(causeFirst);
    r.cause.last = static_cast<unsigned char>(causeLast);
    r.effect.id_blk = static_cast<unsigned char>(effectScope);
    r.effect.id_panel = static_cast<unsigned char>(remote);
    r.effect.delay = static_cast<std::uint16_t>(delay);
    r.effect.act = static_cast<unsigned char>(act);
    r.effect.matches = static_cast<unsigned char>(matches);
    r.effect.first = static_cast<unsigned char>(effectFirst);
    r.effect.last = static_cast<unsigned char>(effectLast);
    return r;
}

LogicEventTerm condition(int scope, int first, int last, int event, int panel)
{
    LogicEventTerm t;
    t.id_blk = static_cast<unsigned char>(scope);
    t.spare1 = static_cast<unsigned char>(panel);
    t.event = static_cast<unsigned char>(event);
    t.first = static_cast<unsigned char>(first);
    t.last = static_cast<unsigned char>(last);
    return t;
}

QByteArray bytes(const EventRecord &record)
{
    QByteArray out(EventRecord::CauseSize + EventRecord::EffectSize, '\0');
    auto *data = reinterpret_cast<unsigned char *>(out.data());
    record.cause.toWire(data);
    record.effect.toWire(data + EventRecord::CauseSize);
    return out;
}

QByteArray bytes(const LogManeuver &maneuver)
{
    QByteArray out(EventRecord::EffectSize, '\0');
    maneuver.record.effect.toWire(reinterpret_cast<unsigned char *>(out.data()));
    for (const LogicEventTerm &t : maneuver.conditions) {
        QByteArray term(EventRecord::CauseSize, '\0');
        t.toWire(reinterpret_cast<unsigned char *>(term.data()));
        out += term;
    }
    return out;
}

QByteArray maneuverBytes(const PanelConfig &panel)
{
    QByteArray out = QByteArray::number(panel.eventCount()) + ':';
    for (int slot = 0; slot < PanelConfig::EventSlotCount; ++slot) {
        if (const EventRecord *r = panel.eventAt(slot))
            out += bytes(*r);
    }
    return out;
}

QByteArray logicBytes(const PanelConfig &panel)
{
    QByteArray out = QByteArray::number(panel.logicEventCount()) + ':';
    for (int k = 0; k < panel.logicEventCount(); ++k)
        out += QByteArray::number(panel.logicEventAt(k)->conditions.size()) + '/' + bytes(*panel.logicEventAt(k));
    return out;
}

QTreeWidgetItem *panelItem(QTreeWidget *tree, int panel)
{
    return tree->topLevelItem(panel);
}

QTreeWidgetItem *deviceItem(QTreeWidget *tree, int panel, int loop, int address)
{
    QTreeWidgetItem *top = panelItem(tree, panel);
    if (!top)
        return nullptr;
    QTreeWidgetItem *devices = top->child(0);
    for (int n = 0; n < devices->childCount(); ++n) {
        QTreeWidgetItem *node = devices->child(n);
        if (node->type() != loop)
            continue;
        for (int d = 0; d < node->childCount(); ++d) {
            if (node->child(d)->type() == 0x1000 + address)
                return node->child(d);
        }
    }
    return nullptr;
}

static QTreeWidgetItem *groupChild(QTreeWidget *tree, int panel, int group, int code)
{
    QTreeWidgetItem *top = panelItem(tree, panel);
    if (!top)
        return nullptr;
    QTreeWidgetItem *g = top->child(group);
    for (int i = 0; i < g->childCount(); ++i) {
        if (g->child(i)->type() == code)
            return g->child(i);
    }
    return nullptr;
}

QTreeWidgetItem *zoneItem(QTreeWidget *tree, int panel, int zone)
{
    return groupChild(tree, panel, 1, 0x2000 + zone);
}

QTreeWidgetItem *loopItem(QTreeWidget *tree, int panel, int loop)
{
    return groupChild(tree, panel, 2, 0x3000 + loop);
}

QPoint centreOf(QTreeWidgetItem *item)
{
    QTreeWidget *tree = item->treeWidget();
    tree->scrollToItem(item);
    return tree->visualItemRect(item).center();
}

static void outlineOf(QTreeWidgetItem *item, int level, QString &out)
{
    out += QString(level * 2, QLatin1Char(' ')) + item->text(0) + QLatin1Char('\n');
    for (int i = 0; i < item->childCount(); ++i)
        outlineOf(item->child(i), level + 1, out);
}

QString outline(QTreeWidget *tree)
{
    QString out;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        outlineOf(tree->topLevelItem(i), 0, out);
    return out;
}

bool iconIs(const QIcon &icon, const QString &path)
{
    const QImage expected = QIcon(path).pixmap(16, 16).toImage();
    return !expected.isNull() && icon.pixmap(16, 16).toImage() == expected;
}

} // namespace EditorSite
