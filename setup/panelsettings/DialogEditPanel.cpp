#include "DialogEditPanel.h"

#include "ui_DialogEditPanel.h"

#include "PanelConfig.h"
#include "ProgramState.h"

#include <QLoggingCategory>
#include <QMessageBox>
#include <QRegularExpressionValidator>
#include <QTime>

Q_LOGGING_CATEGORY(lcPanelSettings, "panelsetup.panelsettings")

namespace {

constexpr int AdvancedTab = 1;
constexpr int SpecialModesTab = 2;

// panelFlags bits the form shows
constexpr int TechAlarmBits = 0x06;
constexpr int PollutionBit = 0x10;
constexpr int UnconfiguredBit = 0x20;
constexpr int BuzzerOffBit = 0x40;
// techAlarmsConfComboBox index -> bits
constexpr int TechAlarmCodes[4] = {0x06, 0x04, 0x02, 0x00};

// Low bits of SpecialMode::mode each block's combo boxes decide.
constexpr unsigned char SensibilityLevelBits = 0x0F;
constexpr unsigned char OptoHeatBits = 0x0F;
constexpr unsigned char RelaysOffBit = 0x01;
constexpr unsigned char DelaysOffBit = 0x02;
constexpr unsigned char SoundersOffBit = 0x04;

// What a widget shows, in the terms the user changes it.
QVariant valueOf(const QWidget *widget)
{
    if (auto *combo = qobject_cast<const QComboBox *>(widget))
        return combo->currentIndex();
    if (auto *spin = qobject_cast<const QSpinBox *>(widget))
        return spin->value();
    if (auto *time = qobject_cast<const QDateTimeEdit *>(widget))
        return time->time();
    if (auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    if (auto *box = qobject_cast<const QCheckBox *>(widget))
        return box->isChecked();
    return QVariant();
}

template <typename Int>
void setBit(Int &value, int bit, bool on)
{
    value = static_cast<Int>(on ? (value | bit) : (value & ~bit));
}

int listStateOf(int zoneState)
{
    return zoneState == 0 ? DialogEditPanel::EnabledZones
        : zoneState == 1  ? DialogEditPanel::DisabledZones
                          : DialogEditPanel::TestZones;
}

} // namespace

struct DialogEditPanel::ModeWidgets {
    QCheckBox *enabled;
    QComboBox *fromDay;
    QComboBox *toDay;
    QDateTimeEdit *fromTime;
    QDateTimeEdit *toTime;
    QSpinBox *fromZone;
    QSpinBox *toZone;
};

DialogEditPanel::DialogEditPanel(PanelConfig *panel, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::DialogEditPanel>()), m_panel(panel)
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    ui->setupUi(this);
    const PanelConfig &p = *m_panel;

    ui->labelPanelVersion->setText(p.version);
    ui->lineEditInstalatorName->setText(p.installer);
    ui->lineEditPanelName->setText(p.name());
    ui->lineEditPhoneNumber->setText(p.phone);

    ui->spinBoxNetworkAddress->setValue(p.address);
    ui->comboBoxNodeType->setCurrentIndex(p.type != 0 ? 1 : 0);
    ui->frameToggling->hide();
    switch (p.panelFlags & TechAlarmBits) {
    case 0x06: ui->techAlarmsConfComboBox->setCurrentIndex(0); break;
    case 0x04: ui->techAlarmsConfComboBox->setCurrentIndex(1); break;
    case 0x02: ui->techAlarmsConfComboBox->setCurrentIndex(2); break;
    default: ui->techAlarmsConfComboBox->setCurrentIndex(3); break;
    }
    ui->unconfigPollingCheckBox->setChecked(p.panelFlags & UnconfiguredBit);
    ui->pollutionCheckBox->setChecked(p.panelFlags & PollutionBit);
    ui->buzzerCheckBox->setChecked(p.panelFlags & BuzzerOffBit);
    ui->ledTogglingComboBox->setCurrentIndex(p.ledToggling);
    ui->togglingComboBoxFromDay->setCurrentIndex(p.ledFromDay - 1);
    ui->togglingComboBoxToDay->setCurrentIndex(p.ledToDay - 1);
    ui->timeEditTogglingFrom->setTime(QTime(p.ledFromHour, p.ledFromMinute));
    ui->timeEditTogglingTo->setTime(QTime(p.ledToHour, p.ledToMinute));
    slotTogglingLedChanged();

