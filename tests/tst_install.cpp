// Installing into a scratch folder, the desktop files there, and the Debian
// package: every file in its place, the entries agree with each other and
// with the programs, and the thumbnailer runs as a file manager runs it.

#include "MazeFile.h"
#include "TestMazes.h"

#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace orvane;
using namespace orvane::test;

namespace {

const QString MazeType = QStringLiteral("application/x-orvane-maze");

// Every file `cmake --install --prefix /usr` places, below the scratch root.
const QStringList InstalledFiles{
    "usr/bin/orvane",
    "usr/bin/orvane-mdt",
    "usr/share/applications/orvane.desktop",
    "usr/share/icons/hicolor/256x256/apps/orvane.png",
    "usr/share/icons/hicolor/256x256/mimetypes/application-x-orvane-maze.png",
    "usr/share/icons/hicolor/32x32/apps/orvane.png",
    "usr/share/icons/hicolor/32x32/mimetypes/application-x-orvane-maze.png",
    "usr/share/man/man1/orvane-mdt.1.gz",
    "usr/share/man/man6/orvane.6.gz",
    "usr/share/metainfo/org.orvane.orvane.metainfo.xml",
    "usr/share/mime/packages/orvane.xml",
    "usr/share/orvane/help/editor.html",
    "usr/share/orvane/help/index.html",
    "usr/share/orvane/help/menu.html",
    "usr/share/orvane/help/player.html",
    "usr/share/orvane/help/style.css",
    "usr/share/thumbnailers/orvane.thumbnailer",
};

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run run(const QString& program, const QStringList& args,
        const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(120000))
        return {-1, {}, QStringLiteral("%1 did not finish: %2").arg(program, p.errorString())};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QStringList filesBelow(const QString& root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

// The value of `key` in the first group of a desktop-style entry file.
QString entryValue(const QString& path, const QString& key)
{
    for (const QString& line : QString::fromUtf8(readBytes(path)).split('\n'))
        if (line.startsWith(key + '='))
            return line.mid(key.size() + 1);
    return {};
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void placesEveryFile();
    void validators_data();
    void validators();
    void mimeDefinitionParses();
    void entriesAgree_data();
    void entriesAgree();
    void thumbnailerRuns();
    void debianPackage();

private:
    QString installed(const QString& path) const { return root.filePath(path); }

    QTemporaryDir root;
};

void TestInstall::initTestCase()
{
    QVERIFY(root.isValid());
    QProcess install;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DESTDIR"), root.path());
    install.setProcessEnvironment(env);
    install.start(QStringLiteral(ORVANE_CMAKE),
                  {"--install", QStringLiteral(ORVANE_BUILD_DIR), "--prefix", "/usr"});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
}

void TestInstall::placesEveryFile()
{
    QCOMPARE(filesBelow(root.path()), InstalledFiles);
    for (const char* program : {"usr/bin/orvane", "usr/bin/orvane-mdt"})
        QVERIFY(QFileInfo(installed(program)).isExecutable());
}

void TestInstall::validators_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("file");
    QTest::newRow("desktop entry")
        << "desktop-file-validate" << QStringList() << "usr/share/applications/orvane.desktop";
    QTest::newRow("metainfo") << "appstreamcli" << QStringList{"validate", "--no-net"}
                              << "usr/share/metainfo/org.orvane.orvane.metainfo.xml";
}

void TestInstall::validators()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, args);
    QFETCH(QString, file);
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        QSKIP(qPrintable(tool + " is not installed"));
    const Run r = run(program, args << installed(file));
    QVERIFY2(r.status == 0, qPrintable(r.out + r.err));
}

