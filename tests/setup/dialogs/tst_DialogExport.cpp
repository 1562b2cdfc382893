#include "DialogExport.h"
#include "FilePrompt.h"
#include "ModalScript.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// The path fields are filled by their browse buttons alone, through the file
// prompt, and handed back on accept.
class tst_DialogExport : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void form();
    void browse_data();
    void browse();
    void cancelledPromptEmptiesTheField();
    void acceptHandsBackThePaths();
    void oneFileForTwoLogsRefused();
    void rejectHandsBackNothing();

private:
    QList<FilePrompt::Request> m_requests;
    QStringList m_answers;
};

void tst_DialogExport::init()
{
    m_requests.clear();
    m_answers.clear();
    FilePrompt::setAnswerer([this](const FilePrompt::Request &r) {
        m_requests << r;
        return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
    });
}

void tst_DialogExport::cleanup()
{
    FilePrompt::setAnswerer({});
}

void tst_DialogExport::form()
{
    DialogExport dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("DialogExport"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Export logs to CSV dialog"));
    QCOMPARE(dialog.size(), QSize(651, 302));
    QCOMPARE(dialog.minimumSize(), QSize(651, 302));
    QCOMPARE(dialog.maximumSize(), QSize(750, 500));
    const char *labels[] = {"label_2", "label_3", "label_4", "label_5"};
    const char *texts[] = {"Alarm Log", "Fault Log", "General Log", "Test Log"};
    const char *rows[] = {"horizontalLayout", "horizontalLayout_2", "horizontalLayout_3", "horizontalLayout_4"};
    for (int i = 0; i < 4; ++i) {
        auto *label = dialog.findChild<QLabel *>(labels[i]);
        QVERIFY(label);
        QCOMPARE(label->text(), QString::fromLatin1(texts[i]));
        auto *row = dialog.findChild<QHBoxLayout *>(rows[i]);
        QVERIFY(row);
        QCOMPARE(row->spacing(), 0);
        auto *field = dialog.findChild<QLineEdit *>(QStringLiteral("lineEdit_%1").arg(i + 1));
        QVERIFY(field);
        QVERIFY(!field->isEnabled());   // cannot be typed into, selected or cleared
        QCOMPARE(field->minimumWidth(), 450);
        QCOMPARE(field->maximumWidth(), 450);
        auto *button = dialog.findChild<QPushButton *>(QStringLiteral("pushButton_%1").arg(i + 1));
        QVERIFY(button);
        QVERIFY(button->text().isEmpty());
        QVERIFY(!button->icon().isNull());   // the "Open" picture
    }
    QCOMPARE(dialog.findChild<QLabel *>("label")->text(), QString());
}

void tst_DialogExport::browse_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("startPath");
    QTest::newRow("alarm") << 1 << ".alarms";
    QTest::newRow("fault") << 2 << ".faults";
    QTest::newRow("general") << 3 << ".general";
    QTest::newRow("test") << 4 << ".test";
}

// The prompt opens as the button goes down; the answer is kept as given,
// without a suffix of the dialog's own.
void tst_DialogExport::browse()
{
    QFETCH(int, row);
    QFETCH(QString, startPath);
    DialogExport dialog;
    dialog.show();
    m_answers << "/tmp/logs/site-" + startPath.mid(1);
    auto *button = dialog.findChild<QPushButton *>(QStringLiteral("pushButton_%1").arg(row));
    QTest::mousePress(button, Qt::LeftButton);
    QCOMPARE(m_requests.size(), 1);
    QTest::mouseRelease(button, Qt::LeftButton);
    QCOMPARE(m_requests.size(), 1);

    const FilePrompt::Request r = m_requests.first();
    QCOMPARE(r.kind, FilePrompt::Kind::SaveFile);
    QCOMPARE(r.caption, QStringLiteral("Open or Create CSV"));
    QCOMPARE(r.directory, startPath);
    QCOMPARE(r.filter, QStringLiteral("CSV files (*.csv)"));
    for (int i = 1; i <= 4; ++i) {
        const QString text = dialog.findChild<QLineEdit *>(QStringLiteral("lineEdit_%1").arg(i))->text();
        QCOMPARE(text, i == row ? "/tmp/logs/site-" + startPath.mid(1) : QString());
    }
}

