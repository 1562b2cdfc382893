#include "MyMainWidget.h"
#include "ui_MyMainWidget.h"

#include "DialogPlot.h"
#include "MyQSortFilterProxyModel.h"
#include "SpinBoxDelegate.h"
#include "ViewsLogging.h"
#include "loopChart.h"
#include "pointsActionDelegate.h"

#include "MyConfigOptions.h"
#include "PanelModel.h"
#include "Pause.h"
#include "myProgressDialog.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <memory>

namespace {
// The logo drawn behind the point table.
const char LogoPath[] = ":/res/icons/logo_brelix.png";

constexpr int TypeCount = 10;   // bars for the types 1 to 10
constexpr int PauseMs = 100;    // between two reads of the scan

struct ColumnOption {
    bool MyConfigOptions::*option;
    int column;
};
const ColumnOption ColumnOptions[] = {
    {&MyConfigOptions::description, PanelModel::ColDescription},
    {&MyConfigOptions::zone, PanelModel::ColZone},
    {&MyConfigOptions::version, PanelModel::ColVersion},
    {&MyConfigOptions::numAlarms, PanelModel::ColAlarms},
    {&MyConfigOptions::numFaults, PanelModel::ColFaults},
    {&MyConfigOptions::normalized, PanelModel::ColNormalized},
    {&MyConfigOptions::absoluteVals, PanelModel::ColAbsolute},
    {&MyConfigOptions::absoluteMinMax, PanelModel::ColAbsoluteMin},
    {&MyConfigOptions::absoluteMinMax, PanelModel::ColAbsoluteMax},
    {&MyConfigOptions::comms, PanelModel::ColCommsErrors},
};

bool hasParameters(quint8 type)
{
    return type == 1 || type == 3;   // optical and optical-heat detectors
}
}

MyMainWidget::MyMainWidget(PanelModel *model, MyConfigOptions *options, QWidget *parent)
    : QWidget(parent), ui(new Ui::MyMainWidget), model(model), options(options)
{
    ui->setupUi(this);
    setStyleSheet(QStringLiteral("#tvFrame{\tbackground-image: url(") + QLatin1String(LogoPath)
                  + QStringLiteral(");\tbackground-repeat: no-repeat;\tbackground-attachment: fixed;\tbackground-position:center;}"
                                   "QTableView{\tbackground: none; \tbackground-color:rgba(255,255,255,180);}"
                                   "QTableView::headerView{\tbackground-color:#333;}"));

    proxy = new MyQSortFilterProxyModel(this);
    auto *actionsDelegate = new pointsActionDelegate(this);
    auto *thresholdDelegate = new SpinBoxDelegate(this, PanelModel::MinThreshold, PanelModel::MaxThreshold);
    auto *sensibilityDelegate = new SpinBoxDelegate(this, PanelModel::MinSensibility, PanelModel::MaxSensibility);
    proxy->setSourceModel(model);
    ui->tvLoop->setModel(proxy);
    ui->tvLoop->setItemDelegateForColumn(PanelModel::ColActions, actionsDelegate);
    ui->tvLoop->setItemDelegateForColumn(PanelModel::ColThreshold, thresholdDelegate);
    ui->tvLoop->setItemDelegateForColumn(PanelModel::ColSensibility, sensibilityDelegate);

    ui->tvLoop->setColumnWidth(PanelModel::ColActions, 95);
    // Addresses in loop order until the user picks a column to sort by.
    ui->tvLoop->horizontalHeader()->setSortIndicator(PanelModel::ColAddress, Qt::AscendingOrder);
    ui->tvLoop->setSortingEnabled(true);
    fitColumnsToCaptions();
    ui->tvLoop->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui->tvLoop->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every committed editor is a write to the panel: editors open only when the
    // user asks for one, never by walking over a cell.
    ui->tvLoop->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                | QAbstractItemView::AnyKeyPressed);
    ui->tvLoop->setColumnHidden(PanelModel::ColThreshold, true);
    ui->tvLoop->setColumnHidden(PanelModel::ColSensibility, true);
    ui->tvLoop->setAlternatingRowColors(true);
    ui->tvLoop->verticalHeader()->setDefaultSectionSize(26);
    ui->tvLoop->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ui->tvLoop->verticalHeader()->hide();

    showPanelStatistics(0, 0, QString());
    typeLabels = {QStringLiteral("OPT"), QStringLiteral("HEA"), QStringLiteral("O-H"), QStringLiteral("MCP"),
                  QStringLiteral("ZON"), QStringLiteral("IN"), QStringLiteral("OUT"), QStringLiteral("SND"),
                  QStringLiteral("PNL"), QStringLiteral("GAS")};
    typeCounts = QVector<int>(TypeCount, 0);
    createLoopChart();

    connect(options, &MyConfigOptions::settingsChange, this, &MyMainWidget::filterColumns);
    filterColumns();
    connect(ui->tvLoop, &QTableView::doubleClicked, this, &MyMainWidget::slotStartGraphics);
}

