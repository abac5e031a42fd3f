#include "LevelList.h"

#include "MazeFileMessages.h"
#include "MazeFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QPainter>
#include <QPromise>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace orvane {
namespace {

using Kind = LevelDetail::Kind;

// A thumbnail centred in a square, transparent around it, so that every row
// has one height and the names line up.
QImage squareThumbnail(const QImage& thumbnail)
{
    QImage square(LevelList::ThumbnailSize, LevelList::ThumbnailSize,
                  QImage::Format_ARGB32_Premultiplied);
    square.fill(Qt::transparent);
    QPainter painter(&square);
    painter.drawImage((square.width() - thumbnail.width()) / 2,
                      (square.height() - thumbnail.height()) / 2, thumbnail);
    painter.end();
    return square;
}

const QImage& noThumbnail()
{
    static const QImage blank = squareThumbnail({});
    return blank;
}

} // namespace

LevelList::LevelList(RecordLookup records, int maxRows, QObject* parent)
    : QAbstractTableModel(parent), records_(std::move(records)), maxRows_(maxRows),
      detail_(new QFutureWatcher<LevelDetail>(this)), watcher_(new QFileSystemWatcher(this)),
      settle_(new QTimer(this))
{
    settle_->setSingleShot(true);
    settle_->setInterval(SettleMs);
    connect(settle_, &QTimer::timeout, this, &LevelList::refresh);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, settle_, qOverload<>(&QTimer::start));
    connect(detail_, &QFutureWatcher<LevelDetail>::finished, this, &LevelList::detailMade);
}

// A detail being made goes on alone: it holds nothing of this list.
LevelList::~LevelList() = default;

LevelRow LevelList::readRow(const QString& file) const
{
    LevelRow row = readLevelRow(file);
    if (row.readable())
        row.best = records_(row.key);
    return row;
}

QStringList LevelList::namesListed()
{
    QStringList names = mazeFilesOf(folder_);
    leftOut_ = int(std::max<qsizetype>(names.size() - maxRows_, 0));
    names.resize(std::min<qsizetype>(names.size(), maxRows_));
    return names;
}

void LevelList::open(const QString& folder)
{
    beginResetModel();
    if (!watcher_->directories().isEmpty())
        watcher_->removePaths(watcher_->directories());
    folder_ = folder.isEmpty() ? folder : QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    rows_.clear();
    leftOut_ = 0;
    firstShown_ = 0;
    lastShown_ = -1;
    if (!folder_.isEmpty()) {
        watcher_->addPath(folder_);
        const QDir dir(folder_);
        for (const QString& name : namesListed())
            rows_.push_back(readRow(dir.filePath(name)));
    }
    endResetModel();
    emit countChanged();
    makeNextDetail();
}

void LevelList::refresh()
{
    if (folder_.isEmpty())
        return;
    const QDir dir(folder_);
    size_t i = 0;
    auto dropRows = [this](size_t first, size_t end) {
        beginRemoveRows({}, int(first), int(end) - 1);
        rows_.erase(rows_.begin() + qsizetype(first), rows_.begin() + qsizetype(end));
        endRemoveRows();
    };
    // Both lists are in the same order: one walk finds what came, went or changed.
    for (const QString& name : namesListed()) {
        size_t gone = i;
        while (gone < rows_.size() && mazeNameBefore(QFileInfo(rows_[gone].file).fileName(), name))
            ++gone;
        if (gone > i)
            dropRows(i, gone);
        const QString file = dir.filePath(name);
        if (i < rows_.size() && rows_[i].file == file) {
            if (fileChanged(rows_[i]))
                changeRow(int(i), readRow(file));
        } else {
            beginInsertRows({}, int(i), int(i));
            rows_.insert(rows_.begin() + qsizetype(i), readRow(file));
            endInsertRows();
        }
        ++i;
    }
    if (i < rows_.size())
        dropRows(i, rows_.size());
    emit countChanged();
    makeNextDetail();
}

void LevelList::readAgain(const QString& file)
{
    if (const int row = rowOf(file); row >= 0) {
        changeRow(row, readRow(file));
        makeNextDetail();
    }
}

void LevelList::recordsChanged()
{
    for (size_t i = 0; i < rows_.size(); ++i) {
        LevelRow& row = rows_[i];
        if (!row.readable())
            continue;
        if (std::optional<MazeRecord> best = records_(row.key); best != row.best) {
            row.best = std::move(best);
            rowChanged(int(i));
        }
    }
    emit countChanged();
}

void LevelList::showRows(int first, int last)
{
    firstShown_ = first;
    lastShown_ = last;
    makeNextDetail();
}

void LevelList::changeRow(int row, LevelRow level)
{
    rows_[size_t(row)] = std::move(level);
    rowChanged(row);
    emit countChanged();
}

void LevelList::rowChanged(int row)
{
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

int LevelList::rowOf(const QString& file) const
{
    for (size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].file == file)
            return int(i);
    return -1;
}

int LevelList::solvedCount() const
{
    return int(std::count_if(rows_.begin(), rows_.end(),
                             [](const LevelRow& r) { return r.readable() && r.solved(); }));
}

int LevelList::mazeCount() const
{
    return int(
        std::count_if(rows_.begin(), rows_.end(), [](const LevelRow& r) { return r.readable(); }));
}

