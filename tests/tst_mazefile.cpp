#include "FileCalls.h"
#include "MazeCodec.h"
#include "MazeFile.h"
#include "MazeFolder.h"
#include "MusicFileLookup.h"
#include "Records.h"
#include "RunText.h"
#include "TestMazes.h"

#include <QDir>
#include <QLockFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <grp.h>
#include <linux/capability.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace orvane;
using namespace orvane::test;

using Kind = MazeFileProblem::Kind;
Q_DECLARE_METATYPE(Kind)
using RecordsProblem = Records::Load::Problem;
Q_DECLARE_METATYPE(RecordsProblem)
using RunProblem = RunText::Problem::Kind;
Q_DECLARE_METATYPE(RunProblem)

namespace {

QByteArray encoded(const MazeData& m)
{
    MazeCodec::EncodeResult r = MazeCodec::encode(m.header, m.grid);
    if (r.problem)
        qFatal("encode failed: %d", int(r.problem.kind));
    return r.bytes;
}

// While alive, file permissions bind this process even when it runs as root:
// the capabilities that override them leave its effective set.
class PermissionsBind {
public:
    PermissionsBind()
    {
        if (syscall(SYS_capget, &header_, saved_) != 0)
            return;
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
            reduced[cap / 32].effective &= ~(1u << (cap % 32));
        dropped_ = syscall(SYS_capset, &header_, reduced) == 0;
    }
    ~PermissionsBind()
    {
        if (dropped_)
            syscall(SYS_capset, &header_, saved_);
    }
    PermissionsBind(const PermissionsBind&) = delete;
    PermissionsBind& operator=(const PermissionsBind&) = delete;

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
    bool dropped_ = false;
};

// Everything in a folder, temporary files too.
QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

// The calls of a save with one of them failing with EIO at its failAt-th use,
// or from its -failAt-th use on for good. Writes go 16 bytes at a time, so
// that a failing write leaves a file half new.
enum class Call { None, Write, Sync };
struct {
    Call call;
    int failAt;
    int uses;
} fault;

bool strikes(Call call)
{
    errno = EIO;
    return call == fault.call &&
           (fault.failAt < 0 ? ++fault.uses >= -fault.failAt : ++fault.uses == fault.failAt);
}

const FileCalls FaultyCalls{
    [](int fd, const void* data, size_t size, off_t offset) -> ssize_t {
        return strikes(Call::Write) ? -1 : ::pwrite(fd, data, std::min<size_t>(size, 16), offset);
    },
    ::ftruncate,
    [](int fd) { return strikes(Call::Sync) ? -1 : ::fsync(fd); },
};

const QString LongName = QString(251, u'm') + ".mdt";
const QByteArray OldBytes(5000, 'o');
const QByteArray NewBytes(1000, 'n');

// Users and a group of no one's. User's own group is User; it is in Group.
constexpr uid_t User = 4321;
constexpr gid_t Group = 4322;
constexpr uid_t Other = 4323;

// Runs save in a child process as User, a normal user; true when it returned true.
template <typename Save> bool asUser(Save save)
{
    const pid_t child = fork();
    if (child == 0) {
        const gid_t groups[] = {Group};
        const bool dropped = setgroups(1, groups) == 0 && setgid(User) == 0 && setuid(User) == 0;
        _exit(dropped && save() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

// The abc maze's file with one patch applied at a byte offset.
QByteArray patched(qsizetype offset, const QByteArray& bytes)
{
    QByteArray file = encoded(abcMaze());
    file.replace(offset, bytes.size(), bytes);
    return file;
}

} // namespace

Q_DECLARE_METATYPE(Call)

class TestMazeFile : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        dataHome = std::make_unique<QTemporaryDir>();
        QVERIFY(dataHome->isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome->path()));
    }

    void workedExample();
    void emptyMazeSize();
    void cellOffset_data();
    void cellOffset();
    void japaneseTitleCount();
    void musicCountFollowsGoal();
    void roundTripRandom();
    void roundTripThroughFiles();
    void acceptsTail();

    void refuses_data();
    void refuses();
    void refusesWhatIsNoFile_data();
    void refusesWhatIsNoFile();

    void overwriteLeavesNoTail();
    void writeRefusedChangesNothing_data();
    void writeRefusedChangesNothing();
    void writeFailureKeepsOldFile();
    void saveInReadOnlyFolder_data();
    void saveInReadOnlyFolder();
    void fullDiskKeepsOldFile_data();
    void fullDiskKeepsOldFile();
    void failuresNeverLoseTheOldFile_data();
    void failuresNeverLoseTheOldFile();
    void keepsOwnerGroupAndMode_data();
    void keepsOwnerGroupAndMode();
    void savesThroughSymbolicLink_data();
    void savesThroughSymbolicLink();
    void refusesLongText_data();
    void refusesLongText();
    void musicFileLookup_data();
    void musicFileLookup();

    void recordsRoundTrip();
    void recordsShared();
    void mazeFolderOrder();
    void recordsDamaged_data();
    void recordsDamaged();
    void runText_data();
    void runText();
    void recordsKeepRuns();

private:
    QString path(const QString& name) const { return dir->filePath(name); }
    QString recovered() const { return dataHome->filePath("recovered"); }
    std::unique_ptr<QTemporaryDir> dir;      // fresh for every test
    std::unique_ptr<QTemporaryDir> dataHome; // XDG_DATA_HOME: copies go to its "recovered"
};

