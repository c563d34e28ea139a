// The program's other paths worth timing: decoding the photograph, painting the board image,
// drawing the cable diagram and building the help document.
#include "app/BoardPhoto.h"
#include "app/MainForm.h"
#include "setupctrls/BoardImage.h"
#include "setupctrls/SetupTexts.h"
#include "vcl/JpegDecoder.h"
#include "vcl/PaintBox.h"
#include "vcl/RtfReader.h"
#include <QImage>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {
// The JPEG bytes of the photograph, without the window definition's framing.
QByteArray PhotoJpeg()
{
    const QByteArray definition = BoardPhotoDefinitionBytes();
    const int header = 1 + definition.at(0) + 4; // class name and byte count
    return definition.mid(header);
}

void DecodePhotograph(benchmark::State& state)
{
    const QByteArray jpeg = PhotoJpeg();
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeJpeg(jpeg).constBits());
}
BENCHMARK(DecodePhotograph)->Unit(benchmark::kMillisecond);

void PaintBoardImage(benchmark::State& state)
{
    TMainForm form(nullptr);
    TBoardImage* board = form.BoardImage1;
    QImage surface(600, 409, QImage::Format_RGB32);
    board->SetCenterOnForm(false);
    for (auto _ : state) {
        board->Canvas().Bind(&surface, QPoint(), surface.rect());
        board->Paint();
        board->Canvas().Unbind();
        benchmark::DoNotOptimize(surface.constBits());
    }
}
BENCHMARK(PaintBoardImage)->Unit(benchmark::kMicrosecond);

void PaintCableDiagram(benchmark::State& state)
{
    TMainForm form(nullptr);
    QImage surface(385, 97, QImage::Format_RGB32);
    for (auto _ : state) {
        form.ConnectPaint->PaintIn(surface, surface.rect());
        benchmark::DoNotOptimize(surface.constBits());
    }
}
BENCHMARK(PaintCableDiagram)->Unit(benchmark::kMicrosecond);

void BuildHelpDocument(benchmark::State& state)
{
    THelpTopics topics;
    topics.CompanyName = QStringLiteral("VARDO");
    topics.CardName = QStringLiteral("ZX-4410");
    for (auto _ : state) {
        QTextDocument document;
        LoadRtf(document, HelpDocument(topics));
        benchmark::DoNotOptimize(document.characterCount());
    }
}
BENCHMARK(BuildHelpDocument)->Unit(benchmark::kMicrosecond);
} // namespace
