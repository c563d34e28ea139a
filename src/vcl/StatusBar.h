#pragma once
// A status bar with text panels.

#include "vcl/WinControl.h"
#include <memory>
#include <vector>

class QLabel;
class QStatusBar;

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };

class TStatusPanel
{
public:
    explicit TStatusPanel(QLabel* label) : label_(label) { }
    String Text() const;
    void SetText(const String& value);
    TStatusPanelBevel Bevel() const { return bevel_; }
    void SetBevel(TStatusPanelBevel value);

private:
    QLabel* label_;
    TStatusPanelBevel bevel_ = pbLowered;
};

class TStatusBar : public TWinControl
{
    VCL_CLASS(TStatusBar, TWinControl)
public:
    explicit TStatusBar(TComponent* owner);
    ~TStatusBar() override;

    int PanelCount() const { return static_cast<int>(panels_.size()); }
    TStatusPanel& Panels(int index) { return *panels_.at(index); }
    TStatusPanel& AddPanel();

private:
    QStatusBar* Bar() const;
    std::vector<std::unique_ptr<TStatusPanel>> panels_;
};