    loadMode(p.sensibility, {ui->sensCheckboxEnabled, ui->sensComboBoxFromDay, ui->sensComboBoxToDay,
                             ui->sensFromTime, ui->sensToTime, ui->sensFromZone, ui->sensToZone});
    ui->sensComboBoxMode->setCurrentIndex((p.sensibility.mode & SensibilityLevelBits) - 1);
    loadMode(p.dayNight, {ui->dayNightCheckBoxEnabled, ui->dayNightFromDay, ui->dayNightToDay,
                          ui->dayNightFromTime, ui->dayNightToTime, ui->dayNightFromZone, ui->dayNightToZone});
    ui->dayNightRelaysComboBoxMode->setCurrentIndex(p.dayNight.mode & RelaysOffBit ? 0 : 1);
    ui->dayNightDelaysComboBoxMode->setCurrentIndex(p.dayNight.mode & DelaysOffBit ? 0 : 1);
    ui->dayNightSoundersComboBoxMode->setCurrentIndex(p.dayNight.mode & SoundersOffBit ? 0 : 1);
    loadMode(p.optoheat, {ui->optoHeatCheckBoxEnabled, ui->optoHeatFromDay, ui->optoHeatToDay,
                          ui->optoHeatFromTime, ui->optoHeatToTime, ui->optoHeatFromZone, ui->optoHeatToZone});
    const int optoHeat = p.optoheat.mode & OptoHeatBits;
    ui->optoHeatComboBoxMode->setCurrentIndex(optoHeat == 3 ? 0 : optoHeat == 1 ? 1 : 2);
    loadMode(p.delayed, {ui->delayedCheckboxEnabled, ui->delayedComboBoxFromDay, ui->delayedComboBoxToDay,
                         ui->delayedFromTime, ui->delayedToTime, ui->delayedFromZone, ui->delayedToZone});
    ui->delayedSpinBoxDelay1->setValue(p.delay1);
    ui->delayedSpinBoxDelay2->setValue(p.delay2);

    ui->comboBoxRS485Mode->setCurrentIndex(p.rs485mode);
    slotRS485ModeChanged();
    ui->spinBoxModubsAddress->setValue(p.modbusAddress);
    ui->comboBoxModbusBaudrate->setCurrentIndex(p.modbusBaudrate);
    ui->comboBoxRS485Mode_2->setCurrentIndex(p.rs485_2mode);
    slotRS485_2ModeChanged();
    ui->spinBoxModubsAddress_2->setValue(p.modbus2Address);
    ui->comboBoxModbusBaudrate_2->setCurrentIndex(p.modbus2Baudrate);

    connect(this, &QDialog::accepted, this, &DialogEditPanel::acceptedSlot);
    setWindowTitle(tr("Edit panel"));

    if (!advancedMode) {
        ui->tabWidget->setTabEnabled(AdvancedTab, false);
        ui->tabWidget->setTabEnabled(SpecialModesTab, false);
    }

    connect(ui->ledTogglingComboBox, &QComboBox::currentIndexChanged, this, &DialogEditPanel::slotTogglingLedChanged);
    connect(ui->comboBoxRS485Mode, &QComboBox::currentIndexChanged, this, &DialogEditPanel::slotRS485ModeChanged);
    connect(ui->comboBoxRS485Mode_2, &QComboBox::currentIndexChanged, this, &DialogEditPanel::slotRS485_2ModeChanged);

