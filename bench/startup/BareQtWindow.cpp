// The smallest Qt Widgets program that does what the settings program does before its first
// paint: decode the card photograph with libjpeg-turbo and draw it centred in an 826 x 631
// window. Its start-up time and memory are the yardstick for the real program's.
// With --like-program the picture sits under a menu bar of three menus in a window the size of
// the screen, as the maximised settings program shows it: what plain Qt costs for that sight.
// Usage: BareQtWindow [--like-program] [photo.jpg]
#include "JpegFile.h"
#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>

namespace {
class PhotoView : public QWidget
{
public:
    explicit PhotoView(QImage photo) : photo_(std::move(photo)) { }

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

std::unique_ptr<QWidget> MakeWindow(QImage photo, bool likeProgram)
{
    auto view = std::make_unique<PhotoView>(std::move(photo));
    if (!likeProgram) {
        view->resize(826, 631);
        return view;
    }
    auto window = std::make_unique<QMainWindow>();
    window->setCentralWidget(view.release());
    for (const char* title : {"&File", "&Settings", "&Help"})
        window->menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
    // Without a window manager a maximised window keeps its size: fill the screen here.
    window->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    return window;
}
} // namespace

int main(int argc, char** argv)
{
    // The same event dispatcher as the settings program, which chooses Qt's own.
    qputenv("QT_NO_GLIB", "1");
    QApplication application(argc, argv);
    const bool likeProgram = argc > 1 && std::strcmp(argv[1], "--like-program") == 0;
    const char* const path = argc > 1 + likeProgram ? argv[1 + likeProgram] : ZX_PHOTO;
    try {
        const std::unique_ptr<QWidget> window = MakeWindow(DecodePhoto(path), likeProgram);
        window->setWindowTitle(QStringLiteral("Bare"));
        window->show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "BareQtWindow: %s\n", error.what());
        return 1;
    }
}
