#include "DialogAbout.h"
#include "ModalScript.h"
#include "SetupVersion.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class tst_DialogAbout : public QObject {
    Q_OBJECT
private slots:
    void texts();
    void form();
    void closeEndsTheRun();
};

// Version and date follow their texts directly, the blank belonging to the text.
void tst_DialogAbout::texts()
{
    DialogAbout dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Dialog"));
    QCOMPARE(dialog.findChild<QLabel *>("label_1")->text(),
             QStringLiteral(" Addressable Fire System Brelix USB Configuration Software v2.32"));
    QCOMPARE(dialog.findChild<QLabel *>("label_2")->text(), QStringLiteral("Compilation Date 2021/06/21"));
    QCOMPARE(QString::fromLatin1(SetupVersion::VersionText), QStringLiteral("v2.32"));
    QVERIFY(dialog.findChild<QLabel *>("label_4")->text().contains(QStringLiteral("2019")));

    auto *support = dialog.findChild<QLabel *>("label_3");
    QCOMPARE(support->textFormat(), Qt::RichText);
    QVERIFY(support->text().contains(QStringLiteral("href=\"mailto:")));
    QVERIFY(support->text().contains(QStringLiteral("href=\"https://")));
    QVERIFY(support->openExternalLinks());
    QCOMPARE(support->textInteractionFlags(),
             Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
}

void tst_DialogAbout::form()
{
    DialogAbout dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("DialogAbout"));
    QCOMPARE(dialog.size(), QSize(445, 309));
    QCOMPARE(dialog.maximumSize(), QSize(445, 309));
    dialog.resize(800, 600);
    QCOMPARE(dialog.size(), QSize(445, 309));   // cannot grow

    auto *picture = dialog.findChild<QLabel *>("label");
    QVERIFY(picture->hasScaledContents());
    QVERIFY(!picture->pixmap().isNull());
    auto *layout = dialog.findChild<QVBoxLayout *>("verticalLayout");
    QCOMPARE(layout->count(), 6);
    QCOMPARE(layout->stretch(0), 10);
    for (int i = 1; i < 6; ++i)
        QCOMPARE(layout->stretch(i), 0);
    for (const char *name : {"label_1", "label_2", "label_3", "label_4"})
        QCOMPARE(dialog.findChild<QLabel *>(name)->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(dialog.findChild<QLabel *>("label_4")->textFormat(), Qt::AutoText);
    QCOMPARE(dialog.findChild<QPushButton *>("pushButton")->text(), QStringLiteral("Close"));
}

void tst_DialogAbout::closeEndsTheRun()
{
    DialogAbout dialog;
    dialog.setModal(true);
    ModalScript script;
    script.dialog<DialogAbout>(
        [](DialogAbout *d) { QTest::mouseClick(d->findChild<QPushButton *>("pushButton"), Qt::LeftButton); });
    script.start();
    dialog.exec();
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(tst_DialogAbout)
#include "tst_DialogAbout.moc"
