// Child of the kill test: performs the save sequence from operation FIRST on, printing
// the number of each operation once it is complete, until it is killed.
// Usage: savechild ROOT SETTINGS_PATH FIRST
#include "saveops.h"

#include <csignal>
#include <cstdio>
#include <sys/prctl.h>

int main(int argc, char **argv)
{
    if (argc != 4)
        return 2;
    // Never outlive a test that stopped early.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString settingsPath = QString::fromLocal8Bit(argv[2]);
    std::printf("ready\n");
    std::fflush(stdout);
    for (int n = std::atoi(argv[3]);; ++n) {
        if (!saveops::run(n, root, settingsPath))
            return 1;
        std::printf("%d\n", n);
        std::fflush(stdout);
    }
}
