#include <QElapsedTimer>

template<class Condition> bool XTesting::WaitFor(Condition condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        Wait(10);
    }
    return true;
}
