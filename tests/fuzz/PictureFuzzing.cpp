#include "PictureFuzzing.h"
#include "vcl/Bitmap.h"
#include "vcl/Picture.h"
#include "vcl/SysUtils.h"
#include <QBuffer>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Finding(const char* what)
{
    std::fprintf(stderr, "FINDING: %s\n", what);
    std::abort();
}

} // namespace

void ReadStoredPicture(QByteArray stored)
{
    TPicture picture;
    picture.SetGraphic(std::make_unique<TBitmap>());
    const TGraphic* const before = picture.Graphic();
    int changes = 0;
    picture.OnChange = [&changes](TObject*) { ++changes; };
    QBuffer buffer(&stored);
    buffer.open(QIODevice::ReadOnly);
    bool failed = false;
    try {
        picture.ReadData(buffer);
    } catch (const EReadError&) {
        failed = true;
    } catch (const EInvalidGraphic&) {
        failed = true;
    }
    if (failed && (picture.Graphic() != before || changes != 0))
        Finding("a failed read changed the picture");
    if (!failed && changes != 1)
        Finding("a read reported other than one change");
    if (!failed && picture.Graphic()) {
        const auto copy = picture.Graphic()->Clone();
        if (copy->Width() != picture.Width() || copy->Height() != picture.Height())
            Finding("a copy of the graphic has another size");
    }
}
