#pragma once
// A small world for marker tests: a window with a menu bar (File, Help), a board image with a
// black photograph, radio panels and markers, all owned by the window.

#include "setupctrls/BoardHighlight.h"
#include "setupctrls/BoardImage.h"
#include "setupctrls/PopupForm.h"
#include "setupctrls/RadioPanel.h"
#include "support/VclTesting.h"
#include "vcl/Form.h"
#include "vcl/Menu.h"
#include <gtest/gtest.h>
#include <memory>

struct MarkerScene
{
    MarkerScene()
    {
        host->SetPosition(poDesigned);
        host->SetBounds(0, 0, 1032, 776);
        menu = new TMainMenu(host.get());
        file = AddTopItem("&File");
        help = AddTopItem("&Help");
        host->SetMenu(menu);
        board = new TBoardImage(host.get());
        board->SetParent(host.get());
        board->SetBounds(118, 122, 600, 409);
        board->SetAutoSize(false);
        board->SetMenu(menu);
    }

    TMenuItem* AddTopItem(const char* caption)
    {
        auto* item = new TMenuItem(host.get());
        item->SetCaption(QString::fromLatin1(caption));
        menu->Items()->Add(item);
        return item;
    }

    TRadioPanel* AddPanel(TRect designed, int lines = 1)
    {
        auto* panel = new TRadioPanel(host.get());
        panel->SetParent(host.get());
        panel->SetBounds(designed.Left, designed.Top, designed.Width(), designed.Height());
        for (int i = 0; i < lines; ++i)
            panel->Lines().Add(QStringLiteral("line %1").arg(i + 1));
        return panel;
    }

    TBoardHighlight* AddMarker(const char* title, TRect bounds, TRadioPanel* panel = nullptr,
        THighlightType type = htSettings, TWinControl* parent = nullptr)
    {
        auto* marker = new TBoardHighlight(host.get());
        marker->SetParent(parent ? parent : board);
        marker->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        marker->SetHighlightType(type);
        marker->SetTitle(QString::fromLatin1(title));
        marker->SetRadioPanel(panel);
        return marker;
    }

    // Shows the window and paints the board once: the board centres itself and the markers
    // prepare their looks and enter their menus.
    void Start()
    {
        host->Show();
        VclTesting::Render(board);
    }

    static void Enter(TBoardHighlight* marker) { marker->Perform(CM_MOUSEENTER, 0); }
    static void Leave(TBoardHighlight* marker) { marker->Perform(CM_MOUSELEAVE, 0); }
    static bool Shown(TBoardHighlight* marker)
    {
        return marker->Popup() && marker->Popup()->Visible();
    }
    QStringList BarCaptions() const
    {
        QStringList captions;
        for (int i = 0; i < menu->Items()->Count(); ++i)
            captions << menu->Items()->Items(i)->Caption();
        return captions;
    }
    TMenuItem* TopItem(const char* caption) const
    {
        for (int i = 0; i < menu->Items()->Count(); ++i)
            if (menu->Items()->Items(i)->Caption() == QLatin1String(caption))
                return menu->Items()->Items(i);
        return nullptr;
    }

    std::unique_ptr<TForm> host = std::make_unique<TForm>(nullptr);
    TMainMenu* menu;
    TMenuItem* file;
    TMenuItem* help;
    TBoardImage* board;
};

class MarkerWorld : public ::testing::Test, public MarkerScene
{
};
