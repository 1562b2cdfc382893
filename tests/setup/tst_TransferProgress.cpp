#include "TransferProgress.h"

#include <QPushButton>
#include <QtTest>

// A transfer's progress window stays up, modal, until its owner destroys it.
class tst_TransferProgress : public QObject {
    Q_OBJECT
private slots:
    void form();
    void abortKeepsTheWindow_data();
    void abortKeepsTheWindow();
    void lastValueNeitherResetsNorCloses();
};

void tst_TransferProgress::form()
{
    QWidget window;
    TransferProgress progress("Downloading from USB...", "Reading from panel..", "Abort", 13, &window);
    QCOMPARE(progress.labelText(), QStringLiteral("Downloading from USB..."));
    QCOMPARE(progress.windowTitle(), QStringLiteral("Reading from panel.."));
    QCOMPARE(progress.findChild<QPushButton *>()->text(), QStringLiteral("Abort"));
    QCOMPARE(progress.minimum(), 0);
    QCOMPARE(progress.maximum(), 13);
    QCOMPARE(progress.minimumSize(), QSize(320, 140));
    QCOMPARE(progress.maximumSize(), QSize(320, 140));
    QCOMPARE(progress.windowModality(), Qt::WindowModal);
    QVERIFY(!progress.autoReset());
    QVERIFY(!progress.autoClose());
}

void tst_TransferProgress::abortKeepsTheWindow_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Abort button") << "button";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("close button") << "close";
}

void tst_TransferProgress::abortKeepsTheWindow()
{
    QFETCH(QString, how);
    QWidget window;
    window.show();
    TransferProgress progress("Writing to panel...", "Writing to panel..", "Abort", 12, &window);
    progress.show();
    progress.setValue(3);
    QVERIFY(!progress.abortRequested());

    if (how == "button")
        QTest::mouseClick(progress.findChild<QPushButton *>(), Qt::LeftButton);
    else if (how == "escape")
        QTest::keyClick(&progress, Qt::Key_Escape);
    else
        progress.close();

    QVERIFY(progress.abortRequested());
    QVERIFY(progress.isVisible());
    QCOMPARE(progress.value(), 3);
    QCOMPARE(QApplication::activeModalWidget(), &progress);
}

void tst_TransferProgress::lastValueNeitherResetsNorCloses()
{
    TransferProgress progress("Downloading LOGS from USB...", "Reading logs from panel..", "Abort", 4, nullptr);
    progress.show();
    for (int v = 0; v <= 4; ++v)
        progress.setValue(v);
    QVERIFY(progress.isVisible());
    QCOMPARE(progress.value(), 4);
}

QTEST_MAIN(tst_TransferProgress)
#include "tst_TransferProgress.moc"
