// The panel transfers driven through panelsetup's main window against the
// simulated panel, and the round trips users rely on: a panel downloaded,
// kept as a site file or a ".conf" image, and uploaded to another panel.
#include "DialogAddPanel.h"
#include "DialogAskPassword.h"
#include "DialogChoosePanel.h"
#include "DialogConfigTime.h"
#include "DialogExport.h"
#include "EditorSite.h"
#include "EventsPage.h"
#include "Facility.h"
#include "FilePrompt.h"
#include "FileXML.h"
#include "ModalScript.h"
#include "MyActionsWidget.h"
#include "MyElementsWidget.h"
#include "MyMainWidget.h"
#include "MyMainWindow.h"
#include "PanelConfig.h"
#include "Pause.h"
#include "ProgramState.h"
#include "SimPanel.h"
#include "SimSite.h"
#include "SitePanels.h"
#include "WindowDriver.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

using sim::SimPanel;
using namespace WindowDriver;

namespace {
QByteArray readPage(int page)
{
    return QByteArray(1, char(1)) + char(page >> 8) + char(page & 0xFF);
}

int command(const QByteArray &request)
{
    return request.isEmpty() ? -1 : quint8(request.at(0));
}

std::unique_ptr<PanelConfig> copyOf(const PanelConfig &p)
{
    auto c = std::make_unique<PanelConfig>();
    c->copyFrom(p);
    return c;
}
} // namespace

// Where a command is reached: a menu entry or a toolbar entry, by its text.
struct Entry {
    bool menu;
    QString text;
};

Q_DECLARE_METATYPE(Entry)

class tst_MainWindowTransfers : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void download_data();
    void download();
    void downloadAsksThePasswordOfAnotherCode();
    void upload_data();
    void upload();
    void uploadStoresTheCellBeingEdited();
    void entriesReachTheirProcedures_data();
    void entriesReachTheirProcedures();
    void logFileThatCannotBeCreatedIsNamed();

    void roundTripThroughASiteFile();
    void roundTripThroughAConfFile();
    void logicManeuversThroughASiteFile();

private:
    void trigger(const Entry &entry);
    QAction *entryAction(const Entry &entry);
    // Downloads the simulated panel into a site without panels: the first
    // panel is added on the way, no choice, no question, no password.
    void downloadIntoAnEmptySite();
    void uploadTheOnlyPanel();
    // "Save as" into `file`, "New" (the question answered Yes), then "Open" of `file`.
    void saveNewAndOpen(const QString &file);
    // "Export WS file" of the panel at `index` into `file`; its bytes in `image`.
    void exportPanel(int index, const QString &file, QByteArray &image);
    QString path(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<MyMainWindow> m_window;
    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_fileAnswers;
};

void tst_MainWindowTransfers::initTestCase()
{
    Pause::setEnabled(false);
    QApplication::setQuitOnLastWindowClosed(false);
}

void tst_MainWindowTransfers::init()
{
    writeSettingsText("advanced=true\nlanguage=en\n");
    SimPanel::instance().reset();
    m_dir = std::make_unique<QTemporaryDir>();
    m_fileAnswers.clear();
    FilePrompt::setAnswerer([this](const FilePrompt::Request &) {
        return m_fileAnswers.isEmpty() ? QString() : m_fileAnswers.takeFirst();
    });
    m_window = std::make_unique<MyMainWindow>();
    m_window->show();
}

void tst_MainWindowTransfers::cleanup()
{
    m_window.reset();
    FilePrompt::setAnswerer({});
    QFile::remove(settingsPath());
    m_dir.reset();
}

QAction *tst_MainWindowTransfers::entryAction(const Entry &entry)
{
    return entry.menu ? menuAction(*m_window, entry.text) : toolEntry(m_window->toolBar(), entry.text);
}

void tst_MainWindowTransfers::trigger(const Entry &entry)
{
    QAction *action = entryAction(entry);
    QVERIFY2(action, qPrintable(entry.text));
    action->trigger();
}

void tst_MainWindowTransfers::downloadIntoAnEmptySite()
{
    QCOMPARE(currentFacility->panelCount(), 0);
    ModalScript script;
    script.dialog<DialogAddPanel>([](DialogAddPanel *d) { ModalScript::clickStandardButton(d, QDialogButtonBox::Ok); })
        .messageBox(QMessageBox::Ok)
        .thenNothingElse();
    script.start();
    menuAction(*m_window, "Download Panel")->trigger();
    QCOMPARE(script.answered(), 2);
    QCOMPARE(script.messages(), QStringList{"Configuration read from panel correctly"});
    QCOMPARE(currentFacility->panelCount(), 1);
}

