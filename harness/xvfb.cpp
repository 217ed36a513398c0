#include "harness/xvfb.h"

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

Xvfb::Xvfb() {
    int fds[2];
    if (pipe(fds) != 0) {
        std::perror("pipe");
        std::abort();
    }
    pid_ = fork();
    if (pid_ == 0) {
        // A test program that crashes must not leave its server (and our pipes) behind.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        // Keep the server's chatter out of the test log, and off any pipe the test's own
        // output goes to: an orphaned server would hold it open.
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "800x600x24", "-nolisten",
               "tcp", "-ac", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    // The server writes its display number and a newline once it accepts connections.
    FILE* in = fdopen(fds[0], "r");
    int number = -1;
    if (std::fscanf(in, "%d", &number) != 1 || number < 0) {
        std::fprintf(stderr, "Xvfb did not start (is the xvfb package installed?)\n");
        std::abort();
    }
    std::fclose(in);
    display_ = ":" + std::to_string(number);
}

Xvfb::~Xvfb() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}
