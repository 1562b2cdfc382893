#include "MonitorWindowFixture.h"

#include "FilePrompt.h"
#include "MyConfigOptions.h"
#include "MyMainWidget.h"
#include "PanelMemoryMap.h"
#include "PanelModel.h"
#include "Pause.h"
#include "QMessageCustom.h"
#include "loopChart.h"
#include "loopSelectorwidget.h"

#include <QAbstractProxyModel>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolBar>

using sim::SimPanel;

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

bool isScanQuestion(QWidget *w)
{
    auto *box = qobject_cast<QMessageCustom *>(w);
    return box && !box->findChild<QCheckBox *>(QStringLiteral("chkShowAgain"))->isHidden();
}

bool isConnectionError(QWidget *w)
{
    auto *box = qobject_cast<QMessageCustom *>(w);
    return box && box->findChild<QCheckBox *>(QStringLiteral("chkShowAgain"))->isHidden();
}

namespace {
void answerCustomBox(ModalScript &script, bool (*match)(QWidget *), QDialogButtonBox::StandardButton answer,
                     bool *modalWindow, const char *what)
{
    script.on(match,
              [answer, modalWindow](QWidget *w) {
                  if (modalWindow)
                      *modalWindow = w->isWindow() && QApplication::activeModalWidget() == w
                                     && w->windowModality() != Qt::NonModal;
                  ModalScript::clickStandardButton(w, answer);
              },
              QString::fromLatin1(what));
}
} // namespace

void answerScanQuestion(ModalScript &script, QDialogButtonBox::StandardButton answer, bool *modalWindow)
{
    answerCustomBox(script, isScanQuestion, answer, modalWindow, "the scan question");
}

void answerConnectionError(ModalScript &script, QDialogButtonBox::StandardButton answer, bool *modalWindow)
{
    answerCustomBox(script, isConnectionError, answer, modalWindow, "the connection error box");
}

MonitorWindowFixture::MonitorWindowFixture()
{
    Pause::setEnabled(false);
    FilePrompt::setAnswerer({});
    removeSettings();
    resetPanel();
}

MonitorWindowFixture::~MonitorWindowFixture()
{
    destroyWindow();
    sim.reset();
    FilePrompt::setAnswerer({});
    removeSettings();
}

void MonitorWindowFixture::resetPanel()
{
    sim.reset();
    SimPanel::instance().reset();
    sim = std::make_unique<sim::SimPointCommands>();
    for (int loop = 0; loop < PanelMemoryMap::Loops; ++loop)
        for (int page = 0; page < PanelMemoryMap::PagesPerLoop; ++page)
            SimPanel::instance().setPage(PanelMemoryMap::DeviceFirstPage + loop * PanelMemoryMap::PagesPerLoop + page,
                                         QByteArray(PanelMemoryMap::PageSize, '\0'));
    setLoops(1, bytes({1}));
}

void MonitorWindowFixture::setLoops(quint8 loops, const QByteArray &presence, quint8 maxPoints)
{
    sim->setPanelInfo(sim::SimPointCommands::panelInfoReply("2.10", loops, maxPoints, presence));
}

void MonitorWindowFixture::configure(int loop, int address, int type, const QByteArray &description)
{
    QByteArray r(PanelMemoryMap::RecordSize, '\0');
    r[0] = char(type);
    r.replace(1, description.size(), description);
    r[25] = char(4);
    r[27] = char(1);   // enabled
    SimPanel::instance().setPageBytes(PanelMemoryMap::devicePage(loop, address), PanelMemoryMap::deviceOffset(address), r);
}

void MonitorWindowFixture::writeSettings(const QList<QPair<QString, QString>> &values)
{
    QSettings settings(MyConfigOptions::settingsPath(), QSettings::IniFormat);
    for (const auto &v : values)
        settings.setValue(v.first, v.second);
    settings.sync();
}

QString MonitorWindowFixture::settingsValue(const QString &key)
{
    return QSettings(MyConfigOptions::settingsPath(), QSettings::IniFormat).value(key).toString();
}

void MonitorWindowFixture::removeSettings()
{
    QFile::remove(MyConfigOptions::settingsPath());
}