MyMainWidget::~MyMainWidget()
{
    if (plot) {
        disconnect(plot, &QObject::destroyed, this, &MyMainWidget::detectPlotterDestroy);
        delete plot.data();
    }
    delete ui;
}

void MyMainWidget::fitColumnsToCaptions()
{
    // At the default section width captions such as "Number of alarms" are cut.
    // Each column is widened to what its caption needs (the header's own hint:
    // text, margins and the sort indicator's room) and never narrowed, so the
    // Actions column keeps its 95 pixels. A hidden section has no hint, so this
    // runs while every column is still shown; the columns hidden afterwards keep
    // their width for when the options or Ctrl+Shift+D show them.
    QHeaderView *header = ui->tvLoop->horizontalHeader();
    for (int column = 0; column < header->count(); ++column)
        header->resizeSection(column, qMax(header->sectionSize(column), header->sectionSizeHint(column)));
}

void MyMainWidget::createLoopChart()
{
    chart = new loopChart(ui->chartFrame);
    chart->setData(0, typeCounts, typeLabels);
    chart->setMinimumSize(ui->chartFrame->width() - 2, ui->chartFrame->height() - 2);
    chart->setAutoFillBackground(false);
}

void MyMainWidget::showPanelStatistics(quint8 loopCount, quint8 maxPoints, const QString &version, const QString &)
{
    QString title = tr("Panel statistics");
    if (!version.isEmpty())
        title += QStringLiteral(" (v") + version + QLatin1Char(')');
    ui->gbPanel->setTitle(title);
    ui->lblMaxLoops->setText(tr("Max loops: ") + QString::number(loopCount));
    ui->lblMaxElements->setText(tr("Max points per loop: ") + QString::number(maxPoints));
}

void MyMainWidget::showCounters(int presentPoints, int totalPolls, int totalErrors, int pointsInError,
                                const QVector<int> &counts)
{
    ui->lblCommsVal->setText(QString::number(totalPolls));
    if (totalPolls != 0) {
        ui->lblTotalErrorsVal->setText(QString::number(totalErrors));
        const double quality = double(totalPolls - totalErrors) / double(totalPolls) * 100.0;
        ui->lblComQLTYVal->setText(QString::number(quality, 'f', 1) + QStringLiteral(" %"));
    } else {
        ui->lblTotalErrorsVal->setText(QString::number(totalErrors) + QStringLiteral(" (0.0%)"));
        ui->lblComQLTYVal->setText(QStringLiteral("--- %"));
    }
    ui->lblPntInErrVal->setText(QString::number(pointsInError));

    for (int i = 0; i < TypeCount; ++i)
        typeCounts[i] = i < counts.size() ? counts.at(i) : 0;
    chart->setData(int(options->currentLoop) + 1, typeCounts, typeLabels, presentPoints);
}

void MyMainWidget::showStatistics()
{
    ui->topWidget->show();
}

void MyMainWidget::hideStatistics()
{
    ui->topWidget->hide();
}

