// panelsetup's main window: settings, toolbar, languages, the close question,
// the site file commands, the start of the monitor and one command at a time.
#include "DialogAbout.h"
#include "DialogChoosePanel.h"
#include "Facility.h"
#include "FilePrompt.h"
#include "FileXML.h"
#include "ModalScript.h"
#include "MyActionsWidget.h"
#include "MyElementsWidget.h"
#include "MyLogicActionsWidget.h"
#include "MyMainWidget.h"
#include "MyMainWindow.h"
#include "PanelConfig.h"
#include "Pause.h"
#include "ProgramLauncher.h"
#include "ProgramState.h"
#include "SitePanels.h"
#include "WindowDriver.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

using namespace WindowDriver;

namespace {
const QString English = QStringLiteral("advanced=true\nlanguage=en\n");

// The toolbar entries of the rebuild, in order; the first build lacks the
// three marked false.
const QList<QPair<const char *, bool>> ToolbarEntries = {
    {"Download Config from panel", true}, {"Upload Config to panel", true},
    {"Load configuration from file", false}, {"Save configuration to file", false},
    {"New", true}, {"Open", true}, {"Save", true}, {"Save as", true},
    {"Configure time", true}, {"Export Logs to CSV", true}, {"Export site inform", true},
    {"Advanced tools", false}, {"Launch system monitor", true},
    {"Remove element", true}, {"Modify element", true}, {"View all maneuver", true},
    {"Add panel", true}, {"Add element", true},
};

QString windowText(const char *text)
{
    return QCoreApplication::translate("MyMainWindow", text);
}

QStringList texts(const QList<QAction *> &actions)
{
    QStringList list;
    for (const QAction *a : actions)
        list << a->text();
    return list;
}

// Counts the language-change events a widget receives.
class LanguageEvents : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            ++count;
        return false;
    }
};

PanelConfig *addPanel(const QString &name)
{
    auto panel = SitePanels::richPanel(10);
    panel->setName(name);
    PanelConfig *raw = panel.release();
    currentFacility->addPanel(raw);
    return raw;
}

int panelsInFile(const QString &path)
{
    Facility back;
    return FileXML(&back).readXml(path, &back) ? back.panelCount() : -1;
}

void writeSiteFile(const QString &path, const QStringList &names)
{
    Facility s;
    for (const QString &name : names) {
        auto *p = new PanelConfig;
        p->setName(name);
        s.addPanel(p);
    }
    QVERIFY(FileXML(&s).writeXml(path));
}
} // namespace

class tst_MyMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    // start-up and settings
    void startsWithoutSettings();
    void advancedSetting_data();
    void advancedSetting();
    void closeAnsweredYesWritesTheSettings();
    void closeAnsweredNoKeepsTheWindowAndWritesNothing();
    void quitWritesTheSettingsBeforeTheQuestion();

    // toolbar and languages
    void firstToolbarHas15Entries();
    void languageChangeRebuildsTheToolbarWith18Entries();
    void languageFromTheSettingsIsLoadedAtStart();
    void languageCodesOfTheFiles();
    void choosingTheCurrentLanguageChangesNothing();
    void elementEntriesFollowTheTab();
    void oneTreeRefreshPerTabChangeAfterLanguageChanges();
    void advancedOptionsOffWhileTheLogicTabIsCurrent();

    // site file commands
    void newAnsweredNoKeepsTheSite();
    void newClearsTheSiteAndTheTitle();
    void saveWithoutAFileAsksThenWritesThere();
    void openReplacesTheSite();
    void openOfABadFileKeepsTheSite_data();
    void openOfABadFileKeepsTheSite();
    void saveToAnUnwritablePlaceIsReported();
    void saveToTheCurrentFileFailingIsReported();
    void exportSiteInformation();
    void exportSiteInformationFailureIsReported();
    void fileCommandsStoreTheCellBeingEdited_data();
    void fileCommandsStoreTheCellBeingEdited();

    // program commands
    void launchSystemMonitor_data();
    void launchSystemMonitor();
    void aboutBox();
    void commandsWaitForARunningProcedure();

private:
    MyMainWindow &openWindow();
    QString path(const QString &name) const { return m_dir->filePath(name); }
    void changeLanguageToSpanish();

    std::unique_ptr<MyMainWindow> m_window;
    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_fileAnswers;
    QList<FilePrompt::Request> m_fileRequests;
    QStringList m_started;
};

