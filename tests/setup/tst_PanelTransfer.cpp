#include "CommandLock.h"
#include "DialogAskPassword.h"
#include "DialogChoosePanel.h"
#include "DialogConfigTime.h"
#include "DialogExport.h"
#include "Facility.h"
#include "FilePrompt.h"
#include "FileSizeLimit.h"
#include "ModalScript.h"
#include "PanelConfig.h"
#include "PanelTransfer.h"
#include "ProgramState.h"
#include "SimPanel.h"
#include "SimSite.h"
#include "SitePanels.h"
#include "TransferProgress.h"
#include "USBDataConfig.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using sim::Reply;
using sim::SimPanel;

namespace {
const QString Unchanged = QStringLiteral("\n\nThe panel was left unchanged.");
const QString Partial = QStringLiteral("\n\nThe panel may now hold a partial configuration.");
const QString NoFile = QStringLiteral("\n\nNo file was written.");

int command(const QByteArray &request)
{
    return request.isEmpty() ? -1 : quint8(request.at(0));
}

int pageOf(const QByteArray &request)
{
    return request.size() >= 3 ? (quint8(request.at(1)) << 8) | quint8(request.at(2)) : -1;
}

QByteArray readPage(int page)
{
    return QByteArray(1, char(1)) + char(page >> 8) + char(page & 0xFF);
}

// A request as the tables below name it: command, and page for 1 and 2.
struct Wanted {
    int cmd;
    int page;
    bool matches(const QByteArray &r) const { return command(r) == cmd && (page < 0 || pageOf(r) == page); }
};

int indexOf(const QList<QByteArray> &requests, Wanted w)
{
    for (int i = 0; i < requests.size(); ++i)
        if (w.matches(requests.at(i)))
            return i;
    return -1;
}

std::unique_ptr<PanelConfig> copyOf(const PanelConfig &p)
{
    auto c = std::make_unique<PanelConfig>();
    c->copyFrom(p);
    return c;
}

void thenNothingElse(ModalScript &script)
{
    script.thenNothingElse();
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

QByteArray logLine(const char *text)
{
    return QByteArray(text);
}
} // namespace

class tst_PanelTransfer : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    // download
    void downloadReadsTheAccessCodeFirstThenTheSections();
    void overwriteQuestionComesBeforeAnyTraffic();
    void password_data();
    void password();
    void unreadableAccessCodeIsALinkFailure();
    void abortDuringLoop3LeavesThePanel();
    void downloadStepFailures_data();
    void downloadStepFailures();
    void downloadIntoAnEmptySite();
    void noDeviceLeavesThePanel();

    // upload
    void uploadSends430RequestsEndingWithTheFinish();
    void uploadAsksThePasswordBeforeTheProgressWindow();
    void uploadSectionFaults_data();
    void uploadSectionFaults();
    void uploadAbortedDuringEvents();
    void uploadOfAnEmptySiteDoesNothing();

    // what users rely on
    void roundTripOverUsb_data();
    void roundTripOverUsb();
    void roundTripThroughAConfFile();

    // import and export
    void importRefusesAFileThatIsNotAnImage();
    void importAsksBeforeTheFile();
    void abortedExportKeepsTheOldFile();
    void exportToAnUnwritablePlace();
    void exportThatCannotBeWrittenAtTheEnd();

    // choices that give no panel, and one command at a time
    void noPanelChosen_data();
    void noPanelChosen();
    void busyCommandsDoNotStart_data();
    void busyCommandsDoNotStart();
    void lockHeldForTheWholeRun();
    void commandRefusedDuringAStepLeavesTheLink_data();
    void commandRefusedDuringAStepLeavesTheLink();

