#pragma once
// A holder of one graphic of any registered kind, as window definitions store pictures.

#include "vcl/Graphic.h"
#include <functional>
#include <memory>

// Holds one graphic; notifies OnChange whenever it changes.
class TPicture : public TObject
{
    VCL_CLASS(TPicture, TObject)
public:
    using GraphicFactory = std::function<std::unique_ptr<TGraphic>()>;
    // Makes a graphic class known to window definitions by its class name (letters without
    // case). TBitmap and TJPEGImage are known from the start.
    static void RegisterGraphicClass(const String& className, GraphicFactory factory);

    TPicture() = default;
    TPicture(const TPicture&) = delete; // the graphic reports its changes to this very object
    TPicture& operator=(const TPicture&) = delete;

    TGraphic* Graphic() const { return graphic_.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }
    // Copies source's graphic (duplicated); an empty source empties this picture.
    void Assign(const TPicture& source);
    // Reads a picture as a window definition holds it: the graphic's class name as a
    // length-prefixed string, then the graphic's data. An empty class name is an empty picture.
    // Raises EReadError on a truncated stream and EInvalidGraphic on an unknown class or bad data;
    // the picture is then unchanged.
    void ReadData(QIODevice& stream);

    TNotifyEvent OnChange;

private:
    void Changed();
    std::unique_ptr<TGraphic> graphic_;
};