void tst_MyMainWindow::initTestCase()
{
    Pause::setEnabled(false);
    // A window closed by a test must not end anything but itself.
    QApplication::setQuitOnLastWindowClosed(false);
    QVERIFY2(QFile::exists(MyMainWindow::programFolder() + "/languages/lang_es.qm"),
             "the Spanish catalogue beside the test program");
}

void tst_MyMainWindow::init()
{
    writeSettingsText(English);
    m_dir = std::make_unique<QTemporaryDir>();
    m_fileAnswers.clear();
    m_fileRequests.clear();
    m_started.clear();
    FilePrompt::setAnswerer([this](const FilePrompt::Request &r) {
        m_fileRequests << r;
        return m_fileAnswers.isEmpty() ? QString() : m_fileAnswers.takeFirst();
    });
    ProgramLauncher::setStarter([this](const QString &program) {
        m_started << program;
        return true;
    });
}

void tst_MyMainWindow::cleanup()
{
    m_window.reset();
    QVERIFY(currentFacility == nullptr);
    FilePrompt::setAnswerer({});
    ProgramLauncher::setStarter({});
    QLocale::setDefault(QLocale::system());
    QFile::remove(settingsPath());
    m_dir.reset();
}

MyMainWindow &tst_MyMainWindow::openWindow()
{
    m_window = std::make_unique<MyMainWindow>();
    m_window->show();
    // A translation loaded at start reaches the window as a posted event.
    QCoreApplication::sendPostedEvents();
    return *m_window;
}

void tst_MyMainWindow::changeLanguageToSpanish()
{
    QAction *spanish = nullptr;
    for (QAction *a : m_window->languagesMenu()->actions())
        if (a->data().toString() == QLatin1String("es"))
            spanish = a;
    QVERIFY(spanish);
    spanish->trigger();
    QCoreApplication::sendPostedEvents();
}

// ---- start-up and settings -----------------------------------------------------------

void tst_MyMainWindow::startsWithoutSettings()
{
    writeSettingsText(QString());
    MyMainWindow &w = openWindow();
    QCOMPARE(w.windowTitle(), QStringLiteral("Selvik v2.32"));
    QVERIFY(!w.windowIcon().isNull());
    QTabWidget *t = tabs(w);
    QCOMPARE(t->count(), 3);
    QCOMPARE(t->tabText(0), QStringLiteral("Elements"));
    QCOMPARE(t->tabText(1), QStringLiteral("Events"));
    QCOMPARE(t->tabText(2), QStringLiteral("Logic events"));
    QCOMPARE(t->widget(2), w.editors()->logicActionsWidget);
    QVERIFY(advancedMode);
    QVERIFY(menuAction(w, "View advanced options")->isChecked());
    // The system's language, cut at its last "_" (the tests run under the C
    // locale: no catalogue matches).
    const QString system = QLocale::system().name();
    QCOMPARE(w.language(), system.contains('_') ? system.left(system.lastIndexOf('_')) : system);
    QCOMPARE(toolEntries(w.toolBar()).at(0)->text(), QStringLiteral("Download Config from panel"));
    QCOMPARE(w.toolBar()->actions().size(), 15 + 5);
    // The editors edit the site the window made.
    QVERIFY(currentFacility);
    QCOMPARE(w.editors()->elementsWidget->facility(), currentFacility);
    QCOMPARE(w.editors()->actionsWidget->facility, currentFacility);
    QCOMPARE(w.editors()->logicActionsWidget->facility, currentFacility);
    QVERIFY(settingsText().isNull());   // reading writes nothing
}

void tst_MyMainWindow::advancedSetting_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<bool>("on");
    QTest::newRow("true") << "advanced=true\nlanguage=en\n" << true;
    QTest::newRow("True") << "advanced=True\nlanguage=en\n" << false;
    QTest::newRow("1") << "advanced=1\nlanguage=en\n" << false;
    QTest::newRow("false") << "advanced=false\nlanguage=en\n" << false;
    QTest::newRow("key missing") << "language=en\n" << true;
}

void tst_MyMainWindow::advancedSetting()
{
    QFETCH(QString, settings);
    QFETCH(bool, on);
    writeSettingsText(settings);
    MyMainWindow &w = openWindow();
    QCOMPARE(advancedMode, on);
    QCOMPARE(menuAction(w, "View advanced options")->isChecked(), on);
    QCOMPARE(tabs(w)->count(), on ? 3 : 2);
    QCOMPARE(tabs(w)->indexOf(w.editors()->logicActionsWidget), on ? 2 : -1);
}

