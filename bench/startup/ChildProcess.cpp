#include "ChildProcess.h"
#include "Clock.h"
#include <csignal>
#include <fstream>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>

extern char** environ;

ChildProcess::ChildProcess(const std::vector<std::string>& command)
{
    std::vector<char*> arguments;
    for (const std::string& argument : command)
        arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);
    if (arguments.size() < 2
        || posix_spawnp(&pid_, arguments[0], nullptr, nullptr, arguments.data(), environ) != 0)
        throw std::runtime_error(
            "cannot start " + (command.empty() ? std::string("(nothing)") : command[0]));
}

ChildProcess::~ChildProcess()
{
    End();
}

bool ChildProcess::Running()
{
    if (!ended_ && waitpid(pid_, nullptr, WNOHANG) == pid_)
        ended_ = true;
    return !ended_;
}

long ChildProcess::PeakResidentKb() const
{
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

void ChildProcess::End()
{
    if (!Running())
        return;
    kill(pid_, SIGTERM);
    for (const double deadline = NowMs() + 2000; NowMs() < deadline && Running();)
        SleepMs(5);
    if (Running()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        ended_ = true;
    }
}
