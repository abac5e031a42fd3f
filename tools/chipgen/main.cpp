// orvane-chipgen: draws the chip sheet, its mask and the icons, and
// writes them as the files the program is built with.

#include "BitmapFiles.h"
#include "FileTypeIcon.h"
#include "IndexedImage.h"
#include "Palette.h"
#include "Previews.h"
#include "ProgramIcon.h"
#include "SheetPictures.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QTextStream>

#include <stdexcept>

using namespace orvane::chipgen;

namespace {

constexpr int DesktopIconScale = 8; // 256 x 256 for the desktop entry

void writeFile(const QDir& dir, const QString& name, const QByteArray& bytes)
{
    QSaveFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw std::runtime_error(QStringLiteral("cannot write %1: %2")
                                     .arg(file.fileName(), file.errorString())
                                     .toStdString());
}

void writePng(const QDir& dir, const QString& name, const QImage& image)
{
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    if (!image.save(&png, "PNG"))
        throw std::runtime_error(QStringLiteral("cannot encode %1").arg(name).toStdString());
    writeFile(dir, name, png.data());
}

QDir ensureDir(const QString& path)
{
    QDir dir(path);
    if (!dir.mkpath(QStringLiteral(".")))
        throw std::runtime_error(QStringLiteral("cannot create %1").arg(path).toStdString());
    return dir;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvane-chipgen"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Draws ORVANE's chip sheet, chip mask, program icon and maze file icon and writes\n"
        "chipsheet.bmp, chipmask.bmp, orvane.ico, orvane.png, orvane-256.png,\n"
        "application-x-orvane-maze.png and application-x-orvane-maze-256.png."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(
        {QStringLiteral("out"), QStringLiteral("Directory for the files."), QStringLiteral("DIR")});
    parser.addOption({QStringLiteral("preview"),
                      QStringLiteral("Also write 8x enlarged PNG previews into DIR."),
                      QStringLiteral("DIR")});
    parser.process(app);
    if (!parser.isSet(QStringLiteral("out")) || !parser.positionalArguments().isEmpty()) {
        QTextStream(stderr) << "usage: orvane-chipgen --out DIR [--preview DIR]\n";
        return 2;
    }

    try {
        const SheetPictures pictures = drawSheetPictures();
        const Figure icon = programIcon();
        const Palette palette({&pictures.sheet, &pictures.mask, &icon});
        const IndexedImage sheet = toIndexed(pictures.sheet, palette);
        const IndexedImage mask = toIndexed(pictures.mask, palette);
        const IndexedImage iconImage = toIndexed(icon, palette);

        const QDir out = ensureDir(parser.value(QStringLiteral("out")));
        writeFile(out, QStringLiteral("chipsheet.bmp"), bmpFile(sheet, palette));
        writeFile(out, QStringLiteral("chipmask.bmp"), bmpFile(mask, palette));
        writeFile(out, QStringLiteral("orvane.ico"), icoFile(iconImage, palette));
        writePng(out, QStringLiteral("orvane.png"), toQImage(iconImage, palette));
        writePng(out, QStringLiteral("orvane-256.png"),
                 toQImage(iconImage, palette, DesktopIconScale));
        const Figure fileIcon = fileTypeIcon();
        writePng(out, QStringLiteral("application-x-orvane-maze.png"), toArgbImage(fileIcon));
        writePng(out, QStringLiteral("application-x-orvane-maze-256.png"),
                 toArgbImage(fileIcon, DesktopIconScale));

        if (parser.isSet(QStringLiteral("preview"))) {
            const QDir preview = ensureDir(parser.value(QStringLiteral("preview")));
            const QImage sheetImage = toQImage(sheet, palette);
            const QImage maskImage = toQImage(mask, palette);
            writePng(preview, QStringLiteral("chipsheet-8x.png"), enlarged(sheetImage));
            writePng(preview, QStringLiteral("chipmask-8x.png"), enlarged(maskImage));
            writePng(preview, QStringLiteral("orvane-8x.png"),
                     enlarged(toQImage(iconImage, palette)));
            writePng(preview, QStringLiteral("composed-8x.png"),
                     enlarged(composedOverFloors(sheetImage, maskImage)));
        }
    } catch (const std::exception& e) {
        QTextStream(stderr) << "orvane-chipgen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
