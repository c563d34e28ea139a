#include "vcl/RtfReader.h"
#include "vcl/RtfTokenizer.h"

#include <QByteArray>
#include <QColor>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

// Groups nested deeper than this share the state of the deepest one kept, so that nesting
// costs no memory; no real document comes near it.
constexpr std::size_t MaxGroupDepth = 256;

constexpr int DefaultHalfPoints = 24;
// Font sizes in half-points; 1638 points is the largest size Qt lays out.
constexpr int MinHalfPoints = 2;
constexpr int MaxHalfPoints = 3276;

enum class TDestination { Body, FontTable, ColourTable, Skipped };

struct TCharState
{
    int Font = -1; // number in the font table
    int HalfPoints = DefaultHalfPoints;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    int Colour = -1; // index in the colour table; outside it, the automatic colour
    bool operator==(const TCharState&) const = default;
};

struct TGroupState
{
    TDestination Destination = TDestination::Body;
    TCharState Chars;
    Qt::Alignment Alignment = Qt::AlignLeft;
    int UnicodeFallback = 1; // characters after \u<N> that stand in for it (\uc<N>)
};

char16_t FromWindows1252(unsigned char byte)
{
    // 0x80..0x9F differ from Latin-1; the five unused codes keep their C1 value.
    static constexpr char16_t Windows1252[32]
        = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
            0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
            0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    return byte >= 0x80 && byte < 0xA0 ? Windows1252[byte - 0x80] : char16_t {byte};
}

char16_t UnicodeUnit(int parameter)
{
    // Writers give units above 32767 either as they are or as negative numbers.
    return static_cast<char16_t>(std::clamp(parameter, -32768, 65535) & 0xFFFF);
}

// Control characters are not text; paragraph and frame separators would make QTextDocument
// break blocks that the RTF never asked for.
bool IsShown(char16_t c)
{
    if (c == u'\t')
        return true;
    if (c < 0x20 || (c >= 0x7F && c < 0xA0))
        return false;
    return c != QChar::ParagraphSeparator && c != 0xFDD0 && c != 0xFDD1;
}

void ReplaceLoneSurrogates(QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
}

bool IsOn(const TRtfToken& token)
{
    return !token.HasParameter || token.Parameter != 0;
}

class TRtfReader
{
public:
    explicit TRtfReader(QTextDocument& document);
    void Read(const QByteArray& rtf);

private:
    using THandler = void (*)(TRtfReader&, const TRtfToken&);
    static const std::unordered_map<std::string_view, THandler>& Handlers();

    TGroupState& Top() { return groups_.back(); }
    void Take(const TRtfToken& token);
    void OpenGroup();
    void CloseGroup();
    void ControlWord(const TRtfToken& token);
    void ControlSymbol(unsigned char symbol);
    void SetDestination(TDestination destination);
    void Character(char16_t c);
    void Insert(char16_t c);
    void EndParagraph();
    void FinishBlock(Qt::Alignment alignment, const TCharState& chars);
    void FlushRun();
    QTextCharFormat Format(const TCharState& chars) const;
    void SelectFont(int number);
    void CommitFont();
    void SetColourComponent(void (QColor::*set)(int), int value);
    void CommitColour();

    QTextCursor cursor_;
    std::vector<TGroupState> groups_;
    std::size_t overflow_ = 0; // groups opened beyond MaxGroupDepth and not closed yet
    int fallbackToSkip_ = 0;
    int defaultFont_ = -1;
    // The last \par ended a paragraph; the next one starts only when it gets content.
    bool paragraphPending_ = false;
    QString run_; // text not yet inserted, all in runChars_
    TCharState runChars_;
    Qt::Alignment lastAlignment_ = Qt::AlignLeft; // where the last character went
    std::unordered_map<int, QString> fonts_;
    int fontNumber_ = 0;
    QString fontName_;
    std::vector<QColor> colours_;
    QColor colourEntry_; // invalid while the entry names no component: the automatic colour
};

TRtfReader::TRtfReader(QTextDocument& document) : cursor_(&document)
{
    groups_.reserve(MaxGroupDepth + 1);
    groups_.emplace_back();
}

void TRtfReader::Read(const QByteArray& rtf)
{
    cursor_.beginEditBlock();
    TRtfTokenizer tokenizer(rtf);
    for (TRtfToken token = tokenizer.Next(); token.Kind != TRtfTokenKind::End;
         token = tokenizer.Next())
        Take(token);
    FlushRun();
    if (!paragraphPending_)
        FinishBlock(lastAlignment_, runChars_);
    cursor_.endEditBlock();
}

