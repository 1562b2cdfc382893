#include "Bench.h"

#include <QApplication>
#include <QList>
#include <QStringList>

#include <utility>

namespace {

QList<std::pair<const char *, BenchFunction>> &groups()
{
    static QList<std::pair<const char *, BenchFunction>> list;
    return list;
}

} // namespace

BenchRegistration::BenchRegistration(const char *name, BenchFunction function)
{
    groups().append({name, function});
}

// Runs the groups named on the command line, or all of them. Both benchmark
// programs (panelbench, monitorbench) are this main with their own groups.
int main(int argc, char *argv[])
{
    // Models load their icons and the editors are widgets: a widget
    // application, without a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList wanted = app.arguments().mid(1);
    QTextStream out(stdout);
    int failures = 0;
    for (const auto &group : groups()) {
        if (!wanted.isEmpty() && !wanted.contains(QLatin1String(group.first)))
            continue;
        out << "== " << group.first << Qt::endl;
        if (group.second(out) != 0)
            ++failures;
    }
    return failures == 0 ? 0 : 1;
}