void TestMazeFile::workedExample()
{
    const QByteArray file = encoded(abcMaze());
    QCOMPARE(file.left(21), hex("03 00 61 62 63 3C 00 01 00 02 00 1E 00 1F 00 00 00 20 00 20 00"));
    QCOMPARE(file.size(), 21 + MazeCodec::GridBlockSize);
    // The grid block begins at byte 21 with cell (-5, -5), which is unset.
    QCOMPARE(file.mid(21, 4), hex("00 00 00 00"));
}

void TestMazeFile::emptyMazeSize()
{
    const QByteArray file = encoded(MazeData{});
    QCOMPARE(file.size(), 71842);
    QCOMPARE(file.left(18), QByteArray(18, '\0'));
}

void TestMazeFile::cellOffset_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("blockOffset");
    QTest::newRow("(-5, -5) first") << -5 << -5 << 0;
    QTest::newRow("(0, 0)") << 0 << 0 << 2700;
    QTest::newRow("(1, 0)") << 1 << 0 << 2704;
    QTest::newRow("(0, 1)") << 0 << 1 << 2700 + 134 * 4;
    QTest::newRow("(128, 128) last") << 128 << 128 << 71820;
}

void TestMazeFile::cellOffset()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, blockOffset);
    MazeData m = abcMaze();
    m.header.MusicFile = "C:\\a.mid"; // L2 = 8 moves the grid to 18 + 3 + 8
    m.grid.at(x, y) = {int16_t(0x1234), int16_t(-2)};
    const QByteArray file = encoded(m);
    QCOMPARE(file.mid(18 + 3 + 8 + blockOffset, 4), hex("34 12 FE FF"));
}

void TestMazeFile::japaneseTitleCount()
{
    MazeData m;
    m.header.Title = Cp932::fromUnicode(QStringLiteral("迷路館"));
    const QByteArray file = encoded(m);
    QCOMPARE(file.left(8), hex("06 00 96 C0 98 48 8A D9"));
}

void TestMazeFile::musicCountFollowsGoal()
{
    MazeData m;
    m.header.GoalY = 0x0102;
    m.header.MusicFile = QByteArray(0x0203, 'm');
    const QByteArray file = encoded(m);
    // GoalY at 10..11, then the music count's low byte at 12.
    QCOMPARE(file.mid(10, 4), hex("02 01 03 02"));
}

void TestMazeFile::roundTripRandom()
{
    QRandomGenerator rng(20261207);
    for (int i = 0; i < 50; ++i) {
        const MazeData m = randomMaze(rng);
        const QByteArray bytes = encoded(m);
        QCOMPARE(bytes.size(),
                 MazeCodec::EmptyMazeSize + m.header.Title.size() + m.header.MusicFile.size());
        MazeCodec::DecodeResult back = MazeCodec::decode(bytes);
        QVERIFY(back.maze);
        QCOMPARE(back.maze->header, m.header);
        QVERIFY(back.maze->grid == m.grid);
        QCOMPARE(encoded(*back.maze), bytes);
    }
}

void TestMazeFile::roundTripThroughFiles()
{
    MazeData m = abcMaze();
    m.header.Title = hex("96 C0 98 48 81 20 FF 5C"); // ends in bytes that are not code page 932
    m.header.MusicFile = Cp932::fromUnicode(QStringLiteral("C:\\音楽\\迷路.mid"));
    QVERIFY(MazeFile::write(path("m.mdt"), m.header, m.grid).ok());
    QCOMPARE(readBytes(path("m.mdt")), encoded(m));

    auto state = std::make_unique<MazeState>();
    QVERIFY(!MazeFile::load(path("m.mdt"), *state));
    QCOMPARE(state->header, m.header);
    QVERIFY(state->grid == m.grid);
    QVERIFY(!MazeFile::save(path("again.mdt"), *state));
    QCOMPARE(readBytes(path("again.mdt")), readBytes(path("m.mdt")));
}

void TestMazeFile::acceptsTail()
{
    writeBytes(path("tail.mdt"), encoded(abcMaze()) + QByteArray(5000, 'x'));
    MazeFile::ReadResult r = MazeFile::read(path("tail.mdt"));
    QVERIFY(r.ok());
    QCOMPARE(r.maze->header, abcMaze().header);
}

void TestMazeFile::refuses_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Kind>("reason");
    const QByteArray good = encoded(abcMaze());
    // abc layout: title count 0, text 2..4, numbers 5..14, music count 15,
    // width 17, height 19, grid from 21.
    QTest::newRow("empty file") << QByteArray() << Kind::HeaderCut;
    QTest::newRow("cut in title") << good.left(4) << Kind::TextPastEnd;
    QTest::newRow("cut in numbers") << good.left(9) << Kind::HeaderCut;
    QTest::newRow("cut before height") << good.left(19) << Kind::HeaderCut;
    QTest::newRow("header only") << good.left(21) << Kind::GridCut;
    QTest::newRow("grid one byte short") << good.left(good.size() - 1) << Kind::GridCut;
    QTest::newRow("title longer than file")
        << patched(0, hex("FF 7F")).left(30000) << Kind::TextPastEnd;
    QTest::newRow("title count negative") << patched(0, hex("00 80")) << Kind::TextTooLong;
    QTest::newRow("music longer than file")
        << patched(15, hex("00 7F")).left(30000) << Kind::TextPastEnd;
    QTest::newRow("music count negative") << patched(15, hex("FF FF")) << Kind::TextTooLong;
    QTest::newRow("width 0") << patched(17, hex("00 00")) << Kind::MapSizeOutOfRange;
    QTest::newRow("width 129") << patched(17, hex("81 00")) << Kind::MapSizeOutOfRange;
    QTest::newRow("height -1") << patched(19, hex("FF FF")) << Kind::MapSizeOutOfRange;
    QTest::newRow("start x -6") << patched(7, hex("FA FF")) << Kind::StartOutOfRange;
    QTest::newRow("start y 129") << patched(9, hex("81 00")) << Kind::StartOutOfRange;
    QTest::newRow("goal x 32767") << patched(11, hex("FF 7F")) << Kind::GoalOutOfRange;
    QTest::newRow("goal y -32768") << patched(13, hex("00 80")) << Kind::GoalOutOfRange;
}