MyMainWindow *MonitorWindowFixture::createWindow()
{
    window = std::make_unique<MyMainWindow>();
    window->resize(1400, 800);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    clearRequests();
    return window.get();
}

void MonitorWindowFixture::destroyWindow()
{
    window.reset();
}

bool MonitorWindowFixture::drive(ModalScript &script, const std::function<void()> &trigger, QString *why)
{
    script.setRejectUnexpected(true);
    script.start(5000);
    trigger();
    // Steps queued by the last answer still run before the verdict.
    QCoreApplication::processEvents();
    script.stop();
    QString reason = script.failure();
    if (!script.unexpected().isEmpty())
        reason += QStringLiteral(" unexpected: ") + script.unexpected().join(QStringLiteral(" | "));
    if (why)
        *why = reason;
    return script.finished() && script.unexpected().isEmpty();
}

bool MonitorWindowFixture::connect(QDialogButtonBox::StandardButton scanAnswer, QString *why)
{
    ModalScript script;
    answerScanQuestion(script, scanAnswer);
    return drive(script, [this] { action("connectAction")->trigger(); }, why);
}

QAction *MonitorWindowFixture::action(const char *objectName) const
{
    auto *a = window->findChild<QAction *>(QLatin1String(objectName));
    if (!a)
        qFatal("no action %s", objectName);
    return a;
}

QMenu *MonitorWindowFixture::menu(const char *objectName) const
{
    auto *m = window->findChild<QMenu *>(QLatin1String(objectName));
    if (!m)
        qFatal("no menu %s", objectName);
    return m;
}

QToolBar *MonitorWindowFixture::toolBar(const char *objectName) const
{
    auto *t = window->findChild<QToolBar *>(QLatin1String(objectName));
    if (!t)
        qFatal("no toolbar %s", objectName);
    return t;
}

QList<QAction *> MonitorWindowFixture::loopEntries() const
{
    return menu("loopMenu")->actions();
}

loopSelectorwidget *MonitorWindowFixture::selector() const
{
    return window->findChild<loopSelectorwidget *>();
}

QString MonitorWindowFixture::selectorText() const
{
    return selector()->findChild<QLabel *>(QStringLiteral("lblLoop"))->text();
}

bool MonitorWindowFixture::selectorEnabled() const
{
    return selector()->findChild<QLabel *>(QStringLiteral("lblLoop"))->isEnabled();
}

MyMainWidget *MonitorWindowFixture::mainWidget() const
{
    return window->findChild<MyMainWidget *>();
}

void MonitorWindowFixture::giveEveryCommand()
{
    window->USBconnect();
    window->slotStart();
    window->slotExploreLoop();
    window->slotChangeLoop(1);
    window->PanelKeyReset();
    window->slotExportAnalogValues();
    window->slotResetCounters();
    window->slotClearData();
    QTest::keyClick(table(), Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
}

QTableView *MonitorWindowFixture::table() const
{
    return mainWidget()->findChild<QTableView *>(QStringLiteral("tvLoop"));
}

loopChart *MonitorWindowFixture::chart() const
{
    return mainWidget()->findChild<loopChart *>();
}

PanelModel *MonitorWindowFixture::model() const
{
    auto *proxy = qobject_cast<QAbstractProxyModel *>(table()->model());
    return proxy ? qobject_cast<PanelModel *>(proxy->sourceModel()) : nullptr;
}

QTimer *MonitorWindowFixture::refreshTimer() const
{
    return window->findChild<QTimer *>(QStringLiteral("refreshTimer"));
}

QString MonitorWindowFixture::status() const
{
    return window->statusBar()->currentMessage();
}

bool MonitorWindowFixture::statisticsShown() const
{
    return mainWidget()->findChild<QWidget *>(QStringLiteral("topWidget"))->isVisible();
}

QList<QByteArray> MonitorWindowFixture::requests(quint8 code) const
{
    QList<QByteArray> l;
    for (const QByteArray &r : requests())
        if (!r.isEmpty() && quint8(r.at(0)) == code)
            l.append(r);
    return l;
}

void MonitorWindowFixture::clearRequests()
{
    SimPanel::instance().clearLogs();
    sim->clearRequests();
}
