// The editor's title, time limit and music, and its save and load.

#include "frmEdit.h"

#include "BoxValidators.h"
#include "Cp932.h"
#include "EditorSession.h"
#include "FileFilters.h"
#include "MapTools.h"
#include "MazeFile.h"
#include "MazeFileMessages.h"
#include "MazeState.h"
#include "MusicFileLookup.h"
#include "PictureBox.h"
#include "PlatformServices.h"
#include "StatusBar.h"
#include "edit/SaveCheck.h"
#include "edit/SizeChange.h"
#include "edit/TimeValue.h"

#include <QCheckBox>
#include <QDir>
#include <QHelpEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolTip>
#include <QWheelEvent>

namespace orvane {

QString frmEdit::caption()
{
    return tr("迷路Editor");
}

QString frmEdit::invalidStartGoalMessage()
{
    return tr("スタート位置、またはゴール位置が不正です。");
}

QString frmEdit::savingText()
{
    return tr("保存中です");
}

QString frmEdit::testPlayGoalText(int secondsUsed, int keysPressed, int fewestKeys)
{
    return tr("テストプレイ: ゴールしました (%1秒、%2キー、最少 %3)")
        .arg(secondsUsed)
        .arg(keysPressed)
        .arg(fewestKeys);
}

QString frmEdit::testPlayTimeUpText()
{
    return tr("テストプレイ: 時間切れ");
}

QString frmEdit::testPlayStoppedText()
{
    return tr("テストプレイ: 中止");
}

QString frmEdit::unstorableTitleText(const QString& character)
{
    return tr("「%1」はタイトルに使えません。迷路ファイルに保存できる文字 (シフトJIS の文字) "
              "だけが使えます。")
        .arg(character);
}

void frmEdit::titleRefused(const QString& character)
{
    services_.beep.beep();
    QToolTip::showText(txtTitle->mapToGlobal(QPoint(0, txtTitle->height())),
                       unstorableTitleText(character), txtTitle);
}

QString frmEdit::unstorableMusicPathMessage(const QString& path)
{
    return tr("音楽ファイル「%1」は選べません。\n"
              "場所の名前に、迷路ファイルに保存できない文字 (シフトJIS にない文字) "
              "が含まれています。別の場所のファイルを選んでください。")
        .arg(QDir::toNativeSeparators(path));
}

void frmEdit::txtTitle_Change()
{
    // A title read from a file keeps its own bytes for as long as the box
    // shows it unchanged.
    const QString text = txtTitle->text();
    if (text != Cp932::toUnicode(maze_.header.Title))
        editHeader(EditKind::Title, &MazeHeader::Title, Cp932::fromUnicode(text));
}

void frmEdit::txtTime_Change()
{
    if (const std::optional<int16_t> value = TimeBoxValue(txtTime->text()))
        editHeader(EditKind::TimeLimit, &MazeHeader::TimeLimit, *value);
}

void frmEdit::chkNoTime_Click()
{
    const bool noLimit = chkNoTime->isChecked();
    txtTime->setEnabled(!noLimit);
    // Cleared, the limit is the text the box kept.
    const std::optional<int16_t> limit = noLimit ? NoTimeLimit : TimeBoxValue(txtTime->text());
    if (limit)
        editHeader(EditKind::NoTimeLimit, &MazeHeader::TimeLimit, *limit);
}

template <typename T> void frmEdit::editHeader(EditKind kind, T MazeHeader::*field, const T& value)
{
    // Typing on in the same box adds to its step, which ends when the box
    // loses the focus.
    if (maze_.header.*field != value)
        session_.history.openStep(kind, {}, [&] {
            maze_.header.*field = value;
            return true;
        });
}

bool frmEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picChrSet && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        showChipTip(help->pos(), help->globalPos());
        return true;
    }
    if (watched == picMap && event->type() == QEvent::Wheel) {
        tools_->wheel(*static_cast<QWheelEvent*>(event));
        return true;
    }
    if (event->type() == QEvent::FocusOut)
        session_.history.endStep(); // the step of the box that loses the focus
    return MazeWindow::eventFilter(watched, event);
}

void frmEdit::Command2_Click()
{
    const std::optional<QString> path = services_.fileDialog.showOpen(
        this, midiFileFilter(),
        {FileDialogUse::ChooseMusic,
         lookUpMusicFile(txtMusic->text(), session_.history.mazePath())});
    if (!path)
        return;
    bool lossless = false;
    QByteArray bytes = Cp932::fromUnicode(*path, &lossless);
    if (!lossless) {
        services_.messageBox.show(this, unstorableMusicPathMessage(*path));
        return;
    }
    session_.history.step(EditKind::Music, {}, [&] {
        maze_.header.MusicFile = std::move(bytes);
        return true;
    });
    txtMusic->setText(*path);
}

void frmEdit::Command3_Click()
{
    if (!StartAndGoalValid(maze_)) {
        services_.messageBox.show(this, invalidStartGoalMessage());
        return;
    }
    const std::optional<QString> path =
        services_.fileDialog.showSave(this, mazeFileFilter(), {FileDialogUse::SaveMaze});
    if (!path)
        return;
    showStatus(savingText());
    const MazeFileError error = MazeFile::save(*path, maze_);
    showStatus({});
    if (error.problem.written())
        session_.saved(*path);
    if (error)
        services_.messageBox.show(this, mazeFileMessage(error));
}

void frmEdit::showTimeLimit()
{
    // The handlers these set off leave TimeLimit as it is.
    const int16_t limit = maze_.header.TimeLimit;
    const bool noLimit = limit == NoTimeLimit;
    setBoxText(txtTime, QString::number(limit));
    txtTime->setEnabled(!noLimit);
    chkNoTime->setChecked(noLimit);
}

void frmEdit::Command4_Click()
{
    const std::optional<QString> path =
        services_.fileDialog.showOpen(this, mazeFileFilter(), {FileDialogUse::LoadMaze});
    if (!path)
        return;
    const MazeHeader& h = maze_.header;
    const bool loaded = session_.history.step(EditKind::Load, gridCells(), [&] {
        if (!loadMazeFile(*path))
            return false;
        session_.history.setMazePath(*path);
        RedrawMapEdit(h.MapWidth, h.MapHeight);
        return true;
    });
    if (!loaded)
        return;
    setBoxText(txtTitle, Cp932::toUnicode(h.Title));
    txtMusic->setText(Cp932::toUnicode(h.MusicFile));
    showTimeLimit();
    repaint();
    showStatus({});
    // The map is drawn at this size already: no second redraw.
    if (const std::optional<size_t> choice = sizeChoiceOf({h.MapWidth, h.MapHeight})) {
        const QSignalBlocker quiet(Option[*choice]);
        Option[*choice]->setChecked(true);
    }
}

} // namespace orvane
