#include "DialogAskPassword.h"
#include "ModalScript.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

class tst_DialogAskPassword : public QObject {
    Q_OBJECT
private slots:
    void form();
    void entry_data();
    void entry();
};

void tst_DialogAskPassword::form()
{
    DialogAskPassword dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("DialogAskPassword"));
    QCOMPARE(dialog.size(), QSize(240, 108));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Introduce password"));
    auto *label = dialog.findChild<QLabel *>("label");
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("Please, enter installer password. "));
    auto *field = dialog.findChild<QLineEdit *>("lineEdit");
    QVERIFY(field);
    QCOMPARE(field->maxLength(), 4);
    QCOMPARE(field->echoMode(), QLineEdit::Normal);
    QVERIFY(dialog.findChild<QBoxLayout *>("horizontalLayout"));
    QVERIFY(dialog.findChild<QBoxLayout *>("horizontalLayout_2"));
    auto *buttons = dialog.findChild<QDialogButtonBox *>("buttonBox");
    QVERIFY(buttons);
    QCOMPARE(buttons->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QVERIFY(dialog.password.isEmpty());
}

// What the caller finds in `password` after the modal run.
void tst_DialogAskPassword::entry_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("password");
    QTest::newRow("four characters") << "a5B3" << true << int(QDialog::Accepted) << "a5B3";
    QTest::newRow("a fifth character has no effect") << "58134" << true << int(QDialog::Accepted) << "5813";
    QTest::newRow("empty field") << "" << true << int(QDialog::Accepted) << "";
    QTest::newRow("short entry kept as typed") << " 12" << true << int(QDialog::Accepted) << " 12";
    QTest::newRow("cancel takes nothing") << "5813" << false << int(QDialog::Rejected) << "";
}

void tst_DialogAskPassword::entry()
{
    QFETCH(QString, typed);
    QFETCH(bool, ok);
    QFETCH(int, result);
    QFETCH(QString, password);

    DialogAskPassword dialog;
    dialog.setModal(true);
    QString shown;
    ModalScript script;
    script.dialog<DialogAskPassword>([&](DialogAskPassword *d) {
        auto *field = d->findChild<QLineEdit *>("lineEdit");
        field->setFocus();
        QTest::keyClicks(field, typed);
        shown = field->text();
        ModalScript::clickStandardButton(d, ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
    });
    script.start();
    QCOMPARE(dialog.exec(), result);
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QCOMPARE(shown, typed.left(4));   // the characters are visible as typed
    QCOMPARE(dialog.password, password);
}

QTEST_MAIN(tst_DialogAskPassword)
#include "tst_DialogAskPassword.moc"
