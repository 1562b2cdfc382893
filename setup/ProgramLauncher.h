#pragma once
#include <QString>

#include <functional>

// Starts another program as a detached process, keeping no handle to it.
// The one place where panelsetup starts a process, so a test can see what
// would be started without starting it (setStarter).
class ProgramLauncher {
public:
    // True when the process started.
    using Starter = std::function<bool(const QString &program)>;

    static bool startDetached(const QString &program);
    // An empty starter gives the real start back.
    static void setStarter(Starter starter);
};
