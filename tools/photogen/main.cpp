// Renders the card photograph and the application icon used by the setup program.
//   photogen --photo <file.jpg> --icon <file.png>

#include "CardIcon.h"
#include "CardPhoto.h"
#include "JpegWriter.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <exception>
#include <stdexcept>

namespace {

constexpr qsizetype kPhotoTargetBytes = 56 * 1024;
constexpr int kIconSize = 256;

void writePhoto(const QString& path)
{
    CardPhoto photo;
    int quality = 0;
    const QByteArray data = jpeg::encodeNear(photo.render(), kPhotoTargetBytes, &quality);
    jpeg::save(data, path);
    std::printf("%s: %lld bytes, quality %d\n", qPrintable(path),
        static_cast<long long>(data.size()), quality);
}

void writeIcon(const QString& path)
{
    if (!CardIcon(kIconSize).render().save(path, "PNG"))
        throw std::runtime_error("cannot write " + path.toStdString());
    std::printf("%s: %d x %d\n", qPrintable(path), kIconSize, kIconSize);
}

int usage()
{
    std::fprintf(stderr, "usage: photogen [--photo <file.jpg>] [--icon <file.png>]\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    // Text needs a font database but no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.size() % 2 != 0)
        return usage();
    try {
        for (qsizetype i = 0; i < args.size(); i += 2) {
            if (args[i] == QLatin1String("--photo"))
                writePhoto(args[i + 1]);
            else if (args[i] == QLatin1String("--icon"))
                writeIcon(args[i + 1]);
            else
                return usage();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "photogen: %s\n", e.what());
        return 1;
    }
    return 0;
}