    // logs and clock
    void onlyTheFaultLogIsRead();
    void logsInTheirOrder();
    void unreadableLogIsNamed();
    void logFileThatCannotBeWrittenIsNamed_data();
    void logFileThatCannotBeWrittenIsNamed();
    void abortedLogDownload();
    void logsWithoutPanel();
    void clockPayload();
    void clockCancelled();
    void clockFailures_data();
    void clockFailures();

private:
    TransferHooks hooks();
    PanelTransfer transfer() { return PanelTransfer(*m_engine, hooks()); }
    PanelConfig *addPanel(std::unique_ptr<PanelConfig> p);
    // Puts the panel into the simulated panel's memory as an upload would, with
    // the given access code; the pages it wrote are returned.
    QList<int> loadSim(const PanelConfig &p, const QByteArray &code = "5813");
    // The requests of a bare engine's download of `p`, and what it read.
    QList<QByteArray> referenceDownload(const PanelConfig &p, std::unique_ptr<PanelConfig> *read = nullptr);
    QList<QByteArray> referenceUpload(const PanelConfig &p);
    QList<QByteArray> requestsSince(int base) const { return SimPanel::instance().requests().mid(base); }
    void pressAbort();
    bool linkClosed() const { return !m_engine->isConnected() && SimPanel::instance().openHandleCount() == 0; }
    QString path(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<Facility> m_site;
    std::unique_ptr<USBDataConfig> m_engine;
    CommandLock m_lock;
    int m_refreshes = 0;
    std::function<void()> m_addFirstPanel;
    QStringList m_fileAnswers;
    QList<FilePrompt::Request> m_fileRequests;
    bool m_abortStillShown = false;
    QStringList m_progressSeen;   // title, label and maximum when Abort was pressed
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_PanelTransfer::init()
{
    SimPanel::instance().reset();
    m_window = std::make_unique<QWidget>();
    m_window->show();
    m_site = std::make_unique<Facility>();
    currentFacility = m_site.get();
    m_engine = std::make_unique<USBDataConfig>();
    m_refreshes = 0;
    m_addFirstPanel = nullptr;
    m_fileAnswers.clear();
    m_fileRequests.clear();
    m_abortStillShown = false;
    m_progressSeen.clear();
    m_dir = std::make_unique<QTemporaryDir>();
    FilePrompt::setAnswerer([this](const FilePrompt::Request &r) {
        m_fileRequests << r;
        return m_fileAnswers.isEmpty() ? QString() : m_fileAnswers.takeFirst();
    });
}

void tst_PanelTransfer::cleanup()
{
    FilePrompt::setAnswerer({});
    currentFacility = nullptr;
    m_engine.reset();
    m_site.reset();
    m_window.reset();
}

TransferHooks tst_PanelTransfer::hooks()
{
    TransferHooks h;
    h.dialogParent = m_window.get();
    h.refreshViews = [this] { ++m_refreshes; };
    h.addFirstPanel = [this] {
        if (m_addFirstPanel)
            m_addFirstPanel();
    };
    h.busy = &m_lock;
    return h;
}

PanelConfig *tst_PanelTransfer::addPanel(std::unique_ptr<PanelConfig> p)
{
    PanelConfig *raw = p.release();
    m_site->addPanel(raw);
    return raw;
}

QList<int> tst_PanelTransfer::loadSim(const PanelConfig &p, const QByteArray &code)
{
    return SimSite::load(p, code);
}

QList<QByteArray> tst_PanelTransfer::referenceDownload(const PanelConfig &p, std::unique_ptr<PanelConfig> *read)
{
    return SimSite::referenceDownload(p, read);
}

QList<QByteArray> tst_PanelTransfer::referenceUpload(const PanelConfig &p)
{
    return SimSite::referenceUpload(p);
}

// As the user would: a click on the progress window's Abort button, then a
// look whether the window is still up.
void tst_PanelTransfer::pressAbort()
{
    auto *progress = m_window->findChild<TransferProgress *>();
    if (!progress)
        return;
    QTest::mouseClick(progress->findChild<QPushButton *>(), Qt::LeftButton);
    m_abortStillShown = progress->isVisible() && QApplication::activeModalWidget() == progress;
    m_progressSeen = {progress->windowTitle(), progress->labelText(), QString::number(progress->maximum())};
}

// ---- download ----------------------------------------------------------------------

void tst_PanelTransfer::downloadReadsTheAccessCodeFirstThenTheSections()
{
    auto source = SitePanels::richPanel();
    std::unique_ptr<PanelConfig> read;
    const QList<QByteArray> reference = referenceDownload(*source, &read);
    loadSim(*source);
    PanelConfig *panel = addPanel(std::make_unique<PanelConfig>());
    panel->setName("Empty one");

    ModalScript script;
    script.pressOk().messageBox(QMessageBox::Ok);
    thenNothingElse(script);
    script.start();
    QVERIFY(transfer().download());
    QCOMPARE(script.answered(), 2);   // no overwrite question, no password
    QCOMPARE(script.titles().value(0), QStringLiteral("Download configuration to pane"));
    QCOMPARE(script.messages(), QStringList{"Configuration read from panel correctly"});

    const QList<QByteArray> requests = SimPanel::instance().requests();
    QCOMPARE(requests.value(0), readPage(3));
    QCOMPARE(requests.mid(1), reference);
    QCOMPARE(SitePanels::differences(*read, *panel), QStringList());
    QCOMPARE(panel->name(), QStringLiteral("Main building"));
    QCOMPARE(panel->version, QStringLiteral("2.10"));
    QVERIFY(linkClosed());
    QCOMPARE(m_refreshes, 1);
}

void tst_PanelTransfer::overwriteQuestionComesBeforeAnyTraffic()
{
    loadSim(*SitePanels::fullPanel());
    const int base = SimPanel::instance().requestCount();
    PanelConfig *panel = addPanel(SitePanels::richPanel(20));

    ModalScript script;
    script.pressOk().messageBox(QMessageBox::No);
    thenNothingElse(script);
    script.start();
    QVERIFY(!transfer().download());
    QCOMPARE(script.answered(), 2);
    QCOMPARE(script.titles().value(1), QStringLiteral("Overwrite confirmation"));
    QCOMPARE(script.messages(), QStringList{"Are you sure you want to overwrite panel Main building"});
    QCOMPARE(SimPanel::instance().requestCount(), base);
    QCOMPARE(SimPanel::instance().openCalls(), 0);
    QCOMPARE(SitePanels::differences(*SitePanels::richPanel(20), *panel), QStringList());
    QCOMPARE(m_refreshes, 0);
}

void tst_PanelTransfer::password_data()
{
    QTest::addColumn<QString>("typed");   // empty with cancel = false: Cancel pressed
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("right password") << "Ab12" << true << true;
    QTest::newRow("wrong password") << "Ab21" << true << false;
    QTest::newRow("other case") << "AB12" << true << false;
    QTest::newRow("short entry") << "Ab1" << true << false;
    QTest::newRow("empty entry") << "" << true << false;
    QTest::newRow("cancel") << "Ab12" << false << false;
}

// A panel with its own access code asks for the password under the progress
// window; only the exact code lets the download on.
void tst_PanelTransfer::password()
{
    QFETCH(QString, typed);
    QFETCH(bool, ok);
    QFETCH(bool, accepted);
    std::unique_ptr<PanelConfig> read;
    referenceDownload(*SitePanels::fullPanel(), &read);
    loadSim(*SitePanels::fullPanel(), "Ab12");
    PanelConfig *panel = addPanel(std::make_unique<PanelConfig>());

    bool progressShown = false;
    ModalScript script;
    script.pressOk().dialog<DialogAskPassword>([&](DialogAskPassword *d) {
        progressShown = m_window->findChild<TransferProgress *>() != nullptr;
        QTest::keyClicks(d->findChild<QLineEdit *>("lineEdit"), typed);
        ModalScript::clickStandardButton(d, ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
    });
    script.messageBox(QMessageBox::Ok);
    thenNothingElse(script);
    script.start();
    QCOMPARE(transfer().download(), accepted);
    QCOMPARE(script.answered(), 3);
    QVERIFY(progressShown);
    QVERIFY(linkClosed());
    if (accepted) {
        QCOMPARE(script.messages(), QStringList{"Configuration read from panel correctly"});
        QCOMPARE(SitePanels::differences(*read, *panel), QStringList());
    } else {
        QCOMPARE(script.messages(), QStringList{"Error entering password"});
        QCOMPARE(SimPanel::instance().requests(), QList<QByteArray>{readPage(3)});
        QVERIFY(panel->isEmpty());
    }
}

void tst_PanelTransfer::unreadableAccessCodeIsALinkFailure()
{
    SimPanel::instance().failAtRequest(1);
    PanelConfig *panel = addPanel(std::make_unique<PanelConfig>());
    ModalScript script;
    script.pressOk().messageBox(QMessageBox::Ok);
    thenNothingElse(script);
    script.start();
    QVERIFY(!transfer().download());
    QCOMPARE(script.answered(), 2);   // never a password dialog
    QCOMPARE(script.messages(), QStringList{"Error in USB communication."});
    QCOMPARE(script.titles().value(1), QStringLiteral("Error"));
    QVERIFY(SimPanel::instance().requestCount() <= 1);
    QVERIFY(panel->isEmpty());
    QVERIFY(linkClosed());
}

void tst_PanelTransfer::abortDuringLoop3LeavesThePanel()
{
    auto source = SitePanels::fullPanel();
    loadSim(*source);
    SimPanel &sim = SimPanel::instance();
    const int abortPage = 0x1A0 + 3 * 32 + 10;
    sim.setCommandHandler(1, [this, &sim, abortPage](const QByteArray &r) {
        const int n = pageOf(r);
        if (n == abortPage)
            pressAbort();
        return Reply::of(sim.page(n));
    });
    PanelConfig *panel = addPanel(SitePanels::richPanel(30));
    panel->version = "1.00";

    ModalScript script;
    script.pressOk().messageBox(QMessageBox::Yes).messageBox(QMessageBox::Ok);
    thenNothingElse(script);
    script.start();
    QVERIFY(!transfer().download());
    QCOMPARE(script.answered(), 3);
    QCOMPARE(script.messages().value(1), "Error reading devices from panel" + Unchanged);
    QVERIFY(m_abortStillShown);   // the window stays until the loop is done
    QCOMPARE(m_progressSeen, (QStringList{"Reading from panel..", "Reading devices from panel", "13"}));

    // Loop 3 was read to its end, nothing after it.
    const QList<int> reads = sim.pageReads();
    QCOMPARE(reads.last(), 0x1A0 + 3 * 32 + 31);
    QVERIFY(!reads.contains(0x1A0 + 4 * 32));
    QCOMPARE(SitePanels::differences(*SitePanels::richPanel(30), *panel), QStringList());
    QCOMPARE(panel->version, QStringLiteral("1.00"));
    QVERIFY(linkClosed());
    QCOMPARE(m_refreshes, 1);
}

void tst_PanelTransfer::downloadStepFailures_data()
{
    QTest::addColumn<int>("cmd");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("message");
    QTest::newRow("elements, loop 5") << 1 << 0x1A0 + 5 * 32 + 3 << "Error reading devices from panel";
    QTest::newRow("zones") << 1 << 0x120 + 4 << "Error reading zones from panel";
    QTest::newRow("events") << 1 << 0x3A0 + 1 << "Error reading events from panel";
    QTest::newRow("logic events") << 1 << 0x420 + 10 << "Error reading logical events from panel";
    QTest::newRow("panel information text") << 0 << -1 << "Error reading panel information from panel";
    QTest::newRow("identity page") << 1 << 5 << "Error reading panel information from panel";
    QTest::newRow("web server page") << 1 << 9 << "Error reading panel information from panel";
    QTest::newRow("network") << 1 << 4 << "Error reading network configuration from panel";
}

// A failed step, even the panel information, fails the download with its own
// message; the panel keeps every field it had.
void tst_PanelTransfer::downloadStepFailures()
{
    QFETCH(int, cmd);
    QFETCH(int, page);
    QFETCH(QString, message);
    auto source = SitePanels::fullPanel();
    const QList<QByteArray> reference = referenceDownload(*source);
    loadSim(*source);
    const int at = indexOf(reference, {cmd, page});
    QVERIFY(at >= 0);
    SimPanel::instance().failAtRequest(1 + at + 1);   // after the access code page
    PanelConfig *panel = addPanel(SitePanels::richPanel(30));
    panel->version = "1.00";

    ModalScript script;
    script.pressOk().messageBox(QMessageBox::Yes).messageBox(QMessageBox::Ok);
    thenNothingElse(script);
    script.start();
    QVERIFY(!transfer().download());
    QCOMPARE(script.answered(), 3);
    QCOMPARE(script.messages().value(1), message + Unchanged);
    // Nothing after the failed section (the panel information runs its own
    // reads to their end); the record sections stop at the failed page.
    if (page != 4)
        QVERIFY(!SimPanel::instance().pageReads().contains(4));
    if (cmd == 1 && page >= 0x120)
        QVERIFY(SimPanel::instance().requestCount() <= 1 + at + 1);
    QCOMPARE(SitePanels::differences(*SitePanels::richPanel(30), *panel), QStringList());
    QCOMPARE(panel->version, QStringLiteral("1.00"));
    QVERIFY(linkClosed());
    QCOMPARE(m_refreshes, 1);
}

void tst_PanelTransfer::downloadIntoAnEmptySite()
{
    std::unique_ptr<PanelConfig> read;
    referenceDownload(*SitePanels::fullPanel(), &read);
    loadSim(*SitePanels::fullPanel());

    // The user cancels the add-panel dialog: nothing happens.
    {
        ModalScript script;
        thenNothingElse(script);
        script.start();
        QVERIFY(!transfer().download());
        QCOMPARE(script.answered(), 0);
        QCOMPARE(SimPanel::instance().requestCount(), 0);
    }

    // The user adds a panel: it is downloaded without a choice or a question.
    m_addFirstPanel = [this] { addPanel(std::make_unique<PanelConfig>())->setName("Panel 1"); };
    ModalScript script;
    script.messageBox(QMessageBox::Ok);
    thenNothingElse(script);
    script.start();
    QVERIFY(transfer().download());
    QCOMPARE(script.answered(), 1);
    QCOMPARE(script.messages(), QStringList{"Configuration read from panel correctly"});
    QCOMPARE(m_site->panelCount(), 1);
    QCOMPARE(SitePanels::differences(*read, *m_site->getPanel(0)), QStringList());
}

void tst_PanelTransfer::noDeviceLeavesThePanel()
{
    SimPanel::instance().setNoDevice();
    PanelConfig *panel = addPanel(std::make_unique<PanelConfig>());
    ModalScript script;
    script.pressOk().messageBox(QMessageBox::Ok);
    thenNothingElse(script);
    script.start();
    QVERIFY(!transfer().download());
    QCOMPARE(script.answered(), 2);
    QCOMPARE(script.messages(), QStringList{"Error in USB communication."});
    QCOMPARE(script.titles().value(1), QStringLiteral("Error"));
    QVERIFY(panel->isEmpty());
    QVERIFY(linkClosed());
}

// ---- upload ------------------------------------------------------------------------

void tst_PanelTransfer::uploadSends430RequestsEndingWithTheFinish()
{
    auto source = SitePanels::fullPanel();
    const QList<QByteArray> reference = referenceUpload(*source);
    addPanel(copyOf(*source));

    ModalScript script;
    script.pressOk().messageBox(QMessageBox::Ok);
    thenNothingElse(script);
    script.start();
    QVERIFY(transfer().upload());
    QCOMPARE(script.answered(), 2);
    QCOMPARE(script.titles().value(0), QStringLiteral("Upload configuration from panel"));
    QCOMPARE(script.messages(), QStringList{"Configuration written to panel correctly"});

    const QList<QByteArray> requests = SimPanel::instance().requests();
    QCOMPARE(requests.value(0), readPage(3));
    QCOMPARE(requests.size() - 1, 430);
    QCOMPARE(requests.mid(1), reference);
    QCOMPARE(command(requests.last()), 4);
    QCOMPARE(SimPanel::instance().finishUploadCount(), 1);
    QVERIFY(linkClosed());
    QCOMPARE(m_refreshes, 0);   // the model did not change
}

void tst_PanelTransfer::uploadAsksThePasswordBeforeTheProgressWindow()
{
    SimPanel::instance().setPageBytes(3, 0, "4321");
    addPanel(SitePanels::richPanel());
    bool progressShown = true;
    ModalScript script;
    script.pressOk().dialog<DialogAskPassword>([&](DialogAskPassword *d) {
        progressShown = m_window->findChild<TransferProgress *>() != nullptr;
        ModalScript::clickStandardButton(d, QDialogButtonBox::Cancel);
    });
    script.messageBox(QMessageBox::Ok);
    thenNothingElse(script);
    script.start();
    QVERIFY(!transfer().upload());
    QCOMPARE(script.answered(), 3);
    QVERIFY(!progressShown);
    QCOMPARE(script.messages(), QStringList{"Error entering password"});
    QCOMPARE(SimPanel::instance().requests(), QList<QByteArray>{readPage(3)});
    QVERIFY(linkClosed());
}

void tst_PanelTransfer::uploadSectionFaults_data()
{
    QTest::addColumn<int>("cmd");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("message");
    QTest::newRow("elements, first page") << 2 << 0x1A0 << "Error writing devices to panel";
    QTest::newRow("elements, loop 6") << 2 << 0x1A0 + 6 * 32 + 7 << "Error writing devices to panel";
    QTest::newRow("elements, the flush") << 2 << 0x29F << "Error writing devices to panel";
    QTest::newRow("zones") << 2 << 0x120 + 3 << "Error writing zones to panel";
    QTest::newRow("events") << 2 << 0x3E0 + 5 << "Error writing events to panel";
    QTest::newRow("logic events") << 2 << 0x450 << "Error writing  logicalevents to panel";
    QTest::newRow("system info") << 2 << 8 << "Error writing system info to panel";
    QTest::newRow("network, read") << 1 << 4 << "Error writing network configuration to panel";
    QTest::newRow("network, write") << 2 << 4 << "Error writing network configuration to panel";
    QTest::newRow("finish") << 4 << -1 << "Error finishing upload to panel";
}

void tst_PanelTransfer::uploadSectionFaults()
{
    QFETCH(int, cmd);
    QFETCH(int, page);
    QFETCH(QString, message);
    auto source = SitePanels::fullPanel();
    const QList<QByteArray> reference = referenceUpload(*source);
    const int at = indexOf(reference, {cmd, page});
    QVERIFY(at >= 0);
    SimPanel::instance().failAtRequest(1 + at + 1);
    addPanel(copyOf(*source));

    ModalScript script;
    script.pressOk().messageBox(QMessageBox::Ok);
    thenNothingElse(script);
    script.start();
    QVERIFY(!transfer().upload());
    QCOMPARE(script.answered(), 2);
    QCOMPARE(script.messages().value(0), message + Partial);
    QVERIFY(SimPanel::instance().requestCount() <= 1 + at + 1);
    QCOMPARE(SimPanel::instance().finishUploadCount(), 0);
    QVERIFY(linkClosed());
}

void tst_PanelTransfer::uploadAbortedDuringEvents()
{
    SimPanel &sim = SimPanel::instance();
    sim.setCommandHandler(2, [this, &sim](const QByteArray &r) {
        const int n = pageOf(r);
        if (n == 0x3E0 + 10)
            pressAbort();
        sim.setPage(n, r.mid(3));
        return Reply::none();
    });
    addPanel(SitePanels::fullPanel());
    ModalScript script;
    script.pressOk().messageBox(QMessageBox::Ok);
    thenNothingElse(script);
    script.start();
    QVERIFY(!transfer().upload());
    QCOMPARE(script.answered(), 2);
    QCOMPARE(script.messages().value(0), "Error writing events to panel" + Partial);
    QVERIFY(m_abortStillShown);
    QCOMPARE(m_progressSeen, (QStringList{"Writing to panel..", "Uploading events", "12"}));
    const QList<int> writes = sim.pageWrites();
    QVERIFY(writes.contains(0x3E0 + 63));   // the events section ran to its end
    QVERIFY(!writes.contains(0x420));       // and nothing after it
    QCOMPARE(sim.finishUploadCount(), 0);
    QVERIFY(linkClosed());
}

void tst_PanelTransfer::uploadOfAnEmptySiteDoesNothing()
{
    ModalScript script;
    thenNothingElse(script);
    script.start();
    QVERIFY(!transfer().upload());
    QVERIFY(!transfer().exportFile());
    QCOMPARE(script.answered(), 0);
    QCOMPARE(SimPanel::instance().openCalls(), 0);
    QVERIFY(m_fileRequests.isEmpty());
}

// ---- round trips -----------------------------------------------------------------------

void tst_PanelTransfer::roundTripOverUsb_data()
{
    QTest::addColumn<bool>("full");
    QTest::newRow("full panel") << true;
    QTest::newRow("rich panel") << false;
}

// Download from one panel, upload to a fresh one: every page the first held
// reaches the second unchanged.
void tst_PanelTransfer::roundTripOverUsb()
{
    QFETCH(bool, full);
    auto source = full ? SitePanels::fullPanel() : SitePanels::richPanel();
    const QList<int> pages = loadSim(*source);
    QMap<int, QByteArray> first;
    for (int n : pages)
        first[n] = SimPanel::instance().page(n);
    addPanel(std::make_unique<PanelConfig>());

    ModalScript down;
    down.pressOk().messageBox(QMessageBox::Ok);
    thenNothingElse(down);
    down.start();
    QVERIFY(transfer().download());
    QCOMPARE(down.messages(), QStringList{"Configuration read from panel correctly"});
    down.stop();

    SimPanel::instance().reset();   // the second panel
    ModalScript up;
    up.pressOk().messageBox(QMessageBox::Ok);
    thenNothingElse(up);
    up.start();
    QVERIFY(transfer().upload());
    QCOMPARE(up.messages(), QStringList{"Configuration written to panel correctly"});
    for (auto it = first.cbegin(); it != first.cend(); ++it)
        QVERIFY2(SimPanel::instance().page(it.key()) == it.value(), qPrintable(QString::number(it.key(), 16)));
}

void tst_PanelTransfer::roundTripThroughAConfFile()
{
    auto source = SitePanels::richPanel();
    const QList<int> pages = loadSim(*source, "7777");
    QMap<int, QByteArray> first;
    for (int n : pages)
        first[n] = SimPanel::instance().page(n);
    PanelConfig *panel = addPanel(std::make_unique<PanelConfig>());

    ModalScript down;
    down.pressOk()
        .dialog<DialogAskPassword>([](DialogAskPassword *d) {
            QTest::keyClicks(d->findChild<QLineEdit *>("lineEdit"), "7777");
            ModalScript::clickStandardButton(d, QDialogButtonBox::Ok);
        })
        .messageBox(QMessageBox::Ok);
    thenNothingElse(down);
    down.start();
    QVERIFY(transfer().download());
    QCOMPARE(down.answered(), 3);
    down.stop();

    // Export, then import into a new site: no password, no panel traffic.
    const QString conf = path("site.conf");
    m_fileAnswers << conf;
    ModalScript out;
    out.pressOk().messageBox(QMessageBox::Ok);
    thenNothingElse(out);
    out.start();
    QVERIFY(transfer().exportFile());
    QCOMPARE(out.titles().value(0), QStringLiteral("Save configuration from panel"));
    QCOMPARE(out.messages(), QStringList{"Configuration written to binary file correctly"});
    QCOMPARE(m_fileRequests.last().kind, FilePrompt::Kind::SaveFile);
    QCOMPARE(m_fileRequests.last().caption, QStringLiteral("Save Conf file"));
    QCOMPARE(m_fileRequests.last().filter, QStringLiteral("Conf Files (*.conf)"));
    QCOMPARE(QFileInfo(conf).size(), qint64(1048576));
    out.stop();

    m_site = std::make_unique<Facility>();
    currentFacility = m_site.get();
    panel = addPanel(std::make_unique<PanelConfig>());
    SimPanel::instance().reset();
    m_fileAnswers << conf;
    ModalScript in;
    in.pressOk().messageBox(QMessageBox::Ok);
    thenNothingElse(in);
    in.start();
    QVERIFY(transfer().importFile());
    QCOMPARE(in.answered(), 2);
    QCOMPARE(in.messages(), QStringList{"Configuration read from binary file correctly"});
    QCOMPARE(m_fileRequests.last().kind, FilePrompt::Kind::OpenFile);
    QCOMPARE(m_fileRequests.last().caption, QStringLiteral("Open Conf file"));
    QCOMPARE(SimPanel::instance().requestCount(), 0);
    QCOMPARE(panel->version, QStringLiteral("012"));
    in.stop();

    ModalScript up;
    up.pressOk().messageBox(QMessageBox::Ok);
    thenNothingElse(up);
    up.start();
    QVERIFY(transfer().upload());
    QCOMPARE(up.messages(), QStringList{"Configuration written to panel correctly"});
    for (auto it = first.cbegin(); it != first.cend(); ++it)
        QVERIFY2(SimPanel::instance().page(it.key()) == it.value(), qPrintable(QString::number(it.key(), 16)));
}

// ---- import and export -----------------------------------------------------------------

void tst_PanelTransfer::importRefusesAFileThatIsNotAnImage()
{
    const QString conf = path("short.conf");
    writeFile(conf, QByteArray(1000, '\x01'));
    PanelConfig *panel = addPanel(SitePanels::richPanel());
    m_fileAnswers << conf;
    ModalScript script;
    script.pressOk().messageBox(QMessageBox::Yes).messageBox(QMessageBox::Ok);
    thenNothingElse(script);
    script.start();
    QVERIFY(!transfer().importFile());
    QCOMPARE(script.answered(), 3);
    QCOMPARE(script.messages().value(1), QStringLiteral("Error importing file"));
    QCOMPARE(script.titles().value(2), QStringLiteral("Error"));
    QCOMPARE(SitePanels::differences(*SitePanels::richPanel(), *panel), QStringList());
}

void tst_PanelTransfer::importAsksBeforeTheFile()
{
    addPanel(SitePanels::richPanel());
    ModalScript script;
    script.pressOk().messageBox(QMessageBox::No);
    thenNothingElse(script);
    script.start();
    QVERIFY(!transfer().importFile());
    QCOMPARE(script.answered(), 2);
    QVERIFY(m_fileRequests.isEmpty());
    script.stop();

    // A cancelled file question ends it too, without a message.
    ModalScript again;
    again.pressOk().messageBox(QMessageBox::Yes);
    thenNothingElse(again);
    again.start();
    QVERIFY(!transfer().importFile());
    QCOMPARE(again.answered(), 2);
    QCOMPARE(m_fileRequests.size(), 1);
}

// An export stopped half-way writes no file: the old one stays as it was.
void tst_PanelTransfer::abortedExportKeepsTheOldFile()
{
    const QString conf = path("old.conf");
    writeFile(conf, "the previous image");
    addPanel(SitePanels::fullPanel());
    // Abort is pressed as soon as the export lets events through.
    FilePrompt::setAnswerer([this, conf](const FilePrompt::Request &) {
        QTimer::singleShot(0, m_window.get(), [this] { pressAbort(); });
        return conf;
    });
    ModalScript script;
    script.pressOk().messageBox(QMessageBox::Ok);
    thenNothingElse(script);
    script.start();
    QVERIFY(!transfer().exportFile());
    QCOMPARE(script.answered(), 2);
    QCOMPARE(script.messages().value(0), "Error writing devices to panel" + NoFile);
    QCOMPARE(fileBytes(conf), QByteArray("the previous image"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"old.conf"});
    QVERIFY(!m_engine->isConnected());
}

void tst_PanelTransfer::exportToAnUnwritablePlace()
{
    addPanel(SitePanels::richPanel());
    m_fileAnswers << path("no/such/folder/site.conf");
    ModalScript script;
    script.pressOk().messageBox(QMessageBox::Ok);
    thenNothingElse(script);
    script.start();
    QVERIFY(!transfer().exportFile());
    QCOMPARE(script.answered(), 2);
    QCOMPARE(script.messages(), QStringList{"Error exporting file"});
    QCOMPARE(script.titles().value(1), QStringLiteral("Error"));
}

// Every section reaches the image, but the image itself cannot be written (a
// full disk): the export fails, and the old file stays as it was.
void tst_PanelTransfer::exportThatCannotBeWrittenAtTheEnd()
{
    const QString conf = path("old.conf");
    writeFile(conf, "the previous image");
    addPanel(SitePanels::fullPanel());
    m_fileAnswers << conf;
    ModalScript script;
    script.pressOk().messageBox(QMessageBox::Ok);
    thenNothingElse(script);
    bool exported = true;
    {
        FileSizeLimit limit(4096);
        QVERIFY(limit.isActive());
        script.start();
        exported = transfer().exportFile();
    }
    QVERIFY(!exported);
    QCOMPARE(script.answered(), 2);
    QCOMPARE(script.messages(), QStringList{"Error exporting file" + NoFile});
    QCOMPARE(fileBytes(conf), QByteArray("the previous image"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"old.conf"});
    QVERIFY(!m_engine->isConnected());
}

// ---- no panel chosen, one command at a time ------------------------------------------------

void tst_PanelTransfer::noPanelChosen_data()
{
    QTest::addColumn<QString>("which");
    QTest::newRow("download") << "download";
    QTest::newRow("import") << "import";
    QTest::newRow("upload") << "upload";
    QTest::newRow("export") << "export";
}

// Ok on a panel choice that names none (index -1) ends the command.
void tst_PanelTransfer::noPanelChosen()
{
    QFETCH(QString, which);
    PanelConfig *panel = addPanel(SitePanels::richPanel());
    ModalScript script;
    script.dialog<DialogChoosePanel>([](DialogChoosePanel *d) {
        d->findChild<QComboBox *>("comboBox")->setCurrentIndex(-1);
        ModalScript::clickStandardButton(d, QDialogButtonBox::Ok);
    });
    thenNothingElse(script);
    script.start();
    PanelTransfer t = transfer();
    const bool done = which == "download" ? t.download()
        : which == "import"               ? t.importFile()
        : which == "upload"               ? t.upload()
                                          : t.exportFile();
    QVERIFY(!done);
    QCOMPARE(script.answered(), 1);
    QCOMPARE(SimPanel::instance().openCalls(), 0);
    QVERIFY(m_fileRequests.isEmpty());
    QCOMPARE(SitePanels::differences(*SitePanels::richPanel(), *panel), QStringList());
}

void tst_PanelTransfer::busyCommandsDoNotStart_data()
{
    noPanelChosen_data();
    QTest::newRow("logs") << "logs";
    QTest::newRow("logs to files") << "logs to files";
    QTest::newRow("clock") << "clock";
}

void tst_PanelTransfer::busyCommandsDoNotStart()
{
    QFETCH(QString, which);
    addPanel(SitePanels::richPanel());
    CommandLock::Hold other(&m_lock);
    QVERIFY(other);
    ModalScript script;
    thenNothingElse(script);
    script.start();
    PanelTransfer t = transfer();
    bool done = true;
    if (which == "download") done = t.download();
    else if (which == "import") done = t.importFile();
    else if (which == "upload") done = t.upload();
    else if (which == "export") done = t.exportFile();
    else if (which == "logs") done = t.exportLogs();
    else if (which == "logs to files") done = t.readLogsToFiles(path("a"), path("f"), path("g"), path("t"));
    else done = t.configTime();
    QVERIFY(!done);
    QCOMPARE(script.answered(), 0);
    QCOMPARE(SimPanel::instance().openCalls(), 0);
    QVERIFY(m_lock.isHeld());   // still the other command's
}

void tst_PanelTransfer::lockHeldForTheWholeRun()
{
    loadSim(*SitePanels::fullPanel());
    addPanel(SitePanels::richPanel());
    bool heldAtQuestion = false;
    bool nestedRan = true;
    ModalScript script;
    script.pressOk().on(
        [](QWidget *w) { return qobject_cast<QMessageBox *>(w) != nullptr; },
        [&](QWidget *w) {
            heldAtQuestion = m_lock.isHeld();
            nestedRan = transfer().upload();   // a second command meanwhile
            qobject_cast<QMessageBox *>(w)->button(QMessageBox::Yes)->click();
        });
    script.messageBox(QMessageBox::Ok);
    thenNothingElse(script);
    script.start();
    QVERIFY(transfer().download());
    QCOMPARE(script.answered(), 3);
    QVERIFY(heldAtQuestion);
    QVERIFY(!nestedRan);
    QVERIFY(!m_lock.isHeld());   // given back on the way out
}

void tst_PanelTransfer::commandRefusedDuringAStepLeavesTheLink_data()
{
    QTest::addColumn<QString>("which");
    QTest::newRow("upload") << "upload";
    QTest::newRow("clock") << "clock";
    QTest::newRow("logs to files") << "logs to files";
}

// A command that finds the lock held (reached from a timer while a section
// lets events through) goes without touching the running one's link or panel:
// the download still reads every section.
void tst_PanelTransfer::commandRefusedDuringAStepLeavesTheLink()
{
    QFETCH(QString, which);
    auto source = SitePanels::fullPanel();
    std::unique_ptr<PanelConfig> read;
    referenceDownload(*source, &read);
    loadSim(*source);
    SimPanel &sim = SimPanel::instance();
    const int nestedAt = 0x1A0 + 2 * 32 + 5;
    bool nestedRan = true;
    bool nestedTried = false;
    sim.setCommandHandler(1, [&, this](const QByteArray &r) {
        const int n = pageOf(r);
        if (n == nestedAt && !nestedTried) {
            nestedTried = true;
            QTimer::singleShot(0, m_window.get(), [&, this] {
                PanelTransfer t = transfer();
                if (which == "upload") nestedRan = t.upload();
                else if (which == "clock") nestedRan = t.configTime();
                else nestedRan = t.readLogsToFiles(path("a"), path("f"), path("g"), path("t"));
            });
        }
        return Reply::of(sim.page(n));
    });
    PanelConfig *panel = addPanel(std::make_unique<PanelConfig>());

    ModalScript script;
    script.pressOk().messageBox(QMessageBox::Ok);
    thenNothingElse(script);
    script.start();
    QVERIFY(transfer().download());
    QVERIFY(nestedTried);
    QVERIFY(!nestedRan);
    QCOMPARE(script.messages(), QStringList{"Configuration read from panel correctly"});
    QCOMPARE(SitePanels::differences(*read, *panel), QStringList());
    QVERIFY(linkClosed());
}

// ---- logs --------------------------------------------------------------------------

void tst_PanelTransfer::onlyTheFaultLogIsRead()
{
    SimPanel &sim = SimPanel::instance();
    for (int type = 0; type < 4; ++type)
        sim.setLog(type, {logLine("entry one"), logLine("entry two")});
    const QString fault = path("fault.csv");
    m_fileAnswers << fault;
    ModalScript script;
    script.dialog<DialogExport>([](DialogExport *d) {
        QTest::mouseClick(d->findChild<QPushButton *>("pushButton_2"), Qt::LeftButton);
        ModalScript::clickStandardButton(d, QDialogButtonBox::Ok);
    });
    script.messageBox(QMessageBox::Ok);
    thenNothingElse(script);
    script.start();
    QVERIFY(transfer().exportLogs());
    QCOMPARE(script.answered(), 2);
    QCOMPARE(script.messages(), QStringList{"Logs read correctly from panel"});
    QList<QByteArray> counts;
    for (const QByteArray &r : sim.requests())
        if (command(r) == 5)
            counts << r;
    QCOMPARE(counts, QList<QByteArray>{QByteArray::fromHex("0502")});
    QCOMPARE(fileBytes(fault), QByteArray("entry one\nentry two\n"));
    QVERIFY(linkClosed());
}

void tst_PanelTransfer::logsInTheirOrder()
{
    SimPanel &sim = SimPanel::instance();
    const char *names[4] = {"general", "alarm", "fault", "test"};
    for (int type = 0; type < 4; ++type)
        sim.setLog(type, {QByteArray(names[type]) + " log"});
    ModalScript script;
    script.messageBox(QMessageBox::Ok);
    thenNothingElse(script);
    script.start();
    QVERIFY(transfer().readLogsToFiles(path("a.csv"), path("f.csv"), path("g.csv"), path("t.csv")));
    QList<int> order;
    for (const QByteArray &r : sim.requests())
        if (command(r) == 5)
            order << quint8(r.at(1));
    QCOMPARE(order, (QList<int>{1, 2, 0, 3}));
    QCOMPARE(fileBytes(path("a.csv")), QByteArray("alarm log\n"));
    QCOMPARE(fileBytes(path("f.csv")), QByteArray("fault log\n"));
    QCOMPARE(fileBytes(path("g.csv")), QByteArray("general log\n"));
    QCOMPARE(fileBytes(path("t.csv")), QByteArray("test log\n"));
}

// The fault log's count cannot be read: named in the message, its old file
// kept; the logs after it are still read.
void tst_PanelTransfer::unreadableLogIsNamed()
{
    SimPanel &sim = SimPanel::instance();
    for (int type = 0; type < 4; ++type)
        sim.setLog(type, {"one", "two", "three"});
    writeFile(path("f.csv"), "older fault log\n");
    // requests: alarm count + 3 lines, then the fault count
    sim.failAtRequest(5);
    ModalScript script;
    script.messageBox(QMessageBox::Ok);
    thenNothingElse(script);
    script.start();
    QVERIFY(!transfer().readLogsToFiles(path("a.csv"), path("f.csv"), path("g.csv"), path("t.csv")));
    QCOMPARE(script.messages(),
             QStringList{"Error reading fault log from panel\n\nThe files of these logs were left unchanged."});
    QCOMPARE(fileBytes(path("f.csv")), QByteArray("older fault log\n"));
    QCOMPARE(fileBytes(path("a.csv")), QByteArray("one\ntwo\nthree\n"));
    QCOMPARE(fileBytes(path("t.csv")), QByteArray("one\ntwo\nthree\n"));
    QVERIFY(linkClosed());
}

void tst_PanelTransfer::logFileThatCannotBeWrittenIsNamed_data()
{
    QTest::addColumn<QString>("alarmFile");
    QTest::addColumn<int>("alarmLines");
    QTest::addColumn<int>("sizeLimit");           // 0: none
    QTest::addColumn<int>("failedFaultRequest");  // 0: the fault log reads
    QTest::addColumn<QString>("faultMessage");    // empty: none
    QTest::newRow("alarm file cannot be created") << "no/such/dir/a.csv" << 3 << 0 << 0 << "";
    // The fault log's 20 bytes fit under the limit, the alarm log's do not.
    QTest::newRow("disk full when the alarm file is committed") << "a.csv" << 3 << 200 << 0 << "";
    QTest::newRow("disk full half-way through the alarm file") << "a.csv" << 400 << 200 << 0 << "";
    // requests: the alarm count (its file is never opened), then the fault count
    QTest::newRow("and the fault log unreadable") << "no/such/dir/a.csv" << 3 << 0 << 2
                                                  << "Error reading fault log from panel";
}

// A log file that cannot be written is named, not blamed on the panel; the
// next log is still read into its own file, and the old alarm file stays.
void tst_PanelTransfer::logFileThatCannotBeWrittenIsNamed()
{
    QFETCH(QString, alarmFile);
    QFETCH(int, alarmLines);
    QFETCH(int, sizeLimit);
    QFETCH(int, failedFaultRequest);
    QFETCH(QString, faultMessage);
    SimPanel &sim = SimPanel::instance();
    QList<QByteArray> alarms;
    for (int i = 0; i < alarmLines; ++i)
        alarms << QByteArray("ALARM L1 A") + QByteArray::number(i) + QByteArray(100, '.');
    sim.setLog(LogAlarm, alarms);
    sim.setLog(LogFault, {logLine("entry one"), logLine("entry two")});
    const QString alarm = path(alarmFile);
    if (!alarmFile.contains(QLatin1Char('/')))
        writeFile(alarm, "older alarm log\n");
    if (failedFaultRequest > 0)
        sim.failAtRequest(failedFaultRequest);
    ModalScript script;
    script.messageBox(QMessageBox::Ok);
    thenNothingElse(script);
    script.start();
    bool read = true;
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (sizeLimit > 0) {
            limit = std::make_unique<FileSizeLimit>(sizeLimit);
            QVERIFY(limit->isActive());
        }
        read = transfer().readLogsToFiles(alarm, path("f.csv"), QString(), QString());
    }
    QVERIFY(!read);
    QStringList failures{"Error writing alarm log file " + QDir::toNativeSeparators(alarm)};
    if (!faultMessage.isEmpty())
        failures << faultMessage;
    QCOMPARE(script.messages(),
             QStringList{failures.join('\n') + "\n\nThe files of these logs were left unchanged."});
    if (alarmFile.contains(QLatin1Char('/')))
        QVERIFY(!QFileInfo::exists(QFileInfo(alarm).path()));
    else
        QCOMPARE(fileBytes(alarm), QByteArray("older alarm log\n"));
    // and no temporary file beside it
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden).filter("a.csv"),
             alarmFile.contains(QLatin1Char('/')) ? QStringList() : QStringList{"a.csv"});
    QCOMPARE(fileBytes(path("f.csv")),
             faultMessage.isEmpty() ? QByteArray("entry one\nentry two\n") : QByteArray("<missing>"));
    QVERIFY(linkClosed());
}

