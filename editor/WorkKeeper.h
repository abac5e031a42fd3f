#pragma once

#include "KeptWork.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QThreadPool;

namespace orvane {

// Keeps the editor's work in a file, written whole and synced on a thread of
// its own so that the window never waits for the disk: at most KeepDelay
// after an edit, and at once when asked. What a crash or a kill interrupts is
// the write after the last one, never the last one kept.
class WorkKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds KeepDelay{1000};
    // How long the program's end waits for the last write.
    static constexpr std::chrono::milliseconds ExitWaitLimit{5000};

    // `work` tells the work as it stands, or nothing when there is none; it
    // is asked on this object's thread.
    WorkKeeper(QString file, std::function<std::optional<KeptWork>()> work,
               QObject* parent = nullptr);
    ~WorkKeeper() override;

    const QString& file() const { return file_; }
    // The work the file holds, or nothing. A file that cannot be read back
    // (damaged, or from a newer version) is moved aside, with a warning on
    // standard error; none of it is used.
    std::optional<KeptWork> readBack();

    // The work changed: it is kept within KeepDelay.
    void edited();
    // Keeps the work as it stands now.
    void keepNow();
    // Whether every write asked for ended within `limit`.
    bool waitForWrites(std::chrono::milliseconds limit);

private:
    // What the writing thread shares with this object; it may outlive it.
    struct Writes {
        std::atomic<quint64> newest{0}; // the latest state asked to be kept
        std::atomic<bool> warned{false};
    };
    static void write(const QString& file, const KeptWork& work, quint64 generation,
                      Writes& writes);

    const QString file_;
    const std::function<std::optional<KeptWork>()> work_;
    QTimer timer_;
    const std::shared_ptr<Writes> writes_;
    std::unique_ptr<QThreadPool> writer_; // left behind if a write never ends
};

} // namespace orvane