void TestMazeFile::refuses()
{
    QFETCH(QByteArray, file);
    QFETCH(Kind, reason);
    writeBytes(path("bad.mdt"), file);

    QRandomGenerator rng(7);
    const MazeData before = randomMaze(rng);
    auto state = std::make_unique<MazeState>();
    fill(*state, before);

    const MazeFileError error = MazeFile::load(path("bad.mdt"), *state);
    QCOMPARE(error.path, path("bad.mdt"));
    QCOMPARE(error.problem.kind, reason);
    QCOMPARE(state->header, before.header);
    QVERIFY(state->grid == before.grid);
    QCOMPARE(state->SelectedChip, 9);
    QCOMPARE(state->TimeLeft, 17);
}

void TestMazeFile::refusesWhatIsNoFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Kind>("reason");
    QTest::newRow("missing") << "missing.mdt" << Kind::NotFound;
    QTest::newRow("folder") << "folder.mdt" << Kind::IsFolder;
    QTest::newRow("fifo") << "fifo.mdt" << Kind::NotRegularFile;
}

void TestMazeFile::refusesWhatIsNoFile()
{
    QFETCH(QString, name);
    QFETCH(Kind, reason);
    QDir(dir->path()).mkdir("folder.mdt");
    QCOMPARE(mkfifo(QFile::encodeName(path("fifo.mdt")).constData(), 0600), 0);

    auto state = std::make_unique<MazeState>();
    fill(*state, abcMaze());
    QCOMPARE(MazeFile::load(path(name), *state).problem.kind, reason);
    QCOMPARE(state->header, abcMaze().header);
    QVERIFY(!QFileInfo::exists(path("missing.mdt"))); // reading never creates
}

void TestMazeFile::overwriteLeavesNoTail()
{
    MazeData longer = abcMaze();
    longer.header.Title = QByteArray(500, 't');
    QVERIFY(MazeFile::write(path("m.mdt"), longer.header, longer.grid).ok());
    const MazeData shorter = abcMaze();
    QVERIFY(MazeFile::write(path("m.mdt"), shorter.header, shorter.grid).ok());
    QCOMPARE(readBytes(path("m.mdt")), encoded(shorter));
}

void TestMazeFile::writeRefusedChangesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Kind>("reason");
    QTest::newRow("no such folder") << "nowhere/m.mdt" << Kind::NoFolder;
    QTest::newRow("parent is a file") << "plain.txt/m.mdt" << Kind::NoFolder;
    QTest::newRow("target is a folder") << "folder.mdt" << Kind::TargetIsFolder;
    // NAME_MAX is 255: the name fits, the temporary file's does not.
    QTest::newRow("no temporary file for so long a name") << LongName << Kind::CreateFailed;
}

void TestMazeFile::writeRefusedChangesNothing()
{
    QFETCH(QString, name);
    QFETCH(Kind, reason);
    writeBytes(path("plain.txt"), "keep");
    writeBytes(path(LongName), "keep");
    QDir(dir->path()).mkdir("folder.mdt");
    const MazeData m = abcMaze();
    const MazeFile::WriteResult r = MazeFile::write(path(name), m.header, m.grid);
    QVERIFY(!r.ok());
    QCOMPARE(r.error.problem.kind, reason);
    QCOMPARE(r.error.path, path(name));
    QCOMPARE(r.error.operation, MazeFileError::Operation::Write);
    QCOMPARE(readBytes(path("plain.txt")), QByteArray("keep"));
    QCOMPARE(readBytes(path(LongName)), QByteArray("keep"));
    QVERIFY(QFileInfo(path("folder.mdt")).isDir());
}

void TestMazeFile::writeFailureKeepsOldFile()
{
    // A full disk, simulated by a file size limit below the maze's size.
    const QByteArray old = encoded(abcMaze());
    writeBytes(path("m.mdt"), old);
    MazeData m = abcMaze();
    m.header.Title = "new";

    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const MazeFile::WriteResult r = MazeFile::write(path("m.mdt"), m.header, m.grid);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(r.error.problem.kind, Kind::WriteFailed);
    QCOMPARE(readBytes(path("m.mdt")), old);
    QCOMPARE(filesIn(dir->path()), QStringList{"m.mdt"}); // no temp left
}

void TestMazeFile::saveInReadOnlyFolder_data()
{
    QTest::addColumn<bool>("fileWritable");
    QTest::newRow("writable file: replaced in place") << true;
    QTest::newRow("read-only file: refused") << false;
}

void TestMazeFile::saveInReadOnlyFolder()
{
    QFETCH(bool, fileWritable);
    MazeData longer = abcMaze();
    longer.header.Title = QByteArray(500, 't');
    const QByteArray old = encoded(longer);
    const QString file = path("m.mdt");
    writeBytes(file, old);
    QFile::setPermissions(file,
                          fileWritable ? QFile::ReadOwner | QFile::WriteOwner : QFile::ReadOwner);
    const QFile::Permissions folderWas = QFile::permissions(dir->path());
    QFile::setPermissions(dir->path(), QFile::ReadOwner | QFile::ExeOwner);

    const MazeData m = abcMaze();
    MazeFile::WriteResult r;
    {
        PermissionsBind bind;
        r = MazeFile::write(file, m.header, m.grid);
    }
    QFile::setPermissions(dir->path(), folderWas);

    QCOMPARE(r.ok(), fileWritable);
    QCOMPARE(readBytes(file), fileWritable ? encoded(m) : old);
    if (!fileWritable)
        QCOMPARE(r.error.problem.kind, Kind::CreateFailed);
    QCOMPARE(filesIn(dir->path()), QStringList{"m.mdt"});
    QCOMPARE(filesIn(recovered()), QStringList()); // the copy goes with a save's end
}

