#pragma once
#include <QList>
#include <QString>

class MyMainWindow;
class QAction;
class QMainWindow;
class QTabWidget;
class QToolBar;
class QTreeWidget;

// What the main window tests share: the settings file beside the test
// program (the window's own folder) and finding the window's entries the way
// a user sees them, by their texts.
namespace WindowDriver {
QString settingsPath();
// Replaces settings.ini with exactly this text; a null text removes the file.
void writeSettingsText(const QString &text);
QString settingsText();   // null when there is no file

// The first entry of the menu bar (searched through every menu and submenu)
// with this text, else null.
QAction *menuAction(QMainWindow &window, const QString &text);
// The toolbar's entries without its separators, in order.
QList<QAction *> toolEntries(const QToolBar *bar);
QAction *toolEntry(const QToolBar *bar, const QString &text);
int toolSeparators(const QToolBar *bar);
QTabWidget *tabs(const MyMainWindow &window);

// Opens the editor of `column` on the first row of the element tree whose
// column shows `shown`, replaces its text with `typed` and leaves the editor
// open, as a user who goes for a toolbar button or a menu next. False when
// there is no such row or no editor opened.
bool typeIntoTreeCell(QTreeWidget *tree, const QString &shown, int column, const QString &typed);
} // namespace WindowDriver
