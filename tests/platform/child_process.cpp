#include "tests/platform/child_process.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

ChildResult RunInChild(const std::function<void()>& body) {
    ChildResult result;
    std::fflush(stdout);
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return result;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        close(pipeEnds[0]);
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[1]);
        body();
        std::fflush(stdout);
        _exit(kFellThrough);
    }
    close(pipeEnds[1]);
    char buffer[256];
    ssize_t n;
    while ((n = read(pipeEnds[0], buffer, sizeof buffer)) > 0) {
        result.out.append(buffer, static_cast<std::size_t>(n));
    }
    close(pipeEnds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status)) {
        result.exitStatus = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        result.signal = WTERMSIG(status);
    }
    return result;
}
