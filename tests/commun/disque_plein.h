#pragma once

#include <csignal>
#include <sys/resource.h>

// For the life of the object, no file may grow past `octets` bytes: the kernel refuses the
// write (EFBIG) where a full disk would (ENOSPC); the program says "Disque plein" to both.
class DisquePlein {
  public:
    explicit DisquePlein(rlim_t octets) : signal_(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &avant_);
        rlimit limite = avant_;
        limite.rlim_cur = octets;
        ::setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~DisquePlein() {
        ::setrlimit(RLIMIT_FSIZE, &avant_);
        std::signal(SIGXFSZ, signal_);
    }
    DisquePlein(const DisquePlein&) = delete;
    DisquePlein& operator=(const DisquePlein&) = delete;

  private:
    void (*signal_)(int);
    rlimit avant_{};
};
