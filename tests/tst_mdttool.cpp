#include "Language.h"
#include "MazeFile.h"
#include "MazeFileMessages.h"
#include "Records.h"
#include "TestMazes.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace orvane;
using namespace orvane::test;

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
    QByteArray bytes; // the standard output as it came
};

// Runs the tool with `input` on its standard input; its standard output goes
// to `outputFile` when one is named.
Run mdt(const QStringList& args, const QByteArray& input = {}, const QString& outputFile = {})
{
    QProcess p;
    if (!outputFile.isEmpty())
        p.setStandardOutputFile(outputFile);
    p.start(QStringLiteral(ORVANE_MDT), args);
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(30000))
        qFatal("orvane-mdt did not finish");
    const QByteArray out = p.readAllStandardOutput();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(out),
            QString::fromUtf8(p.readAllStandardError()), out};
}

// The abc maze with a Japanese title, music, two arrows and a few floors.
MazeData sample()
{
    MazeData m = abcMaze();
    m.header.Title = Cp932::fromUnicode(QStringLiteral("迷路"));
    m.header.MusicFile = "C:\\midi\\a.mid";
    m.grid.at(2, 2) = {FirstFloor, ArrowUp};
    m.grid.at(3, 2) = {FirstFloor, ArrowLeft};
    m.grid.at(32, 0).Chip = FirstFloor; // column 32 is outside the visible map
    m.grid.at(5, 5).Chip = 19;          // neither wall nor floor
    return m;
}

// Draws one chip by choosing, pixel by pixel, the sheet where the mask is
// white and keeping the picture elsewhere.
void compose(QImage& picture, int x, int y, int column, int row)
{
    static const QImage sheet(QStringLiteral(ORVANE_RESOURCES "/chipsheet.bmp"));
    static const QImage mask(QStringLiteral(ORVANE_RESOURCES "/chipmask.bmp"));
    for (int py = 0; py < 16; ++py) {
        for (int px = 0; px < 16; ++px) {
            const QPoint from(column * 16 + px, row * 16 + py);
            if (mask.pixel(from) == qRgb(255, 255, 255))
                picture.setPixel(x * 16 + px, y * 16 + py, sheet.pixel(from));
        }
    }
}

// A 3 x 2 maze with a wall, floors, an item, a cell without a picture, and
// the start and goal markers.
MazeData tiny()
{
    MazeData m;
    m.header.MapWidth = 3;
    m.header.MapHeight = 2;
    m.header.StartX = 1;
    m.header.GoalX = 2;
    m.header.GoalY = 1;
    m.grid.at(0, 0).Chip = 4;
    m.grid.at(1, 0).Chip = 8;
    m.grid.at(2, 0) = {12, ArrowRight};
    m.grid.at(0, 1).Chip = 19;
    m.grid.at(1, 1).Chip = 0;
    m.grid.at(2, 1).Chip = 10;
    return m;
}

// A corridor from the start (1, 2) to the goal (5, 2) on the abc maze.
MazeData corridorMaze()
{
    MazeData m = abcMaze();
    m.header.GoalX = 5;
    m.header.GoalY = 2;
    for (int x = 1; x <= 5; ++x)
        m.grid.at(x, 2).Chip = FirstFloor;
    return m;
}

QImage tinyPicture()
{
    QImage expected(48, 32, QImage::Format_RGB32);
    expected.fill(Qt::black);
    compose(expected, 0, 0, 3, 0);
    compose(expected, 1, 0, 1, 1);
    compose(expected, 2, 0, 5, 1);
    compose(expected, 2, 0, 3, 2); // right arrow
    compose(expected, 1, 1, 0, 0); // chip 0 drawn as chip 1
    compose(expected, 2, 1, 3, 1);
    compose(expected, 1, 0, 4, 2); // start
    compose(expected, 2, 1, 5, 2); // goal
    return expected;
}

} // namespace