void tst_MyMainWindow::closeAnsweredYesWritesTheSettings()
{
    writeSettingsText("advanced=true\nlanguage=en\nother=kept\n");
    MyMainWindow &w = openWindow();
    menuAction(w, "View advanced options")->trigger();
    QVERIFY(!advancedMode);
    QCOMPARE(settingsText(), QStringLiteral("advanced=true\nlanguage=en\nother=kept\n"));   // not yet

    ModalScript script;
    script.messageBox(QMessageBox::Yes).thenNothingElse();
    script.start();
    QVERIFY(w.close());
    QCOMPARE(script.answered(), 1);
    QCOMPARE(script.titles().value(0), QStringLiteral("Close Confirmation"));
    QCOMPARE(script.messages().value(0), QStringLiteral("Are you sure you want to quit?"));
    QVERIFY(!w.isVisible());
    QSettings written(settingsPath(), QSettings::IniFormat);
    QCOMPARE(written.value("advanced").toString(), QStringLiteral("false"));
    QCOMPARE(written.value("language").toString(), QStringLiteral("en"));
    QCOMPARE(written.value("other").toString(), QStringLiteral("kept"));
}

void tst_MyMainWindow::closeAnsweredNoKeepsTheWindowAndWritesNothing()
{
    writeSettingsText(QString());
    MyMainWindow &w = openWindow();
    ModalScript script;
    script.messageBox(QMessageBox::No).thenNothingElse();
    script.start();
    QVERIFY(!w.close());
    QCOMPARE(script.answered(), 1);
    QVERIFY(w.isVisible());
    QVERIFY(settingsText().isNull());
}

void tst_MyMainWindow::quitWritesTheSettingsBeforeTheQuestion()
{
    writeSettingsText(QString());
    MyMainWindow &w = openWindow();
    QString atQuestion;
    ModalScript script;
    script.on([](QWidget *x) { return qobject_cast<QMessageBox *>(x) != nullptr; },
              [&](QWidget *x) {
                  atQuestion = settingsText();
                  qobject_cast<QMessageBox *>(x)->button(QMessageBox::No)->click();
              });
    script.thenNothingElse();
    script.start();
    menuAction(w, "Quit")->trigger();
    QCOMPARE(script.answered(), 1);
    QVERIFY(w.isVisible());
    QVERIFY(atQuestion.contains("advanced=true"));
    QSettings written(settingsPath(), QSettings::IniFormat);
    QCOMPARE(written.value("advanced").toString(), QStringLiteral("true"));
    QCOMPARE(written.value("language").toString(), w.language());
}

// ---- toolbar and languages ---------------------------------------------------------------

void tst_MyMainWindow::firstToolbarHas15Entries()
{
    MyMainWindow &w = openWindow();
    QStringList expected;
    for (const auto &entry : ToolbarEntries)
        if (entry.second)
            expected << entry.first;
    QCOMPARE(texts(toolEntries(w.toolBar())), expected);
    QCOMPARE(toolSeparators(w.toolBar()), 5);
    QCOMPARE(w.toolBar()->iconSize(), QSize(33, 33));
    for (QAction *a : toolEntries(w.toolBar()))
        QVERIFY2(!a->icon().isNull(), qPrintable(a->text()));
    QCOMPARE(w.toolBar()->windowTitle(), QStringLiteral("File"));
}

void tst_MyMainWindow::languageChangeRebuildsTheToolbarWith18Entries()
{
    MyMainWindow &w = openWindow();
    QCOMPARE(w.languagesMenu()->actions().size(), 1);
    QAction *spanish = w.languagesMenu()->actions().value(0);
    QCOMPARE(spanish->text(), QStringLiteral("Spanish"));
    QVERIFY(spanish->isCheckable());
    QVERIFY(!spanish->isChecked());

    changeLanguageToSpanish();
    QCOMPARE(w.language(), QStringLiteral("es"));
    QStringList expected;
    for (const auto &entry : ToolbarEntries)
        expected << windowText(entry.first);
    QCOMPARE(texts(toolEntries(w.toolBar())), expected);
    QCOMPARE(toolSeparators(w.toolBar()), 6);
    // The catalogue is real: the texts are no longer the English ones.
    QVERIFY(windowText("Download Config from panel") != QLatin1String("Download Config from panel"));
    QVERIFY(windowText("&File") != QLatin1String("&File"));
    QVERIFY(menuAction(w, windowText("&File")));
    QVERIFY(menuAction(w, windowText("Download Panel")));
    QCOMPARE(tabs(w)->tabText(0), QCoreApplication::translate("MyMainWidget", "Elements"));
    QVERIFY(tabs(w)->tabText(1) != QLatin1String("Events"));
    // The toolbar's own title and the language entries keep their first texts.
    QCOMPARE(w.toolBar()->windowTitle(), QStringLiteral("File"));
    QCOMPARE(spanish->text(), QStringLiteral("Spanish"));

    // The new entries reach their commands: "Load configuration from file"
    // imports a ".conf" file, which first adds a panel to the empty site.
    ModalScript script;
    script.pressCancel().thenNothingElse();
    script.start();
    toolEntries(w.toolBar()).at(2)->trigger();
    QCOMPARE(script.answered(), 1);
    QVERIFY(m_fileRequests.isEmpty());
}

