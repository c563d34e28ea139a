#include "vcl/Button.h"
#include "vcl/Application.h"
#include "vcl/Form.h"
#include <QPushButton>

TButton::TButton(TComponent* owner) : TWinControl(owner, new QPushButton)
{
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
    QObject::connect(
        Button(), &QPushButton::clicked, [this] { Application->Guard([this] { Click(); }); });
}

QPushButton* TButton::Button() const
{
    return static_cast<QPushButton*>(View());
}

void TButton::SetDefault(bool value)
{
    default_ = value;
    Button()->setDefault(value); // drawn as the default button
}

void TButton::CaptionChanged()
{
    Button()->setText(Caption());
}

void TButton::WndProc(TMessage& message)
{
    if (message.Msg == CM_DIALOGKEY) {
        const auto key = static_cast<int>(message.WParam);
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if ((enter && default_) || (key == Qt::Key_Escape && cancel_)) {
            Click();
            message.Result = 1;
        }
        return;
    }
    TWinControl::WndProc(message);
}