// The shared MIME database built from the installed definition alone.
void TestInstall::mimeDefinitionParses()
{
    const QString mime = installed("usr/share/mime");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_DIRS"), installed("usr/share"));
    // Reports a definition it cannot read on stderr, yet ends with status 0.
    const Run r = run(QStringLiteral("update-mime-database"), {mime}, env);
    QVERIFY2(r.status == 0 && r.err.isEmpty(), qPrintable(r.err));
    QVERIFY(QString::fromUtf8(readBytes(mime + "/globs2")).contains(MazeType + ":*.mdt\n"));
    const QString type = QString::fromUtf8(readBytes(mime + '/' + MazeType + ".xml"));
    QVERIFY2(type.contains("<comment>ORVANE maze</comment>"), qPrintable(type));
    QVERIFY(
        type.contains(QStringLiteral("<comment xml:lang=\"ja\">ORVANE 迷路ファイル</comment>")));
    QVERIFY(type.contains("<icon name=\"application-x-orvane-maze\"/>"));
    for (const char* size : {"32x32", "256x256"})
        QVERIFY(QFileInfo::exists(installed(QStringLiteral("usr/share/icons/hicolor/%1/mimetypes/"
                                                           "application-x-orvane-maze.png")
                                                .arg(size))));
}

void TestInstall::entriesAgree_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("execKey");
    QTest::addColumn<QString>("fileCode"); // where the file manager puts the file
    QTest::newRow("desktop entry") << "usr/share/applications/orvane.desktop"
                                   << "Exec"
                                   << "%f";
    QTest::newRow("thumbnailer") << "usr/share/thumbnailers/orvane.thumbnailer"
                                 << "Exec"
                                 << "%i";
}

// Each entry runs an installed program on the file and names the maze type.
void TestInstall::entriesAgree()
{
    QFETCH(QString, file);
    QFETCH(QString, execKey);
    QFETCH(QString, fileCode);
    const QStringList exec = entryValue(installed(file), execKey).split(' ');
    QVERIFY(!exec.isEmpty());
    QVERIFY2(QFileInfo(installed("usr/bin/" + exec[0])).isExecutable(), qPrintable(exec[0]));
    QVERIFY(exec.contains(fileCode));
    QCOMPARE(entryValue(installed(file), "MimeType"), MazeType + ';');
    const QString icon = entryValue(installed(file), "Icon");
    if (!icon.isEmpty())
        QVERIFY(
            QFileInfo::exists(installed("usr/share/icons/hicolor/256x256/apps/" + icon + ".png")));
}

// As a file manager runs it: %s the size, %i the file, %o the picture to write.
void TestInstall::thumbnailerRuns()
{
    QTemporaryDir work;
    const QString maze = work.filePath("a maze.mdt");
    const MazeData m = abcMaze();
    QVERIFY(MazeFile::write(maze, m.header, m.grid).ok());
    const QString png = work.filePath("thumb.png");
    QStringList exec =
        entryValue(installed("usr/share/thumbnailers/orvane.thumbnailer"), "Exec").split(' ');
    exec.replaceInStrings("%s", "64").replaceInStrings("%i", maze).replaceInStrings("%o", png);
    const Run r = run(installed("usr/bin/" + exec.takeFirst()), exec);
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QCOMPARE(QImage(png).size(), QSize(64, 64));
}

void TestInstall::debianPackage()
{
    QTemporaryDir out;
    const Run pack =
        run(QStringLiteral(ORVANE_CPACK),
            {"-G", "DEB", "--config", ORVANE_BUILD_DIR "/CPackConfig.cmake", "-B", out.path()});
    QVERIFY2(pack.status == 0, qPrintable(pack.out + pack.err));
    const QStringList debs = QDir(out.path()).entryList({"orvane_*.deb"});
    QCOMPARE(debs.size(), 1);
    const QString deb = out.filePath(debs[0]);

    // The same files as the install, at the same places.
    const Run contents = run(QStringLiteral("dpkg-deb"), {"--contents", deb});
    QCOMPARE(contents.status, 0);
    QStringList packed;
    for (const QString& line : contents.out.split('\n', Qt::SkipEmptyParts))
        if (!line.startsWith('d'))
            packed << line.section(' ', -1).mid(2); // "./usr/bin/orvane" -> "usr/bin/orvane"
    packed.sort();
    QCOMPARE(packed, InstalledFiles);

    const Run depends = run(QStringLiteral("dpkg-deb"), {"--field", deb, "Depends"});
    for (const char* need :
         {"libqt6widgets6", "libfluidsynth3", "timgm6mb-soundfont | sf2-soundfont-gm",
          "fonts-ipafont-gothic", "qt6-translations-l10n"})
        QVERIFY2(depends.out.contains(need), qPrintable(depends.out));
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
