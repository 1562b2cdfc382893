#include "PanelTransfer.h"

#include "CommandLock.h"
#include "DialogAskPassword.h"
#include "DialogChoosePanel.h"
#include "DialogConfigTime.h"
#include "DialogExport.h"
#include "Facility.h"
#include "FilePrompt.h"
#include "PanelConfig.h"
#include "ProgramState.h"
#include "TransferProgress.h"
#include "USBDataConfig.h"

#include <QDir>
#include <QMessageBox>
#include <QScopeGuard>

namespace {
// Progress values: the element step sets 0..7 after each loop, the steps after
// it count on from 8.
constexpr int ReadSteps = 13;
constexpr int WriteSteps = 12;
constexpr int LogSteps = 4;
constexpr int Loops = 8;

QString withNote(const QString &message, const QString &note)
{
    return message + QStringLiteral("\n\n") + note;
}
} // namespace

PanelTransfer::PanelTransfer(USBDataConfig &engine, TransferHooks hooks) : m_engine(engine), m_hooks(std::move(hooks))
{
}

PanelTransfer::~PanelTransfer()
{
    m_progress.reset();
    if (m_engineTaken)
        m_engine.disconnect();
}

// ---- pieces shared by the commands ------------------------------------------------

void PanelTransfer::showMessage(const QString &text, const QString &title)
{
    QMessageBox box;
    box.setWindowTitle(title);
    box.setText(text);
    box.setModal(true);
    box.exec();
}

void PanelTransfer::refreshViews()
{
    if (m_hooks.refreshViews)
        m_hooks.refreshViews();
}

void PanelTransfer::openProgress(const QString &label, const QString &title, int maximum)
{
    m_progress = std::make_unique<TransferProgress>(label, title, tr("Abort"), maximum, parent());
    m_progress->show();
}

void PanelTransfer::finish(const QString &message, const QString &title)
{
    m_progress.reset();
    m_engine.disconnect();
    m_engineTaken = false;
    if (!message.isEmpty())
        showMessage(message, title);
}

bool PanelTransfer::runSteps(const std::vector<Step> &steps, QString &failure)
{
    for (const Step &step : steps) {
        if (!step.label.isNull())
            m_progress->setLabelText(step.label);
        if (step.valueBefore >= 0)
            m_progress->setValue(step.valueBefore);
        const bool ok = step.run();
        if (ok && step.valueAfter >= 0)
            m_progress->setValue(step.valueAfter);
        if (!ok || m_progress->abortRequested()) {
            failure = step.failure;
            return false;
        }
    }
    return true;
}

// The panel's access code, and the installer password when it is not the
// factory one. An unreadable code page is a link failure: it must never
// compare equal to an empty entry.
bool PanelTransfer::passwordAccepted()
{
    QString code;
    if (!m_engine.readAccessCode(code)) {
        finish(tr("Error in USB communication."), tr("Error"));
        return false;
    }
    if (code == QLatin1String(FactoryAccessCode))
        return true;
    DialogAskPassword dialog(parent());
    dialog.setModal(true);
    if (dialog.exec() == QDialog::Accepted && dialog.password == code)
        return true;
    finish(tr("Error entering password"));
    return false;
}

// The panel a download or import fills: chosen by name, or the first one the
// user adds to an empty site. Null when the user chose none.
PanelConfig *PanelTransfer::chooseTarget()
{
    Facility *site = currentFacility;
    if (!site)
        return nullptr;
    if (site->panelCount() == 0) {
        if (m_hooks.addFirstPanel)
            m_hooks.addFirstPanel();
        return site->panelCount() > 0 ? site->getPanel(0) : nullptr;
    }
    DialogChoosePanel dialog(site->panelNames(), tr("Download configuration to pane"), tr("Select panel"), parent());
    dialog.setModal(true);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    const int index = dialog.selectedIndex();
    return index >= 0 && index < site->panelCount() ? site->getPanel(index) : nullptr;
}