void tst_DialogExport::cancelledPromptEmptiesTheField()
{
    DialogExport dialog;
    dialog.show();
    auto *button = dialog.findChild<QPushButton *>("pushButton_2");
    auto *field = dialog.findChild<QLineEdit *>("lineEdit_2");
    m_answers << "/tmp/fault.csv";
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(field->text(), QStringLiteral("/tmp/fault.csv"));
    m_answers << QString();   // the user cancels the file dialog
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(field->text(), QString());
}

void tst_DialogExport::acceptHandsBackThePaths()
{
    DialogExport dialog;
    dialog.setModal(true);
    m_answers << "/tmp/a.csv" << "/tmp/fault" << "/tmp/test.txt";
    ModalScript script;
    script.dialog<DialogExport>([](DialogExport *d) {
        QTest::mouseClick(d->findChild<QPushButton *>("pushButton_1"), Qt::LeftButton);
        QTest::mouseClick(d->findChild<QPushButton *>("pushButton_2"), Qt::LeftButton);
        QTest::mouseClick(d->findChild<QPushButton *>("pushButton_4"), Qt::LeftButton);
        ModalScript::clickStandardButton(d, QDialogButtonBox::Ok);
    });
    script.start();
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QCOMPARE(dialog.alarmLogFile, QStringLiteral("/tmp/a.csv"));
    QCOMPARE(dialog.faultLogFile, QStringLiteral("/tmp/fault"));
    QCOMPARE(dialog.generalLogFile, QString());
    QCOMPARE(dialog.testLogFile, QStringLiteral("/tmp/test.txt"));
}

// Each log replaces its file as a whole: two logs sent to one file would leave
// only the later one in it. Ok is refused until the rows name different files;
// the dialog stays open with its paths.
void tst_DialogExport::oneFileForTwoLogsRefused()
{
    DialogExport dialog;
    dialog.setModal(true);
    m_answers << "/tmp/logs/site.csv" << "/tmp/logs/../logs/site.csv" << "/tmp/logs/test.csv";
    bool stillOpen = false;
    QString fieldsAfterRefusal;
    ModalScript script;
    script.dialog<DialogExport>([&](DialogExport *d) {
        QTest::mouseClick(d->findChild<QPushButton *>("pushButton_1"), Qt::LeftButton);
        QTest::mouseClick(d->findChild<QPushButton *>("pushButton_4"), Qt::LeftButton);
        ModalScript::clickStandardButton(d, QDialogButtonBox::Ok);   // the message is answered inside
        stillOpen = d->isVisible();
        fieldsAfterRefusal = d->findChild<QLineEdit *>("lineEdit_1")->text() + " "
            + d->findChild<QLineEdit *>("lineEdit_4")->text();
        QTest::mouseClick(d->findChild<QPushButton *>("pushButton_4"), Qt::LeftButton);
        ModalScript::clickStandardButton(d, QDialogButtonBox::Ok);
    });
    script.messageBox(QMessageBox::Ok);
    script.start();
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QVERIFY(stillOpen);
    QCOMPARE(fieldsAfterRefusal, QStringLiteral("/tmp/logs/site.csv /tmp/logs/../logs/site.csv"));
    QCOMPARE(script.messages(), QStringList{"Error: two logs cannot be written to the same file"});
    QCOMPARE(dialog.alarmLogFile, QStringLiteral("/tmp/logs/site.csv"));
    QCOMPARE(dialog.faultLogFile, QString());
    QCOMPARE(dialog.testLogFile, QStringLiteral("/tmp/logs/test.csv"));
}

void tst_DialogExport::rejectHandsBackNothing()
{
    DialogExport dialog;
    dialog.setModal(true);
    m_answers << "/tmp/a.csv";
    ModalScript script;
    script.dialog<DialogExport>([](DialogExport *d) {
        QTest::mouseClick(d->findChild<QPushButton *>("pushButton_1"), Qt::LeftButton);
        ModalScript::clickStandardButton(d, QDialogButtonBox::Cancel);
    });
    script.start();
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QVERIFY(dialog.alarmLogFile.isEmpty());
}

QTEST_MAIN(tst_DialogExport)
#include "tst_DialogExport.moc"
