#include "vcl/RtfTokenizer.h"

#include <algorithm>
#include <cstdint>

namespace {

bool IsLetter(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

int HexValue(unsigned char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

TRtfTokenizer::TRtfTokenizer(const QByteArray& rtf)
    : text_(rtf.constData(), static_cast<std::size_t>(rtf.size()))
{
}

unsigned char TRtfTokenizer::Peek(std::size_t offset) const
{
    // Past the end reads as NUL, which is neither a letter, a digit nor a delimiter.
    return pos_ + offset < text_.size() ? static_cast<unsigned char>(text_[pos_ + offset]) : 0;
}

TRtfToken TRtfTokenizer::Next()
{
    while (!AtEnd()) {
        const unsigned char c = Peek();
        ++pos_;
        switch (c) {
        case '{':
            return {.Kind = TRtfTokenKind::GroupStart};
        case '}':
            return {.Kind = TRtfTokenKind::GroupEnd};
        case '\\':
            return ReadControl();
        case '\r':
        case '\n':
            break;
        default:
            return {.Kind = TRtfTokenKind::Text, .Byte = c};
        }
    }
    return {};
}

TRtfToken TRtfTokenizer::ReadControl()
{
    if (AtEnd()) // a lone backslash at the very end stands for nothing
        return {};
    if (IsLetter(Peek()))
        return ReadControlWord();
    const unsigned char symbol = Peek();
    ++pos_;
    if (symbol == '\'')
        return ReadHexChar();
    return {.Kind = TRtfTokenKind::ControlSymbol, .Byte = symbol};
}

TRtfToken TRtfTokenizer::ReadControlWord()
{
    const std::size_t start = pos_;
    while (IsLetter(Peek()))
        ++pos_;
    TRtfToken token {.Kind = TRtfTokenKind::ControlWord, .Word = text_.substr(start, pos_ - start)};
    const bool negative = Peek() == '-' && IsDigit(Peek(1));
    if (negative)
        ++pos_;
    if (IsDigit(Peek())) {
        token.HasParameter = true;
        token.Parameter = negative ? -ReadParameter() : ReadParameter();
    }
    if (Peek() == ' ') // the delimiter belongs to the word
        ++pos_;
    SkipBinary(token);
    return token;
}

int TRtfTokenizer::ReadParameter()
{
    std::int64_t value = 0;
    while (IsDigit(Peek())) {
        value = std::min<std::int64_t>(value * 10 + (Peek() - '0'), MaxParameter);
        ++pos_;
    }
    return static_cast<int>(value);
}

void TRtfTokenizer::SkipBinary(const TRtfToken& word)
{
    if (word.Word != "bin" || word.Parameter <= 0)
        return;
    pos_ += std::min(static_cast<std::size_t>(word.Parameter), text_.size() - pos_);
}

TRtfToken TRtfTokenizer::ReadHexChar()
{
    const int high = HexValue(Peek());
    const int low = HexValue(Peek(1));
    if (high < 0 || low < 0) // a broken escape stands for nothing; what follows is read as usual
        return {.Kind = TRtfTokenKind::ControlSymbol, .Byte = '\''};
    pos_ += 2;
    return {.Kind = TRtfTokenKind::HexChar, .Byte = static_cast<unsigned char>(high * 16 + low)};
}