void tst_MainWindowTransfers::uploadTheOnlyPanel()
{
    ModalScript script;
    script.pressOk().messageBox(QMessageBox::Ok).thenNothingElse();
    script.start();
    menuAction(*m_window, "Upload Panel")->trigger();
    QCOMPARE(script.answered(), 2);
    QCOMPARE(script.messages(), QStringList{"Configuration written to panel correctly"});
}

void tst_MainWindowTransfers::saveNewAndOpen(const QString &file)
{
    m_fileAnswers << file;
    menuAction(*m_window, "Save as")->trigger();
    QVERIFY(QFileInfo(file).size() > 0);
    {
        ModalScript script;
        script.messageBox(QMessageBox::Yes).thenNothingElse();
        script.start();
        menuAction(*m_window, "New")->trigger();
        QCOMPARE(script.answered(), 1);
    }
    QCOMPARE(currentFacility->panelCount(), 0);
    m_fileAnswers << file;
    menuAction(*m_window, "Open")->trigger();
}

// ---- download and upload -------------------------------------------------------------

void tst_MainWindowTransfers::download_data()
{
    QTest::addColumn<Entry>("entry");
    QTest::newRow("menu") << Entry{true, "Download Panel"};
    QTest::newRow("toolbar") << Entry{false, "Download Config from panel"};
}

// The overwrite question comes before any traffic; the factory code asks no
// password; then the access code page and the engine's reads, and the views
// show the panel read.
void tst_MainWindowTransfers::download()
{
    QFETCH(Entry, entry);
    auto source = SitePanels::fullPanel();
    std::unique_ptr<PanelConfig> read;
    const QList<QByteArray> reference = SimSite::referenceDownload(*source, &read);
    SimSite::load(*source);
    auto kept = SitePanels::richPanel(20);
    PanelConfig *panel = copyOf(*kept).release();
    currentFacility->addPanel(panel);

    {
        ModalScript script;
        script.pressOk().messageBox(QMessageBox::No).thenNothingElse();
        script.start();
        trigger(entry);
        QCOMPARE(script.answered(), 2);
        QCOMPARE(script.titles(), (QStringList{"Download configuration to pane", "Overwrite confirmation"}));
        QCOMPARE(script.messages(), QStringList{"Are you sure you want to overwrite panel Main building"});
        QCOMPARE(SimPanel::instance().openCalls(), 0);
        QCOMPARE(SimPanel::instance().requestCount(), 0);
        QCOMPARE(SitePanels::differences(*kept, *panel), QStringList());
    }

    ModalScript script;
    script.pressOk().messageBox(QMessageBox::Yes).messageBox(QMessageBox::Ok).thenNothingElse();
    script.start();
    trigger(entry);
    QCOMPARE(script.answered(), 3);
    QCOMPARE(script.messages().value(1), QStringLiteral("Configuration read from panel correctly"));
    const QList<QByteArray> requests = SimPanel::instance().requests();
    QCOMPARE(requests.value(0), readPage(3));
    QCOMPARE(requests.mid(1), reference);
    QCOMPARE(SitePanels::differences(*read, *panel), QStringList());
    QCOMPARE(SimPanel::instance().openHandleCount(), 0);

    // The tree and the event pages show what was read.
    MyMainWidget *editors = m_window->editors();
    QTreeWidget *tree = editors->elementsWidget->treeWidget();
    QCOMPARE(tree->topLevelItemCount(), 1);
    QCOMPARE(tree->topLevelItem(0)->childCount(), 8);
    QVERIFY(editors->actionsWidget->findChild<QTableWidget *>("tableWidgetInputs")->rowCount() > 0);
    QVERIFY(editors->actionsWidget->findChild<QTreeWidget *>("eventsWidget")->topLevelItemCount() > 0);
}

void tst_MainWindowTransfers::downloadAsksThePasswordOfAnotherCode()
{
    SimSite::load(*SitePanels::richPanel(), "Ab12");
    PanelConfig *panel = new PanelConfig;
    currentFacility->addPanel(panel);
    ModalScript script;
    script.pressOk()
        .dialog<DialogAskPassword>([](DialogAskPassword *d) {
            QTest::keyClicks(d->findChild<QLineEdit *>("lineEdit"), "Ab12");
            ModalScript::clickStandardButton(d, QDialogButtonBox::Cancel);
        })
        .messageBox(QMessageBox::Ok)
        .thenNothingElse();
    script.start();
    toolEntry(m_window->toolBar(), "Download Config from panel")->trigger();
    QCOMPARE(script.answered(), 3);
    QCOMPARE(script.messages(), QStringList{"Error entering password"});
    QCOMPARE(SimPanel::instance().requests(), QList<QByteArray>{readPage(3)});
    QVERIFY(panel->isEmpty());
}

