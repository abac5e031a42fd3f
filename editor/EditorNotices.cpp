// What the editor tells of its kept work: that it can be brought back, what a
// start could not take back as it was, and work that cannot be kept.

#include "frmEdit.h"

#include "EditorSession.h"
#include "MazeFileMessages.h"
#include "PlatformServices.h"
#include "WorkKeeper.h"

#include <QDir>

namespace orvane {
namespace {

QString shownFiles(const QStringList& files)
{
    QStringList shown;
    for (const QString& file : files)
        shown << QDir::toNativeSeparators(file);
    return shown.join(u'\n');
}

} // namespace

QString frmEdit::keptWorkSetAsideMessage(const QStringList& files)
{
    return tr("前回までの編集中の作業を読み込めませんでした。"
              "そのファイルは消さずに、次の場所に移してあります:\n%1")
        .arg(shownFiles(files));
}

QString frmEdit::keptWorkNewerMessage(const QStringList& files)
{
    return tr("次のファイルの編集中の作業は、新しい版の ORVANE が残したものです。"
              "この版では読み込まず、ファイルはそのままにしてあります:\n%1")
        .arg(shownFiles(files));
}

QString frmEdit::keptStepsDroppedMessage(int steps)
{
    return tr("前回までの作業の記録のうち、古い方の %n 回分は元に戻せなくなりました。"
              "迷路そのものは元のままです。",
              nullptr, steps);
}

QString frmEdit::keptWorkText()
{
    return tr("前回の作業は Ctrl+Z で戻せます");
}

QString frmEdit::workNotKeptMessage(const MazeFileProblem& problem, const QString& file)
{
    return tr("編集中の作業を「%1」に保管できません。\n%2\n"
              "迷路を失わないように、「保存」で迷路ファイルに保存してください。")
        .arg(QDir::toNativeSeparators(file), fileProblemText(problem, file));
}

void frmEdit::showNotices()
{
    const WorkKeeper::Notes notes = session_.takeTakeBackNotes();
    QStringList told;
    if (!notes.setAside.isEmpty())
        told << keptWorkSetAsideMessage(notes.setAside);
    if (!notes.newer.isEmpty())
        told << keptWorkNewerMessage(notes.newer);
    if (notes.stepsDropped > 0)
        told << keptStepsDroppedMessage(notes.stepsDropped);
    if (!told.isEmpty())
        services_.messageBox.show(this, told.join(QStringLiteral("\n\n")));
    if (const std::optional<MazeFileProblem> failure = session_.takeKeepFailure())
        services_.messageBox.show(this, workNotKeptMessage(*failure, session_.keeper()
                                                                         ? session_.keeper()->file()
                                                                         : QString()));
}

} // namespace orvane
