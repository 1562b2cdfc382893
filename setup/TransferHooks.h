#pragma once
#include <QPointer>
#include <QWidget>

#include <functional>

class CommandLock;

// What the panel transfer procedures need of the main window besides the
// transfer engine and the site (currentFacility).
struct TransferHooks {
    // Parent of every dialog and progress window of a run.
    QPointer<QWidget> dialogParent;
    // Shows the model again after a download or import: the element tree, the
    // event tables and the event trees.
    std::function<void()> refreshViews;
    // Adds the first panel when the site has none (the element editor's add-panel
    // command): afterwards the site holds a panel exactly when the user accepted.
    std::function<void()> addFirstPanel;
    // The window's lock of long commands; a procedure starts only when it is free
    // and holds it for its whole run. Null: nothing else to guard against.
    CommandLock *busy = nullptr;
};