void TestMazeFile::fullDiskKeepsOldFile_data()
{
    QTest::addColumn<bool>("inPlace");
    QTest::newRow("atomic") << false;
    QTest::newRow("in place, folder read-only") << true;
}

void TestMazeFile::fullDiskKeepsOldFile()
{
    QFETCH(bool, inPlace);
    const QString disk = path("disk");
    QVERIFY(QDir(dir->path()).mkdir("disk"));
    if (::mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=256k") != 0)
        QSKIP("needs the right to mount a tmpfs");
    const auto unmount = qScopeGuard([&] { ::umount2(QFile::encodeName(disk).constData(), 0); });
    const QString file = disk + "/m.mdt";
    const QByteArray old = encoded(abcMaze());
    writeBytes(file, old);
    QFile filler(disk + "/filler");
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'f')) == 4096) {
    }
    filler.close();
    QFile::setPermissions(disk, inPlace ? QFile::ReadOwner | QFile::ExeOwner
                                        : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    MazeData m = abcMaze();
    m.header.Title = QByteArray(20000, 't');
    MazeFile::WriteResult r;
    {
        PermissionsBind bind;
        r = MazeFile::write(file, m.header, m.grid);
    }
    QCOMPARE(r.error.problem.kind, Kind::WriteFailed);
    QCOMPARE(r.error.problem.systemError, ENOSPC);
    QCOMPARE(readBytes(file), old);
    QCOMPARE(filesIn(disk).size(), 2); // no temporary file left
    QCOMPARE(filesIn(recovered()), QStringList());
}

void TestMazeFile::failuresNeverLoseTheOldFile_data()
{
    QTest::addColumn<bool>("inPlace"); // the folder takes no new file
    QTest::addColumn<Call>("call");
    QTest::addColumn<int>("failAt");
    QTest::addColumn<bool>("copyFolderBlocked");
    QTest::addColumn<Kind>("reason");
    QTest::addColumn<QByteArray>("fileHolds"); // null: not known
    QTest::newRow("atomic: the new file's sync fails")
        << false << Call::Sync << 1 << false << Kind::WriteFailed << OldBytes;
    QTest::newRow("atomic: the folder's sync fails, the file replaced")
        << false << Call::Sync << 2 << false << Kind::NotConfirmed << NewBytes;
    QTest::newRow("in place: a write fails once")
        << true << Call::Write << 3 << false << Kind::WriteFailed << OldBytes;
    QTest::newRow("in place: the sync fails once")
        << true << Call::Sync << 1 << false << Kind::WriteFailed << OldBytes;
    QTest::newRow("in place: writes fail for good")
        << true << Call::Write << -3 << false << Kind::MayBeDamaged << QByteArray();
    QTest::newRow("in place: no copy of the old bytes")
        << true << Call::None << 0 << true << Kind::RecoveryCopyFailed << OldBytes;
}

void TestMazeFile::failuresNeverLoseTheOldFile()
{
    QFETCH(bool, inPlace);
    QFETCH(Call, call);
    QFETCH(int, failAt);
    QFETCH(bool, copyFolderBlocked);
    QFETCH(Kind, reason);
    QFETCH(QByteArray, fileHolds);
    const QString file = path("m.mdt");
    writeBytes(file, OldBytes);
    if (copyFolderBlocked)
        writeBytes(recovered(), "a file where the folder would go");
    const QFile::Permissions folderWas = QFile::permissions(dir->path());
    if (inPlace)
        QFile::setPermissions(dir->path(), QFile::ReadOwner | QFile::ExeOwner);

    fault = {call, failAt, 0};
    MazeFileProblem p;
    {
        PermissionsBind bind;
        p = replaceFileContents(file, NewBytes, FaultyCalls);
    }
    QFile::setPermissions(dir->path(), folderWas);

    QCOMPARE(p.kind, reason);
    QCOMPARE(p.systemError, copyFolderBlocked ? ENOTDIR : EIO);
    if (!fileHolds.isNull())
        QCOMPARE(readBytes(file), fileHolds);
    QCOMPARE(filesIn(dir->path()), QStringList{"m.mdt"});
    if (copyFolderBlocked)
        QCOMPARE(p.detail, recovered());
    // Only a save that may have damaged the file keeps the copy, and names it.
    const QStringList copies = filesIn(recovered());
    QCOMPARE(copies.size(), reason == Kind::MayBeDamaged ? 1 : 0);
    if (!copies.isEmpty()) {
        QVERIFY2(copies[0].startsWith("m-") && copies[0].endsWith(".mdt"), qPrintable(copies[0]));
        QCOMPARE(p.detail, recovered() + '/' + copies[0]);
        QCOMPARE(readBytes(p.detail), OldBytes);
    }
}

void TestMazeFile::keepsOwnerGroupAndMode_data()
{
    QTest::addColumn<bool>("byUser"); // saved by User, else by root
    QTest::addColumn<uint>("mode");
    QTest::newRow("by root: owner, group and a read-only mode") << false << 0444u;
    QTest::newRow("by a member of the group: group and mode, the file becomes theirs")
        << true << 0664u;
}

