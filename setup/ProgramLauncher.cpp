#include "ProgramLauncher.h"

#include <QProcess>

namespace {
ProgramLauncher::Starter &starter()
{
    static ProgramLauncher::Starter s;
    return s;
}
} // namespace

bool ProgramLauncher::startDetached(const QString &program)
{
    if (starter())
        return starter()(program);
    return QProcess::startDetached(program, {});
}

void ProgramLauncher::setStarter(Starter s)
{
    starter() = std::move(s);
}