void tst_MyMainWindow::languageFromTheSettingsIsLoadedAtStart()
{
    writeSettingsText("advanced=false\nlanguage=es\n");
    MyMainWindow &w = openWindow();
    QCOMPARE(w.language(), QStringLiteral("es"));
    QCOMPARE(toolEntries(w.toolBar()).size(), 18);
    QCOMPARE(toolEntries(w.toolBar()).at(0)->text(), windowText("Download Config from panel"));
    QVERIFY(w.languagesMenu()->actions().value(0)->isChecked());
    QCOMPARE(tabs(w)->count(), 2);   // a language change with the advanced mode off leaves two tabs
}

// The code of a file is the text between its first "_" and its last ".".
void tst_MyMainWindow::languageCodesOfTheFiles()
{
    const QString folder = MyMainWindow::programFolder() + "/languages/";
    QVERIFY(QFile::copy(folder + "lang_es.qm", folder + "lang_pt_BR.qm"));
    auto remove = qScopeGuard([&] { QFile::remove(folder + "lang_pt_BR.qm"); });
    MyMainWindow &w = openWindow();
    QMap<QString, QString> entries;
    for (QAction *a : w.languagesMenu()->actions())
        entries.insert(a->data().toString(), a->text());
    QCOMPARE(entries, (QMap<QString, QString>{{"es", "Spanish"}, {"pt_BR", "Portuguese"}}));
}

void tst_MyMainWindow::choosingTheCurrentLanguageChangesNothing()
{
    MyMainWindow &w = openWindow();
    changeLanguageToSpanish();
    LanguageEvents events;
    w.installEventFilter(&events);
    QList<QAction *> before = toolEntries(w.toolBar());
    changeLanguageToSpanish();
    QCOMPARE(events.count, 0);
    QCOMPARE(toolEntries(w.toolBar()), before);
}

void tst_MyMainWindow::elementEntriesFollowTheTab()
{
    MyMainWindow &w = openWindow();
    auto visible = [&w](const char *text) { return toolEntry(w.toolBar(), windowText(text))->isVisible(); };
    auto elementEntriesShown = [&](bool shown) {
        for (const char *text : {"Add panel", "Add element", "Remove element", "Modify element"})
            if (visible(text) != shown)
                return false;
        return visible("View all maneuver") == !shown;
    };
    QVERIFY(elementEntriesShown(true));
    tabs(w)->setCurrentIndex(1);
    QVERIFY(elementEntriesShown(false));
    tabs(w)->setCurrentIndex(2);
    QVERIFY(elementEntriesShown(false));
    tabs(w)->setCurrentIndex(0);
    QVERIFY(elementEntriesShown(true));

    // A rebuilt toolbar (one per language change) follows the tab current at
    // that moment: on "Events" the element entries stay away, since they act
    // on a selection of the "Elements" tree the user cannot see there.
    tabs(w)->setCurrentIndex(1);
    changeLanguageToSpanish();
    QVERIFY(elementEntriesShown(false));
    for (int tab : {2, 0, 1}) {
        tabs(w)->setCurrentIndex(tab);
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(&w, &change);
        QVERIFY2(elementEntriesShown(tab == 0), qPrintable(QString::number(tab)));
    }
    tabs(w)->setCurrentIndex(0);
    QVERIFY(elementEntriesShown(true));
}

