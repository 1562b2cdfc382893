#pragma once
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

// Answers the modal windows a test drives into, in order, from a timer.
//
// Each step waits until a visible modal widget that it has not answered yet
// (QApplication::activeModalWidget()) matches, then runs on it. The timer fires
// inside the modal window's own event loop, so a step that clicks a button ends
// that exec() and the code under test carries on. Progress dialogs are never
// matched by the default matchers: they stay up under the boxes they carry.
//
//     ModalScript script;
//     script.messageBox(QMessageBox::Yes)
//           .dialog<DialogChoosePanel>([](DialogChoosePanel *d) { ... })
//           .pressOk();
//     script.start();
//     window.someAction->trigger();
//     QVERIFY2(script.finished(), qPrintable(script.failure()));
//     QCOMPARE(script.messages().value(0), QString("..."));
class ModalScript : public QObject {
    Q_OBJECT
public:
    using Match = std::function<bool(QWidget *)>;
    using Step = std::function<void(QWidget *)>;

    explicit ModalScript(QObject *parent = nullptr);
    ~ModalScript() override;

    // The general step.
    ModalScript &on(Match match, Step step, const QString &what = QString());
    // A QMessageBox: records its text, then clicks the given standard button.
    ModalScript &messageBox(QMessageBox::StandardButton button);
    // A dialog of class T (qobject_cast), handed to the step.
    template <class T>
    ModalScript &dialog(std::function<void(T *)> step)
    {
        return on([](QWidget *w) { return qobject_cast<T *>(w) != nullptr; },
                  [step](QWidget *w) { step(qobject_cast<T *>(w)); }, QString::fromLatin1(T::staticMetaObject.className()));
    }
    // Any dialog but a progress dialog: clicks its Ok (or first accepting) button,
    // as the user would, or accept() when it has no button box.
    ModalScript &pressOk();
    // Any dialog but a progress dialog: clicks Cancel (or reject()).
    ModalScript &pressCancel();
    // A last step for a window nobody expected: rejects (or closes) any modal
    // window but a progress dialog, so the code under test goes on instead of
    // hanging; answered() shows that it ran.
    ModalScript &thenNothingElse();

    // Polls every few milliseconds; a step that finds nothing within timeoutMs
    // (counted from the previous step) ends the script with failure().
    void start(int timeoutMs = 10000);
    // With this on, the script keeps watching after its last step and after a
    // timed-out one: any other modal dialog (progress dialogs aside) is recorded
    // in unexpected() and dismissed as with Escape, so the code under test
    // carries on and the test can report the window instead of hanging. Call
    // stop() when done.
    void setRejectUnexpected(bool on) { m_rejectUnexpected = on; }
    // "Class: title: text" of each window rejected that way, in order.
    QStringList unexpected() const { return m_unexpected; }
    void stop();

    bool finished() const { return m_next == m_steps.size() && m_failure.isEmpty(); }
    int answered() const { return m_next; }
    QString failure() const;
    // Texts of the message boxes answered, in order; titles of every window answered.
    QStringList messages() const { return m_messages; }
    QStringList titles() const { return m_titles; }

    // A modal run the script never answers would not return: connect failed()
    // to something that ends it (a dialog's done(), say) so the test reports.
    //     connect(&script, &ModalScript::failed, box, [box] { box->done(-1); });

    // Helpers usable inside a step.
    static bool isProgressDialog(QWidget *w);
    static void clickStandardButton(QWidget *w, QDialogButtonBox::StandardButton button);

signals:
    // A step timed out; failure() says which.
    void failed();

private:
    struct Entry {
        Match match;
        Step step;
        QString what;
    };

    void poll();
    // A fresh modal dialog that no step wants: recorded and rejected.
    void rejectUnexpected(QWidget *w);

    QList<Entry> m_steps;
    QList<QPointer<QWidget>> m_done;
    QStringList m_messages;
    QStringList m_titles;
    QTimer m_timer;
    qint64 m_waitStarted = 0;
    int m_timeoutMs = 10000;
    int m_next = 0;
    QString m_failure;
    bool m_rejectUnexpected = false;
    QStringList m_unexpected;
};
