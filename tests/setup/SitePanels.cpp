#include "SitePanels.h"

#include "PanelConfig.h"

#include <cstring>

namespace SitePanels {

std::unique_ptr<PanelConfig> richPanel(int events)
{
    auto p = std::make_unique<PanelConfig>();
    p->setDefaults();
    p->setName(QStringLiteral("Main building"));
    p->installer = QStringLiteral("Fire Systems Ltd");
    p->phone = QStringLiteral("+34 600 123 456");
    p->panelFlags = 0x36;
    p->ledFromDay = 2;
    p->ledToDay = 6;
    p->ledFromHour = 21;
    p->ledFromMinute = 30;
    p->ledToHour = 7;
    p->ledToMinute = 15;
    p->ledToggling = 2;
    p->address = 7;
    p->type = 1;
    p->sensibility = SpecialMode{1, 5, 22, 0, 8, 0, 0, 99, 0x83, 0};
    p->optoheat = SpecialMode{2, 4, 20, 10, 6, 5, 3, 40, 0x81, 0};
    p->dayNight = SpecialMode{1, 7, 0, 0, 23, 59, 10, 20, 0x05, 0};
    p->delayed = SpecialMode{3, 3, 12, 0, 13, 0, 0, 249, 0x80, 0};
    p->delay1 = 45;
    p->delay2 = 540;
    p->rs485mode = 1;
    p->modbusAddress = 17;
    p->modbusBaudrate = 4;
    p->rs485_2mode = 2;
    p->modbus2Address = 0;
    p->modbus2Baudrate = 0;
    p->webServer.dhcp = 0;
    p->webServer.auth = 1;
    p->webServer.WSEnabled = 1;
    p->webServer.bidi = 0x0D;
    const unsigned char ip[4] = {192, 168, 1, 20};
    std::memcpy(p->webServer.ip, ip, 4);
    const unsigned char gw[4] = {192, 168, 1, 1};
    std::memcpy(p->webServer.gateway, gw, 4);
    const unsigned char mask[4] = {255, 255, 255, 0};
    std::memcpy(p->webServer.netmask, mask, 4);
    p->webServer.setUser(QStringLiteral("admin"));
    p->webServer.setPass(QStringLiteral("s3cret%"));

    for (int loop = 0; loop < PanelConfig::LoopCount; ++loop) {
        for (int a = loop; a < PanelConfig::AddressCount; a += 3 + loop) {
            DeviceRecord *d = p->deviceAt(loop, a);
            d->type = quint8(1 + (a + loop) % 12);
            d->ext_type = quint8(1 + (a % 26));
            d->zone = quint8((a * 7 + loop) % 250);
            d->mode = quint8(a % 3);
            d->flags = (a % 2) ? 0x40 : 0x04;
            d->description = (a % 4 == 0) ? QStringLiteral("Датчик %1").arg(a)
                                          : QStringLiteral("Room %1-%2").arg(loop + 1).arg(a + 1);
        }
    }
    for (int z = 0; z < PanelConfig::ZoneCount; z += 2)
        p->zoneNameAt(z) = (z % 10 == 0) ? QStringLiteral("Зона %1").arg(z + 1) : QStringLiteral("Zone %1").arg(z + 1);
    p->rebuildZoneStates();

    for (int n = 0; n < events; ++n) {
        EventRecord e;
        e.cause.id_blk = EventRecord::ScopeElement;
        e.cause.event = quint8(n % 4);
        e.cause.first = quint8(n % 8);
        e.cause.last = quint8(n % 250);
        e.effect.id_blk = EventRecord::ScopeZone;
        e.effect.id_panel = quint8(n % 3);
        e.effect.delay = quint16(n * 11);
        e.effect.act = quint8(n % 7);
        e.effect.matches = quint8(n % 2);
        e.effect.first = quint8(n % 250);
        e.effect.last = quint8(n % 250);
        p->setEvent(n, e);
    }

    for (int k = 0; k < 5; ++k) {
        auto m = std::make_unique<LogManeuver>();
        m->record.effect.id_blk = EventRecord::ScopePanel;
        m->record.effect.delay = quint16(300 + k);
        m->record.effect.act = quint8(k);
        const int conditions = (k == 2) ? 12 : k + 1;
        for (int t = 0; t < conditions; ++t) {
            LogicEventTerm term;
            term.id_blk = EventRecord::ScopeZone;
            term.spare1 = quint8(k);
            term.event = quint8(t);
            term.first = quint8(t);
            term.last = quint8(t + 1);
            m->conditions.append(term);
        }
        p->addLogicEvent(m);
    }
    return p;
}

std::unique_ptr<PanelConfig> fullPanel()
{
    auto p = std::make_unique<PanelConfig>();
    p->setDefaults();
    p->setName(QStringLiteral("Full panel"));
    for (int loop = 0; loop < PanelConfig::LoopCount; ++loop)
        for (int a = 0; a < PanelConfig::AddressCount; ++a) {
            DeviceRecord *d = p->deviceAt(loop, a);
            d->type = quint8(1 + a % 12);
            d->ext_type = quint8(1 + a % 4);
            d->zone = quint8(a);
            d->mode = 1;
            d->description = QStringLiteral("Датчик %1-%2").arg(loop + 1).arg(a + 1);
        }
    for (int z = 0; z < PanelConfig::ZoneCount; ++z)
        p->zoneNameAt(z) = QStringLiteral("Zone %1").arg(z + 1);
    for (int n = 0; n < PanelConfig::EventSlotCount; ++n) {
        EventRecord e;
        e.cause.id_blk = EventRecord::ScopeZone;
        e.cause.first = e.cause.last = quint8(n % 250);
        e.effect.id_blk = EventRecord::ScopePanel;
        e.effect.delay = quint16(n);
        p->setEvent(n, e);
    }
    for (int k = 0; k < PanelConfig::MaxLogicEvents; ++k) {
        auto m = std::make_unique<LogManeuver>();
        m->record.effect.id_blk = EventRecord::ScopePanel;
        for (int t = 0; t < LogManeuver::MaxPanelConditions; ++t) {
            LogicEventTerm term;
            term.id_blk = EventRecord::ScopeZone;
            term.first = term.last = quint8(t);
            m->conditions.append(term);
        }
        p->addLogicEvent(m);
    }
    return p;
}

QStringList differences(const PanelConfig &a, const PanelConfig &b)
{
    QStringList d;
    auto check = [&d](bool same, const QString &what) {
        if (!same)
            d << what;
    };
    for (int l = 0; l < PanelConfig::LoopCount; ++l)
        for (int n = 0; n < PanelConfig::AddressCount; ++n) {
            const DeviceRecord *x = a.deviceAt(l, n), *y = b.deviceAt(l, n);
            check(x->type == y->type && x->ext_type == y->ext_type && x->zone == y->zone
                      && x->mode == y->mode && x->flags == y->flags && x->description == y->description
                      && x->loop == y->loop && x->address == y->address,
                  QStringLiteral("element %1,%2").arg(l).arg(n));
        }
    for (int z = 0; z < PanelConfig::ZoneCount; ++z)
        check(a.zoneAt(z)->description == b.zoneAt(z)->description && a.zoneAt(z)->state == b.zoneAt(z)->state,
              QStringLiteral("zone %1").arg(z));
    check(a.eventCount() == b.eventCount(), QStringLiteral("event count"));
    for (int n = 0; n < a.eventCount() && n < b.eventCount(); ++n)
        check(std::memcmp(&a.eventAt(n)->cause, &b.eventAt(n)->cause, 8) == 0
                  && std::memcmp(&a.eventAt(n)->effect, &b.eventAt(n)->effect, 16) == 0,
              QStringLiteral("event %1").arg(n));
    check(a.logicEventCount() == b.logicEventCount(), QStringLiteral("logic event count"));
    for (int k = 0; k < a.logicEventCount() && k < b.logicEventCount(); ++k) {
        const LogManeuver *x = a.logicEventAt(k), *y = b.logicEventAt(k);
        bool same = std::memcmp(&x->record.effect, &y->record.effect, 16) == 0
            && x->conditions.size() == y->conditions.size();
        for (int t = 0; same && t < x->conditions.size(); ++t)
            same = std::memcmp(&x->conditions[t], &y->conditions[t], 8) == 0;
        check(same, QStringLiteral("logic event %1").arg(k));
    }
    check(a.name() == b.name(), QStringLiteral("name"));
    check(a.installer == b.installer, QStringLiteral("installer"));
    check(a.phone == b.phone, QStringLiteral("phone"));
    check((a.panelFlags & 0xFF) == (b.panelFlags & 0xFF), QStringLiteral("panelFlags"));
    check(a.ledFromDay == b.ledFromDay && a.ledToDay == b.ledToDay && a.ledFromHour == b.ledFromHour
              && a.ledFromMinute == b.ledFromMinute && a.ledToHour == b.ledToHour
              && a.ledToMinute == b.ledToMinute && a.ledToggling == b.ledToggling,
          QStringLiteral("LED toggling"));
    check(std::memcmp(&a.sensibility, &b.sensibility, 10) == 0, QStringLiteral("sensibility"));
    check(std::memcmp(&a.optoheat, &b.optoheat, 10) == 0, QStringLiteral("optoheat"));
    check(std::memcmp(&a.dayNight, &b.dayNight, 10) == 0, QStringLiteral("dayNight"));
    check(std::memcmp(&a.delayed, &b.delayed, 10) == 0, QStringLiteral("delayed"));
    check(a.delay1 == b.delay1 && a.delay2 == b.delay2, QStringLiteral("delays"));
    check(a.rs485mode == b.rs485mode && a.rs485_2mode == b.rs485_2mode && a.modbusAddress == b.modbusAddress
              && a.modbusBaudrate == b.modbusBaudrate && a.modbus2Address == b.modbus2Address
              && a.modbus2Baudrate == b.modbus2Baudrate,
          QStringLiteral("serial ports"));
    check(std::memcmp(&a.webServer, &b.webServer, 80) == 0, QStringLiteral("web server"));
    check(a.address == b.address && a.type == b.type, QStringLiteral("network"));
    return d;
}

} // namespace SitePanels