void tst_MainWindowTransfers::upload_data()
{
    QTest::addColumn<Entry>("entry");
    QTest::newRow("menu") << Entry{true, "Upload Panel"};
    QTest::newRow("toolbar") << Entry{false, "Upload Config to panel"};
}

void tst_MainWindowTransfers::upload()
{
    QFETCH(Entry, entry);
    auto source = SitePanels::fullPanel();
    const QList<QByteArray> reference = SimSite::referenceUpload(*source);
    currentFacility->addPanel(copyOf(*source).release());

    ModalScript script;
    script.pressOk().messageBox(QMessageBox::Ok).thenNothingElse();
    script.start();
    trigger(entry);
    QCOMPARE(script.answered(), 2);
    QCOMPARE(script.titles().value(0), QStringLiteral("Upload configuration from panel"));
    QCOMPARE(script.messages(), QStringList{"Configuration written to panel correctly"});
    const QList<QByteArray> requests = SimPanel::instance().requests();
    QCOMPARE(requests.value(0), readPage(3));
    QCOMPARE(requests.size() - 1, 430);
    QCOMPARE(requests.mid(1), reference);
    QCOMPARE(command(requests.last()), 4);
    QCOMPARE(SimPanel::instance().openHandleCount(), 0);
}

// The upload button takes no focus: a description typed into the tree and
// not yet confirmed is what the user sees, so it is what the panel gets.
void tst_MainWindowTransfers::uploadStoresTheCellBeingEdited()
{
    auto source = SitePanels::richPanel();
    auto expected = copyOf(*source);
    expected->deviceAt(0, 3)->description = QStringLiteral("Kitchen");
    const QList<QByteArray> reference = SimSite::referenceUpload(*expected);
    currentFacility->addPanel(source.release());
    m_window->slotUpdateDeviceTree();
    QVERIFY(typeIntoTreeCell(m_window->editors()->elementsWidget->treeWidget(), "Room 1-4", 3, "Kitchen"));

    uploadTheOnlyPanel();
    QCOMPARE(SimPanel::instance().requests().mid(1), reference);
}

void tst_MainWindowTransfers::entriesReachTheirProcedures_data()
{
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<QString>("firstWindow");   // class name
    QTest::addColumn<QString>("title");         // empty: not compared
    QTest::newRow("Import WS file") << Entry{true, "Import WS file"} << "DialogChoosePanel"
                                    << "Download configuration to pane";
    QTest::newRow("Export WS file") << Entry{true, "Export WS file"} << "DialogChoosePanel"
                                    << "Save configuration from panel";
    QTest::newRow("Configure time") << Entry{false, "Configure time"} << "DialogConfigTime" << "";
    QTest::newRow("Export Logs to CSV") << Entry{false, "Export Logs to CSV"} << "DialogExport" << "";
}

// Each remaining transfer entry opens its procedure's first question;
// cancelling it ends the procedure without traffic.
void tst_MainWindowTransfers::entriesReachTheirProcedures()
{
    QFETCH(Entry, entry);
    QFETCH(QString, firstWindow);
    QFETCH(QString, title);
    currentFacility->addPanel(new PanelConfig);
    QString seen;
    ModalScript script;
    script.on([](QWidget *w) { return !ModalScript::isProgressDialog(w); },
              [&](QWidget *w) {
                  seen = QString::fromLatin1(w->metaObject()->className());
                  ModalScript::clickStandardButton(w, QDialogButtonBox::Cancel);
              });
    script.thenNothingElse();
    script.start();
    trigger(entry);
    QCOMPARE(script.answered(), 1);
    QCOMPARE(seen, firstWindow);
    if (!title.isEmpty())
        QCOMPARE(script.titles().value(0), title);
    QCOMPARE(SimPanel::instance().openCalls(), 0);
}

