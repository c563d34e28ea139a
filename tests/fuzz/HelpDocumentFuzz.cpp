// libFuzzer entry point for the setup supporter's help document: whatever the settings' texts
// and flags, the document must read back with the title the settings make (the texts are data,
// never RTF), and reading it must not crash, trip a sanitizer or run away.
//
// Input: one byte of flags (bit 0 bSeries, bit 1 MultiPort, bit 2 card list), then the company
// name and the card name as UTF-16 code units, separated by the first unit 0xFFFF.
#include "setupctrls/SetupTexts.h"
#include "vcl/RtfReader.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <cstdint>
#include <cstdlib>

namespace {

// Fonts and layout need a QGuiApplication; one is made on the first input and kept to the end.
void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "HelpDocumentFuzz";
    static char* argv[] = {name, nullptr};
    static const QGuiApplication* application = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return new QGuiApplication(argc, argv);
    }();
    (void)application;
}

QString Units(const std::uint8_t* data, std::size_t size)
{
    QString text(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text[static_cast<qsizetype>(i / 2)]
            = QChar(static_cast<char16_t>(data[i] | data[i + 1] << 8));
    return text;
}

// Characters that read back as they are: no control characters (a rich-text box shows none),
// no paragraph separators and no halves of surrogate pairs, which the reader replaces.
bool ReadsBackUnchanged(const QString& text)
{
    for (const QChar ch : text) {
        const char16_t unit = ch.unicode();
        if ((unit < 0x20 && unit != u'\t') || (unit >= 0x7F && unit < 0xA0) || ch.isSurrogate()
            || unit == QChar::ParagraphSeparator || unit == 0xFDD0 || unit == 0xFDD1)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    EnsureApplication();
    const std::uint8_t flags = data[0];
    const QString names = Units(data + 1, size - 1);
    const qsizetype split = names.indexOf(QChar(0xFFFF));
    THelpTopics topics;
    topics.CompanyName = split < 0 ? names : names.left(split);
    topics.CardName = split < 0 ? QString() : names.mid(split + 1);
    topics.bSeries = flags & 1;
    topics.MultiPort = flags & 2;
    topics.CardList = flags & 4;

    QTextDocument document;
    LoadRtf(document, HelpDocument(topics));
    (void)document.size();

    const QString title = topics.CompanyName + QLatin1Char(' ') + topics.CardName
        + (topics.bSeries ? QStringLiteral(" Series") : QString())
        + QStringLiteral(" Settings Program");
    if (ReadsBackUnchanged(title) && document.firstBlock().text() != title)
        std::abort();
    return 0;
}
