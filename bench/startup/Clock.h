// Milliseconds on the monotonic clock, the unit of every figure these tools print.
#pragma once
#include <chrono>
#include <thread>

inline double NowMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

inline void SleepMs(double milliseconds)
{
    std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(milliseconds));
}
