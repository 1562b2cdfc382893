#pragma once
#include <QFileDialog>
#include <QString>
#include <functional>

// The one place where both programs ask the user for a file or a folder.
//
// The programs call these instead of QFileDialog's static functions, so a test
// can answer the prompts without a dialog (setAnswerer). Without an answerer
// the real file dialogs run with the caller's caption, folder and filter.
class FilePrompt {
public:
    enum class Kind { OpenFile, SaveFile, ExistingDirectory };

    struct Request {
        Kind kind = Kind::OpenFile;
        QString caption;
        QString directory;
        QString filter;
        QFileDialog::Options options;
    };

    // Returns the chosen path, or an empty string when the user cancelled.
    using Answerer = std::function<QString(const Request &)>;

    static QString openFileName(QWidget *parent, const QString &caption, const QString &directory,
                                const QString &filter);
    static QString saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                                const QString &filter, QFileDialog::Options options = {});
    static QString existingDirectory(QWidget *parent, const QString &caption, const QString &directory);

    // An empty answerer gives the real dialogs back.
    static void setAnswerer(Answerer answerer);
};
