// Redraws the main window's picture and the program's icons; kept so that all of them can be
// redrawn.
#include "icon.h"
#include "picture.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <array>
#include <cstdio>
#include <vector>

namespace {

// Runs of equal pixels, row after row, as the program keeps its picture: pairs of 32-bit words
// in this machine's byte order, the count, then the colour as 0xffRRGGBB.
QByteArray pixelRuns(const QImage& image) {
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    std::vector<quint32> runs;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const quint32*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            if (!runs.empty() && runs.back() == row[x])
                ++runs[runs.size() - 2];
            else
                runs.insert(runs.end(), {1, row[x]});
        }
    }
    return QByteArray(reinterpret_cast<const char*>(runs.data()),
                      static_cast<qsizetype>(runs.size() * sizeof(quint32)));
}

// A name ending in ".runs" gets the pixel runs; any other, the format it names.
bool save(const QImage& image, const QString& name) {
    QFile file(name);
    if (name.endsWith(QLatin1String(".runs"))) {
        const QByteArray runs = pixelRuns(image);
        if (file.open(QIODevice::WriteOnly) && file.write(runs) == runs.size())
            return true;
    } else if (image.save(name)) {
        return true;
    }
    std::fprintf(stderr, "draw_picture: cannot write %s\n", qPrintable(name));
    return false;
}

bool saveText(const QString& text, const QString& name) {
    QFile file(name);
    const QByteArray bytes = text.toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        return true;
    std::fprintf(stderr, "draw_picture: cannot write %s\n", qPrintable(name));
    return false;
}

// The sizes a desktop asks the hicolor theme for.
constexpr std::array<int, 8> iconSizes{16, 22, 24, 32, 48, 64, 128, 256};

bool saveIcons(const QDir& theme) {
    for (int size : iconSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!theme.mkpath(folder) ||
            !save(draw::drawIcon(size), theme.filePath(folder + QStringLiteral("/plicora.png"))))
            return false;
    }
    return theme.mkpath(QStringLiteral("scalable/apps")) &&
           saveText(draw::iconSvg(), theme.filePath(QStringLiteral("scalable/apps/plicora.svg")));
}

} // namespace

int main(int argc, char* argv[]) {
    // Text rendering needs a platform plugin; offscreen works without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 3) {
        std::fprintf(stderr,
                     "usage: draw_picture PICTURE_FOLDER ICON_THEME_FOLDER\n"
                     "  writes main_picture.runs and main_picture@2x.png, and the\n"
                     "  icons as SIZExSIZE/apps/plicora.png and scalable/apps/plicora.svg\n");
        return 2;
    }
    const QDir pictures(QString::fromLocal8Bit(argv[1]));
    const QDir theme(QString::fromLocal8Bit(argv[2]));
    const bool saved =
        save(draw::drawPicture(1), pictures.filePath(QStringLiteral("main_picture.runs"))) &&
        save(draw::drawPicture(2), pictures.filePath(QStringLiteral("main_picture@2x.png"))) &&
        saveIcons(theme);
    return saved ? 0 : 1;
}