class TestMdtTool : public QObject {
    Q_OBJECT

private slots:
    void infoText();
    void infoJson();
    void infoNoLimit();
    void refusedFile();
    void problemsInTheWindowsWords_data();
    void problemsInTheWindowsWords();
    void exitStatus_data();
    void exitStatus();
    void standardStreams_data();
    void standardStreams();
    void fullOutput_data();
    void fullOutput();
    void manualPageMatchesHelp();
    void render();
    void renderScaled();
    void renderRefuses_data();
    void renderRefuses();
    void check_data();
    void check();
    void checkText();
    void renderRoute();
    void thumbnail_data();
    void thumbnail();
    void thumbnailRefuses_data();
    void thumbnailRefuses();
    void textAndBuild();
    void buildRefuses_data();
    void buildRefuses();
    void generate_data();
    void generate();
    void replayAndRun_data();
    void replayAndRun();

private:
    QString saved(const MazeData& m)
    {
        const QString p = dir.filePath("m.mdt");
        if (!MazeFile::write(p, m.header, m.grid).ok())
            qFatal("cannot write sample");
        return p;
    }
    QTemporaryDir dir;
};

void TestMdtTool::infoText()
{
    const Run r = mdt({"info", saved(sample())});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QStringLiteral("title:      迷路\n"
                                   "music:      C:\\midi\\a.mid\n"
                                   "time limit: 60 s\n"
                                   "start:      (1, 2) on chip 7\n"
                                   "goal:       (30, 31) on chip 8\n"
                                   "size:       32 x 32\n"
                                   "walls:      1019\n"
                                   "floors:     4\n"
                                   "arrows:     2\n"));
}

void TestMdtTool::infoJson()
{
    const Run r = mdt({"info", "--json", saved(sample())});
    QCOMPARE(r.status, 0);
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
    QCOMPARE(o["title"].toString(), QStringLiteral("迷路"));
    QCOMPARE(o["music"].toString(), QStringLiteral("C:\\midi\\a.mid"));
    QCOMPARE(o["timeLimit"].toInt(), 60);
    QCOMPARE(o["start"].toObject(), (QJsonObject{{"x", 1}, {"y", 2}, {"chip", 7}}));
    QCOMPARE(o["goal"].toObject(), (QJsonObject{{"x", 30}, {"y", 31}, {"chip", 8}}));
    QCOMPARE(o["width"].toInt(), 32);
    QCOMPARE(o["height"].toInt(), 32);
    QCOMPARE(o["walls"].toInt(), 1019);
    QCOMPARE(o["floors"].toInt(), 4);
    QCOMPARE(o["arrows"].toInt(), 2);
}

void TestMdtTool::infoNoLimit()
{
    MazeData m = sample();
    m.header.TimeLimit = NoTimeLimit;
    const QString file = saved(m);
    QVERIFY(mdt({"info", file}).out.contains("time limit: no limit\n"));
    const QJsonObject o =
        QJsonDocument::fromJson(mdt({"info", "--json", file}).out.toUtf8()).object();
    QVERIFY(o["timeLimit"].isNull());
}

void TestMdtTool::refusedFile()
{
    const QString bad = dir.filePath("short.mdt");
    writeBytes(bad, hex("03 00 61 62"));
    const Run r = mdt({"info", bad});
    QCOMPARE(r.status, 2);
    QVERIFY(r.out.isEmpty());
    QVERIFY2(r.err.contains(bad) && r.err.contains("title"), qPrintable(r.err));
}

void TestMdtTool::problemsInTheWindowsWords_data()
{
    QTest::addColumn<QByteArray>("bytes"); // of the file, which is missing when null
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("title past the end") << hex("03 00 61 62");
}

// The tool words a file it refuses as the windows do in English, on one line.
void TestMdtTool::problemsInTheWindowsWords()
{
    QFETCH(QByteArray, bytes);
    const QString file = dir.filePath("refused.mdt");
    QFile::remove(file);
    if (!bytes.isNull())
        writeBytes(file, bytes);
    const Translations english(UiLanguage::English);
    QVERIFY(english.complete());
    const QString expected = mazeFileMessage(MazeFile::read(file).error).replace('\n', ' ');
    QCOMPARE(mdt({"info", file}).err, "orvane-mdt: " + expected + '\n');
}

