#include "DialogElement.h"

#include "ui_DialogElement.h"

#include "Facility.h"
#include "PanelConfig.h"

namespace {

constexpr int LastModel = 26;   // the models the type list offers: 1 .. 26

PanelConfig *panelOf(Facility *facility, int index)
{
    if (!facility || index < 0 || index >= facility->panelCount())
        return nullptr;
    return facility->getPanel(index);
}

} // namespace

DialogElement::DialogElement(QWidget *parent, const QStringList &panelNames, const DeviceRecord &element,
                             Mode mode, Facility *facility, int panel, int loop, int address)
    : QDialog(parent),
      ui(std::make_unique<Ui::DialogElement>()),
      m_mode(mode),
      m_element(element),
      m_stored(element),
      m_facility(facility),
      m_address(address)
{
    ui->setupUi(this);
    ui->checkBoxTech->hide();
    ui->checkBoxSndCon->hide();
    ui->typeComboBox->addItems(DeviceRecord::modelNames());
    connect(this, &QDialog::accepted, this, &DialogElement::acceptedSlot);

    ui->addressSpinBox->setRange(1, PanelConfig::AddressCount);
    ui->addressSpinBoxTo->setRange(1, PanelConfig::AddressCount);
    ui->loopSpinBox->setRange(1, PanelConfig::LoopCount);
    ui->addressSpinBox->setValue(address + 1);
    ui->addressSpinBoxTo->setValue(1);
    ui->loopSpinBox->setValue(loop + 1);
    ui->checkBoxEnabled->setChecked(element.mode == 1);
    ui->descriptionLineEdit->setText(element.description);

    if (mode == ModifyMode) {
        ui->zoneSpinBox->setValue(element.zone + 1);
        ui->label_6->hide();
        ui->addressSpinBoxTo->hide();
        ui->addressSpinBox->setEnabled(false);
        ui->loopSpinBox->setEnabled(false);
        ui->panelComboBox->setEnabled(false);
        setWindowTitle(tr("Modify element"));
        if (element.type == 6) {
            ui->checkBoxTech->show();
            ui->checkBoxTech->setChecked(element.flags & DeviceRecord::FlagTech);
            m_techOffered = true;
        } else if (element.type == 7) {
            ui->checkBoxSndCon->show();
            ui->checkBoxSndCon->setChecked(element.flags & DeviceRecord::FlagSound);
            m_soundOffered = true;
        }
        // A model the list cannot show leaves the list without a selection, so
        // that Ok keeps it instead of storing the first model.
        const int model = element.ext_type & DeviceRecord::ModelMask;
        ui->typeComboBox->setCurrentIndex(model >= 1 && model <= LastModel ? model - 1 : -1);
    } else {
        setWindowTitle(tr("Add new element"));
    }

    ui->panelComboBox->addItems(panelNames);
    // The preset is always a panel of the list, also when the remembered one is gone.
    if (panel >= 0 && panel < ui->panelComboBox->count())
        ui->panelComboBox->setCurrentIndex(panel);
    else if (ui->panelComboBox->count() > 0)
        ui->panelComboBox->setCurrentIndex(0);

    m_loadedTypeIndex = ui->typeComboBox->currentIndex();
    m_loadedZoneValue = ui->zoneSpinBox->value();
    m_loadedEnabled = ui->checkBoxEnabled->isChecked();
    m_loadedDescription = ui->descriptionLineEdit->text();

    connect(ui->zoneSpinBox, &QSpinBox::valueChanged, this, &DialogElement::zoneSpinBoxChangedSlot);
    connect(ui->typeComboBox, &QComboBox::currentIndexChanged, this, &DialogElement::comboBoxTypeChangedSlot);
    // The zone name shown is the one of the panel chosen.
    connect(ui->panelComboBox, &QComboBox::currentIndexChanged, this, &DialogElement::zoneSpinBoxChangedSlot);
    zoneSpinBoxChangedSlot();
    m_loadedZoneText = ui->zoneDescription->text();
}

DialogElement::~DialogElement() = default;

bool DialogElement::zoneUntouched() const
{
    return ui->zoneSpinBox->value() == m_loadedZoneValue;
}

int DialogElement::chosenZone() const
{
    if (m_mode == ModifyMode && zoneUntouched())
        return m_stored.zone;
    return ui->zoneSpinBox->value() - 1;
}

