// Writes and reads a large XML site file and compares both with a bare
// stream pass over the same content: a QXmlStreamReader reading tokens only,
// and a QXmlStreamWriter writing the same elements and attributes from memory.

#include "Bench.h"

#include "Facility.h"
#include "FileXML.h"
#include "PanelConfig.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace {

constexpr int Panels = 32;
constexpr int LogicEvents = 100;
constexpr int ConditionsPerLogicEvent = 10;
constexpr int Runs = 5;

void fillPanel(PanelConfig &panel, int index)
{
    panel.setName(QStringLiteral("Panel %1").arg(index + 1));
    panel.version = QStringLiteral("2.10");
    panel.phone = QStringLiteral("+34 600 000 %1").arg(index, 3, 10, QLatin1Char('0'));
    panel.installer = QStringLiteral("Installer %1").arg(index + 1);
    panel.address = index + 1;
    panel.webServer.WSEnabled = 1;
    panel.webServer.auth = 1;
    panel.webServer.setUser(QStringLiteral("admin"));
    panel.webServer.setPass(QStringLiteral("secret"));
    for (int loop = 0; loop < PanelConfig::LoopCount; ++loop) {
        for (int address = 0; address < PanelConfig::AddressCount; ++address) {
            DeviceRecord &d = *panel.deviceAt(loop, address);
            d.type = static_cast<unsigned char>(1 + (address % 4));
            d.ext_type = d.type;
            d.zone = static_cast<unsigned char>((loop * 31 + address) % PanelConfig::ZoneCount);
            d.mode = 1;
            d.description = QStringLiteral("Loop %1 point %2").arg(loop + 1).arg(address + 1);
        }
    }
    for (int z = 0; z < PanelConfig::ZoneCount; ++z)
        panel.zoneAt(z)->description = QStringLiteral("Zone %1 floor %2").arg(z + 1).arg(z % 12);
    for (int slot = 0; slot < PanelConfig::EventSlotCount; ++slot) {
        EventRecord r;
        r.cause.id_blk = EventRecord::ScopeZone;
        r.cause.event = static_cast<unsigned char>(slot % 6);
        r.cause.first = r.cause.last = static_cast<unsigned char>(slot % 250);
        r.effect.id_blk = EventRecord::ScopeElement;
        r.effect.delay = static_cast<std::uint16_t>(slot % 600);
        r.effect.act = 0;
        r.effect.matches = 1;
        r.effect.first = static_cast<unsigned char>(slot % 8);
        r.effect.last = static_cast<unsigned char>(slot % 250);
        panel.setEvent(slot, r);
    }
    for (int i = 0; i < LogicEvents; ++i) {
        auto logic = std::make_unique<LogManeuver>();
        for (int k = 0; k < ConditionsPerLogicEvent; ++k) {
            LogicEventTerm t;
            t.id_blk = EventRecord::ScopeElement;
            t.first = static_cast<unsigned char>(k % 8);
            t.last = static_cast<unsigned char>((i + k) % 250);
            logic->conditions.append(t);
        }
        logic->record.effect.id_blk = EventRecord::ScopePanel;
        logic->record.effect.act = 2;
        logic->record.effect.matches = 2;
        panel.addLogicEvent(logic);
    }
}

// One start tag (name and attributes) or one end tag of a file.
struct Token
{
    QString name;
    std::vector<std::pair<QString, QString>> attributes;
    bool start = true;
};

std::vector<Token> tokensOf(const QString &fileName)
{
    std::vector<Token> tokens;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return tokens;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        const auto type = xml.readNext();
        if (type == QXmlStreamReader::StartElement) {
            Token t{xml.name().toString(), {}, true};
            for (const QXmlStreamAttribute &a : xml.attributes())
                t.attributes.emplace_back(a.qualifiedName().toString(), a.value().toString());
            tokens.push_back(std::move(t));
        } else if (type == QXmlStreamReader::EndElement)
            tokens.push_back({QString(), {}, false});
    }
    return tokens;
}

bool bareWrite(const QString &fileName, const std::vector<Token> &tokens)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    for (const Token &t : tokens) {
        if (t.start) {
            xml.writeStartElement(t.name);
            for (const auto &a : t.attributes)
                xml.writeAttribute(a.first, a.second);
        } else {
            xml.writeEndElement();
        }
    }
    xml.writeEndDocument();
    return !xml.hasError() && file.flush();
}

qint64 bareRead(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    QXmlStreamReader xml(&file);
    qint64 tokens = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        ++tokens;
    }
    return xml.hasError() ? -1 : tokens;
}

template <typename F>
double bestMs(F &&run)
{
    double best = 1e300;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!run())
            return -1;
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

int siteFileBench(QTextStream &out)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    Facility site;
    for (int i = 0; i < Panels; ++i) {
        auto *panel = new PanelConfig;
        fillPanel(*panel, i);
        site.addPanel(panel);
    }
    const QString siteFile = dir.filePath(QStringLiteral("site.xml"));
    const QString bareFile = dir.filePath(QStringLiteral("bare.xml"));

    const double writeMs = bestMs([&] { return FileXML(&site).writeXml(siteFile); });
    const std::vector<Token> tokens = tokensOf(siteFile);
    const double bareWriteMs = bestMs([&] { return bareWrite(bareFile, tokens); });
    const double readMs = bestMs([&] {
        Facility back;
        return FileXML(nullptr).readXml(siteFile, &back) && back.panelCount() == Panels;
    });
    const double bareReadMs = bestMs([&] { return bareRead(siteFile) > 0; });
    if (writeMs < 0 || bareWriteMs < 0 || readMs < 0 || bareReadMs < 0) {
        out << "a pass failed" << Qt::endl;
        return 1;
    }

    out << "site: " << Panels << " panels, 8 full loops, 250 named zones, 1024 maneuvers, "
        << LogicEvents << " logic events of " << ConditionsPerLogicEvent << " conditions each"
        << Qt::endl;
    out << "file size:        " << QFileInfo(siteFile).size() << " bytes, " << tokens.size() / 2
        << " elements" << Qt::endl;
    out << Qt::fixed << qSetRealNumberPrecision(1);
    out << "write (FileXML):  " << writeMs << " ms" << Qt::endl;
    out << "bare writer pass: " << bareWriteMs << " ms  ratio " << qSetRealNumberPrecision(2)
        << writeMs / bareWriteMs << Qt::endl << qSetRealNumberPrecision(1);
    out << "read (FileXML):   " << readMs << " ms" << Qt::endl;
    out << "bare reader pass: " << bareReadMs << " ms  ratio " << qSetRealNumberPrecision(2)
        << readMs / bareReadMs << Qt::endl;
    out << "(best of " << Runs << " runs each)" << Qt::endl;
    return 0;
}

} // namespace

PANEL_BENCH("sitefile", siteFileBench);