// One convention for every command: 0 success, 1 check's no, 2 any error,
// which is told on the standard error in the tool's words and writes nothing.
void TestMdtTool::exitStatus_data()
{
    QTest::addColumn<QStringList>("args"); // "M": a good maze file, "P": a picture to write
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("no arguments") << QStringList{} << 2 << "usage: orvane-mdt info";
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2 << "'frobnicate'";
    QTest::newRow("unknown option") << QStringList{"info", "--bogus", "M"} << 2 << "--bogus";
    QTest::newRow("info --scale") << QStringList{"info", "--scale", "2", "M"} << 2 << "--scale";
    QTest::newRow("check --route") << QStringList{"check", "--route", "M"} << 2 << "--route";
    QTest::newRow("render --json") << QStringList{"render", "--json", "M", "P"} << 2 << "--json";
    QTest::newRow("thumbnail --scale")
        << QStringList{"thumbnail", "--scale=2", "M", "P"} << 2 << "--scale";
    QTest::newRow("missing operand") << QStringList{"render", "M"} << 2 << "OUT.png";
    QTest::newRow("extra operand") << QStringList{"info", "M", "M"} << 2 << "unexpected";
    QTest::newRow("missing value") << QStringList{"check", "M", "--keys-per-second"} << 2 << "N";
    QTest::newRow("no file") << QStringList{"check", "nowhere.mdt"} << 2 << "does not exist";
    QTest::newRow("info") << QStringList{"info", "--", "M"} << 0 << "";
    QTest::newRow("render") << QStringList{"render", "--scale=2", "--route", "M", "P"} << 0 << "";
}

void TestMdtTool::exitStatus()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, message);
    const QString picture = dir.filePath("exit.png");
    QFile::remove(picture);
    args.replaceInStrings(QRegularExpression("^M$"), saved(tiny()));
    args.replaceInStrings(QRegularExpression("^P$"), picture);
    const Run r = mdt(args);
    QCOMPARE(r.status, status);
    QCOMPARE(QFileInfo::exists(picture), status == 0 && args[0] == "render");
    if (status == 2) {
        QVERIFY2(r.err.startsWith("orvane-mdt: ") && r.err.contains(message), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
    } else {
        QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
    }
}

// "-" reads standard input and writes standard output; /dev/stdin reads too.
void TestMdtTool::standardStreams_data()
{
    QTest::addColumn<QString>("input");
    QTest::newRow("-") << "-";
    QTest::newRow("/dev/stdin") << "/dev/stdin";
}

void TestMdtTool::standardStreams()
{
    QFETCH(QString, input);
    QFile file(saved(tiny()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const Run r = mdt({"render", input, "-"}, file.readAll());
    QCOMPARE(r.status, 0);
    QCOMPARE(QImage::fromData(r.bytes, "PNG").convertToFormat(QImage::Format_RGB32), tinyPicture());
    const Run cut = mdt({"info", input}, hex("03 00 61 62"));
    QCOMPARE(cut.status, 2);
    QVERIFY2(cut.err.contains("title"), qPrintable(cut.err));
}

// Standard output on a full disk: an error, whatever the command's answer.
void TestMdtTool::fullOutput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("info") << QStringList{"info"};
    QTest::newRow("check") << QStringList{"check", "--json"};
    QTest::newRow("render -") << QStringList{"render", "-"};
    QTest::newRow("help") << QStringList{"--help"};
}

void TestMdtTool::fullOutput()
{
    QFETCH(QStringList, args);
    const QString file = saved(corridorMaze());
    if (args[0] != "--help")
        args.insert(1, file);
    const Run r = mdt(args, {}, QStringLiteral("/dev/full"));
    QCOMPARE(r.status, 2);
    QVERIFY2(r.err.startsWith("orvane-mdt: cannot write to standard output"), qPrintable(r.err));
}

// Every command and option of --help is in the manual page, and no other option.
void TestMdtTool::manualPageMatchesHelp()
{
    QFile page(QStringLiteral(ORVANE_MANPAGE));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString manual = QString::fromUtf8(page.readAll()).replace("\\-", "-");
    const QString help = mdt({"--help"}).out;
    auto options = [](const QString& text) {
        QStringList names;
        for (const auto& m : QRegularExpression("(?<![\\w-])--?[a-z][a-z-]*").globalMatch(text))
            names << m.captured();
        names.removeDuplicates();
        names.sort();
        return names;
    };
    QCOMPARE(options(manual), options(help));
    int commands = 0; // those of the synopsis, the first paragraph
    const QRegularExpression command("orvane-mdt ([a-z]+)");
    for (const auto& m : command.globalMatch(help.section("\n\n", 0, 0))) {
        QVERIFY2(manual.contains(".B orvane-mdt " + m.captured(1) + '\n'),
                 qPrintable(m.captured()));
        ++commands;
    }
    QCOMPARE(commands, 9);
}

void TestMdtTool::render()
{
    const QString png = dir.filePath("tiny.png");
    const Run r = mdt({"render", saved(tiny()), png});
    QCOMPARE(r.status, 0);
    const QImage picture = QImage(png).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(picture.size(), QSize(48, 32));
    QCOMPARE(picture, tinyPicture());
}

void TestMdtTool::renderScaled()
{
    const QString png = dir.filePath("tiny3.png");
    QCOMPARE(mdt({"render", "--scale", "3", saved(tiny()), png}).status, 0);
    const QImage picture = QImage(png).convertToFormat(QImage::Format_RGB32);
    const QImage expected = tinyPicture();
    QCOMPARE(picture.size(), QSize(144, 96));
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            QCOMPARE(picture.pixel(x, y), expected.pixel(x / 3, y / 3));
}

void TestMdtTool::renderRefuses_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("goodFile");
    QTest::addColumn<QString>("message");
    QTest::newRow("short file") << QStringList() << false << "title";
    QTest::newRow("scale 0") << QStringList{"--scale", "0"} << true << "--scale";
    QTest::newRow("scale 9") << QStringList{"--scale", "9"} << true << "--scale";
    QTest::newRow("scale x") << QStringList{"--scale", "x"} << true << "--scale";
}

