#include "vcl/Picture.h"
#include "vcl/Bitmap.h"
#include "vcl/GraphicStream.h"
#include "vcl/JPEGImage.h"
#include "vcl/SysUtils.h"
#include <map>

namespace {

struct CaseInsensitiveLess
{
    bool operator()(const String& a, const String& b) const
    {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    }
};

using GraphicClasses = std::map<String, TPicture::GraphicFactory, CaseInsensitiveLess>;

template<typename T> std::unique_ptr<TGraphic> Make()
{
    return std::make_unique<T>();
}

GraphicClasses& Registry()
{
    static GraphicClasses classes {
        {QStringLiteral("TBitmap"), Make<TBitmap>},
        {QStringLiteral("TJPEGImage"), Make<TJPEGImage>},
    };
    return classes;
}

std::unique_ptr<TGraphic> CreateGraphic(const String& className)
{
    const auto found = Registry().find(className);
    if (found == Registry().end())
        throw EInvalidGraphic(QStringLiteral("Unknown picture class %1").arg(className));
    return found->second();
}

} // namespace

void TPicture::RegisterGraphicClass(const String& className, GraphicFactory factory)
{
    Registry()[className] = std::move(factory);
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic)
{
    graphic_ = std::move(graphic);
    if (graphic_)
        graphic_->OnChange = [this](TObject*) { Changed(); };
    Changed();
}

void TPicture::Assign(const TPicture& source)
{
    if (&source != this)
        SetGraphic(source.graphic_ ? source.graphic_->Clone() : nullptr);
}

void TPicture::ReadData(QIODevice& stream)
{
    const auto nameLength = static_cast<unsigned char>(ReadExactly(stream, 1).at(0));
    const String className = QString::fromLatin1(ReadExactly(stream, nameLength));
    if (className.isEmpty()) {
        SetGraphic(nullptr);
        return;
    }
    std::unique_ptr<TGraphic> graphic = CreateGraphic(className);
    graphic->ReadData(stream);
    SetGraphic(std::move(graphic));
}

void TPicture::Changed()
{
    if (OnChange)
        OnChange(this);
}
