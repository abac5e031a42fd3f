#pragma once

#include "LevelDetail.h"
#include "LevelRow.h"

#include <QAbstractTableModel>
#include <QFutureWatcher>

#include <functional>
#include <vector>

class QFileSystemWatcher;
class QTimer;

namespace orvane {

// The maze files of a folder in the order people count, with the player's
// progress: a row each, and how many are solved. Names, titles and bests
// are read at once; thumbnails and grades are made one at a time off the
// window's thread, the rows in view first. Follows the folder as it
// changes and the records as they are told to have changed.
class LevelList : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        NameColumn, // the thumbnail and the file's name
        TitleColumn,
        GradeColumn,
        LimitColumn,
        TimeColumn, // the best time, or that the maze is not solved
        KeysColumn, // the fewest keys
        SolvedColumn,
        ColumnCount
    };
    static constexpr int ThumbnailSize = 48;
    // A folder holding more maze files lists the first ones only: each is
    // read when the list opens.
    static constexpr int MaxRows = 1000;
    // A folder that changes is read again once it has been still this long.
    static constexpr int SettleMs = 200;

    // The bests kept of the maze with a records' key.
    using RecordLookup = std::function<std::optional<MazeRecord>(const QByteArray& key)>;

    explicit LevelList(RecordLookup records, int maxRows = MaxRows, QObject* parent = nullptr);
    ~LevelList() override;

    // Lists the maze files of `folder`, replacing any list shown.
    void open(const QString& folder);
    const QString& folder() const { return folder_; }
    // Reads again the files that came, went or changed since they were read.
    void refresh();
    // Looks up each maze's bests again.
    void recordsChanged();
    // The rows the view shows: their details are made first.
    void showRows(int first, int last);
    // Reads a file's row again, as when it was found unreadable on the way to be played.
    void readAgain(const QString& file);

    const LevelRow& level(int row) const { return rows_[size_t(row)]; }
    // The row of a file, or -1.
    int rowOf(const QString& file) const;
    int solvedCount() const;
    // The mazes that can be played: the files that can be read.
    int mazeCount() const;
    // The maze files of the folder past the ones listed.
    int filesLeftOut() const { return leftOut_; }
    // "7 / 12 クリア"
    QString countText() const;
    // What a screen reader says of a row: its name, grade and bests.
    QString accessibleName(int row) const;
    // Whether thumbnails or grades are still to be made.
    bool detailsPending() const { return nextDetail().row >= 0 || running_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    // The count of solved mazes or of mazes may have changed.
    void countChanged();
    // Every thumbnail and grade is made.
    void detailsDone();

private:
    struct Next {
        int row = -1;
        LevelDetail::Kind kind = LevelDetail::Kind::Thumbnail;
    };
    Next nextDetail() const;
    void makeNextDetail();
    void detailMade();
    LevelRow readRow(const QString& file) const;
    // The names of the files to list, in order; counts the ones left out.
    QStringList namesListed();
    void changeRow(int row, LevelRow level);
    void rowChanged(int row);
    QString cellText(const LevelRow& row, int column) const;

    RecordLookup records_;
    QString folder_;
    const int maxRows_;
    std::vector<LevelRow> rows_;
    int leftOut_ = 0;
    int firstShown_ = 0;
    int lastShown_ = -1;
    bool running_ = false;
    QFutureWatcher<LevelDetail>* detail_;
    QFileSystemWatcher* watcher_;
    QTimer* settle_;
};

} // namespace orvane
