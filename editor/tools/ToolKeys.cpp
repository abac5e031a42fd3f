#include "ToolKeys.h"

#include "MapTools.h"
#include "VirtualKeys.h"
#include "edit/EditHistory.h"
#include "edit/Region.h"
#include "frmEdit.h"

#include <QApplication>
#include <QLineEdit>
#include <QShortcut>

namespace orvane {

ToolKeys::ToolKeys(frmEdit& window, MapTools& tools) : QObject(&window), window_(window)
{
    add(QKeySequence(Qt::CTRL | Qt::Key_A), [&tools] { tools.select().all(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_C), [&tools] { tools.select().copy(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_X), [&tools] { tools.select().cut(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_V), [&tools] { tools.paste().paste(); });
    add(QKeySequence(Qt::Key_Delete), [&tools] { tools.select().paint(); });
    add(QKeySequence(Qt::Key_Escape), [&tools] { tools.escape(); });
    add(QKeySequence(Qt::Key_R), [&tools] { tools.turnOrMirror(TurnOrMirror::TurnClockwise); });
    add(QKeySequence(Qt::Key_H), [&tools] { tools.turnOrMirror(TurnOrMirror::MirrorLeftRight); });
    add(QKeySequence(Qt::Key_V), [&tools] { tools.turnOrMirror(TurnOrMirror::MirrorTopBottom); });
    add(QKeySequence(Qt::Key_O), [&tools] { tools.select().outline(); });
    add(QKeySequence(Qt::Key_F), [&] { tools.flood().fill(window.frameCell()); });
    add(QKeySequence(Qt::Key_I), [&tools] { tools.paint().pick(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_G), [&window] { window.generateMaze(); });
    add(QKeySequence(Qt::Key_M), [&window] { window.toggleOverview(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Plus), [&window] { window.zoomIn(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Equal), [&window] { window.zoomIn(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Minus), [&window] { window.zoomOut(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_0), [&window] { window.zoomReset(); });

    // The paste's own keys, which the focused control keeps while no paste floats.
    const std::pair<Qt::Key, int> pasteKeys[] = {
        {Qt::Key_Left, VirtualKey::Left},     {Qt::Key_Right, VirtualKey::Right},
        {Qt::Key_Up, VirtualKey::Up},         {Qt::Key_Down, VirtualKey::Down},
        {Qt::Key_Return, VirtualKey::Return}, {Qt::Key_Enter, VirtualKey::Return},
        {Qt::Key_Space, VirtualKey::Space},
    };
    for (const auto& [key, code] : pasteKeys) {
        QShortcut* shortcut = add(QKeySequence(key), [&tools, code] { tools.paste().key(code); });
        shortcut->setEnabled(false);
        connect(&tools.paste(), &PasteTool::activeChanged, shortcut, &QShortcut::setEnabled);
    }
}

QShortcut* ToolKeys::add(const QKeySequence& keys, std::function<void()> action)
{
    auto* shortcut = new QShortcut(keys, &window_);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    shortcut->setAutoRepeat(true);
    connect(shortcut, &QShortcut::activated, this, [action = std::move(action)] {
        // The text boxes keep every key for the text typed in them.
        if (!qobject_cast<QLineEdit*>(QApplication::focusWidget()))
            action();
    });
    return shortcut;
}

} // namespace orvane
