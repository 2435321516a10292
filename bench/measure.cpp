// measure: runs one program and reports its wall time and peak memory.
//
//   measure PROGRAM [ARGUMENT...]
//
// Prints "SECONDS PEAK_RSS_BYTES" once the program has ended, and exits
// with its status. A child inherits its parent's resident size as the start
// of its peak, so the parent has to be small: a Python driver would count
// itself into every figure; this launcher counts about a megabyte.
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "Usage: measure PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    auto start = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child == 0) {
        execv(argv[1], argv + 1);
        std::perror(argv[1]);
        _exit(127);
    }
    if (child < 0) {
        std::perror("fork");
        return 1;
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) {
        std::perror("wait4");
        return 1;
    }
    std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    std::printf("%.6f %ld\n", seconds.count(), usage.ru_maxrss * 1024L);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