// Leaving the "Elements" tab rebuilds the event trees once, however many
// times the toolbar was rebuilt before.
void tst_MyMainWindow::oneTreeRefreshPerTabChangeAfterLanguageChanges()
{
    MyMainWindow &w = openWindow();
    addPanel("North");
    changeLanguageToSpanish();
    for (int i = 0; i < 2; ++i) {
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(&w, &change);
    }
    QCOMPARE(toolEntries(w.toolBar()).size(), 18);
    auto *events = w.editors()->actionsWidget->findChild<QTreeWidget *>("eventsWidget");
    QVERIFY(events);
    QSignalSpy rebuilt(events->model(), &QAbstractItemModel::modelReset);
    tabs(w)->setCurrentIndex(1);
    QCOMPARE(rebuilt.size(), 1);
    QVERIFY(events->topLevelItemCount() > 0);
    tabs(w)->setCurrentIndex(0);
    QCOMPARE(rebuilt.size(), 1);
}

void tst_MyMainWindow::advancedOptionsOffWhileTheLogicTabIsCurrent()
{
    MyMainWindow &w = openWindow();
    MyLogicActionsWidget *logic = w.editors()->logicActionsWidget;
    tabs(w)->setCurrentIndex(2);
    QAction *advanced = menuAction(w, "View advanced options");
    advanced->trigger();
    QVERIFY(!advanced->isChecked());
    QVERIFY(!advancedMode);
    QCOMPARE(tabs(w)->count(), 2);
    QCOMPARE(tabs(w)->currentIndex(), 1);
    QVERIFY(!toolEntry(w.toolBar(), "Add panel")->isVisible());
    QVERIFY(toolEntry(w.toolBar(), "View all maneuver")->isVisible());

    advanced->trigger();
    QVERIFY(advancedMode);
    QCOMPARE(tabs(w)->count(), 3);
    QCOMPARE(tabs(w)->widget(2), logic);
}

// ---- site file commands ------------------------------------------------------------------

void tst_MyMainWindow::newAnsweredNoKeepsTheSite()
{
    MyMainWindow &w = openWindow();
    const QString file = path("site.xml");
    addPanel("North");
    m_fileAnswers << file;
    menuAction(w, "Save as")->trigger();
    const QString title = w.windowTitle();

    ModalScript script;
    script.messageBox(QMessageBox::No).thenNothingElse();
    script.start();
    menuAction(w, "New")->trigger();
    QCOMPARE(script.answered(), 1);
    QCOMPARE(script.titles().value(0), QStringLiteral("Confirmation"));
    QCOMPARE(script.messages().value(0), QStringLiteral("Do you want to erase current configuration and create a new one"));
    QCOMPARE(currentFacility->panelCount(), 1);
    QCOMPARE(w.siteFileName(), file);
    QCOMPARE(w.windowTitle(), title);
}

void tst_MyMainWindow::newClearsTheSiteAndTheTitle()
{
    MyMainWindow &w = openWindow();
    Facility *site = currentFacility;
    addPanel("North");
    addPanel("South");
    m_fileAnswers << path("site.xml");
    menuAction(w, "Save as")->trigger();
    w.slotUpdateDeviceTree();
    QCOMPARE(w.editors()->elementsWidget->treeWidget()->topLevelItemCount(), 2);

    ModalScript script;
    script.messageBox(QMessageBox::Yes).thenNothingElse();
    script.start();
    toolEntry(w.toolBar(), "New")->trigger();
    QCOMPARE(script.answered(), 1);
    QCOMPARE(currentFacility, site);   // the same site, emptied
    QCOMPARE(site->panelCount(), 0);
    QCOMPARE(w.editors()->elementsWidget->treeWidget()->topLevelItemCount(), 0);
    QVERIFY(w.siteFileName().isEmpty());
    QCOMPARE(w.windowTitle(), QStringLiteral("Selvik "));
}

// "Save" without a file is "Save as"; afterwards it writes to that file
// without asking.
void tst_MyMainWindow::saveWithoutAFileAsksThenWritesThere()
{
    MyMainWindow &w = openWindow();
    addPanel("North");
    const QString file = path("site.xml");
    m_fileAnswers << file;
    toolEntry(w.toolBar(), "Save")->trigger();
    QCOMPARE(m_fileRequests.size(), 1);
    QCOMPARE(m_fileRequests.at(0).kind, FilePrompt::Kind::SaveFile);
    QCOMPARE(m_fileRequests.at(0).caption, QStringLiteral("Save Xml"));
    QCOMPARE(m_fileRequests.at(0).directory, QStringLiteral("."));
    QCOMPARE(m_fileRequests.at(0).filter, QStringLiteral("Xml files (*.xml)"));
    QCOMPARE(panelsInFile(file), 1);
    QCOMPARE(w.siteFileName(), file);
    QCOMPARE(w.windowTitle(), "Selvik " + file);

    addPanel("South");
    menuAction(w, "Save")->trigger();
    QCOMPARE(m_fileRequests.size(), 1);
    QCOMPARE(panelsInFile(file), 2);

    // "Save as" always asks, and a cancelled question changes nothing.
    menuAction(w, "Save as")->trigger();
    QCOMPARE(m_fileRequests.size(), 2);
    QCOMPARE(w.siteFileName(), file);
}

