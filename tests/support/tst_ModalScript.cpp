#include "ModalScript.h"

#include <QApplication>
#include <QProgressDialog>
#include <QSignalSpy>
#include <QtTest>

// The helper every GUI test leans on: it must answer windows in order, also a
// box opened from a box's answer, and step over progress dialogs.
class tst_ModalScript : public QObject {
    Q_OBJECT
private slots:
    void answersNestedBoxesInOrder()
    {
        ModalScript script;
        script.messageBox(QMessageBox::Yes).messageBox(QMessageBox::Ok);
        script.start();
        const int first = QMessageBox::question(nullptr, "First", "Go on?", QMessageBox::Yes | QMessageBox::No);
        int second = -1;
        if (first == QMessageBox::Yes)
            second = QMessageBox::information(nullptr, "Second", "Done");
        QVERIFY2(script.finished(), qPrintable(script.failure()));
        QCOMPARE(first, int(QMessageBox::Yes));
        QCOMPARE(second, int(QMessageBox::Ok));
        QCOMPARE(script.messages(), QStringList({"Go on?", "Done"}));
    }

    void boxOpenedFromAnAnswerIsAnswered()
    {
        QDialog outer;
        outer.setModal(true);
        int inner = -1;
        ModalScript script;
        script.on([&](QWidget *w) { return w == &outer; },
                  [&](QWidget *) {
                      inner = QMessageBox::warning(&outer, "Inner", "Inside", QMessageBox::Retry | QMessageBox::Cancel);
                      outer.accept();
                  })
            .messageBox(QMessageBox::Retry);
        script.start();
        QCOMPARE(outer.exec(), int(QDialog::Accepted));
        QVERIFY2(script.finished(), qPrintable(script.failure()));
        QCOMPARE(inner, int(QMessageBox::Retry));
    }

    void progressDialogIsSteppedOver()
    {
        QProgressDialog progress("Working", "Cancel", 0, 10);
        progress.setWindowModality(Qt::ApplicationModal);
        progress.show();
        ModalScript script;
        script.messageBox(QMessageBox::Ok);
        script.start();
        QMessageBox::critical(&progress, "Error", "Failed");
        QVERIFY2(script.finished(), qPrintable(script.failure()));
        QVERIFY(progress.isVisible());
    }

    // The closing step rejects a window nobody expected, so the run returns.
    void unexpectedWindowIsRejected()
    {
        QDialog surprise;
        surprise.setModal(true);
        ModalScript script;
        script.thenNothingElse();
        script.start();
        QCOMPARE(surprise.exec(), int(QDialog::Rejected));
        QCOMPARE(script.answered(), 1);
    }

    void missingWindowTimesOut()
    {
        ModalScript script;
        QSignalSpy failed(&script, &ModalScript::failed);
        script.messageBox(QMessageBox::Ok);
        script.start(50);
        QTRY_VERIFY(!script.failure().isEmpty() && script.failure().contains("timed out"));
        QVERIFY(!script.finished());
        QCOMPARE(failed.count(), 1);
    }

    // A box no step expects is rejected and reported, after the last step and
    // after a step that timed out, so the run under test ends.
    void unexpectedBoxesAreRejectedAndReported()
    {
        ModalScript script;
        script.setRejectUnexpected(true);
        script.messageBox(QMessageBox::Yes);
        script.start();
        const int first = QMessageBox::question(nullptr, "First", "Go on?", QMessageBox::Yes | QMessageBox::No);
        const int second = QMessageBox::warning(nullptr, "Second", "Not expected", QMessageBox::Ok | QMessageBox::Cancel);
        script.stop();
        QVERIFY(script.finished());
        QCOMPARE(first, int(QMessageBox::Yes));
        QCOMPARE(second, int(QMessageBox::Cancel));
        QCOMPARE(script.unexpected(), QStringList({"QMessageBox: Second: Not expected"}));

        ModalScript waiting;
        waiting.setRejectUnexpected(true);
        waiting.on([](QWidget *) { return false; }, [](QWidget *) {}, "a window that never comes");
        waiting.start(50);
        QTRY_VERIFY(!waiting.failure().isEmpty());
        QCOMPARE(QMessageBox::information(nullptr, "Third", "After the timeout", QMessageBox::Ok | QMessageBox::Cancel),
                 int(QMessageBox::Cancel));
        waiting.stop();
        QCOMPARE(waiting.unexpected(), QStringList({"QMessageBox: Third: After the timeout"}));
    }
};

QTEST_MAIN(tst_ModalScript)
#include "tst_ModalScript.moc"
