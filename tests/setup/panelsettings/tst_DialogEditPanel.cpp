#include "DialogEditPanel.h"
#include "ModalScript.h"
#include "PanelConfig.h"
#include "PanelMemoryMap.h"
#include "ProgramState.h"
#include "SimPanel.h"
#include "USBDataConfig.h"
#include "ui_DialogEditPanel.h"

#include <QtTest>

#include <functional>
#include <memory>

using PanelChange = std::function<void(PanelConfig &)>;
Q_DECLARE_METATYPE(PanelChange)

namespace {

template <class T>
T *child(QWidget *w, const char *name)
{
    T *c = w->findChild<T *>(QLatin1String(name));
    if (!c)
        qWarning("no child %s", name);
    return c;
}

// The pages the engine writes for a panel's settings (network, identity,
// system page, serial ports and web server), as the panel receives them.
QByteArray wireImage(PanelConfig &panel)
{
    sim::SimPanel &sim = sim::SimPanel::instance();
    sim.reset();
    USBDataConfig engine;
    engine.setPanel(&panel);
    if (!engine.connectUsb() || !engine.writePanelInfo() || !engine.writeNetwork())
        return QByteArray("<not written>");
    engine.disconnect();
    QByteArray bytes;
    for (int page : {PanelMemoryMap::OptionsPage, PanelMemoryMap::IdentityPage, PanelMemoryMap::SystemPage,
                     PanelMemoryMap::SerialPage, PanelMemoryMap::SerialSparePage})
        bytes += sim.page(page);
    return bytes;
}

QString modeText(const SpecialMode &m)
{
    unsigned char b[SpecialMode::WireSize];
    m.toWire(b);
    return QByteArray(reinterpret_cast<const char *>(b), sizeof b).toHex(' ');
}

// Every field the dialog shows, whether the panel's memory carries it or not.
QStringList settingsOf(const PanelConfig &p)
{
    unsigned char ws[WebServerSettings::WireSize];
    p.webServer.toWire(ws);
    return {
        "name " + p.name(), "installer " + p.installer, "phone " + p.phone, "version " + p.version,
        QStringLiteral("flags %1").arg(p.panelFlags, 0, 16),
        QStringLiteral("led %1 %2 %3 %4 %5 %6 %7")
            .arg(p.ledFromDay).arg(p.ledToDay).arg(p.ledFromHour).arg(p.ledFromMinute)
            .arg(p.ledToHour).arg(p.ledToMinute).arg(p.ledToggling),
        QStringLiteral("network %1 %2").arg(p.address).arg(p.type),
        QStringLiteral("rs485 %1 %2 %3 / %4 %5 %6")
            .arg(p.rs485mode).arg(p.modbusAddress).arg(p.modbusBaudrate)
            .arg(p.rs485_2mode).arg(p.modbus2Address).arg(p.modbus2Baudrate),
        "sensibility " + modeText(p.sensibility), "optoheat " + modeText(p.optoheat),
        "dayNight " + modeText(p.dayNight), "delayed " + modeText(p.delayed),
        QStringLiteral("delays %1 %2").arg(p.delay1).arg(p.delay2),
        "web " + QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(ws), sizeof ws).toHex(' ')),
    };
}

// Runs the dialog on the panel as the tree does and answers it with `step`.
void runDialog(PanelConfig &panel, std::function<void(DialogEditPanel *)> step, bool *accepted = nullptr)
{
    ModalScript script;
    script.dialog<DialogEditPanel>(step);
    script.start();
    DialogEditPanel dialog(&panel);
    dialog.setModal(true);
    const int result = dialog.exec();
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    if (accepted)
        *accepted = result == QDialog::Accepted;
}

void pressOk(QWidget *d)
{
    ModalScript::clickStandardButton(d, QDialogButtonBox::Ok);
}

std::unique_ptr<PanelConfig> newPanel()
{
    auto p = std::make_unique<PanelConfig>();
    p->setName(QStringLiteral("North"));
    p->version = QStringLiteral("-.--");
    p->address = 1;
    p->type = 1;
    return p;
}

void setIp(unsigned char *bytes, std::initializer_list<int> parts)
{
    int i = 0;
    for (int part : parts)
        bytes[i++] = static_cast<unsigned char>(part);
}

// Restores the program-wide flag a test changed.
struct AdvancedMode {
    bool saved = advancedMode;
    explicit AdvancedMode(bool on) { advancedMode = on; }
    ~AdvancedMode() { advancedMode = saved; }
};

} // namespace

