#include "DialogAddLogEvent.h"
#include "ui_DialogAddLogEvent.h"

#include "LogManeuver.h"

#include <QSignalBlocker>

#include <algorithm>

DialogAddLogEvent::DialogAddLogEvent(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::DialogAddLogEvent>())
{
    ui->setupUi(this);
    setWindowTitle(tr("Create action dialog"));
    fillConditionList(EventRecord::ScopeElement);
    fillActionList(EventRecord::ScopeElement);
    connect(ui->spinBox, &QSpinBox::valueChanged, this, &DialogAddLogEvent::slotSpinBoxChanged);
    shownCondition = ui->spinBox->value() - 1;
    connect(ui->spinBoxLogEventFromZone, &QSpinBox::valueChanged, this,
            &DialogAddLogEvent::fromSpinerBoxValueChanged);
    connect(ui->spinBoxLogEventToZone, &QSpinBox::valueChanged, this,
            &DialogAddLogEvent::toSpinerBoxValueChanged);
}

DialogAddLogEvent::~DialogAddLogEvent() = default;

void DialogAddLogEvent::fillConditionList(int scope)
{
    QComboBox *combo = ui->comboBoxEvent;
    combo->clear();
    ui->frameLogEventZoneRange->hide();
    switch (scope) {
    case EventRecord::ScopePanel:
        combo->addItems({tr("Alarm in panel"), tr("Alarm in multiple points"), tr("Alarm in multiple zones"),
                         tr("First alarm")});
        break;
    case EventRecord::ScopeLoop:
        combo->addItem(tr("Alarm in loop"));
        break;
    case EventRecord::ScopeZone:
        combo->addItems({tr("General Alarm"), tr("MCP Alarm"), tr("Detector Alarm"), tr("Double zone alarm"),
                         tr("Tech alarm in zone"), tr("Zone quiescent")});
        ui->frameLogEventZoneRange->show();
        break;
    case EventRecord::ScopeElement:
        combo->addItem(tr("Alarm in device"));
        break;
    default:
        break;
    }
}

void DialogAddLogEvent::fillActionList(int scope)
{
    QComboBox *combo = ui->comboBoxAction;
    combo->clear();
    ui->frame_action_range->hide();
    const QStringList shared = {tr("All outputs ON"), tr("All outputs OFF"), tr("All sounders ON"),
                                tr("All sounders OFF"), tr("All relays ON"), tr("All relays OFF")};
    switch (scope) {
    case EventRecord::ScopePanel:
        combo->addItems(shared);
        combo->addItems({tr("PCB Sounder 1 ON"), tr("PCB Sounder 1 OFF"), tr("PCB Sounder 2 ON"),
                         tr("PCB Sounder 2 OFF"), tr("Evacuation tone")});
        break;
    case EventRecord::ScopeLoop:
    case EventRecord::ScopeZone:
        combo->addItems(shared);
        combo->addItem(tr("Evacuation tone"));
        ui->frame_action_range->show();
        break;
    case EventRecord::ScopeElement:
        combo->addItems({tr("Device ON"), tr("Device OFF"), tr("Evacuation tone"), tr("Device ON without reset")});
        break;
    default:
        break;
    }
}

// Shows the condition on display with its own stored values: both range boxes
// get their full range back first, so the limits the previous condition left on
// them cannot clamp this one's values.
void DialogAddLogEvent::showCondition()
{
    const bool any = shownCondition >= 0 && shownCondition < conditions.size();
    fillConditionList(any ? int(conditions.at(shownCondition).id_blk) : int(EventRecord::ScopeFree));
    ui->comboBoxEvent->setEnabled(any);
    if (!any) {
        shownConditionWidgets = ShownCondition();
        return;
    }
    const LogicEventTerm &condition = conditions.at(shownCondition);
    QSpinBox *from = ui->spinBoxLogEventFromZone;
    QSpinBox *to = ui->spinBoxLogEventToZone;
    if (condition.id_blk == EventRecord::ScopeZone) {
        {
            const QSignalBlocker blockFrom(from);
            const QSignalBlocker blockTo(to);
            from->setRange(1, 250);
            to->setRange(1, 250);
            to->setValue(condition.last + 1);
            from->setValue(condition.first + 1);
        }
        // The coupling of the two boxes, as editing keeps it: a range stored end
        // below start shows both at the start.
        to->setMinimum(from->value());
        from->setMaximum(to->value());
    }
    ui->comboBoxEvent->setCurrentIndex(condition.event < ui->comboBoxEvent->count() ? condition.event : -1);

    shownConditionWidgets.event = ui->comboBoxEvent->currentIndex();
    shownConditionWidgets.fromZone = from->value();
    shownConditionWidgets.toZone = to->value();
}

