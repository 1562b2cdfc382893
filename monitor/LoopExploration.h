#pragma once
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class PanelModel;
class myProgressDialog;

// Exploring one loop address by address under a progress window: the explore
// request for each of the 250 addresses and, where an element is configured, its
// counters, with a pause after each request so the panel keeps up. It stops at a
// Cancel (tested before each address) and when the link goes down. The window's
// slot creates one object per run.
class LoopExploration {
    Q_DECLARE_TR_FUNCTIONS(MyMainWindow)

public:
    enum class Result { Complete, Cancelled, LinkLost };
    static constexpr int Addresses = 250;
    static constexpr unsigned long PauseMs = 100;

    // refreshViews runs after each address.
    LoopExploration(PanelModel &model, quint8 loop, QWidget *dialogParent, std::function<void()> refreshViews);
    ~LoopExploration();
    LoopExploration(const LoopExploration &) = delete;
    LoopExploration &operator=(const LoopExploration &) = delete;

    // The progress window is closed and gone when this returns.
    Result run();

private:
    PanelModel &m_model;
    quint8 m_loop;
    QPointer<QWidget> m_parent;
    std::function<void()> m_refreshViews;
    std::unique_ptr<myProgressDialog> m_progress;
};
