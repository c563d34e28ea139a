#pragma once
// A hidden window that receives timer messages on the user-interface thread.

#include "vcl/Types.h"
#include <QHash>
#include <QObject>

class TUtilityWindow : public QObject
{
public:
    using THandler = std::function<void(TMessage& message)>;
    explicit TUtilityWindow(THandler handler);
    ~TUtilityWindow() override;

    // Starts (or restarts) timer id with a period of milliseconds; false when the platform
    // refuses it.
    bool SetTimer(unsigned id, int milliseconds);
    void KillTimer(unsigned id);

    // How many more timers the platform grants; negative means no limit. Lets tests see
    // what a refused timer does.
    static int TimerBudget;

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    THandler handler_;
    QHash<unsigned, int> timers_; // our id -> Qt's id
};
