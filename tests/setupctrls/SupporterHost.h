#pragma once
// A host for the setup supporter in tests: the application's main window, made once per test
// process (the layer keeps the first main window for good), with a supporter set up as this
// program's main window sets it. Whatever a test adds to the main window goes again after it.

#include "setupctrls/SetupSupporter.h"
#include "vcl/Application.h"
#include "vcl/Form.h"
#include "vcl/Menu.h"
#include <QStringList>
#include <gtest/gtest.h>

namespace SupporterTesting {

inline const String SupportPhrase
    = QStringLiteral("Monday to Friday, 8 a.m. to 5 p.m., at 555-0100");

inline TCustomForm& MainForm()
{
    if (!Application->MainForm())
        Application->CreateForm<TForm>();
    return *Application->MainForm();
}

class SupporterHost : public ::testing::Test
{
protected:
    SupporterHost()
    {
        sup->SetCompanyName(QStringLiteral("VARDO"));
        sup->SetCardNameA(QStringLiteral("ZX-4410"));
        sup->SetCardNameB(QStringLiteral("ZX-4420"));
        sup->SetCallHow(SupportPhrase);
    }
    ~SupporterHost() override
    {
        Application->OnIdle = nullptr;
        main.SetMenu(nullptr);
        main.Hide();
        while (main.ComponentCount() > ownedBefore)
            TComponent::Free(main.Components(main.ComponentCount() - 1));
    }

    // Gives the main window a menu bar with top-level items of these captions.
    TMainMenu* AddMenu(const QStringList& captions)
    {
        auto* menu = new TMainMenu(&main);
        for (const String& caption : captions) {
            auto* item = new TMenuItem(menu);
            item->SetCaption(caption);
            menu->Items()->Add(item);
        }
        main.SetMenu(menu);
        return menu;
    }

    TCustomForm& main = MainForm();
    const int ownedBefore = main.ComponentCount();
    TSetupSupporter* sup = new TSetupSupporter(&main);
};

} // namespace SupporterTesting
