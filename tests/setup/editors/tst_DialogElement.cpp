#include "DialogElement.h"
#include "Facility.h"
#include "ModalScript.h"
#include "PanelConfig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

#include <memory>

namespace {

template <class T>
T *child(QWidget *w, const char *name)
{
    return w->findChild<T *>(QLatin1String(name));
}

struct TwoPanels {
    Facility facility;
    TwoPanels()
    {
        for (int i = 0; i < 2; ++i) {
            auto p = std::make_unique<PanelConfig>();
            p->setName(QStringLiteral("P%1").arg(i));
            p->zoneAt(2)->description = QStringLiteral("zone 3 of P%1").arg(i);
            facility.addPanel(p.release());
        }
    }
    PanelConfig &panel(int i) { return *facility.getPanel(i); }
};

std::unique_ptr<DialogElement> addDialog(TwoPanels &site, int panel = 0, int loop = 0, int address = 0)
{
    DeviceRecord r;
    r.mode = 1;
    return std::make_unique<DialogElement>(nullptr, site.facility.panelNames(), r, DialogElement::AddMode,
                                           &site.facility, panel, loop, address);
}

std::unique_ptr<DialogElement> modifyDialog(TwoPanels &site, const DeviceRecord &stored)
{
    return std::make_unique<DialogElement>(nullptr, site.facility.panelNames(), stored, DialogElement::ModifyMode,
                                           &site.facility, 0, stored.loop, stored.address);
}

void ok(DialogElement &d)
{
    ModalScript::clickStandardButton(&d, QDialogButtonBox::Ok);
}

DeviceRecord taken(DialogElement &d)
{
    DeviceRecord r;
    d.takeDevice(r);
    return r;
}

} // namespace

class TestDialogElement : public QObject {
    Q_OBJECT
private slots:
    void typeListAndForm();
    void optionBoxesFollowTheModel_data();
    void optionBoxesFollowTheModel();
    void techThenOutputStoresNoTech();
    void addModeRecord();
    void emptyZoneNameInAddMode();
    void zoneNameFollowsThePanel();
    void modifyModeForm();
    void enableByte_data();
    void enableByte();
    void modelTheListCannotShow_data();
    void modelTheListCannotShow();
    void zoneAbove249();
    void mixedModuleOutputKeepsSound();
    void takeDeviceCountsDown();
};

void TestDialogElement::typeListAndForm()
{
    TwoPanels site;
    auto d = addDialog(site);
    auto *types = child<QComboBox>(d.get(), "typeComboBox");
    QCOMPARE(types->count(), 26);
    QCOMPARE(types->itemText(0), QStringLiteral("OPTO"));
    QCOMPARE(types->itemText(12), QStringLiteral("2 INPUTS 2 OUTPUTS"));
    QCOMPARE(types->itemText(25), QStringLiteral("BEAM"));
    QCOMPARE(child<QLineEdit>(d.get(), "descriptionLineEdit")->maxLength(), 23);
    QCOMPARE(child<QSpinBox>(d.get(), "zoneSpinBox")->maximum(), 250);
    QCOMPARE(child<QSpinBox>(d.get(), "loopSpinBox")->maximum(), 8);
    QCOMPARE(d->windowTitle(), QStringLiteral("Add new element"));
    QVERIFY(!child<QSpinBox>(d.get(), "addressSpinBoxTo")->isHidden());
    QVERIFY(child<QComboBox>(d.get(), "panelComboBox")->isEnabled());
    QVERIFY(child<QCheckBox>(d.get(), "checkBoxTech")->isHidden());
    QVERIFY(child<QCheckBox>(d.get(), "checkBoxSndCon")->isHidden());
}

void TestDialogElement::optionBoxesFollowTheModel_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("tech");
    QTest::addColumn<bool>("sound");
    QTest::newRow("OPTO") << 0 << false << false;
    QTest::newRow("INPUT") << 7 << true << false;
    QTest::newRow("2 INPUTS") << 8 << true << false;
    QTest::newRow("OUTPUT") << 9 << false << true;
    QTest::newRow("1 INPUT 1 OUTPUT") << 11 << true << false;
    QTest::newRow("OUTPUT 24V") << 13 << false << true;
    QTest::newRow("SOUNDER MODULE") << 15 << false << false;
}

void TestDialogElement::optionBoxesFollowTheModel()
{
    QFETCH(int, index);
    QFETCH(bool, tech);
    QFETCH(bool, sound);
    TwoPanels site;
    auto d = addDialog(site);
    child<QComboBox>(d.get(), "typeComboBox")->setCurrentIndex(25);
    child<QComboBox>(d.get(), "typeComboBox")->setCurrentIndex(index);
    QCOMPARE(!child<QCheckBox>(d.get(), "checkBoxTech")->isHidden(), tech);
    QCOMPARE(!child<QCheckBox>(d.get(), "checkBoxSndCon")->isHidden(), sound);
}