void TestMazeFile::keepsOwnerGroupAndMode()
{
    QFETCH(bool, byUser);
    QFETCH(uint, mode);
    if (geteuid() != 0)
        QSKIP("needs root to give files other owners and to act as another user");
    const QString file = path("m.mdt");
    const QByteArray name = QFile::encodeName(file);
    writeBytes(file, "old");
    QCOMPARE(::chown(name.constData(), Other, Group), 0);
    QCOMPARE(::chmod(name.constData(), mode), 0);
    QCOMPARE(::chown(QFile::encodeName(dir->path()).constData(), User, User), 0);

    const auto save = [&] { return !replaceFileContents(file, NewBytes, FileCalls::system()); };
    QVERIFY(byUser ? asUser(save) : save());
    QCOMPARE(readBytes(file), NewBytes);
    struct stat st {};
    QCOMPARE(::stat(name.constData(), &st), 0);
    QCOMPARE(st.st_uid, byUser ? User : Other);
    QCOMPARE(st.st_gid, Group);
    QCOMPARE(st.st_mode & 07777, mode);
}

void TestMazeFile::savesThroughSymbolicLink_data()
{
    QTest::addColumn<QString>("save");   // the path saved to
    QTest::addColumn<QString>("target"); // the file that must get the bytes
    QTest::newRow("a link beside its target") << "link.mdt"
                                              << "maze.mdt";
    // via -> real/sub, and real/sub/up.mdt -> ../maze.mdt: by text the
    // target would be maze.mdt beside via.
    QTest::newRow("through a linked folder, up by ..") << "via/up.mdt"
                                                       << "real/maze.mdt";
}

void TestMazeFile::savesThroughSymbolicLink()
{
    QFETCH(QString, save);
    QFETCH(QString, target);
    QVERIFY(QDir(dir->path()).mkpath("real/sub"));
    writeBytes(path("maze.mdt"), "old");
    writeBytes(path("real/maze.mdt"), "old");
    QVERIFY(QFile::link("maze.mdt", path("link.mdt")));
    QVERIFY(QFile::link("real/sub", path("via")));
    QVERIFY(QFile::link("../maze.mdt", path("real/sub/up.mdt")));
    QVERIFY(!replaceFileContents(path(save), NewBytes, FileCalls::system()));
    QVERIFY(QFileInfo(path(save)).isSymLink());
    for (const QString file : {"maze.mdt", "real/maze.mdt"})
        QCOMPARE(readBytes(path(file)), file == target ? NewBytes : QByteArray("old"));
}

void TestMazeFile::refusesLongText_data()
{
    QTest::addColumn<bool>("title");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("title at limit") << true << 32767 << true;
    QTest::newRow("title over limit") << true << 32768 << false;
    QTest::newRow("music over limit") << false << 40000 << false;
}

void TestMazeFile::refusesLongText()
{
    QFETCH(bool, title);
    QFETCH(int, length);
    QFETCH(bool, accepted);
    const QByteArray old = encoded(abcMaze());
    writeBytes(path("m.mdt"), old);
    MazeData m = abcMaze();
    (title ? m.header.Title : m.header.MusicFile) = QByteArray(length, 'a');

    const MazeFile::WriteResult r = MazeFile::write(path("m.mdt"), m.header, m.grid);
    QCOMPARE(r.ok(), accepted);
    if (accepted) {
        MazeFile::ReadResult back = MazeFile::read(path("m.mdt"));
        QVERIFY(back.ok());
        QCOMPARE(back.maze->header.Title.size(), length);
    } else {
        QCOMPARE(r.error.problem.kind, Kind::TextTooLong);
        QCOMPARE(r.error.problem.first, length);
        QCOMPARE(readBytes(path("m.mdt")), old);
    }
}

void TestMazeFile::musicFileLookup_data()
{
    QTest::addColumn<QString>("musicFile");
    QTest::addColumn<QString>("found"); // below the maze's folder; "=" unchanged
    QTest::newRow("none") << ""
                          << "=";
    QTest::newRow("windows path") << "C:\\MIDI\\STAGE1.MID"
                                  << "stage1.mid";
    QTest::newRow("other case, forward slashes") << "/old/music/Stage1.Mid"
                                                 << "stage1.mid";
    QTest::newRow("relative to the maze") << "sub/theme.mid"
                                          << "sub/theme.mid";
    QTest::newRow("nowhere") << "C:\\MIDI\\GONE.MID"
                             << "=";
    QTest::newRow("a folder is no music") << "D:\\sub"
                                          << "=";
    QTest::newRow("a fifo is no music") << "C:\\pipe.mid"
                                        << "=";
}

void TestMazeFile::musicFileLookup()
{
    QFETCH(QString, musicFile);
    QFETCH(QString, found);
    QDir(dir->path()).mkdir("sub");
    writeBytes(path("stage1.mid"), "MThd");
    writeBytes(path("sub/theme.mid"), "MThd");
    QCOMPARE(mkfifo(QFile::encodeName(path("pipe.mid")).constData(), 0600), 0);
    const QString result = lookUpMusicFile(musicFile, path("maze.mdt"));
    QCOMPARE(result, found == "=" ? musicFile : path(found));
}