    fillZoneLists();
    connect(ui->enabZonesList, &QListWidget::itemPressed, this, &DialogEditPanel::slotEnabledZonePressed);
    connect(ui->disabZonesList, &QListWidget::itemPressed, this, &DialogEditPanel::slotDisabledZonePressed);
    connect(ui->testZonesList, &QListWidget::itemPressed, this, &DialogEditPanel::slotTestZonePressed);
    connect(ui->enabZonesList, &QListWidget::itemChanged, this, &DialogEditPanel::slotEnableZone);
    connect(ui->disabZonesList, &QListWidget::itemChanged, this, &DialogEditPanel::slotDisableZone);
    connect(ui->testZonesList, &QListWidget::itemChanged, this, &DialogEditPanel::slotTestZone);

    // The panel keeps the user name and the password as NUL-terminated Latin-1
    // in 32 bytes: the fields take 31 characters (the form's limit) and only
    // characters that Latin-1 has, so what is typed is what the panel gets.
    auto *latin1 = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[\\x{1}-\\x{FF}]*")), this);
    ui->txtWS_user->setValidator(latin1);
    ui->txtWS_password->setValidator(latin1);

    loadWebServer();
    connect(ui->chkbWS_dhcp, &QCheckBox::clicked, this, &DialogEditPanel::slotWSdhcpChanged);
    connect(ui->chkbWS_Login, &QCheckBox::clicked, this, &DialogEditPanel::slotWSAutenticationChanged);

    rememberLoadedValues();
}

DialogEditPanel::~DialogEditPanel() = default;

void DialogEditPanel::loadMode(const SpecialMode &mode, const ModeWidgets &w)
{
    w.enabled->setChecked(mode.mode & SpecialMode::Enabled);
    w.fromDay->setCurrentIndex(mode.startDay - 1);
    w.toDay->setCurrentIndex(mode.endDay - 1);
    w.fromTime->setTime(QTime(mode.startHour, mode.startMinute));
    w.toTime->setTime(QTime(mode.endHour, mode.endMinute));
    w.fromZone->setValue(mode.startZone + 1);
    w.toZone->setValue(mode.endZone + 1);
}

void DialogEditPanel::rememberLoadedValues()
{
    m_loaded.clear();
    const QList<QWidget *> widgets = findChildren<QWidget *>();
    for (const QWidget *widget : widgets) {
        const QVariant value = valueOf(widget);
        if (value.isValid())
            m_loaded.insert(widget, value);
    }
}

bool DialogEditPanel::changed(const QWidget *widget) const
{
    return valueOf(widget) != m_loaded.value(widget);
}

// ---- web server ----------------------------------------------------------------

void DialogEditPanel::loadWebServer()
{
    const WebServerSettings &ws = m_panel->webServer;
    if (ws.WSEnabled == 0)
        return;
    ui->chkbWS_dhcp->setChecked(ws.dhcp == 1);
    slotWSdhcpChanged();
    ui->Bidi->setChecked(!(ws.bidi & WebServerSettings::BidiOff));
    ui->CloudLocalEvents->setChecked(ws.bidi & WebServerSettings::OnlyLocalEvents);
    if (ws.bidi & WebServerSettings::SendByZone)
        ui->craSendInfo->setCurrentIndex(0);
    if (ws.bidi & WebServerSettings::SendByElement)
        ui->craSendInfo->setCurrentIndex(1);
    // Shown whatever dhcp holds, so that the stored addresses are seen and kept.
    ui->txtWS_ip->setText(ipToString(ws.ip));
    ui->txtWS_gateway->setText(ipToString(ws.gateway));
    ui->txtWS_netmask->setText(ipToString(ws.netmask));
    ui->chkbWS_Login->setChecked(ws.auth != 0);
    slotWSAutenticationChanged();
    if (ws.auth != 0) {
        ui->txtWS_user->setText(ws.userText());
        ui->txtWS_password->setText(ws.passText());
    }
}

bool DialogEditPanel::webServerWasEmpty() const
{
    return m_panel->webServer.WSEnabled == 0;
}

