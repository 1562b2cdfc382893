#include "DialogAddEvent.h"
#include "ui_DialogAddEvent.h"

#include "EventRecord.h"

DialogAddEvent::DialogAddEvent(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::DialogAddEvent>())
{
    ui->setupUi(this);
    setWindowTitle(tr("Create action dialog"));
    fillEventList(EventRecord::ScopeElement);
    fillActionList(EventRecord::ScopeElement);
    connect(ui->spinBoxEventFromZone, &QSpinBox::valueChanged, this,
            &DialogAddEvent::fromSpinerBoxValueChanged);
    connect(ui->spinBoxEventToZone, &QSpinBox::valueChanged, this,
            &DialogAddEvent::toSpinerBoxValueChanged);
}

DialogAddEvent::~DialogAddEvent() = default;

void DialogAddEvent::fillEventList(int scope)
{
    QComboBox *combo = ui->comboBoxEvent;
    combo->clear();
    ui->frameZoneRange->hide();
    switch (scope) {
    case EventRecord::ScopePanel:
        combo->addItems({tr("Alarm in panel"), tr("Alarm in multiple points"), tr("Alarm in multiple zones"),
                         tr("Technical alarm in panel"), tr("Fault"), tr("Disablement active"),
                         tr("None disablement active"), tr("MCP Alarm"), tr("Detector Alarm")});
        break;
    case EventRecord::ScopeLoop:
        combo->addItems({tr("Alarm in loop"), tr("Technical alarm in loop")});
        break;
    case EventRecord::ScopeZone:
        combo->addItems({tr("General Alarm"), tr("MCP Alarm"), tr("Detector Alarm"), tr("Double zone alarm"),
                         tr("Technical alarm in zone"), tr("Zone quiescent")});
        ui->frameZoneRange->show();
        break;
    case EventRecord::ScopeElement:
        combo->addItem(tr("Alarm in device"));
        break;
    default:
        break;
    }
}

void DialogAddEvent::fillActionList(int scope)
{
    QComboBox *combo = ui->comboBoxAction;
    combo->clear();
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
        break;
    case EventRecord::ScopeElement:
        combo->addItems({tr("Device ON"), tr("Device OFF"), tr("Evacuation tone"), tr("Device ON without reset")});
        break;
    default:
        break;
    }
}

void DialogAddEvent::loadManeuver(const EventRecord &record)
{
    const EventRecord::Cause &cause = record.cause;
    const EventRecord::Effect &effect = record.effect;

    fillEventList(cause.id_blk);
    if (cause.id_blk == EventRecord::ScopeZone) {
        // The coupling slots are connected already: a range stored end below
        // start shows both boxes at the start.
        ui->spinBoxEventFromZone->setValue(cause.first + 1);
        ui->spinBoxEventToZone->setValue(cause.last + 1);
    }

    fillActionList(effect.id_blk);
    if (effect.id_blk == EventRecord::ScopeElement)
        ui->comboBoxAction->setCurrentIndex(EventRecord::actionCodeForDeviceIndex(effect.act));
    else
        ui->comboBoxAction->setCurrentIndex(effect.act < ui->comboBoxAction->count() ? effect.act : -1);

    ui->comboBoxEvent->setCurrentIndex(cause.event < ui->comboBoxEvent->count() ? cause.event : -1);
    ui->spinBoxDelay->setValue(effect.delay);
    ui->eventTypeLabel->setText(record.ownEventText());
    ui->actionTypeLabel->setText(record.describe(nullptr));

    shown.event = ui->comboBoxEvent->currentIndex();
    shown.action = ui->comboBoxAction->currentIndex();
    shown.delay = ui->spinBoxDelay->value();
    shown.fromZone = ui->spinBoxEventFromZone->value();
    shown.toZone = ui->spinBoxEventToZone->value();
}

void DialogAddEvent::storeManeuver(EventRecord &record) const
{
    const int event = ui->comboBoxEvent->currentIndex();
    if (event >= 0 && event != shown.event)
        record.cause.event = static_cast<unsigned char>(event);

    const int action = ui->comboBoxAction->currentIndex();
    if (action >= 0 && action != shown.action) {
        const int code = record.effect.id_blk == EventRecord::ScopeElement
                ? EventRecord::actionCodeForIndex(action) : action;
        record.effect.act = static_cast<unsigned char>(code);
    }

    const int delay = ui->spinBoxDelay->value();
    if (delay != shown.delay)
        record.effect.delay = static_cast<std::uint16_t>(delay);

    if (record.cause.id_blk == EventRecord::ScopeZone) {
        const int from = ui->spinBoxEventFromZone->value();
        const int to = ui->spinBoxEventToZone->value();
        if (from != shown.fromZone || to != shown.toZone) {
            record.cause.first = static_cast<unsigned char>(from - 1);
            record.cause.last = static_cast<unsigned char>(to - 1);
        }
    }
}

void DialogAddEvent::fromSpinerBoxValueChanged(int value)
{
    ui->spinBoxEventToZone->setMinimum(value);
}

void DialogAddEvent::toSpinerBoxValueChanged(int value)
{
    ui->spinBoxEventFromZone->setMaximum(value);
}