// Bests per maze: kept apart, new only when better, back from the file as
// they went in, in private folders, within MaxEntries.
void TestMazeFile::recordsRoundTrip()
{
    const MazeData maze = abcMaze();
    const QByteArray key = recordKey(maze.header, maze.grid);
    QVERIFY(QRegularExpression("^[0-9a-f]{64}$").match(QString::fromLatin1(key)).hasMatch());
    MazeHeader moved = maze.header;
    moved.MusicFile = "elsewhere/theme.mid";
    QCOMPARE(recordKey(moved, maze.grid), key); // the music moved: the same maze
    MazeHeader retitled = maze.header;
    retitled.Title = "abd";
    const QByteArray other = recordKey(retitled, maze.grid);
    QVERIFY(other != key);

    const QString file = path("data/orvane/records.json");
    const mode_t oldMask = ::umask(022);
    const auto restoreMask = qScopeGuard([&] { ::umask(oldMask); });
    Records records(file);
    QCOMPARE(records.load().problem, RecordsProblem::None); // no file yet
    const QDateTime day(QDate(2026, 1, 2), QTime(9, 30), Qt::UTC);
    const auto news = [&](int seconds, int keys, int days, const QByteArray& k) {
        const Records::Recorded r = records.record(k, seconds, keys, day.addDays(days));
        if (!r.sync.write.written())
            return QString("not written");
        return QString("%1%2").arg(r.news.time ? "time" : "").arg(r.news.keys ? "keys" : "");
    };
    QCOMPARE(news(40, 120, 0, key), "timekeys");
    QCOMPARE(news(35, 130, 1, key), "time");
    QCOMPARE(news(35, 110, 2, key), "keys"); // as fast is no new best
    QCOMPARE(news(50, 60, 3, other), "timekeys");
    QCOMPARE(news(-1, 60, 4, other), ""); // out of range: nothing recorded
    for (const auto& [made, mode] :
         {std::pair{path("data"), 0700u}, {path("data/orvane"), 0700u}, {file, 0600u}}) {
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(made).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode);
    }

    Records again(file);
    QCOMPARE(again.load().problem, RecordsProblem::None);
    const MazeRecord first{{35, day.addDays(1)}, {110, day.addDays(2)}, day.addDays(2)};
    QCOMPARE(again.lookup(key), first);
    QCOMPARE(again.lookup(other)->played, day.addDays(3));
    QVERIFY(!again.lookup(QByteArray(64, 'f')));

    // Past MaxEntries the maze played longest ago goes.
    RecordEntries full;
    for (int i = 0; i < Records::MaxEntries - 1; ++i)
        full[QByteArray::number(i).rightJustified(64, '0')] = {{1, day}, {1, day}, day.addDays(10)};
    full[key] = first;
    writeBytes(file, RecordsCodec::encode(full));
    QVERIFY(again.record(other, 1, 1, day.addDays(11)).sync.write.written());
    QCOMPARE(again.size(), Records::MaxEntries);
    QVERIFY(!again.lookup(key)); // played on day 2, the others later
    QVERIFY(again.lookup(other));
    QCOMPARE(RecordsCodec::decode(readBytes(file)).entries.size(), size_t(Records::MaxEntries));
}

// Programs that share the file: each write reads it afresh under its lock
// and keeps the better of each best; a program that cannot have the lock
// keeps its game until the next write; a newer version's file is neither
// read nor written.
void TestMazeFile::recordsShared()
{
    const QString file = path("records.json");
    const QDateTime day(QDate(2026, 3, 4), QTime(8, 0), Qt::UTC);
    const QByteArray a(64, 'a'), b(64, 'b');
    Records first(file), second(file);
    QCOMPARE(first.load().problem, RecordsProblem::None);
    QCOMPARE(second.load().problem, RecordsProblem::None);
    QVERIFY(first.record(a, 30, 90, day).sync.write.written());
    QVERIFY(second.record(b, 20, 50, day.addDays(1)).sync.write.written());
    // The second program's game on a: better keys, worse time.
    const Records::Recorded onA = second.record(a, 40, 80, day.addDays(2));
    QVERIFY(!onA.news.time && onA.news.keys);
    const MazeRecord bestA{{30, day}, {80, day.addDays(2)}, day.addDays(2)};
    QCOMPARE(second.lookup(a), bestA);

    // Another program holds the lock: the game waits, and nothing is lost.
    QLockFile other(file + ".lock");
    QVERIFY(other.tryLock(0));
    const Records::Recorded waiting = first.record(b, 10, 70, day.addDays(3));
    QVERIFY(waiting.sync.lockBusy && waiting.news.time && !waiting.news.keys);
    QVERIFY(first.hasUnwritten());
    other.unlock();
    QVERIFY(first.flush().write.written());
    QVERIFY(!first.hasUnwritten());
    Records reader(file);
    reader.load();
    QCOMPARE(reader.lookup(a), bestA);
    QCOMPARE(reader.lookup(b),
             (MazeRecord{{10, day.addDays(3)}, {50, day.addDays(1)}, day.addDays(3)}));

    // A later version's file stays as it is, byte for byte.
    const QByteArray newer = R"({"format": "orvane-records", "version": 3, "mazes": []})";
    writeBytes(file, newer);
    Records older(file);
    QCOMPARE(older.load().problem, RecordsProblem::NewerVersion);
    const Records::Recorded kept = older.record(a, 5, 5, day.addDays(4));
    QVERIFY(kept.news.time && kept.sync.write.written());
    QCOMPARE(older.lookup(a)->time.value, 5); // for this run
    older.flush();
    QCOMPARE(readBytes(file), newer);
    QCOMPARE(QDir(dir->path()).entryList({"records.json.*"}), QStringList());
}

// The maze files of a folder as people count, and the next one readable.
void TestMazeFile::mazeFolderOrder()
{
    for (const char* name : {"10-c.mdt", "2-a.mdt", "2-B.mdt", "3-x.mdt", "1-z.txt"})
        writeBytes(path(name), "");
    QCOMPARE(mazeFilesOf(dir->path()), QStringList({"2-a.mdt", "2-B.mdt", "3-x.mdt", "10-c.mdt"}));
    const auto readable = [](const QString& file) { return !file.endsWith("3-x.mdt"); };
    const NextMaze next = nextMaze(path("2-B.mdt"), readable);
    QCOMPARE(next.file, path("10-c.mdt"));
    QCOMPARE(next.skipped, QStringList{"3-x.mdt"});
    QCOMPARE(nextMaze(path("10-c.mdt"), readable).file, QString());
    QCOMPARE(nextMaze(path("2-aa.mdt"), readable).file,
             path("2-B.mdt")); // not listed: after where it would be
}