// ---- download and import -----------------------------------------------------------

bool PanelTransfer::download()
{
    return readPanel(Link::Usb);
}

bool PanelTransfer::importFile()
{
    return readPanel(Link::File);
}

bool PanelTransfer::readPanel(Link link)
{
    CommandLock::Hold hold(m_hooks.busy);
    if (!hold)
        return false;
    PanelConfig *panel = chooseTarget();
    if (!panel)
        return false;
    if (!panel->isEmpty()
        && QMessageBox::question(parent(), tr("Overwrite confirmation"),
                                 tr("Are you sure you want to overwrite panel ") + panel->name(),
                                 QMessageBox::Yes | QMessageBox::No)
            != QMessageBox::Yes)
        return false;

    QString fileName;
    if (link == Link::File) {
        fileName = FilePrompt::openFileName(parent(), tr("Open Conf file"), QStringLiteral("."),
                                            tr("Conf Files (*.conf)"));
        if (fileName.isEmpty())
            return false;
    }

    // The views show the panel again on every way out: unchanged, or whole.
    auto refresh = qScopeGuard([this] { refreshViews(); });

    // The sections fill a copy; the panel takes it only when all were read, so
    // a failed or aborted run never leaves it half old, half new.
    auto copy = std::make_unique<PanelConfig>();
    copy->copyFrom(*panel);
    takeEngine();
    m_engine.setPanel(copy.get());
    const bool connected = link == Link::Usb ? m_engine.connectUsb() : m_engine.connectFileReader(fileName);
    if (!connected) {
        finish(link == Link::Usb ? tr("Error in USB communication.") : tr("Error importing file"), tr("Error"));
        return false;
    }

    openProgress(link == Link::Usb ? tr("Downloading from USB...") : tr("Importing from file..."),
                 tr("Reading from panel.."), ReadSteps);
    if (link == Link::Usb && !passwordAccepted())
        return false;

    // The labels of the steps after the elements are shown untranslated, as
    // the program always showed them.
    std::vector<Step> steps;
    for (int loop = 0; loop < Loops; ++loop)
        steps.push_back({loop == 0 ? tr("Reading devices from panel") : QString(), -1, loop,
                         [this, loop] { return m_engine.readLoop(loop); }, tr("Error reading devices from panel")});
    steps.push_back({QStringLiteral("Downloading zones"), 8, 9, [this] { return m_engine.readZones(); },
                     tr("Error reading zones from panel")});
    steps.push_back({QStringLiteral("Reading events"), 10, -1, [this] { return m_engine.readEvents(); },
                     tr("Error reading events from panel")});
    steps.push_back({QStringLiteral("Reading log events"), 11, -1, [this] { return m_engine.readLogicEvents(); },
                     tr("Error reading logical events from panel")});
    steps.push_back({QStringLiteral("Reading panel Info"), 12, -1, [this] { return m_engine.readPanelInfo(); },
                     tr("Error reading panel information from panel")});
    steps.push_back({QStringLiteral("Reading panel Info"), 13, -1, [this] { return m_engine.readNetwork(); },
                     tr("Error reading network configuration from panel")});

    QString failure;
    if (!runSteps(steps, failure)) {
        finish(withNote(failure, tr("The panel was left unchanged.")));
        return false;
    }
    finish(QString());
    panel->copyFrom(*copy);
    refresh.dismiss();
    refreshViews();   // before the outcome box, so the user reads it over the new panel
    showMessage(link == Link::Usb ? tr("Configuration read from panel correctly")
                                  : tr("Configuration read from binary file correctly"),
                QString());
    return true;
}

// ---- upload and export -------------------------------------------------------------

bool PanelTransfer::upload()
{
    return writePanel(Link::Usb);
}

bool PanelTransfer::exportFile()
{
    return writePanel(Link::File);
}

