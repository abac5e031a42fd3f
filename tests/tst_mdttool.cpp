#include "MazeFile.h"
#include "TestMazes.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace orvane;
using namespace orvane::test;

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run mdt(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(ORVANE_MDT), args);
    if (!p.waitForFinished(30000))
        qFatal("orvane-mdt did not finish");
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// The abc maze with a Japanese title, music, two items and a few floors.
MazeData sample()
{
    MazeData m = abcMaze();
    m.header.Title = Cp932::fromUnicode(QStringLiteral("迷路"));
    m.header.MusicFile = "C:\\midi\\a.mid";
    m.grid.at(2, 2) = {FirstFloor, ArrowUp};
    m.grid.at(3, 2) = {FirstFloor, ArrowLeft};
    m.grid.at(32, 0).Chip = FirstFloor; // column 32 is outside the visible map
    m.grid.at(5, 5).Chip = 19;           // neither wall nor floor
    return m;
}

} // namespace

class TestMdtTool : public QObject {
    Q_OBJECT

private slots:
    void infoText();
    void infoJson();
    void infoNoLimit();
    void refusedFile();
    void unknownCommand();

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
                                   "items:      2\n"));
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
    QCOMPARE(o["items"].toInt(), 2);
}

void TestMdtTool::infoNoLimit()
{
    MazeData m = sample();
    m.header.TimeLimit = NoTimeLimit;
    const QString file = saved(m);
    QVERIFY(mdt({"info", file}).out.contains("time limit: no limit\n"));
    const QJsonObject o = QJsonDocument::fromJson(mdt({"info", "--json", file}).out.toUtf8()).object();
    QVERIFY(o["timeLimit"].isNull());
}

void TestMdtTool::refusedFile()
{
    const QString bad = dir.filePath("short.mdt");
    writeBytes(bad, hex("03 00 61 62"));
    const Run r = mdt({"info", bad});
    QCOMPARE(r.status, 1);
    QVERIFY(r.out.isEmpty());
    QVERIFY2(r.err.contains(bad) && r.err.contains("タイトル"), qPrintable(r.err));
}

void TestMdtTool::unknownCommand()
{
    const Run r = mdt({"frobnicate"});
    QCOMPARE(r.status, 1);
    QVERIFY(r.err.contains("frobnicate"));
}

QTEST_GUILESS_MAIN(TestMdtTool)
#include "tst_mdttool.moc"
