#pragma once
#include <QWidget>

#include <memory>

namespace Ui {
class SplashScreen;
}

// loopwatch's start-up window: the splash picture with the program's text over
// it, shown at once when built. The main window closes it once it is built.
class SplashScreen : public QWidget {
    Q_OBJECT
public:
    // How long the main window keeps the splash up.
    static constexpr unsigned long ShowTimeMs = 2000;

    SplashScreen(const QString &text, QWidget *parent = nullptr);
    ~SplashScreen() override;

    // Lets the splash be painted (pending events processed once), keeps it up
    // for the given time through Pause, then closes it.
    void closeAfter(unsigned long milliseconds = ShowTimeMs);

private:
    std::unique_ptr<Ui::SplashScreen> ui;
};