void TRtfReader::Take(const TRtfToken& token)
{
    if (token.Kind == TRtfTokenKind::GroupStart || token.Kind == TRtfTokenKind::GroupEnd) {
        fallbackToSkip_ = 0; // a \u fallback never reaches past a brace
        if (token.Kind == TRtfTokenKind::GroupStart)
            OpenGroup();
        else
            CloseGroup();
        return;
    }
    if (fallbackToSkip_ > 0) {
        --fallbackToSkip_;
        return;
    }
    if (Top().Destination == TDestination::Skipped)
        return;
    if (token.Kind == TRtfTokenKind::ControlWord)
        ControlWord(token);
    else if (token.Kind == TRtfTokenKind::ControlSymbol)
        ControlSymbol(token.Byte);
    else
        Character(FromWindows1252(token.Byte));
}

void TRtfReader::OpenGroup()
{
    if (groups_.size() > MaxGroupDepth)
        ++overflow_;
    else
        groups_.push_back(Top());
}

void TRtfReader::CloseGroup()
{
    if (overflow_ > 0) {
        --overflow_;
        return;
    }
    if (groups_.size() == 1) // a '}' without its '{'
        return;
    if (Top().Destination == TDestination::FontTable && !fontName_.isEmpty())
        CommitFont(); // the entry's ';' is missing
    groups_.pop_back();
}

const std::unordered_map<std::string_view, TRtfReader::THandler>& TRtfReader::Handlers()
{
    using R = TRtfReader;
    using T = TRtfToken;
    static const std::unordered_map<std::string_view, THandler> handlers {
        {"fonttbl", [](R& r, const T&) { r.SetDestination(TDestination::FontTable); }},
        {"colortbl", [](R& r, const T&) { r.SetDestination(TDestination::ColourTable); }},
        {"deff", [](R& r, const T& t) { r.defaultFont_ = r.Top().Chars.Font = t.Parameter; }},
        {"f", [](R& r, const T& t) { r.SelectFont(t.Parameter); }},
        {"fs",
            [](R& r, const T& t) {
                r.Top().Chars.HalfPoints = t.HasParameter
                    ? std::clamp(t.Parameter, MinHalfPoints, MaxHalfPoints)
                    : DefaultHalfPoints;
            }},
        {"cf", [](R& r, const T& t) { r.Top().Chars.Colour = t.Parameter; }},
        {"b", [](R& r, const T& t) { r.Top().Chars.Bold = IsOn(t); }},
        {"i", [](R& r, const T& t) { r.Top().Chars.Italic = IsOn(t); }},
        {"ul", [](R& r, const T& t) { r.Top().Chars.Underline = IsOn(t); }},
        {"ulnone", [](R& r, const T&) { r.Top().Chars.Underline = false; }},
        {"plain", [](R& r, const T&) { r.Top().Chars = {.Font = r.defaultFont_}; }},
        {"pard", [](R& r, const T&) { r.Top().Alignment = Qt::AlignLeft; }},
        {"ql", [](R& r, const T&) { r.Top().Alignment = Qt::AlignLeft; }},
        {"qc", [](R& r, const T&) { r.Top().Alignment = Qt::AlignHCenter; }},
        {"qr", [](R& r, const T&) { r.Top().Alignment = Qt::AlignRight; }},
        {"qj", [](R& r, const T&) { r.Top().Alignment = Qt::AlignJustify; }},
        {"par", [](R& r, const T&) { r.EndParagraph(); }},
        {"red", [](R& r, const T& t) { r.SetColourComponent(&QColor::setRed, t.Parameter); }},
        {"green", [](R& r, const T& t) { r.SetColourComponent(&QColor::setGreen, t.Parameter); }},
        {"blue", [](R& r, const T& t) { r.SetColourComponent(&QColor::setBlue, t.Parameter); }},
        {"uc", [](R& r, const T& t) { r.Top().UnicodeFallback = std::max(t.Parameter, 0); }},
        {"u",
            [](R& r, const T& t) {
                if (!t.HasParameter)
                    return;
                r.Character(UnicodeUnit(t.Parameter));
                r.fallbackToSkip_ = r.Top().UnicodeFallback;
            }},
    };
    return handlers;
}

void TRtfReader::ControlWord(const TRtfToken& token)
{
    static const std::unordered_map<std::string_view, char16_t> characters {{"tab", u'\t'},
        {"line", QChar::LineSeparator}, {"emdash", 0x2014}, {"endash", 0x2013}, {"emspace", 0x2003},
        {"enspace", 0x2002}, {"bullet", 0x2022}, {"lquote", 0x2018}, {"rquote", 0x2019},
        {"ldblquote", 0x201C}, {"rdblquote", 0x201D}};
    // Destinations whose content is not part of the body text.
    static const std::unordered_set<std::string_view> skipped {"info", "stylesheet", "listtable",
        "listoverridetable", "revtbl", "rsidtbl", "filetbl", "pict", "object", "header", "headerl",
        "headerr", "headerf", "footer", "footerl", "footerr", "footerf", "footnote", "annotation",
        "xe", "tc", "txe", "rxe", "template"};

    if (const auto handler = Handlers().find(token.Word); handler != Handlers().end())
        handler->second(*this, token);
    else if (const auto character = characters.find(token.Word); character != characters.end())
        Character(character->second);
    else if (skipped.contains(token.Word))
        SetDestination(TDestination::Skipped);
}

