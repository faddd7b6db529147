#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// A program started for a test, in a process group of its own, with its standard output
// on a pipe. Ending the object ends the whole group (TERM, then KILL) and reaps it.
class ChildProcess {
public:
    // `environment` entries ("NAME=value") are added to this process's environment.
    explicit ChildProcess(const std::vector<std::string>& arguments,
                          const std::vector<std::string>& environment = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return pid_; }
    // The next line of its standard output, without the newline; nothing when none came
    // within the timeout or the output ended.
    std::optional<std::string> readLine(std::chrono::milliseconds timeout);
    bool running();

private:
    pid_t pid_ = -1;
    int output_ = -1;
    std::string buffered_;
};

// Runs a program to its end; its exit code, or -1 when it could not run or was killed.
int runProgram(const std::vector<std::string>& arguments,
               const std::vector<std::string>& environment = {});