class TestDialogEditPanel : public QObject {
    Q_OBJECT
private slots:
    void formItems_data();
    void formItems();
    void formRangesAndStart();
    void loadsThePanel();
    void plainOkKeepsEveryField_data();
    void plainOkKeepsEveryField();
    void plainOkWithoutAdvancedMode();
    void okStoresWhatTheUserChanged();
    void webServerWithoutSettingsFilledOnAChange();
    void addressPartAbove255Refused();
    void loginTextsStoredAsTyped_data();
    void loginTextsStoredAsTyped();
    void loginTextsKeepTheBytesAfterTheirNul();
    void parseIp_data();
    void parseIp();
    void escapeStoresNothing();
    void modesShowAndHide();
};

// ---- form -----------------------------------------------------------------------------

void TestDialogEditPanel::formItems_data()
{
    QTest::addColumn<QString>("combo");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");

    QTest::newRow("tech 0") << "techAlarmsConfComboBox" << 0 << "Screen and buzzer" << 4;
    QTest::newRow("tech 1") << "techAlarmsConfComboBox" << 1 << "Only screen" << 4;
    QTest::newRow("tech 2") << "techAlarmsConfComboBox" << 2 << "Only buzzer" << 4;
    QTest::newRow("tech 3") << "techAlarmsConfComboBox" << 3 << "None" << 4;
    QTest::newRow("led 2") << "ledTogglingComboBox" << 2 << "Day-Night mode" << 3;
    QTest::newRow("node 1") << "comboBoxNodeType" << 1 << "Controler" << 2;
    QTest::newRow("rs485 1") << "comboBoxRS485Mode" << 1 << "Modbus" << 3;
    QTest::newRow("rs485 2 2") << "comboBoxRS485Mode_2" << 2 << "CID" << 3;
    QTest::newRow("baud 0") << "comboBoxModbusBaudrate" << 0 << "1200 bps" << 5;
    QTest::newRow("baud 1") << "comboBoxModbusBaudrate" << 1 << "2400 bps" << 5;
    QTest::newRow("baud 2") << "comboBoxModbusBaudrate" << 2 << "4800 bps" << 5;
    QTest::newRow("baud 3") << "comboBoxModbusBaudrate" << 3 << "9600 bps" << 5;
    QTest::newRow("baud 2 4") << "comboBoxModbusBaudrate_2" << 4 << "19200 bps" << 5;
    QTest::newRow("cra 1") << "craSendInfo" << 1 << "Devices" << 2;
    QTest::newRow("sens 0") << "sensComboBoxMode" << 0 << "Very Low sensitivity" << 5;
    QTest::newRow("sens 1") << "sensComboBoxMode" << 1 << "Low sensitivity" << 5;
    QTest::newRow("sens 2") << "sensComboBoxMode" << 2 << "Normal" << 5;
    QTest::newRow("sens 3") << "sensComboBoxMode" << 3 << "High sensitivity" << 5;
    QTest::newRow("sens 4") << "sensComboBoxMode" << 4 << "Highest sensitivity" << 5;
    QTest::newRow("opto 0") << "optoHeatComboBoxMode" << 0 << "Normal" << 3;
    QTest::newRow("opto 1") << "optoHeatComboBoxMode" << 1 << "Only Opto" << 3;
    QTest::newRow("opto 2") << "optoHeatComboBoxMode" << 2 << "Only Heat" << 3;
    QTest::newRow("relays 0") << "dayNightRelaysComboBoxMode" << 0 << "Relays OFF" << 2;
    QTest::newRow("relays 1") << "dayNightRelaysComboBoxMode" << 1 << "Relays ON" << 2;
    QTest::newRow("delays 0") << "dayNightDelaysComboBoxMode" << 0 << "Delays OFF" << 2;
    QTest::newRow("delays 1") << "dayNightDelaysComboBoxMode" << 1 << "Delays ON" << 2;
    QTest::newRow("sounders 0") << "dayNightSoundersComboBoxMode" << 0 << "Sounders OFF" << 2;
    QTest::newRow("sounders 1") << "dayNightSoundersComboBoxMode" << 1 << "Sounders ON" << 2;
    for (const char *days : {"togglingComboBoxFromDay", "togglingComboBoxToDay", "sensComboBoxFromDay",
                             "optoHeatToDay", "dayNightFromDay", "delayedComboBoxToDay"}) {
        QTest::addRow("%s monday", days) << days << 0 << "Monday" << 7;
        QTest::addRow("%s sunday", days) << days << 6 << "Sunday" << 7;
    }
    const QStringList midweek = {"Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    for (int day = 1; day <= midweek.size(); ++day)
        QTest::addRow("day %d", day) << "togglingComboBoxFromDay" << day << midweek.at(day - 1) << 7;
}

void TestDialogEditPanel::formItems()
{
    QFETCH(QString, combo);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(int, count);
    QDialog dialog;
    Ui::DialogEditPanel form;
    form.setupUi(&dialog);
    auto *box = dialog.findChild<QComboBox *>(combo);
    QVERIFY(box);
    QCOMPARE(box->count(), count);
    QCOMPARE(box->itemText(index), text);
    QVERIFY(!box->isEditable());
}

void TestDialogEditPanel::formRangesAndStart()
{
    QDialog dialog;
    Ui::DialogEditPanel form;
    form.setupUi(&dialog);
    QCOMPARE(dialog.objectName(), QStringLiteral("DialogEditPanel"));
    QCOMPARE(form.tabWidget->currentIndex(), 1);
    QCOMPARE(form.tabWidget->count(), 4);
    QCOMPARE(form.tabWidget->tabText(2), QStringLiteral("Special Modes"));
    QCOMPARE(form.tabWidget->indexOf(form.tabZones), 3);
    QCOMPARE(form.labelPanelVersion->text(), QStringLiteral("-.--"));
    QCOMPARE(form.buttonBox->standardButtons(), QDialogButtonBox::Ok);
    QCOMPARE(form.togglingComboBoxToDay->currentIndex(), 6);
    QCOMPARE(form.comboBoxModbusBaudrate->currentIndex(), 3);
    QCOMPARE(form.comboBoxModbusBaudrate_2->currentIndex(), 3);
    QCOMPARE(form.timeEditTogglingFrom->time(), QTime(20, 0));
    QCOMPARE(form.timeEditTogglingTo->time(), QTime(8, 0));
    QCOMPARE(form.timeEditTogglingTo->displayFormat(), QStringLiteral("HH:mm"));
    QCOMPARE(form.sensFromTime->displayFormat(), QStringLiteral("H:mm"));

    const QList<QPair<QSpinBox *, int>> maxima = {
        {form.spinBoxNetworkAddress, 32}, {form.spinBoxModubsAddress, 255}, {form.spinBoxModubsAddress_2, 255},
        {form.delayedSpinBoxDelay1, 60}, {form.delayedSpinBoxDelay2, 600}, {form.sensFromZone, 250},
        {form.sensToZone, 250}, {form.optoHeatFromZone, 250}, {form.optoHeatToZone, 250},
        {form.dayNightFromZone, 250}, {form.dayNightToZone, 250}, {form.delayedFromZone, 250},
        {form.delayedToZone, 250}};
    for (const auto &m : maxima) {
        QCOMPARE(m.first->minimum(), 1);
        QCOMPARE(m.first->maximum(), m.second);
        QCOMPARE(m.first->value(), 1);
    }
    // Identity texts take what the panel's 32-byte fields hold.
    for (QLineEdit *e : {form.lineEditPanelName, form.lineEditInstalatorName, form.lineEditPhoneNumber})
        QCOMPARE(e->maxLength(), 31);
    // User name and password: 31 characters and the NUL of their 32-byte fields.
    QCOMPARE(form.txtWS_user->maxLength(), 31);
    QCOMPARE(form.txtWS_password->maxLength(), 31);
    QCOMPARE(form.txtWS_password->echoMode(), QLineEdit::Normal);
    QCOMPARE(form.txtWS_ip->inputMask(), QStringLiteral("999.999.999.999"));   // blank: a space
    QCOMPARE(form.txtWS_ip->text(), QStringLiteral("..."));
    for (QWidget *w : {static_cast<QWidget *>(form.txtWS_ip), static_cast<QWidget *>(form.txtWS_gateway),
                       static_cast<QWidget *>(form.txtWS_netmask), static_cast<QWidget *>(form.txtWS_user),
                       static_cast<QWidget *>(form.txtWS_password)})
        QVERIFY(!w->isEnabled());
    const QList<QCheckBox *> boxes = dialog.findChildren<QCheckBox *>();
    for (QCheckBox *box : boxes)
        QCOMPARE(box->isChecked(), box == form.chkbWS_dhcp);
    QCOMPARE(form.unconfigPollingCheckBox->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(form.enabZonesList->dragDropMode(), QAbstractItemView::DragDrop);
    QCOMPARE(form.testZonesList->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(form.disabZonesList->font().pointSize(), 9);
    QVERIFY(form.lblEnabledZones->font().bold());
    QVERIFY(!form.frameModbus->isHidden());
    QVERIFY(!form.frameToggling->isHidden());
}

// ---- load and store ------------------------------------------------------------------------

void TestDialogEditPanel::loadsThePanel()
{
    auto p = newPanel();
    p->version = QStringLiteral("2.10");
    p->installer = QStringLiteral("Ana");
    p->panelFlags = 0x04 | 0x10;
    p->ledToggling = 2;
    p->ledFromDay = 3;
    p->ledFromHour = 7;
    p->ledFromMinute = 5;
    p->rs485mode = 1;
    p->modbusAddress = 12;
    p->rs485_2mode = 2;
    p->sensibility.mode = 0x83;
    p->optoheat.mode = 0x01;
    p->dayNight.mode = 0x05;
    p->delayed.startZone = 9;
    p->webServer.WSEnabled = 1;
    p->webServer.dhcp = 1;
    p->webServer.bidi = 0x0C;
    setIp(p->webServer.ip, {10, 0, 0, 1});
    p->webServer.auth = 1;
    p->webServer.setUser(QStringLiteral("admin"));
    DialogEditPanel d(p.get());
    QCOMPARE(d.windowTitle(), QStringLiteral("Edit panel"));
    QCOMPARE(d.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint), Qt::WindowFlags());
    QCOMPARE(child<QLabel>(&d, "labelPanelVersion")->text(), QStringLiteral("2.10"));
    QCOMPARE(child<QLineEdit>(&d, "lineEditInstalatorName")->text(), QStringLiteral("Ana"));
    QCOMPARE(child<QComboBox>(&d, "techAlarmsConfComboBox")->currentIndex(), 1);
    QVERIFY(child<QCheckBox>(&d, "pollutionCheckBox")->isChecked());
    QVERIFY(!child<QFrame>(&d, "frameToggling")->isHidden());
    QCOMPARE(child<QComboBox>(&d, "togglingComboBoxFromDay")->currentText(), QStringLiteral("Wednesday"));
    QCOMPARE(child<QTimeEdit>(&d, "timeEditTogglingFrom")->text(), QStringLiteral("07:05"));
    QVERIFY(!child<QFrame>(&d, "frameModbus")->isHidden());
    QVERIFY(child<QFrame>(&d, "frameModbus_2")->isHidden());
    QCOMPARE(child<QSpinBox>(&d, "spinBoxModubsAddress")->value(), 12);
    QVERIFY(child<QCheckBox>(&d, "sensCheckboxEnabled")->isChecked());
    QCOMPARE(child<QComboBox>(&d, "sensComboBoxMode")->currentText(), QStringLiteral("Normal"));
    QCOMPARE(child<QComboBox>(&d, "optoHeatComboBoxMode")->currentText(), QStringLiteral("Only Opto"));
    QCOMPARE(child<QComboBox>(&d, "dayNightRelaysComboBoxMode")->currentIndex(), 0);
    QCOMPARE(child<QComboBox>(&d, "dayNightDelaysComboBoxMode")->currentIndex(), 1);
    QCOMPARE(child<QComboBox>(&d, "dayNightSoundersComboBoxMode")->currentIndex(), 0);
    QCOMPARE(child<QSpinBox>(&d, "delayedFromZone")->value(), 10);
    QCOMPARE(child<QComboBox>(&d, "craSendInfo")->currentText(), QStringLiteral("Devices"));
    QVERIFY(child<QCheckBox>(&d, "Bidi")->isChecked());
    // The stored addresses are shown also under DHCP, greyed.
    QCOMPARE(child<QLineEdit>(&d, "txtWS_ip")->text(), QStringLiteral("10.0.0.1"));
    QVERIFY(!child<QLineEdit>(&d, "txtWS_ip")->isEnabled());
    QCOMPARE(child<QLineEdit>(&d, "txtWS_user")->text(), QStringLiteral("admin"));
    QVERIFY(child<QLineEdit>(&d, "txtWS_user")->isEnabled());
    QCOMPARE(child<QTabWidget>(&d, "tabWidget")->currentIndex(), 1);
}

void TestDialogEditPanel::plainOkKeepsEveryField_data()
{
    QTest::addColumn<PanelChange>("change");

    const QString t31 = QStringLiteral("abcdefghijklmnopqrstuvwxyz01234");
    QTest::newRow("new panel") << PanelChange([](PanelConfig &) {});
    QTest::newRow("LED toggling 5") << PanelChange([](PanelConfig &p) { p.ledToggling = 5; });
    QTest::newRow("LED days 0 and 9, hour 25") << PanelChange([](PanelConfig &p) {
        p.ledToggling = 2;
        p.ledFromDay = 0;
        p.ledToDay = 9;
        p.ledFromHour = 25;
        p.ledToMinute = 70;
    });
    QTest::newRow("Modbus port with address 0") << PanelChange([](PanelConfig &p) {
        p.rs485mode = 1;
        p.modbusAddress = 0;
    });
    QTest::newRow("baud rate 9 and mode 7") << PanelChange([](PanelConfig &p) {
        p.rs485mode = 7;
        p.modbusBaudrate = 9;
        p.rs485_2mode = 1;
        p.modbus2Baudrate = 200;
        p.modbus2Address = 300;
    });
    QTest::newRow("unknown panelFlags bits") << PanelChange([](PanelConfig &p) { p.panelFlags = 0x81 | 0x08 | 0x02; });
    QTest::newRow("tech alarms none") << PanelChange([](PanelConfig &p) { p.panelFlags = 0x70; });
    QTest::newRow("network address 0, node type 5") << PanelChange([](PanelConfig &p) {
        p.address = 0;
        p.type = 5;
    });
    QTest::newRow("network address 40") << PanelChange([](PanelConfig &p) { p.address = 40; });
    QTest::newRow("sensibility level 0") << PanelChange([](PanelConfig &p) { p.sensibility.mode = 0x80; });
    QTest::newRow("sensibility level 7, unknown bits") << PanelChange([](PanelConfig &p) { p.sensibility.mode = 0x37; });
    QTest::newRow("opto-heat parts 0") << PanelChange([](PanelConfig &p) { p.optoheat.mode = 0x80; });
    QTest::newRow("opto-heat parts 0x0C") << PanelChange([](PanelConfig &p) { p.optoheat.mode = 0x0C; });
    QTest::newRow("day-night unknown bits") << PanelChange([](PanelConfig &p) { p.dayNight.mode = 0x48 | 0x02; });
    QTest::newRow("delayed low bits") << PanelChange([](PanelConfig &p) { p.delayed.mode = 0x85; });
    QTest::newRow("special-mode zones 251 and 256") << PanelChange([](PanelConfig &p) {
        p.sensibility.startZone = 250;
        p.sensibility.endZone = 255;
        p.delayed.endZone = 251;
    });
    QTest::newRow("special-mode days and times out of range") << PanelChange([](PanelConfig &p) {
        p.dayNight.startDay = 0;
        p.dayNight.endDay = 8;
        p.optoheat.startHour = 24;
        p.optoheat.endMinute = 61;
        p.optoheat.spare = 0x5A;
    });
    QTest::newRow("delays out of range") << PanelChange([](PanelConfig &p) {
        p.delay1 = 0;
        p.delay2 = 1000;
    });
    QTest::newRow("web server off with stale bytes") << PanelChange([](PanelConfig &p) {
        p.webServer.WSEnabled = 0;
        p.webServer.dhcp = 5;
        p.webServer.bidi = 0xFF;
        setIp(p.webServer.ip, {1, 2, 3, 4});
        p.webServer.pass[31] = 'x';
    });
    QTest::newRow("web server, dhcp 2 with fixed addresses") << PanelChange([](PanelConfig &p) {
        p.webServer.WSEnabled = 1;
        p.webServer.dhcp = 2;
        setIp(p.webServer.ip, {192, 168, 1, 20});
        setIp(p.webServer.gateway, {192, 168, 1, 1});
        setIp(p.webServer.netmask, {255, 255, 255, 0});
    });
    QTest::newRow("web server on DHCP keeps its addresses") << PanelChange([](PanelConfig &p) {
        p.webServer.WSEnabled = 1;
        p.webServer.dhcp = 1;
        setIp(p.webServer.ip, {10, 9, 8, 7});
    });
    QTest::newRow("web server options unknown bits") << PanelChange([](PanelConfig &p) {
        p.webServer.WSEnabled = 1;
        p.webServer.bidi = 0xF3;
    });
    QTest::newRow("web server options neither zones nor devices") << PanelChange([](PanelConfig &p) {
        p.webServer.WSEnabled = 2;
        p.webServer.bidi = 0x00;
    });
    QTest::newRow("login with 31-character user, auth 3") << PanelChange([=](PanelConfig &p) {
        p.webServer.WSEnabled = 1;
        p.webServer.auth = 3;
        p.webServer.setUser(t31);
        p.webServer.setPass(QStringLiteral("p%ss"));
    });
    QTest::newRow("login texts filling their 32 bytes") << PanelChange([](PanelConfig &p) {
        p.webServer.WSEnabled = 1;
        p.webServer.auth = 1;
        std::fill(std::begin(p.webServer.user), std::end(p.webServer.user), 'u');
        std::fill(std::begin(p.webServer.pass), std::end(p.webServer.pass), 'p');
    });
    QTest::newRow("31-character identity texts") << PanelChange([=](PanelConfig &p) {
        p.setName(t31);
        p.installer = t31;
        p.phone = t31;
    });
}

void TestDialogEditPanel::plainOkKeepsEveryField()
{
    QFETCH(PanelChange, change);
    auto p = newPanel();
    change(*p);
    const QByteArray wire = wireImage(*p);
    const QStringList fields = settingsOf(*p);
    bool accepted = false;
    runDialog(*p, [](DialogEditPanel *d) { pressOk(d); }, &accepted);
    QVERIFY(accepted);
    QCOMPARE(settingsOf(*p), fields);
    QCOMPARE(wireImage(*p), wire);
}

void TestDialogEditPanel::plainOkWithoutAdvancedMode()
{
    AdvancedMode off(false);
    auto p = newPanel();
    p->ledToggling = 4;
    p->rs485mode = 1;
    p->modbusAddress = 0;
    p->sensibility.mode = 0x9F;
    p->webServer.WSEnabled = 0;
    const QStringList fields = settingsOf(*p);
    int shownTab = -1;
    QList<bool> enabledTabs;
    runDialog(*p, [&](DialogEditPanel *d) {
        auto *tabs = child<QTabWidget>(d, "tabWidget");
        shownTab = tabs->currentIndex();
        for (int i = 0; i < 4; ++i)
            enabledTabs << tabs->isTabEnabled(i);
        pressOk(d);
    });
    QCOMPARE(shownTab, 3);
    QCOMPARE(enabledTabs, QList<bool>({true, false, false, true}));
    QCOMPARE(settingsOf(*p), fields);
}

void TestDialogEditPanel::okStoresWhatTheUserChanged()
{
    auto p = newPanel();
    p->panelFlags = 0x81 | 0x06;
    p->sensibility.mode = 0x34;
    p->dayNight.mode = 0x48;
    p->webServer.WSEnabled = 1;
    p->webServer.dhcp = 1;
    p->webServer.bidi = 0x40 | 0x08;
    runDialog(*p, [](DialogEditPanel *d) {
        child<QLineEdit>(d, "lineEditPanelName")->setText(QStringLiteral("South"));
        child<QComboBox>(d, "techAlarmsConfComboBox")->setCurrentIndex(2);
        child<QCheckBox>(d, "buzzerCheckBox")->setChecked(true);
        child<QComboBox>(d, "ledTogglingComboBox")->setCurrentIndex(2);
        child<QComboBox>(d, "togglingComboBoxToDay")->setCurrentIndex(4);
        child<QTimeEdit>(d, "timeEditTogglingFrom")->setTime(QTime(21, 30));
        child<QSpinBox>(d, "spinBoxNetworkAddress")->setValue(7);
        child<QComboBox>(d, "comboBoxNodeType")->setCurrentIndex(0);
        child<QComboBox>(d, "comboBoxRS485Mode")->setCurrentIndex(1);
        child<QSpinBox>(d, "spinBoxModubsAddress")->setValue(17);
        child<QComboBox>(d, "comboBoxModbusBaudrate")->setCurrentIndex(4);
        child<QCheckBox>(d, "sensCheckboxEnabled")->setChecked(true);
        child<QComboBox>(d, "sensComboBoxMode")->setCurrentIndex(1);
        child<QSpinBox>(d, "sensToZone")->setValue(250);
        child<QComboBox>(d, "dayNightRelaysComboBoxMode")->setCurrentIndex(0);
        child<QComboBox>(d, "optoHeatComboBoxMode")->setCurrentIndex(2);
        child<QDateTimeEdit>(d, "delayedToTime")->setTime(QTime(6, 45));
        child<QSpinBox>(d, "delayedSpinBoxDelay2")->setValue(450);
        child<QCheckBox>(d, "chkbWS_dhcp")->click();
        child<QLineEdit>(d, "txtWS_ip")->setText(QStringLiteral("10.20.30.40"));
        child<QCheckBox>(d, "CloudLocalEvents")->setChecked(true);
        child<QComboBox>(d, "craSendInfo")->setCurrentIndex(1);
        pressOk(d);
    });
    QCOMPARE(p->name(), QStringLiteral("South"));
    QCOMPARE(p->panelFlags, 0x81 | 0x02 | 0x40);
    QCOMPARE(int(p->ledToggling), 2);
    QCOMPARE(int(p->ledToDay), 5);
    QCOMPARE(QList<int>({p->ledFromHour, p->ledFromMinute}), QList<int>({21, 30}));
    QCOMPARE(QList<int>({p->address, p->type}), QList<int>({7, 0}));
    QCOMPARE(QList<int>({p->rs485mode, p->modbusAddress, p->modbusBaudrate}), QList<int>({1, 17, 4}));
    QCOMPARE(int(p->sensibility.mode), 0x80 | 0x30 | 2);
    QCOMPARE(int(p->sensibility.endZone), 249);
    QCOMPARE(int(p->dayNight.mode), 0x48 | 0x01);
    QCOMPARE(int(p->optoheat.mode), 0x02);   // default 3 with the heat part only
    QCOMPARE(QList<int>({p->delayed.endHour, p->delayed.endMinute}), QList<int>({6, 45}));
    QCOMPARE(int(p->delay2), 450);
    QCOMPARE(int(p->delay1), 60);
    QCOMPARE(int(p->webServer.dhcp), 0);
    QCOMPARE(QList<int>({p->webServer.ip[0], p->webServer.ip[1], p->webServer.ip[2], p->webServer.ip[3]}),
             QList<int>({10, 20, 30, 40}));
    QCOMPARE(int(p->webServer.gateway[0]), 0);
    QCOMPARE(int(p->webServer.bidi), 0x40 | 0x02 | 0x04);   // "BIDI" left checked, the unknown bit kept
    QCOMPARE(int(p->webServer.WSEnabled), 1);
}

void TestDialogEditPanel::webServerWithoutSettingsFilledOnAChange()
{
    auto p = newPanel();
    p->webServer.WSEnabled = 0;
    p->webServer.bidi = 0xF0;
    setIp(p->webServer.ip, {1, 2, 3, 4});
    runDialog(*p, [](DialogEditPanel *d) {
        child<QCheckBox>(d, "chkbWS_Login")->click();
        child<QLineEdit>(d, "txtWS_user")->setText(QStringLiteral("admin"));
        pressOk(d);
    });
    const WebServerSettings &ws = p->webServer;
    QCOMPARE(QList<int>({ws.WSEnabled, ws.dhcp, ws.bidi, ws.auth}), QList<int>({1, 1, 0x09, 1}));
    QCOMPARE(ws.userText(), QStringLiteral("admin"));
    QCOMPARE(ws.passText(), QString());
    QCOMPARE(int(ws.ip[3]), 4);   // under DHCP the addresses stay
}

void TestDialogEditPanel::addressPartAbove255Refused()
{
    auto p = newPanel();
    p->webServer.WSEnabled = 1;
    p->webServer.dhcp = 0;
    setIp(p->webServer.netmask, {255, 255, 0, 0});
    ModalScript script;
    bool stillOpen = false;
    script.dialog<DialogEditPanel>([&](DialogEditPanel *d) {
        child<QLineEdit>(d, "txtWS_gateway")->setText(QStringLiteral("10.0.300.1"));
        pressOk(d);   // the message comes up and is answered inside
        stillOpen = d->isVisible();
        child<QLineEdit>(d, "txtWS_gateway")->setText(QStringLiteral("10.0.3.1"));
        pressOk(d);
    });
    script.messageBox(QMessageBox::Ok);
    script.start();
    DialogEditPanel dialog(p.get());
    dialog.setModal(true);
    const int result = dialog.exec();
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QVERIFY(stillOpen);
    QCOMPARE(script.messages(), QStringList({"Error: each part of an address must be a number from 0 to 255"}));
    QCOMPARE(result, int(QDialog::Accepted));
    const unsigned char *g = p->webServer.gateway;
    QCOMPARE(QList<int>({g[0], g[1], g[2], g[3]}), QList<int>({10, 0, 3, 1}));
    QCOMPARE(int(p->webServer.netmask[1]), 255);
}

// The user name and the password reach the panel as NUL-terminated Latin-1 in
// 32 bytes: what the field lets the user type is what is stored, and a
// character the field cannot hold never gets in.
void TestDialogEditPanel::loginTextsStoredAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    const QString t31 = QStringLiteral("abcdefghijklmnopqrstuvwxyz01234");
    QTest::newRow("32 characters") << t31 + "5" << t31;
    QTest::newRow("31 characters") << t31 << t31;
    QTest::newRow("Latin-1 letters") << QStringLiteral("Se\u00f1or-\u00c9") << QStringLiteral("Se\u00f1or-\u00c9");
    QTest::newRow("euro sign and Cyrillic left out")
        << QStringLiteral("a\u20acb\u0430c") << QStringLiteral("abc");
}

void TestDialogEditPanel::loginTextsStoredAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    auto p = newPanel();
    p->webServer.WSEnabled = 1;
    p->webServer.dhcp = 1;
    p->webServer.auth = 1;
    p->webServer.setUser(QStringLiteral("old"));
    p->webServer.setPass(QStringLiteral("old"));
    QString userShown, passShown;
    runDialog(*p, [&](DialogEditPanel *d) {
        child<QTabWidget>(d, "tabWidget")->setCurrentIndex(1);
        for (const char *name : {"txtWS_user", "txtWS_password"}) {
            auto *field = child<QLineEdit>(d, name);
            field->clear();
            for (const QChar c : typed)   // keyClicks takes ASCII only
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        userShown = child<QLineEdit>(d, "txtWS_user")->text();
        passShown = child<QLineEdit>(d, "txtWS_password")->text();
        pressOk(d);
    });
    QCOMPARE(userShown, shown);
    QCOMPARE(passShown, shown);
    QCOMPARE(p->webServer.userText(), shown);
    QCOMPARE(p->webServer.passText(), shown);
}

// A field as a panel hands it over: the text, its NUL, then what an older,
// longer text left behind. Only the new text and its NUL go over it.
void TestDialogEditPanel::loginTextsKeepTheBytesAfterTheirNul()
{
    const QByteArray before = QByteArrayLiteral("old\0left over from a longer one.");
    QCOMPARE(before.size(), int(WebServerSettings::TextSize));
    auto p = newPanel();
    p->webServer.WSEnabled = 1;
    p->webServer.dhcp = 1;
    p->webServer.auth = 1;
    std::memcpy(p->webServer.user, before.constData(), WebServerSettings::TextSize);
    std::memcpy(p->webServer.pass, before.constData(), WebServerSettings::TextSize);
    runDialog(*p, [&](DialogEditPanel *d) {
        child<QTabWidget>(d, "tabWidget")->setCurrentIndex(1);
        for (const char *name : {"txtWS_user", "txtWS_password"}) {
            auto *field = child<QLineEdit>(d, name);
            field->clear();
            QTest::keyClicks(field, QStringLiteral("ab"));
        }
        pressOk(d);
    });
    QByteArray expected = before;
    expected.replace(0, 3, QByteArrayLiteral("ab\0"));
    QCOMPARE(QByteArray(p->webServer.user, WebServerSettings::TextSize), expected);
    QCOMPARE(QByteArray(p->webServer.pass, WebServerSettings::TextSize), expected);
}

void TestDialogEditPanel::parseIp_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QList<int>>("bytes");
    QTest::newRow("address") << "192.168.1.10" << true << QList<int>({192, 168, 1, 10});
    QTest::newRow("blank field") << "..." << true << QList<int>({0, 0, 0, 0});
    QTest::newRow("fewer parts keep the rest") << "7.8" << true << QList<int>({7, 8, 9, 9});
    QTest::newRow("letters are 0") << "a.1.b.2" << true << QList<int>({0, 1, 0, 2});
    QTest::newRow("more parts ignored") << "1.2.3.4.5" << true << QList<int>({1, 2, 3, 4});
    QTest::newRow("256 refused") << "256.0.0.0" << false << QList<int>({9, 9, 9, 9});
    QTest::newRow("300 refused") << "1.2.3.300" << false << QList<int>({9, 9, 9, 9});
}