void TestMazeFile::recordsDamaged_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<RecordsProblem>("problem");
    const QByteArray key(64, 'a');
    const auto file = [&](const QByteArray& entry) {
        return R"({"format": "orvane-records", "version": 1, "mazes": {")" + key + "\": " + entry +
               "}}";
    };
    const QByteArray date = R"("2026-01-02T09:30:00Z")";
    const auto entry = [&](const QByteArray& seconds, const QByteArray& count,
                           const QByteArray& when) {
        return R"({"played": )" + when + R"(, "time": {"seconds": )" + seconds + R"(, "date": )" +
               when + R"(}, "keys": {"count": )" + count + R"(, "date": )" + when + "}}";
    };
    QTest::newRow("cut short") << file(entry("40", "120", date)).chopped(3)
                               << RecordsProblem::NotJson;
    QTest::newRow("a list") << QByteArray("[]") << RecordsProblem::NotJson;
    QTest::newRow("another format")
        << QByteArray(R"({"format": "other", "version": 1, "mazes": {}})")
        << RecordsProblem::NotRecords;
    QTest::newRow("no version") << QByteArray(R"({"format": "orvane-records", "mazes": {}})")
                                << RecordsProblem::NotRecords;
    QTest::newRow("seconds as text")
        << file(entry(R"("40")", "120", date)) << RecordsProblem::BadEntry;
    QTest::newRow("keys below 0") << file(entry("40", "-1", date)) << RecordsProblem::BadEntry;
    QTest::newRow("keys past the bound")
        << file(entry("40", "1000000000", date)) << RecordsProblem::BadEntry;
    QTest::newRow("a fraction of a second")
        << file(entry("40.5", "120", date)) << RecordsProblem::BadEntry;
    QTest::newRow("no date") << file(entry("40", "120", R"("soon")")) << RecordsProblem::BadEntry;
    QTest::newRow("a key that is no SHA-256")
        << file(entry("40", "120", date)).replace(key, "abc") << RecordsProblem::BadEntry;
    QTest::newRow("over a megabyte")
        << file(entry("40", "120", date)) + QByteArray(RecordsCodec::MaxFileSize, ' ')
        << RecordsProblem::TooLarge;
    QTest::newRow("unreadable") << file(entry("40", "120", date)) << RecordsProblem::ReadFailed;
}

// A damaged file is moved aside whole and the records start afresh; a file
// that cannot be read stays, and nothing is written over it.
void TestMazeFile::recordsDamaged()
{
    QFETCH(QByteArray, contents);
    QFETCH(RecordsProblem, problem);
    const QString file = path("records.json");
    writeBytes(file, contents);
    std::optional<PermissionsBind> bind;
    if (problem == RecordsProblem::ReadFailed) {
        QCOMPARE(::chmod(QFile::encodeName(file).constData(), 0), 0);
        bind.emplace();
    }
    Records records(file);
    const Records::Load load = records.load();
    QCOMPARE(load.problem, problem);
    QCOMPARE(records.size(), 0);
    const Records::Recorded recorded =
        records.record(QByteArray(64, 'b'), 10, 20, QDateTime::currentDateTimeUtc());
    if (problem == RecordsProblem::ReadFailed) {
        QVERIFY(load.setAsideAs.isEmpty());
        QCOMPARE(recorded.sync.write.kind, Kind::ReadFailed);
        bind.reset();
        QCOMPARE(readBytes(file), contents);
        return;
    }
    QVERIFY2(QRegularExpression(R"(/records\.json\.damaged-\d{8}-\d{6}$)")
                 .match(load.setAsideAs)
                 .hasMatch(),
             qPrintable(load.setAsideAs));
    QCOMPARE(readBytes(load.setAsideAs), contents);
    QVERIFY(recorded.sync.write.written());
    Records again(file);
    QCOMPARE(again.load().problem, RecordsProblem::None);
    QCOMPARE(again.size(), 1);
}

