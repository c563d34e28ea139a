// The smallest Qt Widgets program that does what the settings program does before its first
// paint: decode the card photograph with libjpeg-turbo and draw it centred in a window. Its
// start-up time and memory are the yardstick for the real program's.
// Usage: BareQtWindow [photo.jpg]
#include "JpegFile.h"
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <cstdio>
#include <exception>

namespace {
class BareWindow : public QWidget
{
public:
    explicit BareWindow(QImage photo)
        : photo_(std::move(photo))
    {
        setWindowTitle(QStringLiteral("Bare"));
        resize(826, 631);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawImage((width() - photo_.width()) / 2, (height() - photo_.height()) / 2, photo_);
    }

private:
    QImage photo_;
};

QImage DecodePhoto(const char* path)
{
    QImage photo;
    JpegFile::Decode(path, [&photo](int width, int height, std::size_t& stride) {
        photo = QImage(width, height, QImage::Format_RGB32);
        stride = std::size_t(photo.bytesPerLine());
        return photo.bits();
    });
    return photo;
}
} // namespace

int main(int argc, char** argv)
{
    // The same event dispatcher as the settings program, which chooses Qt's own.
    qputenv("QT_NO_GLIB", "1");
    QApplication application(argc, argv);
    try {
        BareWindow window(DecodePhoto(argc > 1 ? argv[1] : ZX_PHOTO));
        window.show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "BareQtWindow: %s\n", error.what());
        return 1;
    }
}