void tst_PanelTransfer::abortedLogDownload()
{
    SimPanel &sim = SimPanel::instance();
    for (int type = 0; type < 4; ++type)
        sim.setLog(type, {"one", "two", "three"});
    int lines = 0;
    const sim::CommandHandler readLine = [&](const QByteArray &) {
        if (++lines == 2)
            pressAbort();
        return Reply::of(QByteArray("line").leftJustified(sim::kLogLineSize, '\0'));
    };
    sim.setCommandHandler(6, readLine);
    ModalScript script;
    script.messageBox(QMessageBox::Ok);
    thenNothingElse(script);
    script.start();
    QVERIFY(!transfer().readLogsToFiles(path("a.csv"), path("f.csv"), QString(), QString()));
    QCOMPARE(script.messages(), QStringList{"Log download cancelled"});
    QVERIFY(m_abortStillShown);
    QCOMPARE(m_progressSeen, (QStringList{"Reading logs from panel..", "Reading alarm log from panel", "4"}));
    QCOMPARE(fileBytes(path("a.csv")), QByteArray("line\nline\nline\n"));   // the log in progress ends
    QVERIFY(!QFile::exists(path("f.csv")));
    for (const QByteArray &r : sim.requests())
        QVERIFY(r != QByteArray::fromHex("0502"));
    QVERIFY(linkClosed());
}

