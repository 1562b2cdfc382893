#include "FilePrompt.h"

namespace {
FilePrompt::Answerer &answerer()
{
    static FilePrompt::Answerer a;
    return a;
}

QString ask(FilePrompt::Kind kind, const QString &caption, const QString &directory, const QString &filter,
            QFileDialog::Options options = {})
{
    return answerer()(FilePrompt::Request{kind, caption, directory, filter, options});
}
} // namespace

QString FilePrompt::openFileName(QWidget *parent, const QString &caption, const QString &directory,
                                 const QString &filter)
{
    if (answerer())
        return ask(Kind::OpenFile, caption, directory, filter);
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

QString FilePrompt::saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                                 const QString &filter, QFileDialog::Options options)
{
    if (answerer())
        return ask(Kind::SaveFile, caption, directory, filter, options);
    return QFileDialog::getSaveFileName(parent, caption, directory, filter, nullptr, options);
}

QString FilePrompt::existingDirectory(QWidget *parent, const QString &caption, const QString &directory)
{
    if (answerer())
        return ask(Kind::ExistingDirectory, caption, directory, QString());
    return QFileDialog::getExistingDirectory(parent, caption, directory);
}

void FilePrompt::setAnswerer(Answerer a)
{
    answerer() = std::move(a);
}
