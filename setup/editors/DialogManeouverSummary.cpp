#include "DialogManeouverSummary.h"
#include "ui_DialogManeouverSummary.h"

#include "Facility.h"
#include "LogManeuver.h"
#include "PanelConfig.h"

DialogManeouverSummary::DialogManeouverSummary(const Facility *site, QWidget *parent)
    : QDialog(parent, Qt::WindowFlags())
    , ui(std::make_unique<Ui::DialogManeouverSummary>())
    , facility(site)
{
    ui->setupUi(this);
    ui->tableWidget->setColumnWidth(0, 100);
    ui->tableWidget->setColumnWidth(1, 350);
    ui->tableWidget->setColumnWidth(2, 350);
    ui->butToglManeouvers->hide();
    showingLogicEvents = false;
    connect(ui->pushButton, &QPushButton::pressed, this, &QDialog::close);
    connect(ui->butToglManeouvers, &QPushButton::clicked, this, &DialogManeouverSummary::toggleActions);
    fillEvents();
}

DialogManeouverSummary::~DialogManeouverSummary()
{
    facility = nullptr;
}

void DialogManeouverSummary::appendRow(const QString &panel, const QString &input, const QString &output)
{
    QTableWidget *table = ui->tableWidget;
    const int row = table->rowCount();
    table->insertRow(row);
    table->setItem(row, 0, new QTableWidgetItem(panel));
    table->setItem(row, 1, new QTableWidgetItem(input));
    table->setItem(row, 2, new QTableWidgetItem(output));
}

void DialogManeouverSummary::fillEvents()
{
    ui->tableWidget->setRowCount(0);
    if (!facility)
        return;
    for (int i = 0; i < facility->panelCount(); ++i) {
        const PanelConfig *panel = facility->getPanel(i);
        for (int slot = 0; slot < panel->eventCount(); ++slot) {
            const EventRecord *record = panel->eventAt(slot);
            appendRow(panel->name(), record->ownEventText(), record->describe(facility));
        }
        if (!ui->butToglManeouvers->isVisibleTo(this) && panel->logicEventCount() > 0)
            ui->butToglManeouvers->show();
    }
}

void DialogManeouverSummary::fillLogicEvents()
{
    ui->tableWidget->setRowCount(0);
    if (!facility)
        return;
    for (int i = 0; i < facility->panelCount(); ++i) {
        const PanelConfig *panel = facility->getPanel(i);
        for (int k = 0; k < panel->logicEventCount(); ++k) {
            const LogManeuver *logic = panel->logicEventAt(k);
            appendRow(panel->name(), logic->describeConditions(), logic->record.describe(facility));
        }
    }
}

void DialogManeouverSummary::toggleActions()
{
    if (showingLogicEvents) {
        fillEvents();
        ui->butToglManeouvers->setText(tr("Logic Events"));
    } else {
        fillLogicEvents();
        ui->butToglManeouvers->setText(tr("Events"));
    }
    showingLogicEvents = !showingLogicEvents;
}
