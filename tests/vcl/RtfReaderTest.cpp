#include "vcl/RtfReader.h"
#include "vcl/RtfTokenizer.h"

#include <QByteArray>
#include <QColor>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

const QColor DarkGrey(64, 64, 64);
const QColor Yellow(255, 255, 64);
const QColor Blue(64, 64, 255);
const QColor Red(255, 64, 64);

struct THelpSettings
{
    QByteArray CompanyName;
    QByteArray CardName;
    bool bSeries = true;
    bool MultiPort = false;
};

// The help document of the setup supporter, piece by piece, for a host without a card list.
QByteArray HelpDocument(const THelpSettings& settings)
{
    const QByteArray crlf = "\r\n";
    QByteArray rtf
        = R"({\rtf1\ansi\ansicpg1252\deff0\deflang1033{\fonttbl{\f0\fswiss\fprq2\fcharset0 Verdana;}}{\colortbl\red64\green64\blue64;\red255\green255\blue64;\red64\green64\blue255;\red255\green64\blue64;}\viewkind4\uc1\pard\f0\fs32\cf0)"
        + crlf + R"({\b )";
    rtf += settings.CompanyName + " " + settings.CardName;
    if (settings.bSeries)
        rtf += " Series";
    rtf += R"( Settings Program}\par\par\fs24)" + crlf;
    rtf += R"(This program will help you configure the option jumpers and settings associated with this product. You should have the product in-hand when first using this program.\par\par)"
        + crlf;
    rtf += R"({\cf1\fs24\b Yellow circles} provide information on configuring jumpers and switches.\par\par)"
        + crlf;
    rtf += R"({\cf2\fs24\b Blue circles} are informational only. They provide information on standard and optional features of the product family.\par\par)"
        + crlf;
    rtf += R"({\cf3\fs24\b Red circles} handle calibration and types of configuration that require actually controlling the hardware device. Run this settings program again once the card is installed. )";
    rtf += R"(Repeat the {\cf1 setup circles} (using the same settings) to configure this program, then perform the {\cf3 calibration circles}.\par\par)"
        + crlf;
    rtf += R"(Mouse over the highlight circles to see configuration or information popups for {\cf1 setup}, {\cf2 features}, and {\cf3 calibration}. Click a highlight circle to make its popup remain on-screen. )";
    rtf += R"(You can have all or as many of these popups onscreen at the same time as you desire.\par\par)"
        + crlf;
    if (settings.MultiPort) {
        rtf += R"({\fs32\b Note:} Make sure to set the jumpers for each option group \emdash  the configuration options for each port are handled identically; )";
        rtf += R"(this program only shows the setup once, but you need to perform this setup for each group of options on your device.\par\par)"
            + crlf;
    }
    return rtf + "}";
}

struct TRun
{
    int Block = 0;
    QString Text;
    QTextCharFormat Format;
};