bool DialogEditPanel::storesWebServer() const
{
    if (!webServerWasEmpty())
        return true;
    const QWidget *widgets[] = {ui->chkbWS_dhcp, ui->txtWS_ip, ui->txtWS_gateway, ui->txtWS_netmask,
                                ui->Bidi, ui->CloudLocalEvents, ui->craSendInfo, ui->chkbWS_Login,
                                ui->txtWS_user, ui->txtWS_password};
    for (const QWidget *widget : widgets) {
        if (changed(widget))
            return true;
    }
    return false;
}

QString DialogEditPanel::ipToString(const unsigned char bytes[4])
{
    const QString text = QStringLiteral("%1.%2.%3.%4").arg(bytes[0]).arg(bytes[1]).arg(bytes[2]).arg(bytes[3]);
    qCDebug(lcPanelSettings) << "get ip:" << text;
    return text;
}

bool DialogEditPanel::parseIp(const QString &text, unsigned char bytes[4])
{
    const QStringList parts = text.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    const int count = std::min(int(parts.size()), 4);
    int values[4] = {};
    for (int i = 0; i < count; ++i) {
        bool ok = false;
        values[i] = parts.at(i).toInt(&ok, 10);
        if (!ok)
            values[i] = 0;
        if (values[i] < 0 || values[i] > 255)
            return false;
    }
    for (int i = 0; i < count; ++i) {
        bytes[i] = static_cast<unsigned char>(values[i]);
        qCDebug(lcPanelSettings) << int(bytes[i]);
    }
    return true;
}

void DialogEditPanel::accept()
{
    if (storesWebServer() && !ui->chkbWS_dhcp->isChecked()) {
        const bool fresh = webServerWasEmpty();
        for (const QLineEdit *field : {ui->txtWS_ip, ui->txtWS_gateway, ui->txtWS_netmask}) {
            unsigned char scratch[4] = {};
            if ((fresh || changed(field)) && !parseIp(field->text(), scratch)) {
                QMessageBox::warning(this, tr("Error"),
                                     tr("Error: each part of an address must be a number from 0 to 255"));
                return;
            }
        }
    }
    QDialog::accept();
}

// ---- Ok ------------------------------------------------------------------------

void DialogEditPanel::storeMode(SpecialMode &mode, const ModeWidgets &w) const
{
    if (changed(w.enabled))
        setBit(mode.mode, SpecialMode::Enabled, w.enabled->isChecked());
    if (changed(w.fromDay))
        mode.startDay = static_cast<unsigned char>(w.fromDay->currentIndex() + 1);
    if (changed(w.toDay))
        mode.endDay = static_cast<unsigned char>(w.toDay->currentIndex() + 1);
    if (changed(w.fromTime)) {
        mode.startHour = static_cast<unsigned char>(w.fromTime->time().hour());
        mode.startMinute = static_cast<unsigned char>(w.fromTime->time().minute());
    }
    if (changed(w.toTime)) {
        mode.endHour = static_cast<unsigned char>(w.toTime->time().hour());
        mode.endMinute = static_cast<unsigned char>(w.toTime->time().minute());
    }
    if (changed(w.fromZone))
        mode.startZone = static_cast<unsigned char>(w.fromZone->value() - 1);
    if (changed(w.toZone))
        mode.endZone = static_cast<unsigned char>(w.toZone->value() - 1);
}

