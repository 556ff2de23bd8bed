// A disk that fills up: every write of the test program (and of the programs
// it starts) beyond `octets` bytes of a file fails, as on a full disk, for as
// long as the guard lives.
#pragma once

#include <csignal>
#include <sys/resource.h>

class DisquePlein
{
public:
    explicit DisquePlein(rlim_t octets)
    {
        getrlimit(RLIMIT_FSIZE, &m_avant);
        // The write fails with an error instead of the signal that would end the program.
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = m_avant;
        limite.rlim_cur = octets;
        setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~DisquePlein()
    {
        setrlimit(RLIMIT_FSIZE, &m_avant);
        std::signal(SIGXFSZ, m_signal);
    }
    DisquePlein(const DisquePlein &) = delete;
    DisquePlein &operator=(const DisquePlein &) = delete;

private:
    rlimit m_avant{};
    void (*m_signal)(int) = nullptr;
};
