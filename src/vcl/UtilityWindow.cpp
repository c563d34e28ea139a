#include "vcl/UtilityWindow.h"
#include "vcl/Application.h"
#include <QTimerEvent>

int TUtilityWindow::TimerBudget = -1;

TUtilityWindow::TUtilityWindow(THandler handler) : handler_(std::move(handler)) { }

TUtilityWindow::~TUtilityWindow()
{
    for (int qtId : std::as_const(timers_))
        killTimer(qtId);
}

bool TUtilityWindow::SetTimer(unsigned id, int milliseconds)
{
    KillTimer(id);
    if (TimerBudget == 0)
        return false;
    const int qtId = startTimer(milliseconds, Qt::PreciseTimer);
    if (qtId == 0)
        return false;
    if (TimerBudget > 0)
        --TimerBudget;
    timers_.insert(id, qtId);
    return true;
}

void TUtilityWindow::KillTimer(unsigned id)
{
    auto it = timers_.find(id);
    if (it == timers_.end())
        return;
    killTimer(it.value());
    timers_.erase(it);
}

void TUtilityWindow::timerEvent(QTimerEvent* event)
{
    for (auto it = timers_.cbegin(); it != timers_.cend(); ++it) {
        if (it.value() == event->timerId()) {
            TMessage message {WM_TIMER, static_cast<std::intptr_t>(it.key()), 0, 0};
            Application->Guard([&] { handler_(message); });
            return;
        }
    }
}