void DialogEditPanel::acceptedSlot()
{
    PanelConfig &p = *m_panel;

    if (changed(ui->lineEditInstalatorName))
        p.installer = ui->lineEditInstalatorName->text();
    if (changed(ui->lineEditPanelName))
        p.setName(ui->lineEditPanelName->text());
    if (changed(ui->lineEditPhoneNumber))
        p.phone = ui->lineEditPhoneNumber->text();

    // Bits the form does not show stay as they are.
    int flags = p.panelFlags;
    if (changed(ui->techAlarmsConfComboBox) && ui->techAlarmsConfComboBox->currentIndex() >= 0)
        flags = (flags & ~TechAlarmBits) | TechAlarmCodes[ui->techAlarmsConfComboBox->currentIndex()];
    if (changed(ui->unconfigPollingCheckBox))
        setBit(flags, UnconfiguredBit, ui->unconfigPollingCheckBox->isChecked());
    if (changed(ui->pollutionCheckBox))
        setBit(flags, PollutionBit, ui->pollutionCheckBox->isChecked());
    if (changed(ui->buzzerCheckBox))
        setBit(flags, BuzzerOffBit, ui->buzzerCheckBox->isChecked());
    p.panelFlags = flags;

    if (changed(ui->ledTogglingComboBox))
        p.ledToggling = static_cast<unsigned char>(ui->ledTogglingComboBox->currentIndex());
    if (changed(ui->togglingComboBoxFromDay))
        p.ledFromDay = static_cast<unsigned char>(ui->togglingComboBoxFromDay->currentIndex() + 1);
    if (changed(ui->timeEditTogglingFrom)) {
        p.ledFromHour = static_cast<unsigned char>(ui->timeEditTogglingFrom->time().hour());
        p.ledFromMinute = static_cast<unsigned char>(ui->timeEditTogglingFrom->time().minute());
    }
    if (changed(ui->togglingComboBoxToDay))
        p.ledToDay = static_cast<unsigned char>(ui->togglingComboBoxToDay->currentIndex() + 1);
    if (changed(ui->timeEditTogglingTo)) {
        p.ledToHour = static_cast<unsigned char>(ui->timeEditTogglingTo->time().hour());
        p.ledToMinute = static_cast<unsigned char>(ui->timeEditTogglingTo->time().minute());
    }

    if (changed(ui->spinBoxNetworkAddress))
        p.address = ui->spinBoxNetworkAddress->value();
    if (changed(ui->comboBoxNodeType))
        p.type = ui->comboBoxNodeType->currentIndex() != 0 ? 1 : 0;

    if (changed(ui->comboBoxRS485Mode))
        p.rs485mode = ui->comboBoxRS485Mode->currentIndex();
    if (changed(ui->spinBoxModubsAddress))
        p.modbusAddress = ui->spinBoxModubsAddress->value();
    if (changed(ui->comboBoxModbusBaudrate))
        p.modbusBaudrate = ui->comboBoxModbusBaudrate->currentIndex();
    if (changed(ui->comboBoxRS485Mode_2))
        p.rs485_2mode = ui->comboBoxRS485Mode_2->currentIndex();
    if (changed(ui->spinBoxModubsAddress_2))
        p.modbus2Address = ui->spinBoxModubsAddress_2->value();
    if (changed(ui->comboBoxModbusBaudrate_2))
        p.modbus2Baudrate = ui->comboBoxModbusBaudrate_2->currentIndex();

    storeMode(p.sensibility, {ui->sensCheckboxEnabled, ui->sensComboBoxFromDay, ui->sensComboBoxToDay,
                              ui->sensFromTime, ui->sensToTime, ui->sensFromZone, ui->sensToZone});
    if (changed(ui->sensComboBoxMode) && ui->sensComboBoxMode->currentIndex() >= 0)
        p.sensibility.mode = static_cast<unsigned char>((p.sensibility.mode & ~SensibilityLevelBits)
                                                        | (ui->sensComboBoxMode->currentIndex() + 1));
    storeMode(p.dayNight, {ui->dayNightCheckBoxEnabled, ui->dayNightFromDay, ui->dayNightToDay,
                           ui->dayNightFromTime, ui->dayNightToTime, ui->dayNightFromZone, ui->dayNightToZone});
    // Index 0 is the "OFF" item of each: a set bit switches that part off.
    if (changed(ui->dayNightRelaysComboBoxMode))
        setBit(p.dayNight.mode, RelaysOffBit, ui->dayNightRelaysComboBoxMode->currentIndex() == 0);
    if (changed(ui->dayNightDelaysComboBoxMode))
        setBit(p.dayNight.mode, DelaysOffBit, ui->dayNightDelaysComboBoxMode->currentIndex() == 0);
    if (changed(ui->dayNightSoundersComboBoxMode))
        setBit(p.dayNight.mode, SoundersOffBit, ui->dayNightSoundersComboBoxMode->currentIndex() == 0);
    storeMode(p.optoheat, {ui->optoHeatCheckBoxEnabled, ui->optoHeatFromDay, ui->optoHeatToDay,
                           ui->optoHeatFromTime, ui->optoHeatToTime, ui->optoHeatFromZone, ui->optoHeatToZone});
    if (changed(ui->optoHeatComboBoxMode)) {
        const unsigned char parts[3] = {0x03, 0x01, 0x02};
        const int index = ui->optoHeatComboBoxMode->currentIndex();
        if (index >= 0)
            p.optoheat.mode = static_cast<unsigned char>((p.optoheat.mode & ~OptoHeatBits) | parts[index]);
    }
    storeMode(p.delayed, {ui->delayedCheckboxEnabled, ui->delayedComboBoxFromDay, ui->delayedComboBoxToDay,
                          ui->delayedFromTime, ui->delayedToTime, ui->delayedFromZone, ui->delayedToZone});
    if (changed(ui->delayedSpinBoxDelay1))
        p.delay1 = static_cast<unsigned short>(ui->delayedSpinBoxDelay1->value());
    if (changed(ui->delayedSpinBoxDelay2))
        p.delay2 = static_cast<unsigned short>(ui->delayedSpinBoxDelay2->value());

    if (!storesWebServer())
        return;
    WebServerSettings &ws = p.webServer;
    // A block that held no settings takes every value of the form.
    const bool fresh = webServerWasEmpty();
    auto take = [&](const QWidget *widget) { return fresh || changed(widget); };
    unsigned char options = fresh ? 0 : ws.bidi;
    if (take(ui->Bidi))
        setBit(options, WebServerSettings::BidiOff, !ui->Bidi->isChecked());
    if (take(ui->CloudLocalEvents))
        setBit(options, WebServerSettings::OnlyLocalEvents, ui->CloudLocalEvents->isChecked());
    if (take(ui->craSendInfo)) {
        options &= ~(WebServerSettings::SendByElement | WebServerSettings::SendByZone);
        options |= ui->craSendInfo->currentIndex() == 1 ? WebServerSettings::SendByElement
                                                        : WebServerSettings::SendByZone;
    }
    ws.bidi = options;
    if (take(ui->chkbWS_dhcp))
        ws.dhcp = ui->chkbWS_dhcp->isChecked() ? 1 : 0;
    if (!ui->chkbWS_dhcp->isChecked()) {
        if (take(ui->txtWS_ip))
            parseIp(ui->txtWS_ip->text(), ws.ip);
        if (take(ui->txtWS_gateway))
            parseIp(ui->txtWS_gateway->text(), ws.gateway);
        if (take(ui->txtWS_netmask))
            parseIp(ui->txtWS_netmask->text(), ws.netmask);
    }
    if (take(ui->chkbWS_Login))
        ws.auth = ui->chkbWS_Login->isChecked() ? 1 : 0;
    if (ui->chkbWS_Login->isChecked()) {
        if (take(ui->txtWS_user))
            ws.setUser(ui->txtWS_user->text());
        if (take(ui->txtWS_password))
            ws.setPass(ui->txtWS_password->text());
    }
    ws.WSEnabled = fresh ? 1 : ws.WSEnabled;
}

