#include "vcl/StatusBar.h"
#include <QLabel>
#include <QStatusBar>

String TStatusPanel::Text() const
{
    return label_->text();
}

void TStatusPanel::SetText(const String& value)
{
    label_->setText(value);
}

void TStatusPanel::SetBevel(TStatusPanelBevel value)
{
    bevel_ = value;
    label_->setFrameStyle(value == pbNone
            ? QFrame::NoFrame
            : QFrame::Panel | (value == pbRaised ? QFrame::Raised : QFrame::Sunken));
}

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner, new QStatusBar)
{
    SetBounds(0, 0, 200, 19);
    // Panels draw their own bevels; the bar adds no frame around its items.
    Bar()->setStyleSheet(QStringLiteral("QStatusBar::item { border: none; }"));
}

TStatusBar::~TStatusBar() = default;

QStatusBar* TStatusBar::Bar() const
{
    return static_cast<QStatusBar*>(View());
}

TStatusPanel& TStatusBar::AddPanel()
{
    auto* label = new QLabel;
    Bar()->addWidget(label, 1);
    panels_.push_back(std::make_unique<TStatusPanel>(label));
    panels_.back()->SetBevel(pbLowered);
    return *panels_.back();
}