bool DialogElement::modelKept() const
{
    return m_mode == ModifyMode && ui->typeComboBox->currentIndex() == m_loadedTypeIndex;
}

int DialogElement::storedTypeAt(int panel, int loop, int address) const
{
    const PanelConfig *p = panelOf(m_facility, panel);
    const DeviceRecord *d = p ? p->deviceAt(loop, address) : nullptr;
    return d ? d->type : 0;
}

void DialogElement::zoneSpinBoxChangedSlot()
{
    const PanelConfig *p = panelOf(m_facility, ui->panelComboBox->currentIndex());
    const ZoneRecord *zone = p ? p->zoneAt(chosenZone()) : nullptr;
    ui->zoneDescription->setText(zone ? zone->description : QString());
}

void DialogElement::comboBoxTypeChangedSlot(int index)
{
    const int firstType = DeviceRecord::channelType(index + 1, 0);
    m_techOffered = index >= 0 && DeviceRecord::isInputType(firstType);
    m_soundOffered = index >= 0 && DeviceRecord::isOutputOnlyType(firstType);
    ui->checkBoxTech->setVisible(m_techOffered);
    ui->checkBoxSndCon->setVisible(m_soundOffered);
}

void DialogElement::acceptedSlot()
{
    const bool modify = m_mode == ModifyMode;
    m_panelIndex = ui->panelComboBox->currentIndex();
    m_quantity = qMax(1, ui->addressSpinBoxTo->value());

    DeviceRecord &e = m_element;
    e.address = static_cast<unsigned char>(ui->addressSpinBox->value() - 1);
    e.loop = static_cast<unsigned char>(ui->loopSpinBox->value() - 1);
    m_address = e.address;
    e.zone = static_cast<unsigned char>(chosenZone());
    e.description = modify && ui->descriptionLineEdit->text() == m_loadedDescription
        ? m_stored.description
        : ui->descriptionLineEdit->text();
    const bool enabled = ui->checkBoxEnabled->isChecked();
    e.mode = modify && enabled == m_loadedEnabled ? m_stored.mode : (enabled ? 1 : 0);

    m_zoneName = ui->zoneDescription->text();
    const bool zoneNameUntouched = modify && zoneUntouched() && m_zoneName == m_loadedZoneText;
    if (m_zoneName.isEmpty() && !zoneNameUntouched)
        m_zoneName = tr("Zone ") + QString::number(e.zone + 1);

    const bool kept = modelKept();
    if (kept) {
        e.type = m_stored.type;
        e.ext_type = m_stored.ext_type;
    } else {
        const int model = ui->typeComboBox->currentIndex() + 1;
        e.type = static_cast<unsigned char>(DeviceRecord::channelType(model, 0));
        e.ext_type = static_cast<unsigned char>(DeviceRecord::codeForChannel(model, 0));
    }

    // Only Tech and Sound are the form's; a box the form did not offer keeps
    // the stored bit while the model stays.
    unsigned char flags = m_stored.flags & ~(DeviceRecord::FlagTech | DeviceRecord::FlagSound);
    if (m_techOffered) {
        if (ui->checkBoxTech->isChecked() && DeviceRecord::isInputType(e.type))
            flags |= DeviceRecord::FlagTech;
    } else if (kept) {
        flags |= m_stored.flags & DeviceRecord::FlagTech;
    }
    if (m_soundOffered) {
        if (ui->checkBoxSndCon->isChecked()
            && (DeviceRecord::isOutputOnlyType(e.type)
                || DeviceRecord::isOutputOnlyType(storedTypeAt(m_panelIndex, e.loop, e.address))))
            flags |= DeviceRecord::FlagSound;
    } else if (kept) {
        flags |= m_stored.flags & DeviceRecord::FlagSound;
    }
    e.flags = flags;
}

int DialogElement::takeDevice(DeviceRecord &element)
{
    element = m_element;
    if (m_quantity <= 0 || m_address > PanelConfig::AddressCount - 1)
        return 0;
    --m_quantity;
    ++m_address;
    if (m_address < PanelConfig::AddressCount)
        m_element.address = static_cast<unsigned char>(m_address);
    return m_quantity;
}

int DialogElement::quantity() const
{
    return ui->addressSpinBoxTo->value();
}