// The alarm log is chosen into a folder that does not exist, the fault log
// into a good file: the box names the alarm file instead of sending the user
// to the panel, and the fault log is on disk.
void tst_MainWindowTransfers::logFileThatCannotBeCreatedIsNamed()
{
    SimPanel &sim = SimPanel::instance();
    sim.setLog(1, {"ALARM L1 A3", "ALARM L2 A7"});
    sim.setLog(2, {"FAULT L1 A4", "FAULT L1 A5", "FAULT L3 A1"});
    const QString alarm = path("gone/alarms.csv");
    const QString fault = path("faults.csv");
    m_fileAnswers << alarm << fault;
    ModalScript script;
    script.dialog<DialogExport>([](DialogExport *d) {
              QTest::mouseClick(d->findChild<QPushButton *>("pushButton_1"), Qt::LeftButton);
              QTest::mouseClick(d->findChild<QPushButton *>("pushButton_2"), Qt::LeftButton);
              ModalScript::clickStandardButton(d, QDialogButtonBox::Ok);
          })
        .messageBox(QMessageBox::Ok)
        .thenNothingElse();
    script.start();
    trigger(Entry{false, "Export Logs to CSV"});
    QCOMPARE(script.answered(), 2);
    QCOMPARE(script.messages(), QStringList{"Error writing alarm log file " + QDir::toNativeSeparators(alarm)
                                            + "\n\nThe files of these logs were left unchanged."});
    QVERIFY(!QFileInfo::exists(path("gone")));
    QFile written(fault);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray("FAULT L1 A4\nFAULT L1 A5\nFAULT L3 A1\n"));
    QList<QByteArray> counts;
    for (const QByteArray &r : sim.requests())
        if (command(r) == 5)
            counts << r;
    QCOMPARE(counts, (QList<QByteArray>{QByteArray::fromHex("0501"), QByteArray::fromHex("0502")}));
    QCOMPARE(sim.openHandleCount(), 0);
}

// ---- round trips -------------------------------------------------------------------------

// Download a full panel, save the site, start a new one, open the file again
// and upload it to a fresh panel: the second panel's memory equals the first's.
void tst_MainWindowTransfers::roundTripThroughASiteFile()
{
    SimSite::load(*SitePanels::fullPanel());
    const QVector<QByteArray> first = SimSite::pages();
    downloadIntoAnEmptySite();

    const QString file = path("site.xml");
    saveNewAndOpen(file);
    QCOMPARE(currentFacility->panelCount(), 1);
    QCOMPARE(m_window->windowTitle(), "Selvik " + file);

    SimPanel::instance().reset();   // the second panel
    uploadTheOnlyPanel();
    const QVector<QByteArray> second = SimSite::pages();
    for (int n = 0; n < first.size(); ++n)
        QVERIFY2(second.at(n) == first.at(n), qPrintable(QStringLiteral("page 0x%1").arg(n, 0, 16)));
}

// The same through a ".conf" image: exported, a new site, imported into its
// first panel, uploaded.
void tst_MainWindowTransfers::roundTripThroughAConfFile()
{
    SimSite::load(*SitePanels::fullPanel());
    const QVector<QByteArray> first = SimSite::pages();
    downloadIntoAnEmptySite();

    const QString conf = path("panel.conf");
    {
        m_fileAnswers << conf;
        ModalScript script;
        script.pressOk().messageBox(QMessageBox::Ok).thenNothingElse();
        script.start();
        menuAction(*m_window, "Export WS file")->trigger();
        QCOMPARE(script.answered(), 2);
        QCOMPARE(script.messages(), QStringList{"Configuration written to binary file correctly"});
        QCOMPARE(QFileInfo(conf).size(), qint64(1048576));
    }
    {
        ModalScript script;
        script.messageBox(QMessageBox::Yes).thenNothingElse();
        script.start();
        menuAction(*m_window, "New")->trigger();
        QCOMPARE(script.answered(), 1);
    }
    SimPanel::instance().reset();
    {
        m_fileAnswers << conf;
        ModalScript script;
        script.dialog<DialogAddPanel>([](DialogAddPanel *d) { ModalScript::clickStandardButton(d, QDialogButtonBox::Ok); })
            .messageBox(QMessageBox::Ok)
            .thenNothingElse();
        script.start();
        menuAction(*m_window, "Import WS file")->trigger();
        QCOMPARE(script.answered(), 2);
        QCOMPARE(script.messages(), QStringList{"Configuration read from binary file correctly"});
        QCOMPARE(SimPanel::instance().requestCount(), 0);
        QCOMPARE(currentFacility->getPanel(0)->version, QStringLiteral("012"));
    }

    uploadTheOnlyPanel();
    const QVector<QByteArray> second = SimSite::pages();
    for (int n = 0; n < first.size(); ++n)
        QVERIFY2(second.at(n) == first.at(n), qPrintable(QStringLiteral("page 0x%1").arg(n, 0, 16)));
}

