#pragma once
// A rich-text box: shows a document read from RTF, optionally read-only.

#include "vcl/Memo.h"
#include "vcl/WinControl.h"

class QByteArray;
class QTextEdit;

class TRichEdit : public TWinControl
{
    VCL_CLASS(TRichEdit, TWinControl)
public:
    explicit TRichEdit(TComponent* owner);

    bool ReadOnly() const;
    void SetReadOnly(bool value);
    void SetScrollBars(TScrollStyle value);
    // Replaces the content with the document the RTF text describes.
    void LoadRtf(const QByteArray& rtf);
    // The content without its formatting, paragraphs separated by line feeds.
    String Text() const;

    QTextEdit* Editor() const;

protected:
    void ApplyColor() override;
};