void TestDialogEditPanel::parseIp()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QList<int>, bytes);
    unsigned char out[4] = {9, 9, 9, 9};
    QCOMPARE(DialogEditPanel::parseIp(text, out), ok);
    QCOMPARE(QList<int>({out[0], out[1], out[2], out[3]}), bytes);
    const unsigned char ip[4] = {10, 0, 0, 255};
    QCOMPARE(DialogEditPanel::ipToString(ip), QStringLiteral("10.0.0.255"));
}

void TestDialogEditPanel::escapeStoresNothing()
{
    auto p = newPanel();
    const QStringList before = settingsOf(*p);
    bool accepted = true;
    runDialog(*p, [](DialogEditPanel *d) {
        child<QLineEdit>(d, "lineEditPanelName")->setText(QStringLiteral("Other"));
        child<QSpinBox>(d, "spinBoxNetworkAddress")->setValue(9);
        QTest::keyClick(d, Qt::Key_Escape);
    }, &accepted);
    QVERIFY(!accepted);
    QCOMPARE(settingsOf(*p), before);
}

void TestDialogEditPanel::modesShowAndHide()
{
    auto p = newPanel();
    p->rs485mode = 0;
    p->modbusAddress = 33;
    DialogEditPanel d(p.get());
    auto *mode = child<QComboBox>(&d, "comboBoxRS485Mode");
    auto *frame = child<QFrame>(&d, "frameModbus");
    QVERIFY(frame->isHidden());
    mode->setCurrentIndex(1);
    QVERIFY(!frame->isHidden());
    mode->setCurrentIndex(2);
    QVERIFY(frame->isHidden());
    QCOMPARE(child<QSpinBox>(&d, "spinBoxModubsAddress")->value(), 33);
    auto *led = child<QComboBox>(&d, "ledTogglingComboBox");
    led->setCurrentIndex(2);
    QVERIFY(!child<QFrame>(&d, "frameToggling")->isHidden());
    led->setCurrentIndex(1);
    QVERIFY(child<QFrame>(&d, "frameToggling")->isHidden());
    auto *dhcp = child<QCheckBox>(&d, "chkbWS_dhcp");
    dhcp->click();
    QVERIFY(child<QLineEdit>(&d, "txtWS_netmask")->isEnabled());
    child<QLineEdit>(&d, "txtWS_netmask")->setText(QStringLiteral("255.0.0.0"));
    dhcp->click();
    QVERIFY(!child<QLineEdit>(&d, "txtWS_netmask")->isEnabled());
    QCOMPARE(child<QLineEdit>(&d, "txtWS_netmask")->text(), QStringLiteral("255.0.0.0"));
    child<QCheckBox>(&d, "chkbWS_Login")->click();
    QVERIFY(child<QLineEdit>(&d, "txtWS_password")->isEnabled());
}

QTEST_MAIN(TestDialogEditPanel)
#include "tst_DialogEditPanel.moc"
