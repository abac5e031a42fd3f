#include "LevelListWindow.h"

#include "Appearance.h"
#include "MazeFileMessages.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace orvane {
namespace {

constexpr QSize InitialSize{600, 560};
// The columns after the title, wide enough for what they show.
constexpr int FigureColumnWidth = 56;
constexpr int SolvedColumnWidth = 40;
constexpr int NameColumnExtra = 112; // beside the thumbnail

QLabel* plainText(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText); // file names and reasons, never markup
    return label;
}

} // namespace

QString LevelListWindow::caption()
{
    return tr("迷路の一覧");
}

LevelListWindow::LevelListWindow(LevelList::RecordLookup records, QWidget* parent)
    : QDialog(parent), list_(*new LevelList(std::move(records), LevelList::MaxRows, this))
{
    setObjectName(QStringLiteral("LevelListWindow"));
    setWindowTitle(caption());
    holdProgramFont(this);

    lblFolder = plainText(this);
    lblFolder->setWordWrap(true);
    lblCount = plainText(this);
    lblLeftOut = plainText(this);
    lblLeftOut->setWordWrap(true);
    lblLeftOut->hide();
    lblProblem = plainText(this);
    lblProblem->setWordWrap(true);
    lblProblem->hide();

    lstMazes = new QTreeView(this);
    lstMazes->setObjectName(QStringLiteral("lstMazes"));
    lstMazes->setAccessibleName(caption());
    lstMazes->setModel(&list_);
    lstMazes->setRootIsDecorated(false);
    lstMazes->setItemsExpandable(false);
    lstMazes->setUniformRowHeights(true);
    lstMazes->setAllColumnsShowFocus(true);
    lstMazes->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstMazes->setSelectionMode(QAbstractItemView::SingleSelection);
    lstMazes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstMazes->setIconSize({LevelList::ThumbnailSize, LevelList::ThumbnailSize});
    QHeaderView* header = lstMazes->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(LevelList::TitleColumn, QHeaderView::Stretch);
    header->resizeSection(LevelList::NameColumn, LevelList::ThumbnailSize + NameColumnExtra);
    for (int column = LevelList::GradeColumn; column < LevelList::SolvedColumn; ++column)
        header->resizeSection(column, FigureColumnWidth);
    header->resizeSection(LevelList::SolvedColumn, SolvedColumnWidth);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblFolder);
    layout->addWidget(lblCount);
    layout->addWidget(lstMazes, 1);
    layout->addWidget(lblLeftOut);
    layout->addWidget(lblProblem);
    resize(InitialSize);

    connect(lstMazes, &QAbstractItemView::activated, this, &LevelListWindow::choose);
    connect(&list_, &LevelList::countChanged, this, &LevelListWindow::showCount);
    connect(&list_, &QAbstractItemModel::modelReset, this, &LevelListWindow::showFolder);
    connect(lstMazes->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &LevelListWindow::showCurrent);
    connect(&list_, &QAbstractItemModel::dataChanged, this, &LevelListWindow::showCurrent);
    connect(lstMazes->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &LevelListWindow::tellRowsShown);
    connect(&list_, &QAbstractItemModel::rowsInserted, this, &LevelListWindow::tellRowsShown);
    connect(&list_, &QAbstractItemModel::rowsRemoved, this, &LevelListWindow::tellRowsShown);
    showFolder();
    showCount();
    lstMazes->setFocus();
}

void LevelListWindow::showCount()
{
    lblCount->setText(list_.countText());
    lblLeftOut->setText(
        tr("ほかに %1 個のファイルがあります。一覧には名前の順に %2 個までを出します。")
            .arg(list_.filesLeftOut())
            .arg(LevelList::MaxRows));
    lblLeftOut->setVisible(list_.filesLeftOut() > 0);
}

void LevelListWindow::showFolder()
{
    lblFolder->setText(QDir::toNativeSeparators(list_.folder()));
    if (list_.rowCount() > 0)
        lstMazes->setCurrentIndex(list_.index(0, LevelList::NameColumn));
    // Once the rows are laid out.
    QTimer::singleShot(0, this, &LevelListWindow::tellRowsShown);
}

void LevelListWindow::select(const QString& file)
{
    const QString path =
        file.isEmpty() ? file : QDir::cleanPath(QFileInfo(file).absoluteFilePath());
    if (const int row = list_.rowOf(path); row >= 0) {
        const QModelIndex index = list_.index(row, LevelList::NameColumn);
        lstMazes->setCurrentIndex(index);
        lstMazes->scrollTo(index);
    }
}

void LevelListWindow::choose(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const LevelRow& row = list_.level(index.row());
    if (row.readable())
        emit chosen(row.file);
    else
        showCurrent(); // its reason is what the user sees
}

void LevelListWindow::showCurrent()
{
    const QModelIndex current = lstMazes->currentIndex();
    const bool unreadable = current.isValid() && !list_.level(current.row()).readable();
    lblProblem->setText(unreadable ? mazeFileMessage(list_.level(current.row()).error) : QString());
    lblProblem->setVisible(unreadable);
}

void LevelListWindow::tellRowsShown()
{
    const QRect inView = lstMazes->viewport()->rect();
    const QModelIndex first = lstMazes->indexAt(inView.topLeft());
    if (!first.isValid())
        return;
    const QModelIndex last = lstMazes->indexAt(inView.bottomLeft());
    list_.showRows(first.row(), last.isValid() ? last.row() : list_.rowCount() - 1);
}

bool LevelListWindow::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
        list_.refresh(); // files changed while another window had the user
        break;
    case QEvent::Resize:
        QTimer::singleShot(0, this, &LevelListWindow::tellRowsShown);
        break;
    default:
        break;
    }
    return QDialog::event(event);
}

} // namespace orvane
