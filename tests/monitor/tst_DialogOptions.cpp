#include "DialogOptions.h"

#include "ModalScript.h"
#include "MyConfigOptions.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

// The options dialog over a real options object and its "settings.ini" (beside
// the test program; each test starts without it). Runs are answered through
// ModalScript with clicks on the dialog's own buttons.
class tst_DialogOptions : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void formAndWindow();
    void restoreDefaultsThenCancelChangesNothing();
    void restoreDefaultsThenOkSetsShownOptionsOnly();
    void editsReachOptionsOnlyOnOk_data();
    void editsReachOptionsOnlyOnOk();
    void periodShownWithinRange_data();
    void periodShownWithinRange();
    void analogValuesStayCoupled();
    void bothAnalogValuesOffLoadAsStored();

private:
    // Options unlike the defaults in every field, saved to the file.
    void storeUnusualOptions();
    QByteArray fileBytes() const;
    int run(std::function<void(DialogOptions *)> step);

    template <class T>
    static T *child(QWidget *d, const char *name)
    {
        T *w = d->findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qFatal("no widget %s", name);
        return w;
    }
    static void click(QWidget *d, const char *name)
    {
        QAbstractButton *b = child<QAbstractButton>(d, name);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }
    static void clickButton(QWidget *d, QDialogButtonBox::StandardButton which)
    {
        QTest::mouseClick(child<QDialogButtonBox>(d, "butBox")->button(which), Qt::LeftButton);
    }

    std::unique_ptr<QMainWindow> window;
    std::unique_ptr<MyConfigOptions> options;
};

// Every option as one comparable map.
static QVariantMap snapshot(const MyConfigOptions &o)
{
    return {{"zone", o.zone},
            {"description", o.description},
            {"normalized", o.normalized},
            {"version", o.version},
            {"numAlarms", o.numAlarms},
            {"numFaults", o.numFaults},
            {"comms", o.comms},
            {"absoluteVals", o.absoluteVals},
            {"absoluteMinMax", o.absoluteMinMax},
            {"global", o.global},
            {"optoHeat", o.optoHeat},
            {"periode", o.periode},
            {"currentLoop", int(o.currentLoop)},
            {"datalog", o.datalog},
            {"language", o.language}};
}

void tst_DialogOptions::init()
{
    QFile::remove(MyConfigOptions::settingsPath());
    window = std::make_unique<QMainWindow>();
    window->resize(800, 600);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    options = std::make_unique<MyConfigOptions>();
}

void tst_DialogOptions::cleanup()
{
    options.reset();
    window.reset();
    QFile::remove(MyConfigOptions::settingsPath());
}

void tst_DialogOptions::storeUnusualOptions()
{
    MyConfigOptions &o = *options;
    o.zone = false;
    o.description = false;
    o.normalized = false;
    o.version = true;
    o.numAlarms = false;
    o.numFaults = true;
    o.comms = true;
    o.absoluteVals = true;
    o.absoluteMinMax = true;
    o.global = true;
    o.optoHeat = false;
    o.periode = 1500;
    o.datalog = false;
    o.language = "es";
    o.save();
    o.saveLanguage();
    o.currentLoop = 5;
}

