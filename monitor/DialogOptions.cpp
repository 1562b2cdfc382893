#include "DialogOptions.h"
#include "ui_DialogOptions.h"

#include "MyConfigOptions.h"

#include <QPushButton>

DialogOptions::DialogOptions(MyConfigOptions *options, QWidget *parent)
    : QDialog(parent)
    , options(options)
    , ui(std::make_unique<Ui::DialogOptions>())
{
    ui->setupUi(this);
    // The window type first: changing the flags re-creates the window, and the
    // modality is set on the window that stays.
    setWindowFlags(Qt::Popup);
    setModal(true);

    ui->spbUsbPolling->setMaximum(int(MyConfigOptions::MaxPeriode));
    ui->spbUsbPolling->setMinimum(int(MyConfigOptions::MinPeriode));
    ui->spbUsbPolling->setSingleStep(10);

    // Loaded before the coupling slots are connected, so the stored ticks show
    // as they are, even both analog values off.
    loadFromOptions(*options);

    connect(this, &QDialog::accepted, this, &DialogOptions::acceptedSlot);
    connect(ui->cbNormalized, &QCheckBox::toggled, this, &DialogOptions::slotNormalizedSettings);
    connect(ui->cbAbsolute, &QCheckBox::toggled, this, &DialogOptions::slotAbsoluteSettings);
    connect(ui->butBox, &QDialogButtonBox::clicked, this, &DialogOptions::setDefaultSlot);

    // The language is chosen in the main window's "Language" menu.
    ui->lblLanguaje->hide();
    ui->lblOtherSettings->hide();
    ui->cmbLang->hide();
}

DialogOptions::~DialogOptions() = default;

void DialogOptions::loadFromOptions(const MyConfigOptions &source)
{
    ui->cbDescription->setChecked(source.description);
    ui->cbZone->setChecked(source.zone);
    ui->cbVersion->setChecked(source.version);
    ui->cbAlarmas->setChecked(source.numAlarms);
    ui->cbAverias->setChecked(source.numFaults);
    ui->cbNormalized->setChecked(source.normalized);
    ui->cbAbsolute->setChecked(source.absoluteVals);
    ui->cbMinMax->setChecked(source.absoluteVals && source.absoluteMinMax);
    ui->cbMinMax->setEnabled(source.absoluteVals);
    ui->cbCommErr->setChecked(source.comms);
    ui->cbDataLogg->setChecked(source.datalog);
    // The spin box holds the value within its range.
    ui->spbUsbPolling->setValue(int(qMin<quint32>(source.periode, MyConfigOptions::MaxPeriode)));
}

// Keeps at least one analog value polled.
void DialogOptions::slotNormalizedSettings(bool enable)
{
    if (!enable && !ui->cbAbsolute->isChecked())
        ui->cbAbsolute->setChecked(true);
}

void DialogOptions::slotAbsoluteSettings(bool enable)
{
    if (!enable) {
        ui->cbMinMax->setChecked(false);
        if (!ui->cbNormalized->isChecked())
            ui->cbNormalized->setChecked(true);
    }
    ui->cbMinMax->setEnabled(enable);
}

void DialogOptions::setDefaultSlot(QAbstractButton *button)
{
    if (button != ui->butBox->button(QDialogButtonBox::RestoreDefaults))
        return;
    // The defaults go to the widgets only; the options follow on Ok.
    MyConfigOptions defaults;
    defaults.setDefaults();
    loadFromOptions(defaults);
}

void DialogOptions::acceptedSlot()
{
    options->description = ui->cbDescription->isChecked();
    options->zone = ui->cbZone->isChecked();
    options->version = ui->cbVersion->isChecked();
    options->numAlarms = ui->cbAlarmas->isChecked();
    options->numFaults = ui->cbAverias->isChecked();
    options->normalized = ui->cbNormalized->isChecked();
    options->absoluteVals = ui->cbAbsolute->isChecked();
    options->absoluteMinMax = ui->cbMinMax->isEnabled() && ui->cbMinMax->isChecked();
    options->periode = quint32(ui->spbUsbPolling->value());
    options->comms = ui->cbCommErr->isChecked();
    options->datalog = ui->cbDataLogg->isChecked();
}