void TestMdtTool::renderRefuses()
{
    QFETCH(QStringList, options);
    QFETCH(bool, goodFile);
    QFETCH(QString, message);
    QString file = dir.filePath("short.mdt");
    writeBytes(file, hex("03 00 61 62"));
    if (goodFile)
        file = saved(tiny());
    const QString png = dir.filePath("never.png");
    const Run r = mdt(QStringList{"render"} + options + QStringList{file, png});
    QCOMPARE(r.status, 2);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(!QFileInfo::exists(png));
}

void TestMdtTool::check_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("fit"); // "" when not solvable
    QTest::newRow("solvable") << "" << 0 << "fits";
    QTest::newRow("tight at 0.9 keys a second") << "slow" << 0 << "tight";
    QTest::newRow("goal walled off") << "wall" << 1 << "";
    QTest::newRow("start on a wall, too slow") << "start on wall" << 1 << "does not fit";
    QTest::newRow("refused file") << "short" << 2 << "";
}

void TestMdtTool::check()
{
    QFETCH(QString, change);
    QFETCH(int, status);
    QFETCH(QString, fit);
    MazeData m = corridorMaze();
    m.header.TimeLimit = 5;
    QStringList options{"check", "--json"};
    if (change == "slow")
        options << "--keys-per-second"
                << "0.9"; // 4.4 s of 5
    if (change == "wall")
        m.grid.at(3, 2).Chip = FirstWall;
    if (change == "start on wall") {
        m.grid.at(1, 2).Chip = FirstWall;
        m.header.TimeLimit = 1;
    }
    QString file = saved(m);
    if (change == "short")
        writeBytes(file, hex("03 00 61 62"));
    const Run r = mdt(options << file);
    QCOMPARE(r.status, status);
    if (status == 2) {
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.contains(file), qPrintable(r.err));
        return;
    }
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
    QCOMPARE(o["solvable"].toBool(), !fit.isEmpty());
    QCOMPARE(o["fit"].toString(), fit);
    QCOMPARE(o["start"].toObject()["valid"].toBool(), change != "start on wall");
    QCOMPARE(o["grade"].isNull(), fit.isEmpty());
    QCOMPARE(o["newcomer"].isObject(), !fit.isEmpty());
    if (change.isEmpty())
        QCOMPARE(o["route"].toString(), "RRRR");
}