std::vector<TRun> Runs(const QTextDocument& document)
{
    std::vector<TRun> runs;
    for (QTextBlock block = document.begin(); block != document.end(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            runs.push_back({block.blockNumber(), it.fragment().text(), it.fragment().charFormat()});
    return runs;
}

std::vector<QString> BlockTexts(const QTextDocument& document)
{
    std::vector<QString> texts;
    for (QTextBlock block = document.begin(); block != document.end(); block = block.next())
        texts.push_back(block.text());
    return texts;
}

// The format of the first run that contains the text.
QTextCharFormat FormatOf(const QTextDocument& document, const QString& text)
{
    for (const TRun& run : Runs(document))
        if (run.Text.contains(text))
            return run.Format;
    ADD_FAILURE() << "no run contains " << text.toStdString();
    return {};
}

std::optional<QColor> Foreground(const QTextCharFormat& format)
{
    if (!format.hasProperty(QTextFormat::ForegroundBrush))
        return std::nullopt;
    return format.foreground().color();
}

QString Family(const QTextCharFormat& format)
{
    return format.fontFamilies().toStringList().join(u',');
}

QTextDocument& Loaded(QTextDocument& document, const std::string& rtf)
{
    LoadRtf(document, QByteArray(rtf.data(), static_cast<qsizetype>(rtf.size())));
    return document;
}

// ---------------------------------------------------------------------------------------------
// The help document

struct THelpCase
{
    bool MultiPort;
    std::vector<QString> Blocks;
};

void PrintTo(const THelpCase& help, std::ostream* out)
{
    *out << "MultiPort " << help.MultiPort;
}

const std::vector<QString> HelpBlocks {
    "VARDO ZX-4410 Series Settings Program",
    "",
    "This program will help you configure the option jumpers and settings associated with this "
    "product. You should have the product in-hand when first using this program.",
    "",
    "Yellow circles provide information on configuring jumpers and switches.",
    "",
    "Blue circles are informational only. They provide information on standard and optional "
    "features of the product family.",
    "",
    "Red circles handle calibration and types of configuration that require actually controlling "
    "the hardware device. Run this settings program again once the card is installed. Repeat the "
    "setup circles (using the same settings) to configure this program, then perform the "
    "calibration circles.",
    "",
    "Mouse over the highlight circles to see configuration or information popups for setup, "
    "features, and calibration. Click a highlight circle to make its popup remain on-screen. You "
    "can have all or as many of these popups onscreen at the same time as you desire.",
    "",
};

std::vector<QString> WithNote(std::vector<QString> blocks)
{
    blocks.push_back(QString::fromUtf8(
        "Note: Make sure to set the jumpers for each option group \u2014 the configuration options "
        "for each port are handled identically; this program only shows the setup once, but you "
        "need to perform this setup for each group of options on your device."));
    blocks.push_back("");
    return blocks;
}

class HelpDocumentTest : public ::testing::TestWithParam<THelpCase>
{
protected:
    void SetUp() override
    {
        LoadRtf(document, HelpDocument({"VARDO", "ZX-4410", true, GetParam().MultiPort}));
    }
    QTextDocument document;
};

TEST_P(HelpDocumentTest, ParagraphsAreThoseThatParEnds)
{
    EXPECT_EQ(BlockTexts(document), GetParam().Blocks);
}

TEST_P(HelpDocumentTest, EveryRunIsVerdana)
{
    for (const TRun& run : Runs(document))
        EXPECT_EQ(Family(run.Format), "Verdana") << run.Text.toStdString();
}

TEST_P(HelpDocumentTest, HighlightedWordsTakeTheirSizeWeightAndColour)
{
    struct TLook
    {
        QString Text;
        double Points;
        bool Bold;
        QColor Colour;
    };
    std::vector<TLook> looks {
        {"VARDO ZX-4410 Series Settings Program", 16, true, DarkGrey},
        {"Yellow circles", 12, true, Yellow},
        {"Blue circles", 12, true, Blue},
        {"Red circles", 12, true, Red},
        {"setup circles", 12, false, Yellow},
        {"calibration circles", 12, false, Red},
        {"setup", 12, false, Yellow},
        {"features", 12, false, Blue},
        {"calibration", 12, false, Red},
    };
    if (GetParam().MultiPort)
        looks.push_back({"Note:", 16, true, DarkGrey});

    const std::vector<TRun> runs = Runs(document);
    for (const TRun& run : runs) {
        SCOPED_TRACE(run.Text.toStdString());
        const auto look = std::find_if(looks.begin(), looks.end(),
            [&](const TLook& candidate) { return candidate.Text == run.Text; });
        // Every run that is not one of the highlighted words is plain dark grey 12-point text.
        const TLook expected = look != looks.end() ? *look : TLook {run.Text, 12, false, DarkGrey};
        EXPECT_DOUBLE_EQ(run.Format.fontPointSize(), expected.Points);
        EXPECT_EQ(run.Format.fontWeight() == QFont::Bold, expected.Bold);
        EXPECT_EQ(Foreground(run.Format), expected.Colour);
        EXPECT_FALSE(run.Format.fontItalic());
    }
    for (const TLook& look : looks)
        EXPECT_TRUE(std::any_of(
            runs.begin(), runs.end(), [&](const TRun& run) { return run.Text == look.Text; }))
            << look.Text.toStdString() << " is not a run of its own";
}

INSTANTIATE_TEST_SUITE_P(MultiPort, HelpDocumentTest,
    ::testing::Values(THelpCase {false, HelpBlocks}, THelpCase {true, WithNote(HelpBlocks)}),
    [](const auto& info) { return info.param.MultiPort ? "On" : "Off"; });

TEST(RtfReader, HelpTitleFollowsTheSeriesSetting)
{
    QTextDocument document;
    LoadRtf(document, HelpDocument({"", "ZX-4410", false, false}));
    EXPECT_EQ(document.begin().text(), " ZX-4410 Settings Program");
}

// ---------------------------------------------------------------------------------------------
// Text

struct TTextCase
{
    const char* Name;
    std::string Rtf;
    QString Text; // the raw text: blocks separated by U+2029
};

void PrintTo(const TTextCase& text, std::ostream* out)
{
    *out << text.Name;
}

class RtfTextTest : public ::testing::TestWithParam<TTextCase>
{
};

TEST_P(RtfTextTest, ReadsTheText)
{
    QTextDocument document;
    EXPECT_EQ(Loaded(document, GetParam().Rtf).toRawText(), GetParam().Text);
}

QString U(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

INSTANTIATE_TEST_SUITE_P(Escapes, RtfTextTest,
    ::testing::Values(TTextCase {"Braces", R"({\rtf1 a\\b\{c\}d})", R"(a\b{c}d)"},
        TTextCase {"HexEscape", R"({\rtf1 caf\'e9})", U("caf\u00e9")},
        TTextCase {"HexEscapeWindows1252", R"({\rtf1 \'80\'93x\'94})", U("\u20ac\u201cx\u201d")},
        TTextCase {"RawWindows1252Bytes", "{\\rtf1 \x80 caf\xe9}", U("\u20ac caf\u00e9")},
        TTextCase {"UnicodeWithFallback", R"({\rtf1\uc1 \u8364?})", U("\u20ac")},
        TTextCase {"FallbackCountsEscapes", R"({\rtf1\uc1 \u8364\'80x})", U("\u20acx")},
        TTextCase {"FallbackOfTwo", R"({\rtf1\uc2 \u8364??x})", U("\u20acx")},
        TTextCase {"FallbackEndsAtBrace", R"({\rtf1\uc5 {\u8364}x})", U("\u20acx")},
        TTextCase {"NegativeUnicode", R"({\rtf1\uc0 \u-4064})", U("\uf020")},
        TTextCase {"SurrogatePair", R"({\rtf1\uc0 \u-10179\u-8704})", U("\U0001F600")},
        TTextCase {"LoneSurrogate", R"({\rtf1\uc0 \u-10179 x})", U("\ufffdx")},
        TTextCase {"Dashes", R"({\rtf1 a\emdash b\endash c})", U("a\u2014b\u2013c")},
        TTextCase {"DelimiterIsConsumedOnce", R"({\rtf1 a\emdash  b})", U("a\u2014 b")},
        TTextCase {"ControlSymbols", R"({\rtf1 a\~b\-c\_d})", U("a\u00a0bc\u2011d")},
        TTextCase {"TabAndLine", R"({\rtf1 a\tab b\line c})", U("a\tb\u2028c")},
        TTextCase {"Quotes", R"({\rtf1 \ldblquote a\rdblquote  \lquote b\rquote})",
            U("\u201ca\u201d \u2018b\u2019")},
        TTextCase {"LineBreaksInSourceAreNotText", "{\\rtf1 a\r\nb\rc\nd}", "abcd"},
        TTextCase {"BackslashNewlineIsPar", "{\\rtf1 a\\\r\nb}", U("a\u2029b")},
        TTextCase {"ParEndsParagraph", R"({\rtf1 a\par b})", U("a\u2029b")},
        TTextCase {"FinalParAddsNoParagraph", R"({\rtf1 a\par})", "a"},
        TTextCase {"TwoFinalParsLeaveOneEmpty", R"({\rtf1 a\par\par})", U("a\u2029")},
        TTextCase {"LeadingPar", R"({\rtf1\par a})", U("\u2029a")},
        TTextCase {"UnknownWordsAreSkipped", R"({\rtf1\foo12\bar-3 x\baz})", "x"},
        TTextCase {"StarredDestinationIsSkipped", R"({\rtf1{\*\generator Riched20;}x})", "x"},
        TTextCase {"InformationIsSkipped", R"({\rtf1{\info{\title T}{\author A}}x})", "x"},
        TTextCase {"StyleSheetIsSkipped", R"({\rtf1{\stylesheet{\s0 Normal;}}x})", "x"},
        TTextCase {"TablesAreNotText", R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red1;}x})", "x"},
        TTextCase {"BinaryDataIsSkipped", R"({\rtf1 a\bin3 {}\b})", "ab"},
        TTextCase {"FieldResultIsShown",
            R"({\rtf1{\field{\*\fldinst HYPERLINK "u"}{\fldrslt link}}})", "link"}),
    [](const auto& info) { return std::string(info.param.Name); });

INSTANTIATE_TEST_SUITE_P(Malformed, RtfTextTest,
    ::testing::Values(TTextCase {"Empty", "", ""},
        TTextCase {"ExtraClosingBraces", R"(}}a{\rtf1 b}}}c)", "abc"},
        TTextCase {"MissingClosingBraces", R"({\rtf1{\b a{\i b)", "ab"},
        TTextCase {"OnlyAWord", R"({\rtf1\b)", ""}, TTextCase {"LoneBackslash", "\\", ""},
        TTextCase {"BackslashAtEnd", R"({\rtf1 a\)", "a"},
        TTextCase {"HugeNumber", R"({\fs99999999999999 x})", "x"},
        TTextCase {"HugeNegativeNumber", R"({\fs-99999999999999 x})", "x"},
        TTextCase {"HexEscapeCutOff", R"({\rtf1 a\'4)", "a4"},
        TTextCase {"HexEscapeNotHex", R"({\rtf1 a\'zzb})", "azzb"},
        TTextCase {"BinaryBeyondTheEnd", R"({\rtf1 a\bin999999 bcd})", "a"},
        TTextCase {"NegativeBinary", R"({\rtf1 a\bin-5 b})", "ab"},
        TTextCase {"UnicodeWithoutNumber", R"({\rtf1 a\u b})", "ab"},
        TTextCase {"HugeFallbackStopsAtBrace", R"({\rtf1{\uc99999 \u65 abc}d})", "Ad"},
        TTextCase {"NulAndControlBytes", "{\\rtf1 a\0b\x01\x1f"s + "c}", "abc"},
        TTextCase {"ControlCharactersByNumber", R"({\rtf1\uc0 a\u0 \u13 \u8233 \'0db})", "ab"},
        TTextCase {"ColourIndexOutOfTable", R"({\colortbl;}\cf5 x)", "x"},
        TTextCase {"FontTableWithoutGroups", R"({\fonttbl\f0 Arial;\f1 Times}x)", "x"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(RtfReader, DeepNestingKeepsTheText)
{
    QTextDocument document;
    const std::string rtf = std::string(100000, '{') + "x";
    EXPECT_EQ(Loaded(document, rtf).toRawText(), "x");
}

TEST(RtfReader, GroupsBeyondTheDepthLimitRestoreTheOuterState)
{
    QTextDocument document;
    const std::string rtf = std::string(300, '{') + R"(\b x)" + std::string(300, '}') + "y";
    Loaded(document, rtf);
    EXPECT_EQ(document.toRawText(), "xy");
    EXPECT_EQ(FormatOf(document, "x").fontWeight(), QFont::Bold);
    EXPECT_EQ(FormatOf(document, "y").fontWeight(), QFont::Normal);
}

TEST(RtfReader, RandomBytesGiveOnlyShowableText)
{
    // Bytes drawn from the RTF alphabet reach the parser's paths; the rest are any byte at all.
    const std::string alphabet = "{}\\\\\\'bfsucparlinemdshx0123456789- ;*\r\n\t\x80\xe9"s + '\0';
    std::mt19937 random(4410);
    for (int round = 0; round < 50; ++round) {
        std::string rtf;
        for (int i = 0; i < 4000; ++i)
            rtf += round % 2 ? static_cast<char>(random() & 0xFF)
                             : alphabet[random() % alphabet.size()];
        QTextDocument document;
        const QString text = Loaded(document, rtf).toRawText();
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            EXPECT_TRUE(c == u'\t' || c == QChar::ParagraphSeparator || c.unicode() >= 0x20)
                << "round " << round << ": U+" << std::hex << int {c.unicode()};
            EXPECT_FALSE(c.isLowSurrogate() && (i == 0 || !text[i - 1].isHighSurrogate()));
        }
    }
}

TEST(RtfReader, LoadingReplacesTheContentAndLeavesNothingToUndo)
{
    QTextDocument document;
    document.setPlainText("old");
    LoadRtf(document, R"({\rtf1 new})");
    EXPECT_EQ(document.toRawText(), "new");
    EXPECT_FALSE(document.isUndoAvailable());
    EXPECT_TRUE(document.isUndoRedoEnabled());
}

// ---------------------------------------------------------------------------------------------
// Formats

struct TFormatCase
{
    const char* Name;
    std::string Rtf; // formats the character x
    QString Family;
    double Points;
    bool Bold;
    bool Italic;
    std::optional<QColor> Colour; // none: the automatic colour
};

void PrintTo(const TFormatCase& format, std::ostream* out)
{
    *out << format.Name;
}

class RtfFormatTest : public ::testing::TestWithParam<TFormatCase>
{
};

TEST_P(RtfFormatTest, FormatsTheText)
{
    QTextDocument document;
    const QTextCharFormat format = FormatOf(Loaded(document, GetParam().Rtf), "x");
    EXPECT_EQ(Family(format), GetParam().Family);
    EXPECT_DOUBLE_EQ(format.fontPointSize(), GetParam().Points);
    EXPECT_EQ(format.fontWeight() == QFont::Bold, GetParam().Bold);
    EXPECT_EQ(format.fontItalic(), GetParam().Italic);
    EXPECT_EQ(Foreground(format), GetParam().Colour);
}

const std::string Tables = R"({\fonttbl{\f0\froman Times New Roman;}{\f1\fswiss\fcharset0 Arial;}})"
                           R"({\colortbl;\red10\green20\blue30;\red300\green-4;})";

INSTANTIATE_TEST_SUITE_P(Cases, RtfFormatTest,
    ::testing::Values(TFormatCase {"Defaults", R"({\rtf1 x})", "", 12, false, false, std::nullopt},
        TFormatCase {"DefaultFont", R"({\rtf1\deff1)" + Tables + "x}", "Arial", 12, false, false,
            std::nullopt},
        TFormatCase {"FontByNumber", R"({\rtf1)" + Tables + R"(\f0 x})", "Times New Roman", 12,
            false, false, std::nullopt},
        TFormatCase {"FontNotInTable", R"({\rtf1)" + Tables + R"(\f7 x})", "", 12, false, false,
            std::nullopt},
        TFormatCase {"FontEntryWithoutSemicolon", R"({\rtf1{\fonttbl{\f3 Tahoma}}\f3 x})", "Tahoma",
            12, false, false, std::nullopt},
        TFormatCase {"FontTableWithoutGroups", R"({\fonttbl\f0 Arial;\f1 Courier New;}\f1 x)",
            "Courier New", 12, false, false, std::nullopt},
        TFormatCase {"HalfPoints", R"({\rtf1\fs21 x})", "", 10.5, false, false, std::nullopt},
        TFormatCase {
            "HugeSizeIsClamped", R"({\fs99999999999999 x})", "", 1638, false, false, std::nullopt},
        TFormatCase {"ZeroSizeIsClamped", R"({\fs0 x})", "", 1, false, false, std::nullopt},
        TFormatCase {
            "SizeWithoutNumberIsTheDefault", R"({\fs40\fs x})", "", 12, false, false, std::nullopt},
        TFormatCase {"Colour", R"({\rtf1)" + Tables + R"(\cf1 x})", "", 12, false, false,
            QColor(10, 20, 30)},
        TFormatCase {"ComponentsAreClamped", R"({\rtf1)" + Tables + R"(\cf2 x})", "", 12, false,
            false, QColor(255, 0, 0)},
        TFormatCase {"EmptyFirstEntryIsAutomatic", R"({\rtf1)" + Tables + R"(\cf1\cf0 x})", "", 12,
            false, false, std::nullopt},
        TFormatCase {
            "ColourOutOfTable", R"({\colortbl;}\cf5 x)", "", 12, false, false, std::nullopt},
        TFormatCase {"NegativeColour", R"({\rtf1)" + Tables + R"(\cf-1 x})", "", 12, false, false,
            std::nullopt},
        TFormatCase {"BoldAndItalic", R"({\rtf1\b\i x})", "", 12, true, true, std::nullopt},
        TFormatCase {"BoldOff", R"({\rtf1\b\b0 x})", "", 12, false, false, std::nullopt},
        TFormatCase {
            "GroupEndRestores", R"({\rtf1{\b\i\fs40\cf1 a}x})", "", 12, false, false, std::nullopt},
        TFormatCase {"PlainResets", R"({\rtf1\deff1)" + Tables + R"(\f0\b\fs40\cf1\plain x})",
            "Arial", 12, false, false, std::nullopt}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(RtfReader, ParagraphsTakeTheAlignmentInForceAtTheirEnd)
{
    QTextDocument document;
    Loaded(document, R"({\rtf1\qc a\par\pard b\par c\qr\par{\qj d}})");
    std::vector<Qt::Alignment> alignments;
    for (QTextBlock block = document.begin(); block != document.end(); block = block.next())
        alignments.push_back(block.blockFormat().alignment());
    EXPECT_EQ(alignments,
        (std::vector<Qt::Alignment> {
            Qt::AlignHCenter, Qt::AlignLeft, Qt::AlignRight, Qt::AlignJustify}));
}

TEST(RtfReader, EmptyParagraphKeepsTheFormatOfItsBreak)
{
    QTextDocument document;
    Loaded(document, R"({\rtf1 a\par\fs40\par b})");
    EXPECT_DOUBLE_EQ(document.findBlockByNumber(1).charFormat().fontPointSize(), 20);
}

// ---------------------------------------------------------------------------------------------
// Tokens

struct TTokenCase
{
    const char* Name;
    std::string Rtf;
    std::string Tokens;
};

void PrintTo(const TTokenCase& tokens, std::ostream* out)
{
    *out << tokens.Name;
}

std::string Describe(const TRtfToken& token)
{
    switch (token.Kind) {
    case TRtfTokenKind::GroupStart:
        return "{";
    case TRtfTokenKind::GroupEnd:
        return "}";
    case TRtfTokenKind::ControlWord:
        return "\\" + std::string(token.Word)
            + (token.HasParameter ? std::to_string(token.Parameter) : "");
    case TRtfTokenKind::ControlSymbol:
        return "\\" + std::string(1, static_cast<char>(token.Byte));
    case TRtfTokenKind::HexChar:
        return "'" + std::to_string(token.Byte);
    case TRtfTokenKind::Text:
        return std::string(1, static_cast<char>(token.Byte));
    case TRtfTokenKind::End:
        break;
    }
    return "end";
}

class RtfTokenizerTest : public ::testing::TestWithParam<TTokenCase>
{
};

TEST_P(RtfTokenizerTest, SplitsIntoTokens)
{
    const QByteArray rtf(GetParam().Rtf.data(), static_cast<qsizetype>(GetParam().Rtf.size()));
    TRtfTokenizer tokenizer(rtf);
    std::string tokens;
    for (TRtfToken token = tokenizer.Next(); token.Kind != TRtfTokenKind::End;
         token = tokenizer.Next())
        tokens += Describe(token) + " ";
    EXPECT_EQ(tokens, GetParam().Tokens);
}

INSTANTIATE_TEST_SUITE_P(Cases, RtfTokenizerTest,
    ::testing::Values(TTokenCase {"Groups", "{a}", "{ a } "},
        TTokenCase {"WordWithDelimiter", R"(\b0 x)", R"(\b0 x )"},
        TTokenCase {"OnlyOneDelimiter", R"(\b  x)", R"(\b   x )"},
        TTokenCase {"NegativeParameter", R"(\u-4064?)", R"(\u-4064 ? )"},
        TTokenCase {"MinusWithoutDigitIsText", R"(\b-x)", R"(\b - x )"},
        TTokenCase {"WordEndsAtNonLetter", R"(\par;)", R"(\par ; )"},
        TTokenCase {"HugeParameterSaturates", R"(\fs99999999999999 \fs-99999999999999 )",
            R"(\fs2147483647 \fs-2147483647 )"},
        TTokenCase {"Symbols", R"(\\\{\}\~\*)", R"(\\ \{ \} \~ \* )"},
        TTokenCase {"HexEscape", R"(\'e9\'4)", R"('233 \' 4 )"},
        TTokenCase {"LineBreaksAreNotTokens", "a\r\nb", "a b "},
        TTokenCase {"BackslashNewline", "\\\nb", "\\\n b "},
        TTokenCase {"BinarySkipsItsData", R"(\bin3 {}\x)", R"(\bin3 x )"},
        TTokenCase {"BinaryBeyondTheEnd", R"(\bin9 ab)", R"(\bin9 )"},
        TTokenCase {"LoneBackslashAtEnd", R"(a\)", "a "}, TTokenCase {"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
