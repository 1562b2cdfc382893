#include "WindowDriver.h"

#include "MyMainWidget.h"
#include "MyMainWindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QLineEdit>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {
QAction *findIn(const QList<QAction *> &actions, const QString &text)
{
    for (QAction *action : actions) {
        if (action->text() == text && !action->isSeparator())
            return action;
        if (QMenu *menu = action->menu())
            if (QAction *found = findIn(menu->actions(), text))
                return found;
    }
    return nullptr;
}
} // namespace

namespace WindowDriver {

QString settingsPath()
{
    return QDir(MyMainWindow::programFolder()).filePath(QStringLiteral("settings.ini"));
}

void writeSettingsText(const QString &text)
{
    QFile::remove(settingsPath());
    if (text.isNull())
        return;
    QFile file(settingsPath());
    if (file.open(QIODevice::WriteOnly))
        file.write(text.toUtf8());
}

QString settingsText()
{
    QFile file(settingsPath());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QAction *menuAction(QMainWindow &window, const QString &text)
{
    return findIn(window.menuBar()->actions(), text);
}

QList<QAction *> toolEntries(const QToolBar *bar)
{
    QList<QAction *> entries;
    for (QAction *action : bar->actions())
        if (!action->isSeparator())
            entries << action;
    return entries;
}

QAction *toolEntry(const QToolBar *bar, const QString &text)
{
    for (QAction *action : toolEntries(bar))
        if (action->text() == text)
            return action;
    return nullptr;
}

int toolSeparators(const QToolBar *bar)
{
    int n = 0;
    for (QAction *action : bar->actions())
        n += action->isSeparator() ? 1 : 0;
    return n;
}

QTabWidget *tabs(const MyMainWindow &window)
{
    return window.editors()->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
}

bool typeIntoTreeCell(QTreeWidget *tree, const QString &shown, int column, const QString &typed)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        QTreeWidgetItem *row = *it;
        if (row->text(column) != shown)
            continue;
        tree->scrollToItem(row);
        tree->setCurrentItem(row, column);
        tree->editItem(row, column);
        auto *editor = qobject_cast<QLineEdit *>(tree->indexWidget(tree->currentIndex()));
        if (!editor)
            return false;
        editor->selectAll();
        QTest::keyClicks(editor, typed);
        return true;
    }
    return false;
}

} // namespace WindowDriver
