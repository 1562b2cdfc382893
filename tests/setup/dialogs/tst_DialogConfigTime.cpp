#include "DialogConfigTime.h"
#include "ModalScript.h"

#include <QDateTimeEdit>
#include <QtTest>

class tst_DialogConfigTime : public QObject {
    Q_OBJECT
private slots:
    void form();
    void startsAtTheMomentItWasOpened();
    void fields_data();
    void fields();
    void cancelWritesNothing();

private:
    // Runs the dialog modally, sets the editor and answers Ok or Cancel.
    static int run(DialogConfigTime &dialog, const QDateTime &value, bool ok);
};

int tst_DialogConfigTime::run(DialogConfigTime &dialog, const QDateTime &value, bool ok)
{
    dialog.setModal(true);
    ModalScript script;
    script.dialog<DialogConfigTime>([&](DialogConfigTime *d) {
        if (value.isValid())
            d->findChild<QDateTimeEdit *>("dateTimeEdit")->setDateTime(value);
        ModalScript::clickStandardButton(d, ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
    });
    script.start();
    const int result = dialog.exec();
    if (!script.finished())
        qWarning() << script.failure();
    return result;
}

void tst_DialogConfigTime::form()
{
    DialogConfigTime dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("DialogConfigTime"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Configure date and time"));
    QCOMPARE(dialog.minimumSize(), QSize(300, 81));
    QCOMPARE(dialog.maximumSize(), QSize(300, 81));
    auto *editor = dialog.findChild<QDateTimeEdit *>("dateTimeEdit");
    QVERIFY(editor);
    QCOMPARE(editor->displayFormat(), QStringLiteral("dd/MMM/yyyy H:mm:ss"));
    QCOMPARE(editor->minimumSize(), QSize(191, 20));
    QVERIFY(!editor->calendarPopup());
    // The month as the locale's short name, the hour without a leading zero.
    const QDateTime value(QDate(2026, 12, 9), QTime(4, 30, 5));
    editor->setDateTime(value);
    QCOMPARE(editor->text(), editor->locale().toString(value, QStringLiteral("dd/MMM/yyyy H:mm:ss")));
    QVERIFY(editor->text().endsWith(QStringLiteral("/2026 4:30:05")));
    QVERIFY(dialog.findChild<QDialogButtonBox *>("buttonBox"));
}

// Accepting untouched hands back the editor's value set in the constructor.
void tst_DialogConfigTime::startsAtTheMomentItWasOpened()
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    DialogConfigTime dialog;
    const QDateTime after = QDateTime::currentDateTime().addSecs(1);
    const QDateTime preset = dialog.findChild<QDateTimeEdit *>("dateTimeEdit")->dateTime();
    QVERIFY(preset >= before && preset <= after);

    QCOMPARE(run(dialog, QDateTime(), true), int(QDialog::Accepted));
    QCOMPARE(int(dialog.second), preset.time().second());
    QCOMPARE(int(dialog.minute), preset.time().minute());
    QCOMPARE(int(dialog.hour), preset.time().hour());
    QCOMPARE(int(dialog.day), preset.date().day());
    QCOMPARE(int(dialog.month), preset.date().month());
    QCOMPARE(int(dialog.year), preset.date().year() % 100);
}

void tst_DialogConfigTime::fields_data()
{
    QTest::addColumn<QDateTime>("value");
    QTest::addColumn<QList<int>>("expected");   // second, minute, hour, day, month, year
    QTest::newRow("9 December 2026 14:30:05")
        << QDateTime(QDate(2026, 12, 9), QTime(14, 30, 5)) << QList<int>{5, 30, 14, 9, 12, 26};
    QTest::newRow("year 2000") << QDateTime(QDate(2000, 6, 15), QTime(0, 0, 0)) << QList<int>{0, 0, 0, 15, 6, 0};
    QTest::newRow("year 2099") << QDateTime(QDate(2099, 2, 28), QTime(23, 59, 59)) << QList<int>{59, 59, 23, 28, 2, 99};
    QTest::newRow("year 2100") << QDateTime(QDate(2100, 3, 1), QTime(8, 1, 2)) << QList<int>{2, 1, 8, 1, 3, 0};
    QTest::newRow("January is 1") << QDateTime(QDate(2021, 1, 31), QTime(9, 5, 0)) << QList<int>{0, 5, 9, 31, 1, 21};
    QTest::newRow("3 p.m. is 15") << QDateTime(QDate(2024, 7, 4), QTime(15, 0, 0)) << QList<int>{0, 0, 15, 4, 7, 24};
}

void tst_DialogConfigTime::fields()
{
    QFETCH(QDateTime, value);
    QFETCH(QList<int>, expected);
    DialogConfigTime dialog;
    QCOMPARE(run(dialog, value, true), int(QDialog::Accepted));
    const QList<int> got{dialog.second, dialog.minute, dialog.hour, dialog.day, dialog.month, dialog.year};
    QCOMPARE(got, expected);
}

void tst_DialogConfigTime::cancelWritesNothing()
{
    DialogConfigTime dialog;
    QCOMPARE(run(dialog, QDateTime(QDate(2026, 12, 9), QTime(14, 30, 5)), false), int(QDialog::Rejected));
    const QList<int> got{dialog.second, dialog.minute, dialog.hour, dialog.day, dialog.month, dialog.year};
    QCOMPARE(got, QList<int>(6, 0));
}

QTEST_MAIN(tst_DialogConfigTime)
#include "tst_DialogConfigTime.moc"
