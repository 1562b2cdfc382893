// The readable texts of causes and effects: the program's vocabulary for
// maneuvers and logic events. The pieces are concatenated as they stand, so
// their leading, trailing and doubled blanks are part of every text.

#include "EventRecord.h"

#include "Facility.h"
#include "LogManeuver.h"

#include <QObject>

namespace {

QString number(int n)
{
    return QString::number(n);
}

QString causeName(int scope, int code)
{
    switch (scope) {
    case EventRecord::ScopePanel:
        switch (code) {
        case 0: return QObject::tr("general alarm ");
        case 1: return QObject::tr("alarm in multiples points ");
        case 2: return QObject::tr("alarm in multiples zones ");
        case 3: return QObject::tr("tech alarm");
        case 4: return QObject::tr("fault");
        case 5: return QObject::tr("disablement active ");
        case 6: return QObject::tr("none disablement active ");
        case 7: return QObject::tr("MCP alarm ");
        case 8: return QObject::tr("detector alarm ");
        default: return QStringLiteral(" ");
        }
    case EventRecord::ScopeLoop:
        switch (code) {
        case 0: return QObject::tr("general alarm ");
        case 1: return QObject::tr("tech alarm");
        default: return QObject::tr("element empty");
        }
    case EventRecord::ScopeZone:
        switch (code) {
        case 0: return QObject::tr("general alarm ");
        case 1: return QObject::tr("MCP alarm ");
        case 2: return QObject::tr("detector alarm ");
        case 3: return QObject::tr("multiples points alarm ");
        case 4: return QObject::tr("tech alarm in zone ");
        case 5: return QObject::tr("Zone quiescent");
        default: return QStringLiteral(" ");
        }
    default:
        return QObject::tr("alarm ");
    }
}

// Actions shared by the panel, loop and zone scopes, codes 0..5.
QString groupActionName(int act)
{
    switch (act) {
    case 0: return QObject::tr("all outputs on");
    case 1: return QObject::tr("all outputs off");
    case 2: return QObject::tr("all sounders on");
    case 3: return QObject::tr("all sounders off");
    case 4: return QObject::tr("all relays on");
    case 5: return QObject::tr("all relays off");
    default: return QString();
    }
}

QString actionName(int scope, int act)
{
    switch (scope) {
    case EventRecord::ScopePanel:
        switch (act) {
        case 6: return QObject::tr("pcb sounder 1 on");
        case 7: return QObject::tr("pcb sounder 1 off");
        case 8: return QObject::tr("pcb sounder 2 on");
        case 9: return QObject::tr("pcb sounder 2 off");
        case 10: return QObject::tr("Evacuation tone");
        default: return groupActionName(act);
        }
    case EventRecord::ScopeLoop:
    case EventRecord::ScopeZone:
        if (act == 6)
            return QObject::tr("Evacuation tone");
        return groupActionName(act);
    default:   // element
        switch (act) {
        case 0: return QObject::tr("device on");
        case 2: return QObject::tr("Evacuation tone");
        case 5: return QObject::tr("device on without reset");
        default: return QObject::tr("device off");
        }
    }
}

// The words of a loop or zone range: " in zone 3 " for a single zone,
// " from zone 1 to zone 4 " for a wider range (the loop forms likewise).
struct RangeWords
{
    const char *single;
    const char *from;
    const char *to;
};

const RangeWords causeLoopWords = {QT_TRANSLATE_NOOP("QObject", "in loop "),
                                   QT_TRANSLATE_NOOP("QObject", "from loop "),
                                   QT_TRANSLATE_NOOP("QObject", " to loop ")};
const RangeWords loopWords = {QT_TRANSLATE_NOOP("QObject", " in loop "),
                              QT_TRANSLATE_NOOP("QObject", " from loop "),
                              QT_TRANSLATE_NOOP("QObject", " to loop ")};
const RangeWords zoneWords = {QT_TRANSLATE_NOOP("QObject", " in zone "),
                              QT_TRANSLATE_NOOP("QObject", " from zone "),
                              QT_TRANSLATE_NOOP("QObject", " to zone ")};

QString rangeText(int first, int last, const RangeWords &words)
{
    if (first == last)
        return QObject::tr(words.single) + number(first + 1) + QLatin1Char(' ');
    return QObject::tr(words.from) + number(first + 1) + QObject::tr(words.to)
            + number(last + 1) + QLatin1Char(' ');
}

} // namespace

