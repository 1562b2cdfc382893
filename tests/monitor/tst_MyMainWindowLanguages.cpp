#include "MyMainWindow.h"

#include "ModalScript.h"
#include "MyConfigOptions.h"
#include "PanelModel.h"
#include "Pause.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The languages of loopwatch's main window. This test program sits in a folder
// of its own with a "languages" folder beside it: the markers "lang_es.qm" and
// "lang_fr.qm" and the monitor's Spanish catalogue "viewer_es.qm" as the build
// makes it (no French one). It runs with the working directory elsewhere.
class tst_MyMainWindowLanguages : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void languageCode_data();
    void languageCode();
    void catalogueComesFromTheLanguagesFolder();
    void listedLanguageWithoutCatalogueStaysEnglish();
    void choosingALanguageWritesItAndAsksForARestart();

private:
    std::unique_ptr<MyMainWindow> createWindow(const QString &language);
    static QStringList menuTexts(QMenu *menu);

    QString languagesDir;
    QString startDir;
    std::unique_ptr<QTemporaryDir> elsewhere;
};

void tst_MyMainWindowLanguages::initTestCase()
{
    Pause::setEnabled(false);
    languagesDir = QCoreApplication::applicationDirPath() + QStringLiteral("/languages");
    QDir(languagesDir).removeRecursively();
    QVERIFY(QDir().mkpath(languagesDir));
    QVERIFY(QFile::copy(QStringLiteral(LOOPWATCH_VIEWER_ES_QM), languagesDir + QStringLiteral("/viewer_es.qm")));
    for (const char *marker : {"lang_es.qm", "lang_fr.qm"}) {
        QFile file(languagesDir + QLatin1Char('/') + QLatin1String(marker));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    startDir = QDir::currentPath();
    elsewhere = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(elsewhere->path()));
}

void tst_MyMainWindowLanguages::cleanupTestCase()
{
    QDir::setCurrent(startDir);
    elsewhere.reset();
    QDir(languagesDir).removeRecursively();
}

void tst_MyMainWindowLanguages::init()
{
    QFile::remove(MyConfigOptions::settingsPath());
}

void tst_MyMainWindowLanguages::cleanup()
{
    QFile::remove(MyConfigOptions::settingsPath());
    QLocale::setDefault(QLocale::c());
}

std::unique_ptr<MyMainWindow> tst_MyMainWindowLanguages::createWindow(const QString &language)
{
    QSettings settings(MyConfigOptions::settingsPath(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("language"), language);
    settings.sync();
    return std::make_unique<MyMainWindow>();
}

QStringList tst_MyMainWindowLanguages::menuTexts(QMenu *menu)
{
    QStringList l;
    for (QAction *a : menu->actions())
        l << a->text() + (a->isChecked() ? QStringLiteral("*") : QString());
    return l;
}

void tst_MyMainWindowLanguages::languageCode_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("code");
    QTest::newRow("es_ES") << "es_ES" << "es";
    QTest::newRow("two cuts") << "zh_Hant_TW" << "zh_Hant";
    QTest::newRow("no cut") << "C" << "";
    QTest::newRow("empty") << "" << "";
}

void tst_MyMainWindowLanguages::languageCode()
{
    QFETCH(QString, locale);
    QFETCH(QString, code);
    QCOMPARE(MyMainWindow::languageCode(locale), code);
}

// The working directory holds no catalogue: the Spanish texts come from the
// program's own languages folder.
void tst_MyMainWindowLanguages::catalogueComesFromTheLanguagesFolder()
{
    QVERIFY(!QFile::exists(QStringLiteral("viewer_es.qm")));
    const auto window = createWindow(QStringLiteral("es"));
    QCOMPARE(window->menuBar()->actions().value(0)->text(), QString("&Archivo"));
    QCOMPARE(window->statusBar()->currentMessage(), QString("Programa listo"));
    QCOMPARE(window->findChild<QAction *>("connectAction")->text(), QString("conectar"));
    QCOMPARE(menuTexts(window->findChild<QMenu *>("languageMenu")), QStringList({"Spanish*", "French"}));
    QCOMPARE(QLocale().language(), QLocale::Spanish);
    // The monitor libraries' texts are in the catalogue too.
    QCOMPARE(QCoreApplication::translate("PanelModel", "Address"), QString("Dirección"));
    QCOMPARE(QCoreApplication::translate("QObject", "Sounder"), QString("Sirena"));
    QCOMPARE(QCoreApplication::translate("QMessageCustom", "Don't ask me again "), QString("No volver a preguntar "));
    QCOMPARE(QCoreApplication::translate("loopSelectorwidget", "Next loop"), QString("Lazo siguiente"));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void tst_MyMainWindowLanguages::listedLanguageWithoutCatalogueStaysEnglish()
{
    const auto window = createWindow(QStringLiteral("fr"));
    QCOMPARE(window->menuBar()->actions().value(0)->text(), QString("&File"));
    QCOMPARE(window->statusBar()->currentMessage(), QString("Program ready"));
    QCOMPARE(menuTexts(window->findChild<QMenu *>("languageMenu")), QStringList({"Spanish", "French*"}));
    QCOMPARE(QCoreApplication::translate("PanelModel", "Address"), QString("Address"));
}

// A choice is written at once and asks for a restart; menus keep the language
// they were built in, later boxes use the one just loaded.
void tst_MyMainWindowLanguages::choosingALanguageWritesItAndAsksForARestart()
{
    const auto window = createWindow(QStringLiteral("es"));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QMenu *languages = window->findChild<QMenu *>("languageMenu");

    ModalScript script;
    script.messageBox(QMessageBox::Close);
    script.start();
    languages->actions().value(1)->trigger();   // French
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QCOMPARE(script.titles(), QStringList({"Language changed"}));
    QCOMPARE(script.messages(), QStringList({"Restart is required for the changes to take effect"}));
    QCOMPARE(QSettings(MyConfigOptions::settingsPath(), QSettings::IniFormat).value("language").toString(), QString("fr"));
    QCOMPARE(window->menuBar()->actions().value(0)->text(), QString("&Archivo"));

    ModalScript again;
    again.messageBox(QMessageBox::Close).messageBox(QMessageBox::Close);
    again.start();
    languages->actions().value(0)->trigger();   // Spanish again: loaded
    languages->actions().value(0)->trigger();   // the checked one: written and asked again
    QVERIFY2(again.finished(), qPrintable(again.failure()));
    QCOMPARE(again.titles(), QStringList({"Idioma cambiado", "Idioma cambiado"}));
    QCOMPARE(QSettings(MyConfigOptions::settingsPath(), QSettings::IniFormat).value("language").toString(), QString("es"));
    // Only the language is written: no other option reached the file.
    QCOMPARE(QSettings(MyConfigOptions::settingsPath(), QSettings::IniFormat).allKeys(), QStringList({"language"}));
}

QTEST_MAIN(tst_MyMainWindowLanguages)
#include "tst_MyMainWindowLanguages.moc"