LevelList::Next LevelList::nextDetail() const
{
    auto wanted = [](const LevelRow& r, Kind kind) {
        return r.readable() && !(kind == Kind::Thumbnail ? r.thumbnailMade : r.gradeMade);
    };
    const int shownEnd = std::min(lastShown_ + 1, rowCount());
    for (const auto& [first, end] :
         {std::pair(std::max(firstShown_, 0), shownEnd), std::pair(0, rowCount())}) {
        for (const Kind kind : {Kind::Thumbnail, Kind::Grade})
            for (int row = first; row < end; ++row)
                if (wanted(level(row), kind))
                    return {row, kind};
    }
    return {};
}

void LevelList::makeNextDetail()
{
    if (running_)
        return;
    const Next next = nextDetail();
    if (next.row < 0)
        return;
    const LevelRow& row = level(next.row);
    auto promise = std::make_shared<QPromise<LevelDetail>>();
    promise->start();
    detail_->setFuture(promise->future());
    running_ = true;
    QThreadPool::globalInstance()->start(
        [promise, kind = next.kind, file = row.file, key = row.key] {
            promise->addResult(makeLevelDetail(kind, file, key, ThumbnailSize));
            promise->finish();
        });
}

void LevelList::detailMade()
{
    running_ = false;
    const QFuture<LevelDetail> future = detail_->future();
    if (future.resultCount() > 0) {
        const LevelDetail detail = future.result();
        const int row = rowOf(detail.file);
        // Asked of a row since read again, or of a list since replaced: dropped.
        if (row >= 0 && rows_[size_t(row)].key == detail.asked) {
            LevelRow& level = rows_[size_t(row)];
            if (detail.found != detail.asked) {
                // The file changed since it was read: its row is read again.
                LevelRow fresh = readRow(level.file);
                if (fresh.key == level.key)
                    level.thumbnailMade = level.gradeMade = true; // nothing more to be had
                else
                    changeRow(row, std::move(fresh));
            } else if (detail.kind == Kind::Thumbnail) {
                level.thumbnailMade = true;
                level.thumbnail = squareThumbnail(detail.thumbnail);
                emit dataChanged(index(row, NameColumn), index(row, NameColumn),
                                 {Qt::DecorationRole});
            } else {
                level.gradeMade = true;
                level.grade = detail.grade;
                rowChanged(row);
            }
        }
    }
    makeNextDetail();
    if (!running_)
        emit detailsDone();
}

int LevelList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int LevelList::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString LevelList::countText() const
{
    return tr("%1 / %2 クリア", "mazes solved of the mazes listed")
        .arg(solvedCount())
        .arg(mazeCount());
}

QString LevelList::cellText(const LevelRow& row, int column) const
{
    if (column == NameColumn)
        return row.name;
    if (!row.readable())
        return column == TitleColumn
                   ? tr("読めません: %1").arg(fileProblemText(row.error.problem, row.file))
                   : QString();
    switch (column) {
    case TitleColumn:
        return row.title;
    case GradeColumn:
        return !row.gradeMade ? tr("…", "a grade being measured")
               : row.grade    ? QString::number(*row.grade)
                              : tr("解けない");
    case LimitColumn:
        return row.timeLimit == NoTimeLimit ? tr("なし", "no time limit")
                                            : tr("%1秒").arg(row.timeLimit);
    case TimeColumn:
        return row.best ? tr("%1秒").arg(row.best->time.value) : tr("未クリア");
    case KeysColumn:
        return row.best ? tr("%1キー").arg(row.best->keys.value) : QString();
    case SolvedColumn:
        return row.best ? tr("○", "the solved mark") : QString();
    default:
        return {};
    }
}

QString LevelList::accessibleName(int index) const
{
    const LevelRow& row = level(index);
    if (!row.readable())
        return tr("%1, 読めないファイル: %2")
            .arg(row.name, fileProblemText(row.error.problem, row.file));
    const QString grade = !row.gradeMade ? tr("難しさ 計算中")
                          : row.grade    ? tr("難しさ %1").arg(*row.grade)
                                         : tr("解けない迷路");
    const QString best =
        row.best ? tr("ベスト %1秒 %2キー").arg(row.best->time.value).arg(row.best->keys.value)
                 : tr("未クリア");
    return QStringList{row.name, grade, best}.join(QStringLiteral(", "));
}

QVariant LevelList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const LevelRow& row = level(index.row());
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return cellText(row, column);
    case Qt::DecorationRole:
        if (column != NameColumn)
            return {};
        return row.thumbnail.isNull() ? noThumbnail() : row.thumbnail;
    case Qt::ToolTipRole:
        if (!row.readable())
            return cellText(row, TitleColumn);
        return column == TitleColumn ? row.title : QVariant();
    case Qt::AccessibleTextRole:
        return column == NameColumn ? accessibleName(index.row()) : cellText(row, column);
    case Qt::TextAlignmentRole:
        if (column == NameColumn || column == TitleColumn)
            return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        return QVariant(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant LevelList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NameColumn:
        return tr("迷路");
    case TitleColumn:
        return tr("題名");
    case GradeColumn:
        return tr("難しさ");
    case LimitColumn:
        return tr("制限時間");
    case TimeColumn:
        return tr("ベスト");
    case KeysColumn:
        return tr("最少キー");
    case SolvedColumn:
        return tr("クリア");
    default:
        return {};
    }
}

} // namespace orvane
