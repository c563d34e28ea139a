// A program started and ended by a measuring tool, with its peak memory read from /proc.
#pragma once
#include <string>
#include <sys/types.h>
#include <vector>

class ChildProcess
{
public:
    explicit ChildProcess(const std::vector<std::string>& command); // throws when it cannot start
    ~ChildProcess(); // ends the program if it still runs
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Running();
    // VmHWM: the most resident memory the program has had so far, in KiB.
    long PeakResidentKb() const;
    // SIGTERM, then SIGKILL if it has not ended within two seconds.
    void End();

private:
    pid_t pid_ = -1;
    bool ended_ = false;
};
