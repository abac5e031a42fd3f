// orvane-mdt: inspect ORVANE maze files from the command line.

#include "ChipSheet.h"
#include "Cp932.h"
#include "ImageCanvas.h"
#include "MapRedraw.h"
#include "MazeFile.h"
#include "MazeState.h"
#include "MazeSummary.h"
#include "ProblemText.h"
#include "ThumbnailCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QImageWriter>
#include <QJsonDocument>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

namespace {

int fail(const QString& message)
{
    QTextStream(stderr) << message << Qt::endl;
    return 1;
}

int runInfo(QCommandLineParser& parser, const QStringList& args)
{
    if (args.size() != 2)
        return fail(QStringLiteral("usage: orvane-mdt info [--json] FILE"));
    const orvane::MazeFile::ReadResult read = orvane::MazeFile::read(args[1]);
    if (!read.ok())
        return fail(orvane::problemText(read.error));
    QTextStream out(stdout);
    if (parser.isSet("json"))
        out << QJsonDocument(orvane::summaryJson(*read.maze)).toJson(QJsonDocument::Compact)
            << '\n';
    else
        out << orvane::summaryText(*read.maze);
    return 0;
}

// Largest enlargement of a 128 x 128 map picture (2048 pixels) to 16384 pixels.
constexpr int MaxScale = 8;

int runRender(QCommandLineParser& parser, const QStringList& args)
{
    if (args.size() != 3)
        return fail(QStringLiteral("usage: orvane-mdt render [--scale N] FILE OUT.png"));
    bool scaleOk = false;
    const int scale = parser.value("scale").toInt(&scaleOk);
    if (!scaleOk || scale < 1 || scale > MaxScale)
        return fail(QStringLiteral("orvane-mdt: --scale must be a whole number from 1 to %1")
                        .arg(MaxScale));

    auto maze = std::make_unique<orvane::MazeState>();
    if (const orvane::MazeFileError error = orvane::MazeFile::load(args[1], *maze))
        return fail(orvane::problemText(error));
    const orvane::ChipSheet& chips = orvane::ChipSheet::standard();
    if (chips.isNull())
        return fail(QStringLiteral("orvane-mdt: the chip sheet is missing from this build"));

    orvane::ImageCanvas canvas(chips);
    orvane::RedrawMap(*maze, canvas, maze->header.MapWidth, maze->header.MapHeight);
    QImage picture = canvas.image();
    if (scale > 1)
        picture =
            picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);

    QSaveFile out(args[2]);
    QImageWriter writer(&out, "png");
    if (!out.open(QIODevice::WriteOnly) || !writer.write(picture) || !out.commit())
        return fail(QStringLiteral("orvane-mdt: cannot write %1: %2")
                        .arg(args[2], writer.error() != QImageWriter::UnknownError
                                          ? writer.errorString()
                                          : out.errorString()));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (!orvane::Cp932::isAvailable())
        return fail(
            QStringLiteral("orvane-mdt: the system cannot convert code page 932 (Shift-JIS) text; "
                           "check glibc's gconv modules"));
    QCoreApplication::setApplicationName("orvane-mdt");
    QCoreApplication::setApplicationVersion("1.00");

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Inspect ORVANE maze files (.mdt).\n\n"
        "Commands:\n"
        "  info FILE            print the header and what the map holds\n"
        "  render FILE OUT.png  draw the map as the player shows it\n"
        "  thumbnail FILE OUT.png\n"
        "                       draw the map fitted into N x N pixels (--size)");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({"json", "info: print one JSON object instead of text"});
    parser.addOption(
        {"scale", "render: enlarge by a whole factor N (nearest neighbour)", "N", "1"});
    parser.addOption({"size", "thumbnail: fit the picture into N x N pixels", "N", "128"});
    parser.addPositionalArgument("command", "info, render or thumbnail");
    parser.addPositionalArgument("args", "the command's arguments", "[args...]");
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        parser.showHelp(1);
    if (args[0] == "info")
        return runInfo(parser, args);
    if (args[0] == "render")
        return runRender(parser, args);
    if (args[0] == "thumbnail")
        return orvane::runThumbnail(parser, args);
    return fail(QStringLiteral("orvane-mdt: unknown command '%1' (try --help)").arg(args[0]));
}