void TRtfReader::ControlSymbol(unsigned char symbol)
{
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        Character(symbol);
        break;
    case '~':
        Character(QChar::Nbsp);
        break;
    case '_':
        Character(0x2011); // non-breaking hyphen
        break;
    case '*':
        SetDestination(TDestination::Skipped); // an optional destination: none is read here
        break;
    case '\r':
    case '\n':
        EndParagraph(); // a backslash ending the line is a \par
        break;
    default: // \- (optional hyphen) and the rest show nothing
        break;
    }
}

void TRtfReader::SetDestination(TDestination destination)
{
    FlushRun(); // the pending text takes its fonts and colours from the tables as they stand
    Top().Destination = destination;
}

void TRtfReader::Character(char16_t c)
{
    if (!IsShown(c))
        return;
    switch (Top().Destination) {
    case TDestination::Body:
        Insert(c);
        break;
    case TDestination::FontTable:
        if (c == u';')
            CommitFont();
        else
            fontName_.append(QChar(c));
        break;
    case TDestination::ColourTable:
        if (c == u';')
            CommitColour();
        break;
    case TDestination::Skipped:
        break;
    }
}

void TRtfReader::Insert(char16_t c)
{
    if (paragraphPending_) {
        cursor_.insertBlock();
        paragraphPending_ = false;
    }
    if (!run_.isEmpty() && runChars_ != Top().Chars)
        FlushRun();
    if (run_.isEmpty())
        runChars_ = Top().Chars;
    run_.append(QChar(c));
    lastAlignment_ = Top().Alignment;
}

void TRtfReader::EndParagraph()
{
    if (Top().Destination != TDestination::Body)
        return;
    FlushRun();
    if (paragraphPending_) // two breaks in a row: the paragraph between them is empty
        cursor_.insertBlock();
    FinishBlock(Top().Alignment, Top().Chars);
    paragraphPending_ = true;
}

void TRtfReader::FinishBlock(Qt::Alignment alignment, const TCharState& chars)
{
    QTextBlockFormat block;
    block.setAlignment(alignment);
    cursor_.setBlockFormat(block);
    cursor_.setBlockCharFormat(Format(chars)); // gives an empty paragraph its height
}

void TRtfReader::FlushRun()
{
    if (run_.isEmpty())
        return;
    ReplaceLoneSurrogates(run_);
    cursor_.insertText(run_, Format(runChars_));
    run_.clear();
}

QTextCharFormat TRtfReader::Format(const TCharState& chars) const
{
    QTextCharFormat format;
    if (const auto font = fonts_.find(chars.Font); font != fonts_.end() && !font->second.isEmpty())
        format.setFontFamilies(QStringList {font->second});
    format.setFontPointSize(chars.HalfPoints / 2.0);
    format.setFontWeight(chars.Bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chars.Italic);
    format.setFontUnderline(chars.Underline);
    if (chars.Colour >= 0 && static_cast<std::size_t>(chars.Colour) < colours_.size()
        && colours_[chars.Colour].isValid())
        format.setForeground(colours_[chars.Colour]);
    return format;
}

void TRtfReader::SelectFont(int number)
{
    if (Top().Destination != TDestination::FontTable) {
        Top().Chars.Font = number;
        return;
    }
    if (!fontName_.isEmpty()) // the previous entry's ';' is missing
        CommitFont();
    fontNumber_ = number;
}

void TRtfReader::CommitFont()
{
    fonts_[fontNumber_] = fontName_.trimmed();
    fontName_.clear();
}

void TRtfReader::SetColourComponent(void (QColor::*set)(int), int value)
{
    if (Top().Destination != TDestination::ColourTable)
        return;
    if (!colourEntry_.isValid())
        colourEntry_ = QColor(0, 0, 0);
    (colourEntry_.*set)(std::clamp(value, 0, 255));
}

void TRtfReader::CommitColour()
{
    colours_.push_back(colourEntry_);
    colourEntry_ = QColor();
}

} // namespace

void LoadRtf(QTextDocument& document, const QByteArray& rtf)
{
    const bool undoRedo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false); // loading is not an edit to undo
    document.clear();
    TRtfReader(document).Read(rtf);
    document.setUndoRedoEnabled(undoRedo);
}