void TestMazeFile::runText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<RunProblem>("problem");
    QTest::addColumn<int>("position");       // of the letter or tick refused
    QTest::addColumn<QByteArray>("written"); // what a text read is written as
    const QByteArray longest(MaxRunKeys, 'S');
    QTest::newRow("a run") << QByteArray("RRDSUL\n0 0 1 1 3 3\n") << RunProblem::None << 0
                           << QByteArray("RRDSUL\n0 0 1 1 3 3\n");
    QTest::newRow("Windows line ends, blanks, no last end")
        << QByteArray("RS\r\n 0\t 12 \r\n") << RunProblem::None << 0 << QByteArray("RS\n0 12\n");
    QTest::newRow("no keys") << QByteArray("\n\n") << RunProblem::None << 0 << QByteArray("\n\n");
    QTest::newRow("the longest") << longest + "\n" + QByteArray("7 ").repeated(MaxRunKeys)
                                 << RunProblem::None << 0
                                 << longest + "\n" +
                                        QByteArray("7 ").repeated(MaxRunKeys).chopped(1) + "\n";
    QTest::newRow("a letter not in the alphabet")
        << QByteArray("RRu\n0 0 0\n") << RunProblem::BadLetter << 3 << QByteArray();
    QTest::newRow("ticks not rising")
        << QByteArray("RRR\n0 2 1\n") << RunProblem::TicksFalling << 3 << QByteArray();
    QTest::newRow("a tick below 0")
        << QByteArray("RR\n0 -1\n") << RunProblem::BadTick << 2 << QByteArray();
    QTest::newRow("a tick past the bound")
        << QByteArray("R\n1000000000\n") << RunProblem::BadTick << 1 << QByteArray();
    QTest::newRow("a tick of letters")
        << QByteArray("RR\n0 1x\n") << RunProblem::BadTick << 2 << QByteArray();
    QTest::newRow("fewer ticks") << QByteArray("RRR\n0 0\n") << RunProblem::CountsDiffer << 3
                                 << QByteArray();
    QTest::newRow("more ticks") << QByteArray("RR\n0 0 0\n") << RunProblem::CountsDiffer << 3
                                << QByteArray();
    QTest::newRow("no ticks line")
        << QByteArray("RR") << RunProblem::CountsDiffer << 1 << QByteArray();
    QTest::newRow("a third line") << QByteArray("R\n0\nR\n") << RunProblem::ExtraLine << 0
                                  << QByteArray();
    QTest::newRow("too many keys")
        << "S" + longest + "\n" + QByteArray("0 ").repeated(MaxRunKeys + 1) << RunProblem::TooLong
        << 0 << QByteArray();
    QTest::newRow("too many bytes") << "R\n" + QByteArray(RunText::MaxTextBytes, ' ')
                                    << RunProblem::TooLong << 0 << QByteArray();
}

// A run's text form: read back as written, refused with where and why.
void TestMazeFile::runText()
{
    QFETCH(QByteArray, text);
    QFETCH(RunProblem, problem);
    QFETCH(int, position);
    QFETCH(QByteArray, written);
    const RunText::Read read = RunText::read(text);
    QCOMPARE(read.problem.kind, problem);
    QCOMPARE(read.problem.position, position);
    if (problem != RunProblem::None) {
        QVERIFY(read.run.empty());
        return;
    }
    QCOMPARE(RunText::write(read.run), written);
    QCOMPARE(RunText::read(written).run, read.run);
}

// Runs kept with their bests: a first version's file is read without runs
// and written as this version's; two programs' bests are joined each with
// its own run; a run past the bound is not kept; the file stays within its
// bound, keeping the runs of the mazes played last.
void TestMazeFile::recordsKeepRuns()
{
    const QString file = path("records.json");
    const QDateTime day(QDate(2026, 5, 6), QTime(7, 0), Qt::UTC);
    const QByteArray a(64, 'a');
    writeBytes(file, R"({"format": "orvane-records", "version": 1, "mazes": {")" + a +
                         R"(": {"played": "2026-05-06T07:00:00Z",
            "time": {"seconds": 9, "date": "2026-05-06T07:00:00Z", "run": "ignored"},
            "keys": {"count": 8, "date": "2026-05-06T07:00:00Z"}}}})");
    Records first(file), second(file);
    QCOMPARE(first.load().problem, RecordsProblem::None);
    QCOMPARE(first.lookup(a), (MazeRecord{{9, day}, {8, day}, day}));
    const GameRun fast{"RRRRRRRRRR", {0, 0, 0, 0, 0, 1, 1, 1, 1, 1}};
    const GameRun few{"RDR", {0, 4, 9}};
    QVERIFY(first.record(a, 1, 10, day.addDays(1), fast).sync.write.written());
    QVERIFY(readBytes(file).contains(R"("version": 2)"));
    QVERIFY(second.record(a, 9, 3, day.addDays(2), few).sync.write.written());
    QVERIFY(first.flush().write.written() && first.load().problem == RecordsProblem::None);
    for (const Records* records : {&first, &second}) {
        const_cast<Records*>(records)->load();
        QCOMPARE(records->lookup(a)->time, (Best{1, day.addDays(1), fast}));
        QCOMPARE(records->lookup(a)->keys, (Best{3, day.addDays(2), few}));
        QCOMPARE(records->bestRuns(a), (std::vector<GameRun>{fast, few}));
    }
    const QByteArray b(64, 'b');
    const GameRun tooLong{std::string(MaxRunKeys + 1, 'S'), std::vector<int>(MaxRunKeys + 1, 0)};
    first.record(b, 1, MaxRunKeys + 1, day, tooLong);
    QCOMPARE(first.lookup(b)->time.run, GameRun{});
    QVERIFY(first.bestRuns(b).empty());
    RecordEntries joined{{b, {{1, day}, {3, day}, day}}};
    joinRecords(joined, {{b, {{1, day, fast}, {3, day}, day}}});
    QCOMPARE(joined[b].time.run, fast); // of equal bests, the one with its run

    // Runs of the longest kind on many mazes: the newest keep theirs.
    GameRun longest{std::string(MaxRunKeys, 'U'), std::vector<int>(MaxRunKeys, 123456789)};
    RecordEntries many;
    constexpr int Mazes = 40;
    for (int i = 0; i < Mazes; ++i)
        many[QByteArray::number(i).rightJustified(64, '0')] = {
            {1, day, longest}, {2, day, longest}, day.addDays(i)};
    const QByteArray bounded = RecordsCodec::encode(many);
    QVERIFY(bounded.size() <= RecordsCodec::MaxFileSize);
    const RecordsCodec::Decoded back = RecordsCodec::decode(bounded);
    QCOMPARE(back.entries.size(), size_t(Mazes));
    QCOMPARE(back.entries.rbegin()->second.keys.run, longest);
    QCOMPARE(back.entries.begin()->second.keys.run, GameRun{});
}

QTEST_APPLESS_MAIN(TestMazeFile)
#include "tst_mazefile.moc"
