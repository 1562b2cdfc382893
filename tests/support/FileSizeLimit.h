#ifndef FILESIZELIMIT_H
#define FILESIZELIMIT_H

#include <sys/resource.h>
#include <csignal>

// While it lives, no file of this process may grow beyond `bytes`: a write
// past the limit fails as on a full disk (SIGXFSZ is ignored meanwhile).
// The previous limit and signal handler come back when it goes, also when
// a test check returns early.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        if (getrlimit(RLIMIT_FSIZE, &saved) != 0)
            return;
        oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = saved;
        small.rlim_cur = bytes;
        active = setrlimit(RLIMIT_FSIZE, &small) == 0;
        if (!active)
            std::signal(SIGXFSZ, oldHandler);
    }
    ~FileSizeLimit()
    {
        if (!active)
            return;
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool isActive() const { return active; }

private:
    struct rlimit saved = {};
    void (*oldHandler)(int) = SIG_DFL;
    bool active = false;
};

#endif // FILESIZELIMIT_H