void tst_MyMainWindow::openReplacesTheSite()
{
    MyMainWindow &w = openWindow();
    addPanel("Old one");
    const QString file = path("other.xml");
    writeSiteFile(file, {"East", "West"});

    m_fileAnswers << file;
    ModalScript script;
    script.thenNothingElse();
    script.start();
    toolEntry(w.toolBar(), "Open")->trigger();
    QCOMPARE(script.answered(), 0);
    QCOMPARE(m_fileRequests.value(0).kind, FilePrompt::Kind::OpenFile);
    QCOMPARE(m_fileRequests.value(0).caption, QStringLiteral("Open Xml"));
    QCOMPARE(m_fileRequests.value(0).directory, QStringLiteral("."));
    QCOMPARE(m_fileRequests.value(0).filter, QStringLiteral("Xml files (*.xml)"));

    QCOMPARE(currentFacility->panelNames(), (QStringList{"East", "West"}));
    QCOMPARE(w.editors()->elementsWidget->facility(), currentFacility);
    QCOMPARE(w.editors()->actionsWidget->facility, currentFacility);
    QCOMPARE(w.editors()->logicActionsWidget->facility, currentFacility);
    QCOMPARE(w.editors()->elementsWidget->treeWidget()->topLevelItemCount(), 2);
    QCOMPARE(w.siteFileName(), file);
    QCOMPARE(w.windowTitle(), "Selvik " + file);

    // Save writes to the opened file without asking.
    addPanel("North");
    menuAction(w, "Save")->trigger();
    QCOMPARE(m_fileRequests.size(), 1);
    QCOMPARE(panelsInFile(file), 3);
}

void tst_MyMainWindow::openOfABadFileKeepsTheSite_data()
{
    QTest::addColumn<QByteArray>("content");   // null: no file at all
    QTest::newRow("not well-formed") << QByteArray("<Installation><Panel name=\"Half\"><Loop");
    QTest::newRow("no such file") << QByteArray();
    QTest::newRow("not a site file") << QByteArray("\x01\x02 binary", 9);
    QTest::newRow("XML of another program")
            << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<ui version=\"4.0\"><widget class=\"QDialog\" name=\"Dialog\"/></ui>\n");
}

