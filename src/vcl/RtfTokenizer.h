#pragma once
// Splits RTF text into its tokens: group braces, control words, control symbols, \'hh escapes
// and text bytes. Any byte sequence is accepted; the tokenizer never reads past the end.

#include <QByteArray>
#include <string_view>

enum class TRtfTokenKind { GroupStart, GroupEnd, ControlWord, ControlSymbol, HexChar, Text, End };

struct TRtfToken
{
    TRtfTokenKind Kind = TRtfTokenKind::End;
    // The letters of a control word; a view into the text given to the tokenizer.
    std::string_view Word {};
    bool HasParameter = false;
    // A control word's number, held within +-MaxParameter however many digits it has.
    int Parameter = 0;
    // The byte of a text token, the character of a control symbol, the value of a \'hh escape.
    unsigned char Byte = 0;
};

class TRtfTokenizer
{
public:
    static constexpr int MaxParameter = 0x7FFFFFFF;

    // The text must outlive the tokenizer and the tokens it returns.
    explicit TRtfTokenizer(const QByteArray& rtf);

    // The next token; End once the text is used up. CR and LF outside control words are not
    // text and are passed over. The binary data after \bin<N> is passed over with the word.
    TRtfToken Next();

private:
    TRtfToken ReadControl();
    TRtfToken ReadControlWord();
    TRtfToken ReadHexChar();
    int ReadParameter();
    void SkipBinary(const TRtfToken& word);
    bool AtEnd() const { return pos_ >= text_.size(); }
    unsigned char Peek(std::size_t offset = 0) const;

    std::string_view text_;
    std::size_t pos_ = 0;
};
