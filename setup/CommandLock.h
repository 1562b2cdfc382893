#pragma once

// One long command of the main window at a time. A panel transfer or a site
// file command holds the lock for its whole run; a command that finds it held
// does not start, so nothing replaces the site, the panel or the link under a
// running procedure (a dialog's event loop still delivers timers and queued
// calls, and a window-modal dialog leaves other windows usable).
class CommandLock {
public:
    bool isHeld() const { return m_held; }

    // Takes the lock for one scope when it is free; false (and nothing taken)
    // when another command holds it.
    class Hold {
    public:
        explicit Hold(CommandLock *lock) : m_lock(lock && !lock->m_held ? lock : nullptr), m_free(lock == nullptr)
        {
            if (m_lock)
                m_lock->m_held = true;
        }
        ~Hold()
        {
            if (m_lock)
                m_lock->m_held = false;
        }
        Hold(const Hold &) = delete;
        Hold &operator=(const Hold &) = delete;

        // True when the command may run: the lock was taken (or there is none).
        explicit operator bool() const { return m_lock || m_free; }

    private:
        CommandLock *m_lock;
        bool m_free;
    };

private:
    bool m_held = false;
};