// ---- show, hide, enable ------------------------------------------------------------

void DialogEditPanel::slotTogglingLedChanged()
{
    ui->frameToggling->setVisible(ui->ledTogglingComboBox->currentIndex() == 2);
}

static void followRs485Mode(QWidget *modbusFrame, int index)
{
    if (index == 1)
        modbusFrame->show();
    else if (index == 0 || index == 2)
        modbusFrame->hide();
}

void DialogEditPanel::slotRS485ModeChanged()
{
    followRs485Mode(ui->frameModbus, ui->comboBoxRS485Mode->currentIndex());
}

void DialogEditPanel::slotRS485_2ModeChanged()
{
    followRs485Mode(ui->frameModbus_2, ui->comboBoxRS485Mode_2->currentIndex());
}

void DialogEditPanel::slotWSdhcpChanged()
{
    const bool fixed = !ui->chkbWS_dhcp->isChecked();
    ui->txtWS_ip->setEnabled(fixed);
    ui->txtWS_gateway->setEnabled(fixed);
    ui->txtWS_netmask->setEnabled(fixed);
}

void DialogEditPanel::slotWSAutenticationChanged()
{
    const bool login = ui->chkbWS_Login->isChecked();
    ui->txtWS_user->setEnabled(login);
    ui->txtWS_password->setEnabled(login);
}

