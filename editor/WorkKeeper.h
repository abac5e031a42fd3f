#pragma once

#include "FileCalls.h"
#include "KeptWork.h"
#include "MazeFileError.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUuid>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

class QLockFile;
class QThreadPool;

namespace orvane {

// Keeps the editor's work in a file of a work folder, written whole and
// synced on a thread of its own so that the window never waits for the disk:
// at most KeepDelay after an edit, and at once when asked. What a crash or a
// kill interrupts is the write after the last one, never the last one kept.
//
// Each running program keeps its work in a file of its own, held under a
// lock (editor.work, else editor-2.work, ...): no other program overwrites it
// or takes it back while it runs. A file a newer version of the program wrote
// is never written over: its slot is passed by.
class WorkKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds KeepDelay{1000};
    // How long the program's end waits for the last write.
    static constexpr std::chrono::milliseconds ExitWaitLimit{5000};

    // `work` tells the work as it stands, or nothing when there is none; it
    // is asked on this object's thread. `calls` write the file.
    WorkKeeper(const QString& folder, std::function<std::optional<KeptWork>()> work,
               const FileCalls& calls = FileCalls::system(), QObject* parent = nullptr);
    ~WorkKeeper() override;

    // This program's file.
    const QString& file() const { return file_; }

    // What a start could not take back as it was.
    struct Notes {
        QStringList setAside; // files that could not be read, where they went
        QStringList newer;    // files a newer version wrote, left as they are
        int stepsDropped = 0; // steps refused at reading, or that did not lead to their maze
    };
    struct TakenBack {
        std::optional<KeptWork> work; // every kept work, joined oldest first
        Notes notes;
    };
    // Takes back the work kept in every file of the folder that no running
    // program holds, this program's own among them, each once: a work that
    // another file names as taken in is in that file already. A file that
    // cannot be read (too large, damaged) is moved aside, unread; one a newer
    // version wrote stays as it is. The other files are removed once this
    // program's file holds their work (their newest steps within the budget)
    // and its folder is synced; until then this program's file names them.
    TakenBack takeBack();

    // The work changed: it is kept within KeepDelay.
    void edited();
    // Keeps the work as it stands now.
    void keepNow();
    // Whether every write asked for ended within `limit`.
    bool waitForWrites(std::chrono::milliseconds limit);

signals:
    // A write failed: the work as it stands is not kept.
    void keepFailed(const MazeFileProblem& problem);

private:
    // A file taken back, and the id of the work it holds.
    struct Taken {
        QString file;
        QUuid id;
    };
    // What the writing thread shares with this object; it may outlive it.
    struct Writes {
        explicit Writes(const FileCalls& calls) : calls(calls) {}
        const FileCalls calls;
        std::atomic<quint64> newest{0}; // the latest state asked to be kept
        std::atomic<bool> warned{false};
        std::mutex mutex;
        std::vector<Taken> toRemove; // taken back, removed once ours holds them
    };
    static MazeFileProblem write(const QString& file, KeptWork& work, quint64 generation,
                                 Writes& writes);
    static void removeTakenBack(const QString& folder, Writes& writes);
    void lockOwnFile();

    const QString folder_;
    const QUuid id_ = QUuid::createUuid(); // this run's work
    QString file_;
    int folderError_ = 0; // errno of making the folder, or 0
    const std::function<std::optional<KeptWork>()> work_;
    QTimer timer_;
    const std::shared_ptr<Writes> writes_;
    std::vector<std::unique_ptr<QLockFile>> locks_; // our file first, then those taken back
    std::unique_ptr<QThreadPool> writer_;           // left behind if a write never ends
};

} // namespace orvane