void TestMdtTool::checkText()
{
    const Run r = mdt({"check", saved(corridorMaze())});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QStringLiteral(
                        "start:      (1, 2) on chip 7, valid\n"
                        "goal:       (5, 2) on chip 7, valid\n"
                        "solvable:   yes, 4 keys: RRRR\n"
                        "time:       1.0 s at 4 keys/s, limit 60 s: fits\n"
                        "reachable:  4 cells\n"
                        "traps:      none\n"
                        "cycles:     none\n"
                        "newcomer:   4 keys, 1.00 times the fewest (walks: 4, 4, 4, 4)\n"
                        "            choices 0 at 0 forks; dead ends walked into 0, traps met 0\n"
                        "            6.3 s at 3 keys/s, 1 s a fork and 5 s to look; fair "
                        "limit 20 s\n"
                        "grade:      1 of 5 (effort 2.32)\n"));
}

void TestMdtTool::renderRoute()
{
    const QString file = saved(corridorMaze());
    const QString plain = dir.filePath("plain.png");
    const QString route = dir.filePath("route.png");
    QCOMPARE(mdt({"render", file, plain}).status, 0);
    QCOMPARE(mdt({"render", "--route", file, route}).status, 0);
    const QImage a(plain);
    const QImage b(route);
    QCOMPARE(b.size(), a.size());
    // The line runs through the cells of the route, under the markers, and nowhere else.
    auto differs = [&](int x, int y) {
        return a.copy(x * 16, y * 16, 16, 16) != b.copy(x * 16, y * 16, 16, 16);
    };
    for (int x = 2; x <= 4; ++x)
        QVERIFY(differs(x, 2));
    QVERIFY(!differs(3, 5));
}

void TestMdtTool::thumbnail_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("shrunk") << 24 << QSize(24, 16);
    QTest::newRow("enlarged") << 96 << QSize(96, 64);
}

// The 48 x 32 picture of the tiny map fitted into size x size.
void TestMdtTool::thumbnail()
{
    QFETCH(int, size);
    QFETCH(QSize, expected);
    const QString png = dir.filePath("thumb.png");
    QCOMPARE(mdt({"thumbnail", "--size", QString::number(size), saved(tiny()), png}).status, 0);
    const QImage picture = QImage(png).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(picture.size(), expected);
    if (size == 96) // twice the size, each pixel a crisp 2 x 2 square
        QCOMPARE(picture, tinyPicture().scaled(expected));
}

void TestMdtTool::thumbnailRefuses_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<bool>("goodFile");
    QTest::addColumn<bool>("fifo"); // the output path names a FIFO
    QTest::addColumn<QString>("message");
    QTest::newRow("short file") << "64" << false << false << "title";
    QTest::newRow("size 0") << "0" << true << false << "--size";
    QTest::newRow("size too large") << "4097" << true << false << "--size";
    QTest::newRow("output is a fifo") << "64" << true << true << "not a regular file";
}

void TestMdtTool::thumbnailRefuses()
{
    QFETCH(QString, size);
    QFETCH(bool, goodFile);
    QFETCH(bool, fifo);
    QFETCH(QString, message);
    QString file = dir.filePath("short.mdt");
    writeBytes(file, hex("03 00 61 62"));
    if (goodFile)
        file = saved(tiny());
    QTemporaryDir out;
    const QString png = out.filePath("never.png");
    if (fifo)
        QCOMPARE(mkfifo(QFile::encodeName(png).constData(), 0600), 0);
    const Run r = mdt({"thumbnail", "--size", size, file, png});
    QCOMPARE(r.status, 2);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    // Nothing written, no temporary file left, a FIFO left as it was.
    const QDir::Filters all = QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;
    QCOMPARE(QDir(out.path()).entryList(all).size(), fifo ? 1 : 0);
    QVERIFY(!QFileInfo(png).isFile());
}

// A maze file's text builds the same file again, through files and pipes.
void TestMdtTool::textAndBuild()
{
    const QString file = saved(sample());
    const Run text = mdt({"text", file});
    QCOMPARE(text.status, 0);
    QVERIFY(text.out.startsWith("ORVANE maze text 1\ntitle: \"迷路\"\n"));
    const QString textFile = dir.filePath("m.txt");
    QCOMPARE(mdt({"text", "-", textFile}, readBytes(file)).status, 0);
    QCOMPARE(readBytes(textFile), text.bytes);
    const QString built = dir.filePath("built.mdt");
    QCOMPARE(mdt({"build", "-", built}, text.bytes).status, 0);
    QCOMPARE(readBytes(built), readBytes(file));
    const Run piped = mdt({"build", textFile, "-"});
    QCOMPARE(piped.bytes, readBytes(file));
}

