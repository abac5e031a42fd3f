// What the editor tells of its kept work: that it can be brought back, files
// that could not be read, and work that cannot be kept.

#include "frmEdit.h"

#include "EditorSession.h"
#include "MazeFileMessages.h"
#include "PlatformServices.h"
#include "WorkKeeper.h"

#include <QDir>

namespace orvane {

QString frmEdit::keptWorkSetAsideMessage(const QStringList& files)
{
    QStringList shown;
    for (const QString& file : files)
        shown << QDir::toNativeSeparators(file);
    return tr("前回までの編集中の作業を読み込めませんでした。"
              "そのファイルは消さずに、次の場所に移してあります:\n%1")
        .arg(shown.join(u'\n'));
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
    if (const QStringList aside = session_.takeSetAside(); !aside.isEmpty())
        services_.messageBox.show(this, keptWorkSetAsideMessage(aside));
    if (const std::optional<MazeFileProblem> failure = session_.takeKeepFailure())
        services_.messageBox.show(this, workNotKeptMessage(*failure, session_.keeper()
                                                                         ? session_.keeper()->file()
                                                                         : QString()));
}

} // namespace orvane