void tst_PanelTransfer::logsWithoutPanel()
{
    SimPanel::instance().setNoDevice();
    ModalScript script;
    script.messageBox(QMessageBox::Ok);
    thenNothingElse(script);
    script.start();
    QVERIFY(!transfer().readLogsToFiles(path("a.csv"), QString(), QString(), QString()));
    QCOMPARE(script.messages(), QStringList{"Error in USB communication."});
    QCOMPARE(script.titles().value(0), QStringLiteral("Error"));
    QVERIFY(!QFile::exists(path("a.csv")));
    script.stop();

    // The log dialog cancelled: nothing at all.
    ModalScript cancel;
    cancel.pressCancel();
    thenNothingElse(cancel);
    cancel.start();
    QVERIFY(!transfer().exportLogs());
    QCOMPARE(cancel.answered(), 1);
    QCOMPARE(SimPanel::instance().openCalls(), 0);
}

// ---- clock -------------------------------------------------------------------------

void tst_PanelTransfer::clockPayload()
{
    ModalScript script;
    script.dialog<DialogConfigTime>([](DialogConfigTime *d) {
        d->findChild<QDateTimeEdit *>("dateTimeEdit")->setDateTime(QDateTime(QDate(2026, 12, 9), QTime(14, 30, 5)));
        ModalScript::clickStandardButton(d, QDialogButtonBox::Ok);
    });
    thenNothingElse(script);
    script.start();
    QVERIFY(transfer().configTime());
    QCOMPARE(script.answered(), 1);   // no message follows
    QCOMPARE(SimPanel::instance().requests(), QList<QByteArray>{QByteArray::fromHex("0300051E0E01090C1A")});
    QVERIFY(linkClosed());
}

