// From the end of the one-time build at the first idle moment to the help window on the
// screen: the supporter's 100 ms timer.
#include "setupctrls/HelpForm.h"
#include "setupctrls/SetupSupporter.h"
#include "setupctrls/TechForm.h"
#include "vcl/Application.h"
#include "vcl/Form.h"
#include "vcl/Label.h"
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

namespace {
void HelpWindowDelay(benchmark::State& state)
{
    static TForm* mainForm = [] {
        auto* form = Application->CreateForm<TForm>();
        form->Show();
        return form;
    }();
    for (auto _ : state) {
        auto* supporter = new TSetupSupporter(mainForm);
        supporter->BuildWindows();
        QElapsedTimer elapsed;
        elapsed.start();
        while (!supporter->HelpForm()->Visible())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.SetIterationTime(static_cast<double>(elapsed.nsecsElapsed()) / 1e9);
        TComponent::Free(supporter->HelpForm());
        TComponent::Free(supporter->TechForm());
        TComponent::Free(supporter->HeaderLabel());
        TComponent::Free(supporter);
    }
}
BENCHMARK(HelpWindowDelay)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
} // namespace
