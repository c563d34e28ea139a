#pragma once
// The program's main window in a test: made as main() makes it, as the application's main form
// (its supporter builds the help and support windows onto it at the first idle moment), and
// freed again after the test, so that every test of the process starts from an application
// without one.

#include "app/MainForm.h"
#include "setupctrls/SetupSupporter.h"
#include "support/VclTesting.h"
#include "vcl/Application.h"
#include <gtest/gtest.h>

namespace FaultTesting {

// How long the supporter's 100 ms timer takes for a few ticks.
constexpr int SeveralTicksMs = 350;

class ProgramWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(Application->MainForm(), nullptr) << "an earlier main window is still there";
        form = Application->CreateForm<TMainForm>();
        ASSERT_EQ(Application->MainForm(), form);
    }
    void TearDown() override
    {
        Application->OnIdle = nullptr; // the first idle may not have come
        TComponent::Free(form);
    }

    // Shows the window as Application->Run does and lets the first idle moment build the
    // supporter's windows.
    void ShowAndRunFirstIdle()
    {
        form->Show();
        VclTesting::ProcessEventsAndIdle();
    }

    TMainForm* form = nullptr;
};

} // namespace FaultTesting