// A refused text names its line; the output file stays as it was.
void TestMdtTool::buildRefuses_data()
{
    QTest::addColumn<QByteArray>("text"); // empty: no text file at all
    QTest::addColumn<QString>("message");
    QTest::newRow("start past the grid")
        << QByteArray("ORVANE maze text 1\ntime: 5\nstart: 1 200\n")
        << "line 3: start: the numbers must be -5 to 128";
    QTest::newRow("unknown character")
        << QByteArray("ORVANE maze text 1\ntime: 5\nstart: 0 0\ngoal: 1 0\nsize: 2x1\nmap:\n.Z\n")
        << "line 7: \"Z\" (column 2) is not in the legend";
    QTest::newRow("no such text file") << QByteArray() << "no such file";
}

void TestMdtTool::buildRefuses()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    const QString source = dir.filePath("bad.txt");
    QFile::remove(source);
    if (!text.isEmpty())
        writeBytes(source, text);
    const QString out = dir.filePath("kept.mdt");
    writeBytes(out, "old");
    const Run r = mdt({"build", source, out});
    QCOMPARE(r.status, 2);
    QVERIFY2(r.err.startsWith("orvane-mdt: cannot ") && r.err.contains(source) &&
                 r.err.contains(message),
             qPrintable(r.err));
    QCOMPARE(readBytes(out), QByteArray("old"));
}

void TestMdtTool::generate_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("keys and grade")
        << QStringList{"--keys", "9", "--grade", "2"} << 2 << "not both";
    QTest::newRow("size 4x32") << QStringList{"--size", "4x32"} << 2
                               << "each side must be 5 to 128";
    QTest::newRow("size 3 by 3") << QStringList{"--size", "3 3"} << 2 << "N or WxH";
    QTest::newRow("more keys than it holds")
        << QStringList{"--size", "16", "--keys", "200"} << 2 << "at most 96 keys";
    QTest::newRow("slack zero") << QStringList{"--slack", "0"} << 2
                                << "--slack: the time limit must be 0.5 to 10";
    QTest::newRow("title beyond Shift-JIS") << QStringList{"--title", "😀"} << 2 << "--title";
    QTest::newRow("out of reach") << QStringList{"--size", "8", "--grade", "5"} << 2
                                  << "the closest had grade";
    QTest::newRow("warned first") << QStringList{"--size", "8", "--grade", "5"} << 2
                                  << "warning: --grade: a 8x8 map reliably reaches grade 1 at";
    QTest::newRow("a maze, 32 x 32 by default")
        << QStringList{"--keys", "20", "--traps", "1"} << 0 << "";
    QTest::newRow("its text") << QStringList{"--size",  "16", "--keys", "20",
                                             "--traps", "1",  "--text"}
                              << 0 << "";
}

// Refusals at once and after the search, and the maze or its text written.
void TestMdtTool::generate()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, message);
    const QString out = dir.filePath("generated");
    QFile::remove(out);
    const Run r = mdt(QStringList{"generate", "--seed", "11"} + args + QStringList{out});
    QCOMPARE(r.status, status);
    QCOMPARE(QFileInfo::exists(out), status == 0);
    if (status != 0) {
        QVERIFY2(r.err.startsWith("orvane-mdt: ") && r.err.contains(message), qPrintable(r.err));
        return;
    }
    QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
    QString maze = out;
    if (args.contains("--text")) { // the text of the same maze
        maze = dir.filePath("fromtext.mdt");
        QCOMPARE(mdt({"build", out, maze}).status, 0);
        args.removeAll("--text");
        QCOMPARE(mdt(QStringList{"generate", "--seed", "11"} + args + QStringList{"-"}).bytes,
                 readBytes(maze));
    }
    const QJsonObject info = QJsonDocument::fromJson(mdt({"info", "--json", maze}).bytes).object();
    QCOMPARE(info["width"].toInt(), args.contains("--size") ? 16 : 32);
    const QJsonObject o = QJsonDocument::fromJson(mdt({"check", "--json", maze}).bytes).object();
    QCOMPARE(o["traps"].toArray().size(), 1);
    QVERIFY(std::abs(o["keys"].toInt() - 20) <= 2);
}

