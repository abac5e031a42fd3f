// The editor's construction tools on the map (tools/): what they say, and
// how the map's pointer and keys reach them.

#include "frmEdit.h"

#include "EditorSession.h"
#include "MapTools.h"
#include "PictureBox.h"
#include "ToolKeys.h"

namespace orvane {

QString frmEdit::turnRefusedText()
{
    return tr("回すと選択範囲がマップからはみ出すため、回せません。");
}

QString frmEdit::notMazeTextText(const QString& reason)
{
    return tr("貼り付けられません。クリップボードの内容は迷路テキストではありません (%1)。")
        .arg(reason);
}

QString frmEdit::selectionText(QSize cells)
{
    return tr("選択 %1×%2").arg(cells.width()).arg(cells.height());
}

void frmEdit::connectTools()
{
    tools_ = std::make_unique<MapTools>(ToolContext{*this, maze_, session_.history, mapCanvas(),
                                                    [this] { showSelectedChip(); },
                                                    [this] { showCursorCell(); }});
    new ToolKeys(*this, *tools_);
    connect(picMap, &PictureBox::pressed, tools_.get(), &MapTools::pressed);
    connect(picMap, &PictureBox::mouseMoved, tools_.get(), &MapTools::moved);
    connect(picMap, &PictureBox::clicked, tools_.get(), &MapTools::clicked);
    connect(picMap, &PictureBox::released, tools_.get(), &MapTools::released);
    connect(picMap, &PictureBox::keyDown, this, [this](int keyCode, int shift) {
        if (!tools_->keyDown(keyCode, shift))
            picMap_KeyDown(keyCode, shift);
    });
    picMap->installEventFilter(this); // the wheel
}

} // namespace orvane