// A file that cannot be read completely leaves the site, its file name and the
// title as they were, says so, and "Save" still writes to the previous file.
void tst_MyMainWindow::openOfABadFileKeepsTheSite()
{
    QFETCH(QByteArray, content);
    MyMainWindow &w = openWindow();
    Facility *site = currentFacility;
    PanelConfig *panel = addPanel("Kept");
    const QString previous = path("previous.xml");
    m_fileAnswers << previous;
    menuAction(w, "Save as")->trigger();
    const QString title = w.windowTitle();

    const QString bad = path("bad.xml");
    if (!content.isNull()) {
        QFile f(bad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    m_fileAnswers << bad;
    ModalScript script;
    script.messageBox(QMessageBox::Ok).thenNothingElse();
    script.start();
    menuAction(w, "Open")->trigger();
    QCOMPARE(script.answered(), 1);
    QCOMPARE(script.titles().value(0), QStringLiteral("Error"));
    QCOMPARE(script.messages().value(0), "Error reading site file " + QDir::toNativeSeparators(bad)
                                             + "\n\nThe site in use was left unchanged.");
    QCOMPARE(currentFacility, site);
    QCOMPARE(site->panelCount(), 1);
    QCOMPARE(site->getPanel(0), panel);
    QCOMPARE(w.editors()->elementsWidget->facility(), site);
    QCOMPARE(w.siteFileName(), previous);
    QCOMPARE(w.windowTitle(), title);

    addPanel("Added");
    menuAction(w, "Save")->trigger();
    QCOMPARE(m_fileRequests.size(), 2);
    QCOMPARE(panelsInFile(previous), 2);
}

void tst_MyMainWindow::saveToAnUnwritablePlaceIsReported()
{
    MyMainWindow &w = openWindow();
    addPanel("North");
    // A folder that is a file: no one can write below it, root included.
    QFile blocker(path("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString target = path("blocker/site.xml");

    m_fileAnswers << target;
    ModalScript script;
    script.messageBox(QMessageBox::Ok).thenNothingElse();
    script.start();
    menuAction(w, "Save as")->trigger();
    QCOMPARE(script.answered(), 1);
    QCOMPARE(script.titles().value(0), QStringLiteral("Error"));
    QCOMPARE(script.messages().value(0), "Error writing site file " + QDir::toNativeSeparators(target)
                                             + "\n\nThe site was not saved; the file keeps its previous content.");
    QVERIFY(w.siteFileName().isEmpty());
    QCOMPARE(w.windowTitle(), QStringLiteral("Selvik v2.32"));

    // With still no file, "Save" asks again.
    script.stop();
    menuAction(w, "Save")->trigger();
    QCOMPARE(m_fileRequests.size(), 2);
}

void tst_MyMainWindow::saveToTheCurrentFileFailingIsReported()
{
    MyMainWindow &w = openWindow();
    addPanel("North");
    QVERIFY(QDir(m_dir->path()).mkdir("place"));
    const QString file = path("place/site.xml");
    m_fileAnswers << file;
    menuAction(w, "Save as")->trigger();
    QCOMPARE(w.siteFileName(), file);
    const QString title = w.windowTitle();

    // The folder of the file becomes a file: the next save cannot land.
    QVERIFY(QDir(path("place")).removeRecursively());
    QFile blocker(path("place"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ModalScript script;
    script.messageBox(QMessageBox::Ok).thenNothingElse();
    script.start();
    menuAction(w, "Save")->trigger();
    QCOMPARE(script.answered(), 1);
    QVERIFY(script.messages().value(0).startsWith("Error writing site file " + QDir::toNativeSeparators(file)));
    QCOMPARE(w.siteFileName(), file);
    QCOMPARE(w.windowTitle(), title);
}

void tst_MyMainWindow::exportSiteInformation()
{
    MyMainWindow &w = openWindow();
    addPanel("North building");
    const QString file = path("site.rtf");
    m_fileAnswers << file;
    ModalScript script;
    script.thenNothingElse();
    script.start();
    toolEntry(w.toolBar(), "Export site inform")->trigger();
    QCOMPARE(script.answered(), 0);
    QCOMPARE(m_fileRequests.value(0).kind, FilePrompt::Kind::SaveFile);
    QCOMPARE(m_fileRequests.value(0).caption, QStringLiteral("Create txt"));
    QCOMPARE(m_fileRequests.value(0).directory, QStringLiteral("."));
    QCOMPARE(m_fileRequests.value(0).filter, QStringLiteral("Rich text files (*.rtf)"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll().contains("North building"));
    QVERIFY(w.siteFileName().isEmpty());   // the site file is another matter
}

void tst_MyMainWindow::fileCommandsStoreTheCellBeingEdited_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("file");
    QTest::newRow("Save") << "Save" << "site.xml";
    QTest::newRow("Save as") << "Save as" << "site.xml";
    QTest::newRow("Export site inform") << "Export site inform" << "site.rtf";
}

// A toolbar button takes no focus: a description typed into the tree and not
// yet confirmed is what the user sees, so it is what the file gets.
void tst_MyMainWindow::fileCommandsStoreTheCellBeingEdited()
{
    QFETCH(QString, entry);
    QFETCH(QString, file);
    MyMainWindow &w = openWindow();
    PanelConfig *panel = addPanel("North");
    w.slotUpdateDeviceTree();
    QVERIFY(typeIntoTreeCell(w.editors()->elementsWidget->treeWidget(), "Room 1-4", 3, "Kitchen"));
    m_fileAnswers << path(file);
    toolEntry(w.toolBar(), entry)->trigger();
    QCOMPARE(panel->deviceAt(0, 3)->description, QStringLiteral("Kitchen"));
    if (file.endsWith(".xml")) {
        Facility back;
        QVERIFY(FileXML(&back).readXml(path(file), &back));
        QCOMPARE(back.getPanel(0)->deviceAt(0, 3)->description, QStringLiteral("Kitchen"));
    } else {
        QFile f(path(file));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains("Kitchen"));
    }
}

void tst_MyMainWindow::exportSiteInformationFailureIsReported()
{
    MyMainWindow &w = openWindow();
    addPanel("North");
    QFile blocker(path("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString target = path("blocker/site.rtf");
    m_fileAnswers << target;
    ModalScript script;
    script.messageBox(QMessageBox::Ok).thenNothingElse();
    script.start();
    toolEntry(w.toolBar(), "Export site inform")->trigger();
    QCOMPARE(script.answered(), 1);
    QCOMPARE(script.messages().value(0), "Error writing site information file " + QDir::toNativeSeparators(target)
                                             + "\n\nThe file keeps its previous content.");
}

// ---- program commands --------------------------------------------------------------------

void tst_MyMainWindow::launchSystemMonitor_data()
{
    QTest::addColumn<bool>("inProgramFolder");
    QTest::addColumn<bool>("inWorkingFolder");
    QTest::newRow("beside panelsetup") << true << false;
    QTest::newRow("missing") << false << false;
    QTest::newRow("only in the working folder") << false << true;
}

// loopwatch is looked for beside panelsetup, never in the working folder.
void tst_MyMainWindow::launchSystemMonitor()
{
    QFETCH(bool, inProgramFolder);
    QFETCH(bool, inWorkingFolder);
    const QString program = QDir(MyMainWindow::programFolder()).filePath("loopwatch");
    QVERIFY(!QFile::exists(program));
    auto removeProgram = qScopeGuard([&] { QFile::remove(program); });
    if (inProgramFolder) {
        QFile f(program);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    const QString before = QDir::currentPath();
    auto restore = qScopeGuard([&] { QDir::setCurrent(before); });
    QVERIFY(QDir::setCurrent(m_dir->path()));
    if (inWorkingFolder) {
        QFile f(path("loopwatch"));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }

    MyMainWindow &w = openWindow();
    ModalScript script;
    script.thenNothingElse();
    script.start();
    toolEntry(w.toolBar(), "Launch system monitor")->trigger();
    toolEntry(w.toolBar(), "Launch system monitor")->trigger();
    QCOMPARE(script.answered(), 0);
    if (inProgramFolder)
        QCOMPARE(m_started, (QStringList{program, program}));   // each use starts another
    else
        QVERIFY(m_started.isEmpty());
}

void tst_MyMainWindow::aboutBox()
{
    MyMainWindow &w = openWindow();
    bool parented = false;
    ModalScript script;
    script.dialog<DialogAbout>([&](DialogAbout *d) {
        parented = d->parentWidget() == &w;
        QTest::mouseClick(d->findChild<QPushButton *>("pushButton"), Qt::LeftButton);
    });
    script.thenNothingElse();
    script.start();
    menuAction(w, "About")->trigger();
    QCOMPARE(script.answered(), 1);
    QVERIFY(parented);
    QVERIFY(!w.findChild<DialogAbout *>());   // made for one run
}

// While a procedure runs (here: a download waiting for its panel choice) the
// site file commands and the close do not start.
void tst_MyMainWindow::commandsWaitForARunningProcedure()
{
    MyMainWindow &w = openWindow();
    Facility *site = currentFacility;
    addPanel("North");
    m_fileAnswers << path("a.xml") << path("b.xml") << path("c.xml") << path("d.rtf");
    int modalsDuringRun = -1;
    ModalScript script;
    script.dialog<DialogChoosePanel>([&](DialogChoosePanel *d) {
        QWidget *before = QApplication::activeModalWidget();
        for (const char *text : {"New", "Open", "Save", "Save as"})
            menuAction(w, text)->trigger();
        toolEntry(w.toolBar(), "Export site inform")->trigger();
        w.close();
        modalsDuringRun = QApplication::activeModalWidget() == before ? 0 : 1;
        d->reject();
    });
    script.thenNothingElse();
    script.start();
    menuAction(w, "Download Panel")->trigger();
    QCOMPARE(script.answered(), 1);
    QCOMPARE(modalsDuringRun, 0);
    QVERIFY(m_fileRequests.isEmpty());
    QCOMPARE(currentFacility, site);
    QCOMPARE(site->panelCount(), 1);
    QVERIFY(w.isVisible());
    QVERIFY(w.siteFileName().isEmpty());

    // Once the procedure is over, the commands run again.
    m_fileAnswers = QStringList{path("after.xml")};
    menuAction(w, "Save")->trigger();
    QCOMPARE(m_fileRequests.size(), 1);
    QCOMPARE(panelsInFile(path("after.xml")), 1);
}

QTEST_MAIN(tst_MyMainWindow)
#include "tst_MyMainWindow.moc"
