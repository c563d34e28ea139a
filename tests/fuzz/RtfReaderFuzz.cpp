// libFuzzer entry point for the RTF reader: no byte sequence may crash it, trip a sanitizer or
// make it run away. The document is also laid out, as the help window's rich-text box does.
#include "vcl/RtfReader.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdlib>

namespace {

// Fonts and layout need a QGuiApplication; one is made on the first input and kept to the end.
void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "RtfReaderFuzz";
    static char* argv[] = {name, nullptr};
    static const QGuiApplication* application = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return new QGuiApplication(argc, argv);
    }();
    (void)application;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    EnsureApplication();
    QTextDocument document;
    LoadRtf(document,
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    (void)document.size();
    return 0;
}