bool PanelTransfer::writePanel(Link link)
{
    CommandLock::Hold hold(m_hooks.busy);
    if (!hold)
        return false;
    Facility *site = currentFacility;
    if (!site || site->panelCount() == 0)
        return false;

    DialogChoosePanel dialog(site->panelNames(),
                             link == Link::Usb ? tr("Upload configuration from panel")
                                               : tr("Save configuration from panel"),
                             tr("Select panel"), parent());
    dialog.setModal(true);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const int index = dialog.selectedIndex();
    PanelConfig *panel = index >= 0 && index < site->panelCount() ? site->getPanel(index) : nullptr;
    if (!panel)
        return false;

    QString fileName;
    if (link == Link::File) {
        fileName = FilePrompt::saveFileName(parent(), tr("Save Conf file"), QStringLiteral("."),
                                            tr("Conf Files (*.conf)"));
        if (fileName.isEmpty())
            return false;
    }

    takeEngine();
    m_engine.setPanel(panel);
    const bool connected = link == Link::Usb ? m_engine.connectUsb() : m_engine.connectFileWriter(fileName);
    if (!connected) {
        finish(link == Link::Usb ? tr("Error in USB communication.") : tr("Error exporting file"), tr("Error"));
        return false;
    }
    if (link == Link::Usb && !passwordAccepted())
        return false;

    openProgress(tr("Writing to panel..."), tr("Writing to panel.."), WriteSteps);
    m_progress->setLabelText(tr("Uploading devices"));

    // The eight loops share one write cache, opened before loop 0 and flushed
    // after loop 7; the flush writes loop 7's last page.
    const QString devicesFailed = tr("Error writing devices to panel");
    std::vector<Step> steps;
    steps.push_back({QString(), -1, -1, [this] { return m_engine.beginDeviceWrite(); }, devicesFailed});
    for (int loop = 0; loop < Loops; ++loop)
        steps.push_back({QString(), -1, loop, [this, loop] { return m_engine.writeLoop(loop); }, devicesFailed});
    steps.push_back({QString(), -1, -1, [this] { return m_engine.flushPage(); }, devicesFailed});
    steps.push_back({tr("Uploading zones"), -1, 8, [this] { return m_engine.writeZones(); },
                     tr("Error writing zones to panel")});
    steps.push_back({tr("Uploading events"), -1, 9, [this] { return m_engine.writeEvents(); },
                     tr("Error writing events to panel")});
    steps.push_back({tr("Uploading logic events"), -1, 10, [this] { return m_engine.writeLogicEvents(); },
                     tr("Error writing  logicalevents to panel")});
    steps.push_back({tr("Uploading system info"), -1, 11, [this] { return m_engine.writePanelInfo(); },
                     tr("Error writing system info to panel")});
    steps.push_back({tr("Uploading network configuration"), -1, 12, [this] { return m_engine.writeNetwork(); },
                     tr("Error writing network configuration to panel")});
    // The end of an upload; to a file it writes the image, replacing the old file.
    steps.push_back({QString(), -1, -1, [this] { return m_engine.finishUpload(); },
                     link == Link::Usb ? tr("Error finishing upload to panel") : tr("Error exporting file")});

    // A file is written only by the last step, so a stopped export leaves none;
    // the panel takes each page as it comes.
    const QString note = link == Link::Usb ? tr("The panel may now hold a partial configuration.")
                                           : tr("No file was written.");
    QString failure;
    if (!runSteps(steps, failure)) {
        finish(withNote(failure, note));
        return false;
    }
    finish(link == Link::Usb ? tr("Configuration written to panel correctly")
                             : tr("Configuration written to binary file correctly"));
    return true;
}

// ---- logs --------------------------------------------------------------------------

bool PanelTransfer::exportLogs()
{
    CommandLock::Hold hold(m_hooks.busy);
    if (!hold)
        return false;
    QString paths[4];
    {
        DialogExport dialog(parent());
        dialog.setModal(true);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        paths[0] = dialog.alarmLogFile;
        paths[1] = dialog.faultLogFile;
        paths[2] = dialog.generalLogFile;
        paths[3] = dialog.testLogFile;
    }
    return readLogs(paths);
}