// ---- zone lists ----------------------------------------------------------------------

QListWidget *DialogEditPanel::zoneList(int state) const
{
    switch (state) {
    case EnabledZones: return ui->enabZonesList;
    case DisabledZones: return ui->disabZonesList;
    default: return ui->testZonesList;
    }
}

void DialogEditPanel::fillZoneLists()
{
    m_refillQueued = false;
    m_pressedZone = -1;
    m_pressedState = -1;
    for (int state : {EnabledZones, DisabledZones, TestZones}) {
        zoneList(state)->clear();
        zoneList(state)->setDragDropMode(QAbstractItemView::DragDrop);
    }
    m_panel->rebuildZoneStates();
    for (int z = 0; z < PanelConfig::ZoneCount; ++z) {
        const ZoneRecord *zone = m_panel->zoneAt(z);
        if (!zone->hasDevices)
            continue;
        zoneList(listStateOf(zone->state))->addItem(tr("Zone %1: %2").arg(z + 1).arg(zone->description));
    }
}

int DialogEditPanel::zoneIndexOfRow(QListWidgetItem *item, int state) const
{
    if (!item || !item->listWidget())
        return -1;
    int row = item->listWidget()->row(item);
    for (int z = 0; z < PanelConfig::ZoneCount; ++z) {
        const ZoneRecord *zone = m_panel->zoneAt(z);
        if (!zone->hasDevices || listStateOf(zone->state) != state)
            continue;
        if (row-- == 0)
            return z;
    }
    return -1;
}

void DialogEditPanel::zonePressed(QListWidgetItem *item, int state)
{
    // A zone can only be dropped into a list other than its own.
    for (int s : {EnabledZones, DisabledZones, TestZones})
        zoneList(s)->setDragDropMode(s == state ? QAbstractItemView::DragOnly : QAbstractItemView::DragDrop);
    m_pressedZone = zoneIndexOfRow(item, state);
    m_pressedState = state;
}

void DialogEditPanel::slotEnabledZonePressed(QListWidgetItem *item)
{
    qCDebug(lcPanelSettings) << "slotEnabledZonePressed -> ITEM:" << ui->enabZonesList->row(item);
    zonePressed(item, EnabledZones);
}

void DialogEditPanel::slotDisabledZonePressed(QListWidgetItem *item)
{
    qCDebug(lcPanelSettings) << "slotDisabledZonePressed -> ITEM:" << (item ? item->text() : QString());
    zonePressed(item, DisabledZones);
}

void DialogEditPanel::slotTestZonePressed(QListWidgetItem *item)
{
    qCDebug(lcPanelSettings) << "slotTestZonePressed -> ITEM:" << (item ? item->text() : QString());
    zonePressed(item, TestZones);
}

void DialogEditPanel::zoneDropped(int enable)
{
    if (m_pressedZone >= 0)
        m_panel->setZoneEnable(m_pressedZone, enable);
    // The lists are rebuilt once the receiving list is done with the item it
    // inserted for the drop; the copy disappears and the zone shows once.
    if (!m_refillQueued) {
        m_refillQueued = true;
        QMetaObject::invokeMethod(this, &DialogEditPanel::fillZoneLists, Qt::QueuedConnection);
    }
}

void DialogEditPanel::slotEnableZone(QListWidgetItem *)
{
    zoneDropped(1);
}

void DialogEditPanel::slotDisableZone(QListWidgetItem *)
{
    zoneDropped(0);
}

void DialogEditPanel::slotTestZone(QListWidgetItem *)
{
    zoneDropped(2);
}