void tst_PanelTransfer::clockCancelled()
{
    ModalScript script;
    script.pressCancel();
    thenNothingElse(script);
    script.start();
    QVERIFY(!transfer().configTime());
    QCOMPARE(script.answered(), 1);
    QCOMPARE(SimPanel::instance().openCalls(), 0);
}

void tst_PanelTransfer::clockFailures_data()
{
    QTest::addColumn<bool>("device");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::newRow("no panel") << false << "Error in USB communication." << "Error";
    QTest::newRow("request refused") << true << "Error setting date and time on panel" << "";
}

void tst_PanelTransfer::clockFailures()
{
    QFETCH(bool, device);
    QFETCH(QString, message);
    QFETCH(QString, title);
    if (device)
        SimPanel::instance().failAtRequest(1);
    else
        SimPanel::instance().setNoDevice();
    ModalScript script;
    script.pressOk().messageBox(QMessageBox::Ok);
    thenNothingElse(script);
    script.start();
    QVERIFY(!transfer().configTime());
    QCOMPARE(script.answered(), 2);
    QCOMPARE(script.messages(), QStringList{message});
    QCOMPARE(script.titles().value(1), title);
    QVERIFY(SimPanel::instance().lastClockRequest().isEmpty());
    QVERIFY(linkClosed());
}

QTEST_MAIN(tst_PanelTransfer)
#include "tst_PanelTransfer.moc"