void TestDialogElement::techThenOutputStoresNoTech()
{
    TwoPanels site;
    auto d = addDialog(site);
    child<QComboBox>(d.get(), "typeComboBox")->setCurrentIndex(7);
    child<QCheckBox>(d.get(), "checkBoxTech")->setChecked(true);
    child<QComboBox>(d.get(), "typeComboBox")->setCurrentIndex(9);
    QVERIFY(child<QCheckBox>(d.get(), "checkBoxTech")->isChecked());
    ok(*d);
    const DeviceRecord r = taken(*d);
    QCOMPARE(int(r.type), 7);
    QCOMPARE(int(r.flags), 0);

    auto input = addDialog(site);
    child<QComboBox>(input.get(), "typeComboBox")->setCurrentIndex(8);
    child<QCheckBox>(input.get(), "checkBoxTech")->setChecked(true);
    ok(*input);
    QCOMPARE(int(taken(*input).flags), 0x40);
}

void TestDialogElement::addModeRecord()
{
    TwoPanels site;
    auto d = addDialog(site, 1, 2, 9);
    QCOMPARE(child<QSpinBox>(d.get(), "addressSpinBox")->value(), 10);
    QCOMPARE(child<QSpinBox>(d.get(), "loopSpinBox")->value(), 3);
    child<QComboBox>(d.get(), "typeComboBox")->setCurrentIndex(20);   // PANEL 8Z
    child<QLineEdit>(d.get(), "descriptionLineEdit")->setText(QStringLiteral("Fire"));
    child<QSpinBox>(d.get(), "zoneSpinBox")->setValue(3);
    child<QCheckBox>(d.get(), "checkBoxEnabled")->setChecked(false);
    child<QSpinBox>(d.get(), "addressSpinBoxTo")->setValue(2);
    ok(*d);
    QCOMPARE(d->panelIndex(), 1);
    QCOMPARE(d->quantity(), 2);
    QCOMPARE(d->zoneName(), QStringLiteral("zone 3 of P1"));
    const DeviceRecord r = taken(*d);
    QCOMPARE(QList<int>({r.loop, r.address, r.type, r.ext_type, r.zone, r.mode, r.flags}),
             QList<int>({2, 9, 9, 21 + 64, 2, 0, 0}));
    QCOMPARE(r.description, QStringLiteral("Fire"));
}

void TestDialogElement::emptyZoneNameInAddMode()
{
    TwoPanels site;
    auto d = addDialog(site);
    child<QSpinBox>(d.get(), "zoneSpinBox")->setValue(7);
    QCOMPARE(child<QLineEdit>(d.get(), "zoneDescription")->text(), QString());
    ok(*d);
    QCOMPARE(d->zoneName(), QStringLiteral("Zone 7"));
}

void TestDialogElement::zoneNameFollowsThePanel()
{
    TwoPanels site;
    auto d = addDialog(site);
    child<QSpinBox>(d.get(), "zoneSpinBox")->setValue(3);
    QCOMPARE(child<QLineEdit>(d.get(), "zoneDescription")->text(), QStringLiteral("zone 3 of P0"));
    child<QComboBox>(d.get(), "panelComboBox")->setCurrentIndex(1);
    QCOMPARE(child<QLineEdit>(d.get(), "zoneDescription")->text(), QStringLiteral("zone 3 of P1"));
}

void TestDialogElement::modifyModeForm()
{
    TwoPanels site;
    DeviceRecord stored = *site.panel(0).deviceAt(1, 40);
    stored.type = 6;
    stored.ext_type = 8;
    stored.flags = 0x40;
    stored.zone = 2;
    stored.mode = 1;
    stored.description = QStringLiteral("Door");
    auto d = modifyDialog(site, stored);
    QCOMPARE(d->windowTitle(), QStringLiteral("Modify element"));
    QVERIFY(child<QSpinBox>(d.get(), "addressSpinBoxTo")->isHidden());
    QVERIFY(child<QLabel>(d.get(), "label_6")->isHidden());
    QVERIFY(!child<QSpinBox>(d.get(), "addressSpinBox")->isEnabled());
    QVERIFY(!child<QSpinBox>(d.get(), "loopSpinBox")->isEnabled());
    QVERIFY(!child<QComboBox>(d.get(), "panelComboBox")->isEnabled());
    QCOMPARE(child<QComboBox>(d.get(), "typeComboBox")->currentText(), QStringLiteral("INPUT"));
    QVERIFY(!child<QCheckBox>(d.get(), "checkBoxTech")->isHidden());
    QVERIFY(child<QCheckBox>(d.get(), "checkBoxTech")->isChecked());
    QCOMPARE(child<QSpinBox>(d.get(), "zoneSpinBox")->value(), 3);
    QCOMPARE(child<QLineEdit>(d.get(), "zoneDescription")->text(), QStringLiteral("zone 3 of P0"));
    QCOMPARE(child<QSpinBox>(d.get(), "addressSpinBox")->value(), 41);

    child<QCheckBox>(d.get(), "checkBoxTech")->setChecked(false);
    ok(*d);
    QCOMPARE(int(taken(*d).flags), 0);
}

