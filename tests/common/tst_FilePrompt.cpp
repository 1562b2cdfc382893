#include "FilePrompt.h"
#include "ModalScript.h"

#include <QFileDialog>
#include <QtTest>

class tst_FilePrompt : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { FilePrompt::setAnswerer({}); }

    void answererGetsTheRequest_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("open") << int(FilePrompt::Kind::OpenFile);
        QTest::newRow("save") << int(FilePrompt::Kind::SaveFile);
        QTest::newRow("folder") << int(FilePrompt::Kind::ExistingDirectory);
    }
    void answererGetsTheRequest()
    {
        QFETCH(int, kind);
        QList<FilePrompt::Request> seen;
        FilePrompt::setAnswerer([&](const FilePrompt::Request &r) {
            seen << r;
            return QStringLiteral("/tmp/chosen");
        });
        QString got;
        switch (FilePrompt::Kind(kind)) {
        case FilePrompt::Kind::OpenFile:
            got = FilePrompt::openFileName(nullptr, "Open", ".", "XML files (*.xml)");
            break;
        case FilePrompt::Kind::SaveFile:
            got = FilePrompt::saveFileName(nullptr, "Open", ".", "XML files (*.xml)", QFileDialog::DontConfirmOverwrite);
            break;
        case FilePrompt::Kind::ExistingDirectory:
            got = FilePrompt::existingDirectory(nullptr, "Open", ".");
            break;
        }
        QCOMPARE(got, QStringLiteral("/tmp/chosen"));
        QCOMPARE(seen.size(), 1);
        QCOMPARE(int(seen[0].kind), kind);
        QCOMPARE(seen[0].caption, QStringLiteral("Open"));
        QCOMPARE(seen[0].directory, QStringLiteral("."));
        // A save that appends to the file it names asks no replace question.
        const bool dontConfirm = FilePrompt::Kind(kind) == FilePrompt::Kind::SaveFile;
        QCOMPARE(seen[0].options.testFlag(QFileDialog::DontConfirmOverwrite), dontConfirm);
    }

    // Without an answerer the real dialog runs; cancelling it gives an empty name.
    void withoutAnswererTheDialogRuns()
    {
        ModalScript script;
        script.dialog<QFileDialog>([](QFileDialog *d) { d->reject(); });
        script.start();
        const QString got = FilePrompt::openFileName(nullptr, "Open site", ".", "XML files (*.xml)");
        QVERIFY2(script.finished(), qPrintable(script.failure()));
        QVERIFY(got.isEmpty());
        QCOMPARE(script.titles().value(0), QStringLiteral("Open site"));
    }
};

QTEST_MAIN(tst_FilePrompt)
#include "tst_FilePrompt.moc"