void MyMainWidget::setDynamicSort(bool on)
{
    proxy->setDynamicSortFilter(on);
}

void MyMainWidget::filterColumns()
{
    for (const ColumnOption &c : ColumnOptions) {
        const bool hide = !(options->*c.option);
        if (ui->tvLoop->isColumnHidden(c.column) != hide)
            ui->tvLoop->setColumnHidden(c.column, hide);
    }
}

void MyMainWidget::slotLoopChanged()
{
    proxy->refreshFilter();
}

void MyMainWidget::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (event->key() != Qt::Key_D || !(mods & Qt::ShiftModifier) || !(mods & Qt::ControlModifier)) {
        QWidget::keyPressEvent(event);   // the parent may want it (Escape, shortcuts)
        return;
    }
    event->accept();
    // A held key repeats, and the scan lets events through while it runs: only a
    // fresh press outside a scan toggles.
    if (event->isAutoRepeat() || scanning)
        return;
    toggleAdvancedValues();
}

void MyMainWidget::setScanAllowed(bool allowed)
{
    scanAllowed = allowed;
}

void MyMainWidget::toggleAdvancedValues()
{
    if (advancedValuesShown) {
        ui->tvLoop->setColumnHidden(PanelModel::ColThreshold, true);
        ui->tvLoop->setColumnHidden(PanelModel::ColSensibility, true);
        advancedValuesShown = false;
        return;
    }
    if (!scanAllowed) {
        qCDebug(lcViews) << "scan refused: another procedure is running";
        return;
    }
    if (!scanAdvancedValues())
        return;
    ui->tvLoop->setColumnHidden(PanelModel::ColThreshold, false);
    ui->tvLoop->setColumnHidden(PanelModel::ColSensibility, false);
    advancedValuesShown = true;
}

bool MyMainWidget::scanAdvancedValues()
{
    scanning = true;
    emit scanStarted();
    const auto progress = std::make_unique<myProgressDialog>(this, tr("Scaning Advanced Values"),
                                                             tr("Scaning loop for advanced values.\n Please wait..."));
    const bool wasPolling = model->isPollingActive();
    model->stopPollingIfActive();
    // The loop scanned is the one shown when the scan began.
    const quint8 loop = options->currentLoop;
    bool cancelled = false;
    for (int i = 0; i < PanelModel::RowCount; ++i) {
        if (progress->wasCanceled()) {
            cancelled = true;
            break;
        }
        progress->setValue(i * 100 / PanelModel::RowCount);
        if (!hasParameters(model->pointType(loop, quint8(i))))
            continue;
        QCoreApplication::processEvents();
        model->readPointThreshold(loop, quint8(i));
        Pause::ms(PauseMs);
        QCoreApplication::processEvents();
        model->readPointSensibility(loop, quint8(i));
        Pause::ms(PauseMs);
    }
    progress->close();
    if (wasPolling)
        model->startPolling();
    scanning = false;
    emit scanFinished();
    return !cancelled;
}

void MyMainWidget::slotStartGraphics(const QModelIndex &index)
{
    if (!index.isValid() || index.column() == PanelModel::ColThreshold || index.column() == PanelModel::ColSensibility)
        return;
    const uint address = index.sibling(index.row(), PanelModel::ColAddress).data(Qt::DisplayRole).toUInt();
    if (address < 1 || address > uint(PanelModel::RowCount))
        return;
    if (!plot) {
        plot = new DialogPlot(options, this);
        connect(plot, &QObject::destroyed, this, &MyMainWidget::detectPlotterDestroy);
        plot->show();
    }
    const quint8 loop = options->currentLoop;
    plot->addPoint(int(loop) + 1, int(address), model->history(loop, quint8(address - 1)));
    plot->show();
}

DialogPlot *MyMainWidget::plotDialog() const
{
    return plot.data();
}

void MyMainWidget::detectPlotterDestroy()
{
    qCDebug(lcViews) << "destroy plotter";
    plot = nullptr;
}