void TestMdtTool::replayAndRun_data()
{
    // M the corridor (limit 5 s), T another maze, R the run, J records
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("run");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output"); // standard output, or a part of the error
    const QByteArray toGoal = "RRRR\n0 0 1 1\n";
    QTest::newRow("to the goal") << QStringList{"replay", "M", "R"} << toGoal << 0
                                 << "reached:    yes, in 4 keys and 1 s (limit 5 s)\n";
    QTest::newRow("as JSON") << QStringList{"replay", "--json", "M", "R"} << toGoal << 0
                             << R"({"ball":[5,2],"end":"goal","keys":4,"reached":true,)"
                                R"("runKeys":4,"seconds":1,"timeLimit":5})"
                                "\n";
    QTest::newRow("keys after the goal")
        << QStringList{"replay", "M", "R"} << QByteArray("RRRRS\n0 0 0 0 0") << 0
        << "reached:    yes, in 4 keys and 0 s (limit 5 s); 1 of the run's keys come after it\n";
    QTest::newRow("short of the goal")
        << QStringList{"replay", "M", "R"} << QByteArray("RRLR\n0 0 0 0\n") << 1
        << "reached:    no, the run ends after 4 keys and 0 s with the ball at (3, 2) (limit 5 "
           "s)\n";
    QTest::newRow("too slow") << QStringList{"replay", "M", "R"} << QByteArray("RRRR\n0 1 2 5\n")
                              << 1 << "reached:    no, time up at 5 s after 3 of 4 keys\n";
    QTest::newRow("a key not in the alphabet")
        << QStringList{"replay", "M", "R"} << QByteArray("RRRr\n0 0 0 0\n") << 2
        << "line 1: key 4 is not one of U D L R S";
    QTest::newRow("the best time's run")
        << QStringList{"run", "--records", "J", "M"} << QByteArray() << 0 << QString(toGoal);
    QTest::newRow("the fewest keys' run")
        << QStringList{"run", "--best=keys", "--records", "J", "M"} << QByteArray() << 0
        << "RRRR\n0 1 2 3\n";
    QTest::newRow("another maze") << QStringList{"run", "--records", "J", "T"} << toGoal << 1 << "";
    QTest::newRow("records not ours")
        << QStringList{"run", "--records", "R", "M"} << toGoal << 2 << "not an ORVANE records file";
}

// Runs proved on a maze, and the runs the records keep written out.
void TestMdtTool::replayAndRun()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, run);
    QFETCH(int, status);
    QFETCH(QString, output);
    MazeData m = corridorMaze();
    m.header.TimeLimit = 5;
    const QString maze = saved(m);
    const QDateTime day(QDate(2026, 2, 3), QTime(4, 5), Qt::UTC);
    writeBytes(dir.filePath("records.json"),
               RecordsCodec::encode({{recordKey(m.header, m.grid),
                                      {{1, day, GameRun{"RRRR", {0, 0, 1, 1}}},
                                       {4, day, GameRun{"RRRR", {0, 1, 2, 3}}},
                                       day}}}));
    writeBytes(dir.filePath("run.txt"), run);
    args.replaceInStrings(QRegularExpression("^M$"), maze);
    args.replaceInStrings(QRegularExpression("^R$"), dir.filePath("run.txt"));
    QVERIFY(MazeFile::write(dir.filePath("t.mdt"), tiny().header, tiny().grid).ok());
    args.replaceInStrings(QRegularExpression("^T$"), dir.filePath("t.mdt"));
    args.replaceInStrings(QRegularExpression("^J$"), dir.filePath("records.json"));
    const Run r = mdt(args);
    QCOMPARE(r.status, status);
    if (status == 2)
        QVERIFY2(r.err.contains(output) && r.out.isEmpty(), qPrintable(r.err));
    else
        QCOMPARE(r.out, output);
}

QTEST_GUILESS_MAIN(TestMdtTool)
#include "tst_mdttool.moc"