void tst_MainWindowTransfers::exportPanel(int index, const QString &file, QByteArray &image)
{
    m_fileAnswers << file;
    ModalScript script;
    script.dialog<DialogChoosePanel>([index](DialogChoosePanel *d) {
              d->findChild<QComboBox *>("comboBox")->setCurrentIndex(index);
              ModalScript::clickStandardButton(d, QDialogButtonBox::Ok);
          })
        .messageBox(QMessageBox::Ok)
        .thenNothingElse();
    script.start();
    menuAction(*m_window, "Export WS file")->trigger();
    QCOMPARE(script.answered(), 2);
    QCOMPARE(script.messages(), QStringList{"Configuration written to binary file correctly"});
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    image = f.readAll();
    QCOMPARE(image.size(), qint64(1048576));
}

// Logic maneuvers made in the "Logic events" tab on each panel of a three-panel
// site: a site saved and opened again holds their conditions byte for byte, and
// every panel exports the same ".conf" image as before the save.
void tst_MainWindowTransfers::logicManeuversThroughASiteFile()
{
    using namespace EditorSite;
    const QString start = path("start.xml");
    QVERIFY(FileXML(threePanels().get()).writeXml(start));
    m_fileAnswers << start;
    menuAction(*m_window, "Open")->trigger();
    QCOMPARE(currentFacility->panelCount(), 3);

    MyLogicActionsWidget *logic = m_window->editors()->logicActionsWidget;
    tabs(*m_window)->setCurrentWidget(logic);
    auto *events = logic->findChild<QTreeWidget *>("eventsWidget");
    auto *actions = logic->findChild<QTreeWidget *>("actionsWidget");
    QVERIFY(events && actions);
    const auto create = [&](const QList<QTreeWidgetItem *> &causes, QTreeWidgetItem *action) {
        for (int k = 0; k < causes.size(); ++k) {
            QVERIFY(causes.at(k));
            QTest::mouseClick(events->viewport(), Qt::LeftButton, k == 0 ? Qt::NoModifier : Qt::ControlModifier,
                              centreOf(causes.at(k)));
        }
        QCOMPARE(events->selectedItems().size(), causes.size());
        QVERIFY(action);
        EventsPage::doubleClickAt(actions->viewport(), centreOf(action));
    };
    // North (position 0): two zones, its relay.
    create({zoneItem(events, 0, 2), zoneItem(events, 0, 4)}, deviceItem(actions, 0, 1, 9));
    // South (position 1): its zone and its detector, North's relay.
    create({zoneItem(events, 1, 0), deviceItem(events, 1, 0, 0)}, deviceItem(actions, 0, 1, 9));
    // East (position 2): its loop, its input and its zone, its output.
    create({loopItem(events, 2, 2), deviceItem(events, 2, 2, 5), zoneItem(events, 2, 7)},
           deviceItem(actions, 2, 2, 6));

    QList<QByteArray> before;
    for (int i = 0; i < 3; ++i) {
        const PanelConfig &panel = *currentFacility->getPanel(i);
        QCOMPARE(panel.logicEventCount(), 1);
        for (const LogicEventTerm &condition : panel.logicEventAt(0)->conditions)
            QCOMPARE(int(condition.spare1), i);   // the panel's position
        before << logicBytes(panel);
    }
    QList<QByteArray> imagesBefore;
    for (int i = 0; i < 3; ++i) {
        QByteArray image;
        exportPanel(i, path(QStringLiteral("before%1.conf").arg(i)), image);
        if (QTest::currentTestFailed())
            return;
        imagesBefore << image;
    }

    saveNewAndOpen(path("site.xml"));
    QCOMPARE(currentFacility->panelCount(), 3);

    for (int i = 0; i < 3; ++i) {
        QCOMPARE(logicBytes(*currentFacility->getPanel(i)).toHex(' '), before.at(i).toHex(' '));
        QByteArray image;
        exportPanel(i, path(QStringLiteral("after%1.conf").arg(i)), image);
        if (QTest::currentTestFailed())
            return;
        const QByteArray &old = imagesBefore.at(i);
        qsizetype at = 0;
        while (at < old.size() && old.at(at) == image.at(at))
            ++at;
        QVERIFY2(at == old.size(), qPrintable(QStringLiteral("panel %1: byte 0x%2 differs").arg(i).arg(at, 0, 16)));
    }
}

QTEST_MAIN(tst_MainWindowTransfers)
#include "tst_MainWindowTransfers.moc"