void TestDialogElement::enableByte_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("clicks");   // times the user clicks "Enabled"
    QTest::addColumn<int>("result");
    QTest::newRow("test kept") << 2 << 0 << 2;
    QTest::newRow("test enabled by the user") << 2 << 1 << 1;
    QTest::newRow("test, box clicked twice") << 2 << 2 << 2;
    QTest::newRow("enabled kept") << 1 << 0 << 1;
    QTest::newRow("enabled switched off") << 1 << 1 << 0;
    QTest::newRow("disabled kept") << 0 << 0 << 0;
}

void TestDialogElement::enableByte()
{
    QFETCH(int, stored);
    QFETCH(int, clicks);
    QFETCH(int, result);
    TwoPanels site;
    DeviceRecord r;
    r.type = 1;
    r.ext_type = 1;
    r.mode = static_cast<unsigned char>(stored);
    auto d = modifyDialog(site, r);
    QCOMPARE(child<QCheckBox>(d.get(), "checkBoxEnabled")->isChecked(), stored == 1);
    for (int i = 0; i < clicks; ++i)
        child<QCheckBox>(d.get(), "checkBoxEnabled")->click();
    ok(*d);
    QCOMPARE(int(taken(*d).mode), result);
}

void TestDialogElement::modelTheListCannotShow_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("type");
    QTest::newRow("model 0") << 0 << 1;
    QTest::newRow("model 27") << 27 << 2;
    QTest::newRow("model 40 as a module part") << (0x80 | 40) << 5;
}

void TestDialogElement::modelTheListCannotShow()
{
    QFETCH(int, code);
    QFETCH(int, type);
    TwoPanels site;
    DeviceRecord r;
    r.type = static_cast<unsigned char>(type);
    r.ext_type = static_cast<unsigned char>(code);
    r.mode = 1;
    auto d = modifyDialog(site, r);
    QCOMPARE(child<QComboBox>(d.get(), "typeComboBox")->currentIndex(), -1);
    ok(*d);
    DeviceRecord out = taken(*d);
    QCOMPARE(int(out.ext_type), code);
    QCOMPARE(int(out.type), type);

    // Choosing a model stores it.
    auto chosen = modifyDialog(site, r);
    child<QComboBox>(chosen.get(), "typeComboBox")->setCurrentIndex(1);
    ok(*chosen);
    out = taken(*chosen);
    QCOMPARE(QList<int>({out.type, out.ext_type}), QList<int>({2, 2}));
}

void TestDialogElement::zoneAbove249()
{
    TwoPanels site;
    site.panel(0).zoneAt(249)->description = QStringLiteral("last zone");
    DeviceRecord r;
    r.type = 1;
    r.ext_type = 1;
    r.mode = 1;
    r.zone = 252;
    auto d = modifyDialog(site, r);
    QCOMPARE(child<QSpinBox>(d.get(), "zoneSpinBox")->value(), 250);
    QCOMPARE(child<QLineEdit>(d.get(), "zoneDescription")->text(), QString());   // not zone 249's name
    ok(*d);
    QCOMPARE(int(taken(*d).zone), 252);

    auto moved = modifyDialog(site, r);
    child<QSpinBox>(moved.get(), "zoneSpinBox")->setValue(249);
    child<QSpinBox>(moved.get(), "zoneSpinBox")->setValue(250);
    QCOMPARE(child<QLineEdit>(moved.get(), "zoneDescription")->text(), QString());
    child<QSpinBox>(moved.get(), "zoneSpinBox")->setValue(12);
    ok(*moved);
    QCOMPARE(int(taken(*moved).zone), 11);
}

void TestDialogElement::mixedModuleOutputKeepsSound()
{
    TwoPanels site;
    PanelConfig &p = site.panel(0);
    DeviceRecord place;
    place.loop = 0;
    place.address = 20;
    place.ext_type = 12;
    place.flags = 0x04;
    place.mode = 1;
    QCOMPARE(p.insertDevices(place, 1, false), 1);
    auto d = modifyDialog(site, *p.deviceAt(0, 21));
    QVERIFY(!child<QCheckBox>(d.get(), "checkBoxSndCon")->isHidden());
    QVERIFY(child<QCheckBox>(d.get(), "checkBoxTech")->isHidden());
    QCOMPARE(child<QComboBox>(d.get(), "typeComboBox")->currentText(), QStringLiteral("1 INPUT 1 OUTPUT"));
    ok(*d);
    const DeviceRecord out = taken(*d);
    QCOMPARE(int(out.flags), 0x04);
    QCOMPARE(int(out.type), 7);
    QCOMPARE(int(out.ext_type), 0xCC);
}

void TestDialogElement::takeDeviceCountsDown()
{
    TwoPanels site;
    auto d = addDialog(site, 0, 0, 247);
    child<QSpinBox>(d.get(), "addressSpinBoxTo")->setValue(3);
    ok(*d);
    DeviceRecord r;
    QList<int> left, addresses;
    for (int i = 0; i < 4; ++i) {
        left << d->takeDevice(r);
        addresses << r.address;
    }
    QCOMPARE(left, QList<int>({2, 1, 0, 0}));
    QCOMPARE(addresses, QList<int>({247, 248, 249, 249}));
}

QTEST_MAIN(TestDialogElement)
#include "tst_DialogElement.moc"
