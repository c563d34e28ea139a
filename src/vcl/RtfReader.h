#pragma once
// Reads rich text (RTF) into a QTextDocument, as a read-only rich-text box shows it.
//
// Read: groups, the font table (names kept as written), the colour table (an empty entry is
// the automatic colour), \f \fs \cf \b \i \ul \ulnone \plain, \pard \par and the alignments
// \ql \qc \qr \qj, Windows-1252 text and \'hh escapes, \u<N> with its \uc<N> fallback count,
// \tab \line \emdash \endash \bullet and the typographic quotes, and the control symbols
// \\ \{ \} \~ \- \_. Destinations marked \* and those that hold no body text (document
// information, style sheet, pictures, headers, ...) are skipped, as is every unknown word.
//
// Each \par ends a paragraph; as in a rich-text box, a document ending on \par has no empty
// paragraph after it. Any byte sequence is accepted: unbalanced braces, cut-off words, huge
// numbers, deep nesting and stray bytes are read as far as they make sense, in one pass.

class QByteArray;
class QTextDocument;

// Replaces the document's content with the RTF text; the undo history is cleared.
void LoadRtf(QTextDocument& document, const QByteArray& rtf);
