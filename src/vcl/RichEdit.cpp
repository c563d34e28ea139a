#include "vcl/RichEdit.h"
#include "vcl/RtfReader.h"
#include <QTextCursor>
#include <QTextEdit>

TRichEdit::TRichEdit(TComponent* owner) : TWinControl(owner, new QTextEdit)
{
    SetBounds(0, 0, 185, 89);
    SetTabStop(true);
    SetColor(clWindow);
    SetScrollBars(ssNone);
}

QTextEdit* TRichEdit::Editor() const
{
    return static_cast<QTextEdit*>(View());
}

bool TRichEdit::ReadOnly() const
{
    return Editor()->isReadOnly();
}

void TRichEdit::SetReadOnly(bool value)
{
    Editor()->setReadOnly(value);
}

void TRichEdit::SetScrollBars(TScrollStyle value)
{
    ApplyScrollStyle(*Editor(), value);
}

void TRichEdit::LoadRtf(const QByteArray& rtf)
{
    ::LoadRtf(*Editor()->document(), rtf);
    // A freshly loaded document is read from its beginning.
    Editor()->moveCursor(QTextCursor::Start);
}

String TRichEdit::Text() const
{
    return Editor()->toPlainText();
}

void TRichEdit::ApplyColor()
{
    QPalette palette = Editor()->palette();
    palette.setColor(QPalette::Base, ToQColor(Color()));
    Editor()->setPalette(palette);
}