QString EventRecord::eventText(const Cause &cause)
{
    const QString name = causeName(cause.id_blk, cause.event);
    switch (cause.id_blk) {
    case ScopePanel:
        return name + QObject::tr(" in panel ");
    case ScopeLoop:
        return name + QLatin1Char(' ')
                + rangeText(cause.first, cause.last, causeLoopWords);
    case ScopeZone:
        return name + rangeText(cause.first, cause.last, zoneWords);
    case ScopeElement:
        return QObject::tr("alarm ") + QObject::tr(" in point ") + QLatin1Char('(')
                + number(cause.first + 1) + QLatin1Char(',') + number(cause.last + 1)
                + QLatin1Char(')');
    default:
        return QObject::tr("event empty ");
    }
}

QString EventRecord::ownEventText() const
{
    return eventText(cause);
}

QString EventRecord::describe(const Facility *site) const
{
    QString remote;
    if (effect.id_panel != 0) {
        const QString label = site ? site->panelName(effect.id_panel) : number(effect.id_panel);
        remote = QObject::tr(" remote to panel ") + label + QLatin1Char(' ');
    }

    const QString name = actionName(effect.id_blk, effect.act);
    QString text;
    switch (effect.id_blk) {
    case ScopePanel:
        text = remote + QLatin1Char(' ') + name;
        break;
    case ScopeLoop:
        text = remote + QLatin1Char(' ') + name
                + rangeText(effect.first, effect.last, loopWords);
        break;
    case ScopeZone:
        text = remote + QLatin1Char(' ') + name
                + rangeText(effect.first, effect.last, zoneWords);
        break;
    case ScopeElement:
        text = remote + QLatin1Char(' ') + name + QLatin1Char(' ') + QObject::tr("loop ")
                + number(effect.first + 1) + QObject::tr(" address ") + number(effect.last + 1)
                + QLatin1Char(' ');
        break;
    default:
        text = QStringLiteral(" empty");
        break;
    }
    return text + QObject::tr(" with delay ") + number(effect.delay) + QLatin1Char('s')
            + QObject::tr(" Matches: ") + number(effect.matches);
}

QString EventRecord::eventLine() const
{
    if (isEmpty())
        return QObject::tr("EMPTY");
    return QObject::tr("event: ") + ownEventText();
}

QString EventRecord::actionLine() const
{
    if (isEmpty())
        return QObject::tr("EMPTY");
    return QObject::tr("action: ") + describe();
}

QString EventRecord::actionTextOrEmpty() const
{
    if (isEmpty())
        return QObject::tr("EMPTY");
    return describe();
}

QString EventRecord::maneuverLine() const
{
    if (isEmpty())
        return QObject::tr("EMPTY");
    return QObject::tr("event: ") + ownEventText() + QObject::tr("  >>>  action: ") + describe();
}

int EventRecord::actionCodeForIndex(int index)
{
    switch (index) {
    case 0: return 0;
    case 2: return 2;
    case 3: return 5;
    default: return 1;
    }
}

int EventRecord::actionCodeForDeviceIndex(int code)
{
    switch (code) {
    case 0: return 0;
    case 2: return 2;
    case 5: return 3;
    default: return 1;
    }
}

QString LogManeuver::describeConditions() const
{
    QString text;
    for (const LogicEventTerm &condition : conditions)
        text += EventRecord::eventText(condition) + QObject::tr("; ");
    return text;
}

QString LogManeuver::describeCondition(int index) const
{
    if (index < 0 || index >= conditions.size())
        return QString();
    return EventRecord::eventText(conditions.at(index));
}