QByteArray tst_DialogOptions::fileBytes() const
{
    QFile f(MyConfigOptions::settingsPath());
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

// Runs the dialog as the main window does: on the heap, modal, deleted after.
int tst_DialogOptions::run(std::function<void(DialogOptions *)> step)
{
    auto dialog = std::make_unique<DialogOptions>(options.get(), window.get());
    ModalScript script;
    script.dialog<DialogOptions>(step);
    DialogOptions *d = dialog.get();
    connect(&script, &ModalScript::failed, d, [d] { d->done(-1); });
    script.start();
    const int result = dialog->exec();
    if (!script.finished())
        qWarning("%s", qPrintable(script.failure()));
    return script.finished() ? result : -1;
}

void tst_DialogOptions::formAndWindow()
{
    bool isWindow = false, isActiveModal = false;
    const int result = run([&](DialogOptions *d) {
        isWindow = d->isWindow();
        isActiveModal = QApplication::activeModalWidget() == d;
        QCOMPARE(d->windowType(), Qt::Popup);
        QCOMPARE(d->windowTitle(), QString("Dialog"));
        QVERIFY(child<QLabel>(d, "lblLanguaje")->isHidden());
        QVERIFY(child<QLabel>(d, "lblOtherSettings")->isHidden());
        QVERIFY(child<QComboBox>(d, "cmbLang")->isHidden());
        QVERIFY(child<QRadioButton>(d, "rdOptoVal")->isChecked());
        // The captions as the program has always shown them, typos included.
        const struct {
            const char *name;
            const char *text;
        } captions[] = {
            {"lblElementsOptions", "Devices settings:"},
            {"cbDescription", "Show description"},
            {"cbZone", "Show zone"},
            {"cbVersion", "Show version"},
            {"cbAlarmas", "Show alarms"},
            {"cbAverias", "Show faults"},
            {"lblAV", "Analog values settings:"},
            {"cbNormalized", "Normalized analog value"},
            {"cbAbsolute", "Non normalized analog value"},
            {"cbMinMax", "Maximum and minimum non normalized values"},
            {"lblOptoHeat", "Opto-Heat elements:"},
            {"rdOptoVal", "Show optical value"},
            {"rdTermVal", "Show thermical value"},
            {"lblPolling", "Polling settings:"},
            {"cbCommErr", "Show comunication errors"},
            {"lblUsbPolling", "USB Polling period time"},
            {"cbDataLogg", "Enable data logging"},
            {"lblOtherSettings", "Other Settings:"},
            {"lblLanguaje", "Languaje:"},
        };
        for (const auto &c : captions) {
            QWidget *w = child<QWidget>(d, c.name);
            const QString shown = w->property("text").toString();
            QVERIFY2(shown == QLatin1String(c.text), qPrintable(QStringLiteral("%1 shows \"%2\"").arg(c.name, shown)));
        }
        QCOMPARE(child<QDialogButtonBox>(d, "butBox")->standardButtons(),
                 QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults);
        QVERIFY(d->styleSheet().startsWith("#lblElementsOptions, #lblAV, #lblPolling, #lblOtherSettings{\n\tbackground"));
        clickButton(d, QDialogButtonBox::Cancel);
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(isWindow);
    QVERIFY(isActiveModal);
}

void tst_DialogOptions::restoreDefaultsThenCancelChangesNothing()
{
    storeUnusualOptions();
    const QVariantMap before = snapshot(*options);
    const QByteArray stored = fileBytes();
    QVERIFY(!stored.isEmpty());
    QSignalSpy saved(options.get(), &MyConfigOptions::settingsChange);

    const int result = run([](DialogOptions *d) {
        clickButton(d, QDialogButtonBox::RestoreDefaults);
        // The widgets show the defaults...
        QVERIFY(child<QCheckBox>(d, "cbDescription")->isChecked());
        QVERIFY(child<QCheckBox>(d, "cbZone")->isChecked());
        QVERIFY(!child<QCheckBox>(d, "cbVersion")->isChecked());
        QVERIFY(child<QCheckBox>(d, "cbAlarmas")->isChecked());
        QVERIFY(!child<QCheckBox>(d, "cbAverias")->isChecked());
        QVERIFY(child<QCheckBox>(d, "cbNormalized")->isChecked());
        QVERIFY(!child<QCheckBox>(d, "cbAbsolute")->isChecked());
        QVERIFY(!child<QCheckBox>(d, "cbMinMax")->isChecked());
        QVERIFY(!child<QCheckBox>(d, "cbMinMax")->isEnabled());
        QVERIFY(!child<QCheckBox>(d, "cbCommErr")->isChecked());
        QVERIFY(child<QCheckBox>(d, "cbDataLogg")->isChecked());
        QCOMPARE(child<QSpinBox>(d, "spbUsbPolling")->value(), 500);
        clickButton(d, QDialogButtonBox::Cancel);
    });
    QCOMPARE(result, int(QDialog::Rejected));
    // ...the options and the file do not.
    QCOMPARE(snapshot(*options), before);
    QCOMPARE(fileBytes(), stored);
    QCOMPARE(saved.count(), 0);
}

void tst_DialogOptions::restoreDefaultsThenOkSetsShownOptionsOnly()
{
    storeUnusualOptions();
    const QByteArray stored = fileBytes();
    QSignalSpy saved(options.get(), &MyConfigOptions::settingsChange);

    const int result = run([](DialogOptions *d) {
        clickButton(d, QDialogButtonBox::RestoreDefaults);
        click(d, "rdTermVal");
        clickButton(d, QDialogButtonBox::Ok);
    });
    QCOMPARE(result, int(QDialog::Accepted));

    MyConfigOptions defaults;
    defaults.setDefaults();
    QVariantMap expected = snapshot(defaults);
    // What the dialog does not show stays as it was.
    expected["global"] = true;
    expected["optoHeat"] = false;
    expected["language"] = "es";
    expected["currentLoop"] = 5;
    QCOMPARE(snapshot(*options), expected);
    // Saving is the caller's business.
    QCOMPARE(fileBytes(), stored);
    QCOMPARE(saved.count(), 0);
}

void tst_DialogOptions::editsReachOptionsOnlyOnOk_data()
{
    QTest::addColumn<int>("answer"); // a standard button, or 0 for Escape
    QTest::addColumn<int>("expectedResult");
    QTest::newRow("Ok") << int(QDialogButtonBox::Ok) << int(QDialog::Accepted);
    QTest::newRow("Cancel") << int(QDialogButtonBox::Cancel) << int(QDialog::Rejected);
    QTest::newRow("Escape") << 0 << int(QDialog::Rejected);
}

void tst_DialogOptions::editsReachOptionsOnlyOnOk()
{
    QFETCH(int, answer);
    const QVariantMap before = snapshot(*options);

    const int result = run([answer](DialogOptions *d) {
        click(d, "cbZone");        // off
        click(d, "cbVersion");     // on
        click(d, "cbAverias");     // on
        click(d, "cbAbsolute");    // on, min-max offered
        QVERIFY(child<QCheckBox>(d, "cbMinMax")->isEnabled());
        click(d, "cbMinMax");      // on
        click(d, "cbCommErr");     // on
        click(d, "cbDataLogg");    // off
        QSpinBox *spin = child<QSpinBox>(d, "spbUsbPolling");
        spin->setFocus();
        QTest::keyClick(spin, Qt::Key_Up);
        QTest::keyClick(spin, Qt::Key_Up);
        QCOMPARE(spin->value(), 520);
        if (answer)
            clickButton(d, QDialogButtonBox::StandardButton(answer));
        else
            QTest::keyClick(d, Qt::Key_Escape);
    });
    QFETCH(int, expectedResult);
    QCOMPARE(result, expectedResult);

    QVariantMap expected = before;
    if (result == QDialog::Accepted) {
        expected["zone"] = false;
        expected["version"] = true;
        expected["numFaults"] = true;
        expected["absoluteVals"] = true;
        expected["absoluteMinMax"] = true;
        expected["comms"] = true;
        expected["datalog"] = false;
        expected["periode"] = 520u;
    }
    QCOMPARE(snapshot(*options), expected);
    QVERIFY(!QFile::exists(MyConfigOptions::settingsPath()));
}

void tst_DialogOptions::periodShownWithinRange_data()
{
    QTest::addColumn<uint>("stored");
    QTest::addColumn<int>("shown");
    QTest::newRow("below the range") << 100u << 500;
    QTest::newRow("above the range") << 5000u << 2000;
    QTest::newRow("inside") << 1230u << 1230;
    QTest::newRow("off the step") << 505u << 505;
}

void tst_DialogOptions::periodShownWithinRange()
{
    QFETCH(uint, stored);
    QFETCH(int, shown);
    options->periode = stored;
    int seen = -1;
    QCOMPARE(run([&seen](DialogOptions *d) {
                 seen = child<QSpinBox>(d, "spbUsbPolling")->value();
                 clickButton(d, QDialogButtonBox::Cancel);
             }),
             int(QDialog::Rejected));
    QCOMPARE(seen, shown);
    QCOMPARE(options->periode, stored);

    QCOMPARE(run([](DialogOptions *d) { clickButton(d, QDialogButtonBox::Ok); }), int(QDialog::Accepted));
    QCOMPARE(options->periode, uint(shown));
}

void tst_DialogOptions::analogValuesStayCoupled()
{
    options->normalized = true;
    options->absoluteVals = false;
    QCOMPARE(run([](DialogOptions *d) {
                 QCheckBox *normalized = child<QCheckBox>(d, "cbNormalized");
                 QCheckBox *absolute = child<QCheckBox>(d, "cbAbsolute");
                 QCheckBox *minMax = child<QCheckBox>(d, "cbMinMax");
                 QVERIFY(!minMax->isEnabled());

                 // Dropping the only analog value takes the other one.
                 click(d, "cbNormalized");
                 QVERIFY(!normalized->isChecked());
                 QVERIFY(absolute->isChecked());
                 QVERIFY(minMax->isEnabled());

                 click(d, "cbMinMax");
                 QVERIFY(minMax->isChecked());
                 // Dropping it again brings the normalized value back, min-max goes.
                 click(d, "cbAbsolute");
                 QVERIFY(!absolute->isChecked());
                 QVERIFY(normalized->isChecked());
                 QVERIFY(!minMax->isChecked());
                 QVERIFY(!minMax->isEnabled());
                 clickButton(d, QDialogButtonBox::Ok);
             }),
             int(QDialog::Accepted));
    QVERIFY(options->normalized);
    QVERIFY(!options->absoluteVals);
    QVERIFY(!options->absoluteMinMax);
}

// A file edited by hand may hold both analog values off; the dialog shows and
// keeps that until the user changes a box.
void tst_DialogOptions::bothAnalogValuesOffLoadAsStored()
{
    options->normalized = false;
    options->absoluteVals = false;
    options->absoluteMinMax = true;
    QCOMPARE(run([](DialogOptions *d) {
                 QVERIFY(!child<QCheckBox>(d, "cbNormalized")->isChecked());
                 QVERIFY(!child<QCheckBox>(d, "cbAbsolute")->isChecked());
                 QVERIFY(!child<QCheckBox>(d, "cbMinMax")->isChecked());
                 QVERIFY(!child<QCheckBox>(d, "cbMinMax")->isEnabled());
                 clickButton(d, QDialogButtonBox::Ok);
             }),
             int(QDialog::Accepted));
    QVERIFY(!options->normalized);
    QVERIFY(!options->absoluteVals);
    QVERIFY(!options->absoluteMinMax);
}

QTEST_MAIN(tst_DialogOptions)
#include "tst_DialogOptions.moc"
