#pragma once
#include "TransferHooks.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class PanelConfig;
class TransferProgress;
class USBDataConfig;

// The six commands of panelsetup's main window that talk to a panel or to a
// ".conf" image: download, upload, import, export, the log download and the
// clock. The window's slot creates one PanelTransfer and runs one command; it
// asks the user what it needs, runs the engine's sections in their fixed order
// under a progress window, closes the link on every way out and reports the
// outcome.
//
// A download or import fills a copy of the chosen panel and hands it back only
// when every section was read: a failed or aborted one leaves the panel as it
// was. An upload or export that stops half-way says what it may have left.
class PanelTransfer {
    // These are the window's commands: their texts belong to its context.
    Q_DECLARE_TR_FUNCTIONS(MyMainWindow)

public:
    // The access code of a panel that asks for no password.
    static constexpr char FactoryAccessCode[] = "5813";

    PanelTransfer(USBDataConfig &engine, TransferHooks hooks);
    ~PanelTransfer();
    PanelTransfer(const PanelTransfer &) = delete;
    PanelTransfer &operator=(const PanelTransfer &) = delete;

    // Each returns true when it did what was asked; false when the user
    // cancelled, another command was running, or a step failed (reported).
    bool download();
    bool importFile();
    bool upload();
    bool exportFile();
    bool exportLogs();
    // The log download proper: each log whose path is not empty into that file.
    bool readLogsToFiles(const QString &alarmPath, const QString &faultPath, const QString &generalPath,
                         const QString &testPath);
    bool configTime();

private:
    enum class Link { Usb, File };

    // One section of a transfer: label shown before it, progress values set
    // before and after it (-1: none), and its message when it fails or Abort
    // was pressed while it ran.
    struct Step {
        QString label;
        int valueBefore;
        int valueAfter;
        std::function<bool()> run;
        QString failure;
    };

    bool readPanel(Link link);
    bool writePanel(Link link);
    bool readLogs(const QString (&paths)[4]);
    PanelConfig *chooseTarget();
    bool passwordAccepted();
    void refreshViews();
    void openProgress(const QString &label, const QString &title, int maximum);
    // Runs the steps in order; false at the first that failed or after which
    // Abort was found pressed, its message in `failure`.
    bool runSteps(const std::vector<Step> &steps, QString &failure);
    // Closes the progress window and the link; then the box, when there is a text.
    void finish(const QString &message, const QString &title = QString());
    QWidget *parent() const { return m_hooks.dialogParent.data(); }
    // From here until finish() the engine's link and panel are this run's.
    void takeEngine() { m_engineTaken = true; }

    static void showMessage(const QString &text, const QString &title);

    USBDataConfig &m_engine;
    TransferHooks m_hooks;
    std::unique_ptr<TransferProgress> m_progress;
    // Only a run that set the engine up closes it: a command turned away by
    // the lock must leave the running one's link and panel alone.
    bool m_engineTaken = false;
};
