#include "DialogChoosePanel.h"
#include "ModalScript.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QtTest>

class tst_DialogChoosePanel : public QObject {
    Q_OBJECT
private slots:
    void form();
    void choice_data();
    void choice();
    void emptyListGivesNoPanel();
};

void tst_DialogChoosePanel::form()
{
    const QStringList names{"North", "South", "North"};
    DialogChoosePanel dialog(names, "Download configuration to pane", "Select panel");
    QCOMPARE(dialog.objectName(), QStringLiteral("DialogChoosePanel"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Download configuration to pane"));
    // fixed size: it cannot be resized
    QCOMPARE(dialog.minimumSize(), QSize(299, 123));
    QCOMPARE(dialog.maximumSize(), QSize(299, 123));
    auto *label = dialog.findChild<QLabel *>("label");
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("Select panel"));
    QCOMPARE(label->alignment(), Qt::AlignCenter);
    auto *combo = dialog.findChild<QComboBox *>("comboBox");
    QVERIFY(combo);
    QCOMPARE(combo->minimumSize(), QSize(191, 22));
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown << combo->itemText(i);
    QCOMPARE(shown, names);

    auto *layout = dialog.findChild<QVBoxLayout *>("verticalLayout");
    QVERIFY(layout);
    QCOMPARE(layout->count(), 6);
    const int stretch[6] = {9, 0, 3, 0, 0, 9};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(layout->stretch(i), stretch[i]);
    QVERIFY(dialog.findChild<QHBoxLayout *>("horizontalLayout"));
}

void tst_DialogChoosePanel::choice_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("downKeys");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("index");
    QTest::newRow("one name, shown selected") << QStringList{"Main"} << 0 << true << int(QDialog::Accepted) << 0;
    QTest::newRow("third of three") << QStringList{"A", "B", "C"} << 2 << true << int(QDialog::Accepted) << 2;
    QTest::newRow("cancel") << QStringList{"A", "B"} << 1 << false << int(QDialog::Rejected) << 1;
}

void tst_DialogChoosePanel::choice()
{
    QFETCH(QStringList, names);
    QFETCH(int, downKeys);
    QFETCH(bool, ok);
    QFETCH(int, result);
    QFETCH(int, index);

    DialogChoosePanel dialog(names, "Upload configuration from panel", "Select panel");
    dialog.setModal(true);
    QString selectedText;
    ModalScript script;
    script.dialog<DialogChoosePanel>([&](DialogChoosePanel *d) {
        auto *combo = d->findChild<QComboBox *>("comboBox");
        combo->setFocus();
        for (int i = 0; i < downKeys; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
        selectedText = combo->currentText();
        ModalScript::clickStandardButton(d, ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
    });
    script.start();
    QCOMPARE(dialog.exec(), result);
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QCOMPARE(selectedText, names.at(index));
    QCOMPARE(dialog.selectedIndex(), index);
}

void tst_DialogChoosePanel::emptyListGivesNoPanel()
{
    DialogChoosePanel dialog({}, "Save configuration from panel", "Select panel");
    QCOMPARE(dialog.selectedIndex(), -1);
}

QTEST_MAIN(tst_DialogChoosePanel)
#include "tst_DialogChoosePanel.moc"