bool PanelTransfer::readLogsToFiles(const QString &alarmPath, const QString &faultPath,
                                    const QString &generalPath, const QString &testPath)
{
    CommandLock::Hold hold(m_hooks.busy);
    if (!hold)
        return false;
    const QString paths[4] = {alarmPath, faultPath, generalPath, testPath};
    return readLogs(paths);
}

// paths: alarm, fault, general, test. A log that cannot be read from the panel
// (its count or a line) or written to its file keeps its file as it was; the
// others are still read and the failed ones are named at the end, a file by
// its name so that nobody goes looking at the panel's cable for a full disk.
bool PanelTransfer::readLogs(const QString (&paths)[4])
{
    takeEngine();
    if (!m_engine.connectUsb()) {
        finish(tr("Error in USB communication."), tr("Error"));
        return false;
    }
    openProgress(tr("Downloading LOGS from USB..."), tr("Reading logs from panel.."), LogSteps);
    m_progress->setLabelText(tr("Reading log from panel"));

    struct Log {
        PanelLogType type;
        QString label;
        QString readFailure;
        QString fileFailure;   // %1: the file
    };
    const Log logs[4] = {
        {LogAlarm, tr("Reading alarm log from panel"), tr("Error reading alarm log from panel"),
         tr("Error writing alarm log file %1")},
        {LogFault, tr("Reading fault log from panel"), tr("Error reading fault log from panel"),
         tr("Error writing fault log file %1")},
        {LogGeneral, tr("Reading general log from panel"), tr("Error reading general log from panel"),
         tr("Error writing general log file %1")},
        {LogTest, tr("Reading test log from panel"), tr("Error reading test log from panel"),
         tr("Error writing test log file %1")},
    };
    QStringList failed;
    bool cancelled = false;
    for (int i = 0; i < 4 && !cancelled; ++i) {
        m_progress->setLabelText(logs[i].label);
        if (!paths[i].isEmpty()) {
            switch (m_engine.readLog(logs[i].type, paths[i])) {
            case USBDataConfig::LogResult::Done:
                break;
            case USBDataConfig::LogResult::PanelFailed:
                failed << logs[i].readFailure;
                break;
            case USBDataConfig::LogResult::FileFailed:
                failed << logs[i].fileFailure.arg(QDir::toNativeSeparators(paths[i]));
                break;
            }
        }
        cancelled = m_progress->abortRequested();
        if (!cancelled)
            m_progress->setValue(i);
    }
    if (!cancelled && failed.isEmpty()) {
        finish(tr("Logs read correctly from panel"));
        return true;
    }
    QStringList message;
    if (cancelled)
        message << tr("Log download cancelled");
    if (!failed.isEmpty())
        message << failed.join(QLatin1Char('\n')) + QStringLiteral("\n\n")
                       + tr("The files of these logs were left unchanged.");
    finish(message.join(QStringLiteral("\n\n")));
    return false;
}

// ---- clock -------------------------------------------------------------------------

bool PanelTransfer::configTime()
{
    CommandLock::Hold hold(m_hooks.busy);
    if (!hold)
        return false;
    DialogConfigTime dialog(parent());
    dialog.setModal(true);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    takeEngine();
    if (!m_engine.connectUsb()) {
        finish(tr("Error in USB communication."), tr("Error"));
        return false;
    }
    const quint8 dateTime[PanelLink::DateTimeSize] = {dialog.second, dialog.minute, dialog.hour, 1,
                                                      dialog.day,    dialog.month,  dialog.year};
    if (!m_engine.link()->setDateTime(dateTime)) {
        finish(tr("Error setting date and time on panel"));
        return false;
    }
    finish(QString());
    return true;
}