void DialogAddLogEvent::saveShownCondition()
{
    if (shownCondition < 0 || shownCondition >= conditions.size())
        return;
    LogicEventTerm &condition = conditions[shownCondition];
    const int event = ui->comboBoxEvent->currentIndex();
    if (event >= 0 && event != shownConditionWidgets.event)
        condition.event = static_cast<unsigned char>(event);
    if (condition.id_blk == EventRecord::ScopeZone) {
        const int from = ui->spinBoxLogEventFromZone->value();
        const int to = ui->spinBoxLogEventToZone->value();
        if (from != shownConditionWidgets.fromZone || to != shownConditionWidgets.toZone) {
            condition.first = static_cast<unsigned char>(from - 1);
            condition.last = static_cast<unsigned char>(to - 1);
        }
    }
}

void DialogAddLogEvent::showAction()
{
    const EventRecord::Effect &effect = loaded->record.effect;
    fillActionList(effect.id_blk);
    if (effect.id_blk == EventRecord::ScopeElement)
        ui->comboBoxAction->setCurrentIndex(EventRecord::actionCodeForDeviceIndex(effect.act));
    else
        ui->comboBoxAction->setCurrentIndex(effect.act < ui->comboBoxAction->count() ? effect.act : -1);
    ui->spinBoxDelay->setValue(effect.delay);
    ui->spinBoxMatches->setValue(effect.matches);

    // The condition number and the matches run up to the number of conditions;
    // with none, the number box stays at 1 and is disabled.
    const int count = int(conditions.size());
    {
        const QSignalBlocker block(ui->spinBox);
        ui->spinBox->setMaximum(std::max(count, 1));
    }
    ui->spinBox->setEnabled(count > 0);
    ui->spinBoxMatches->setMaximum(std::max(count, 1));

    shownAction.action = ui->comboBoxAction->currentIndex();
    shownAction.delay = ui->spinBoxDelay->value();
    shownAction.matches = ui->spinBoxMatches->value();
}

void DialogAddLogEvent::loadLogManeuver(const LogManeuver &maneuver)
{
    loaded = &maneuver;
    conditions = maneuver.conditions;
    showCondition();
    ui->eventTypeLabel->setText(maneuver.describeCondition(0));
    showAction();
    ui->actionTypeLabel->setText(maneuver.record.describe(nullptr));
}

void DialogAddLogEvent::slotSpinBoxChanged(int value)
{
    if (!loaded || conditions.isEmpty())
        return;
    const int count = int(loaded->conditions.size());
    if (value > count) {
        const QSignalBlocker block(ui->spinBox);
        ui->spinBox->setValue(count);
        return;
    }
    if (value < 1)
        return;
    saveShownCondition();
    shownCondition = value - 1;
    ui->eventTypeLabel->setText(loaded->describeCondition(shownCondition));
    showCondition();
}

void DialogAddLogEvent::storeLogManeuver(LogManeuver &target)
{
    if (!loaded)
        return;
    saveShownCondition();
    target.conditions = conditions;
    target.record.effect = loaded->record.effect;

    EventRecord::Effect &effect = target.record.effect;
    const int action = ui->comboBoxAction->currentIndex();
    if (action >= 0 && action != shownAction.action) {
        const int code = effect.id_blk == EventRecord::ScopeElement ? EventRecord::actionCodeForIndex(action)
                                                                    : action;
        effect.act = static_cast<unsigned char>(code);
    }
    const int delay = ui->spinBoxDelay->value();
    if (delay != shownAction.delay)
        effect.delay = static_cast<std::uint16_t>(delay);
    const int matches = ui->spinBoxMatches->value();
    if (matches != shownAction.matches)
        effect.matches = static_cast<unsigned char>(matches);
}

void DialogAddLogEvent::fromSpinerBoxValueChanged(int value)
{
    ui->spinBoxLogEventToZone->setMinimum(value);
}

void DialogAddLogEvent::toSpinerBoxValueChanged(int value)
{
    ui->spinBoxLogEventFromZone->setMaximum(value);
}
