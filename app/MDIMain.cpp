#include "MDIMain.h"

#include "PlatformServices.h"
#include "frmEdit.h"
#include "frmPlay.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

namespace orvane {
namespace {

// A fixed-size child: title bar with the control menu and a close box only.
constexpr Qt::WindowFlags ChildFlags = Qt::SubWindow | Qt::CustomizeWindowHint |
                                       Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                       Qt::WindowCloseButtonHint;

// A child window that closed lingers, hidden, until it is deleted at the
// next turn of the event loop: it no longer counts as open.
QMdiSubWindow* openChild(const QPointer<QMdiSubWindow>& slot)
{
    return slot && !slot->isHidden() ? slot.data() : nullptr;
}

// A fixed-size child's window menu offers only what applies to it.
void offerOnlyMoveAndClose(QMdiSubWindow* sub)
{
    QMenu* menu = sub->systemMenu();
    if (!menu)
        return;
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] {
        const QString move = QMdiSubWindow::tr("&Move");
        const QString close = QMdiSubWindow::tr("&Close");
        for (QAction* action : menu->actions())
            action->setVisible(action->text() == move || action->text() == close);
    });
}

} // namespace

MDIMain::MDIMain(MazeState& maze, PlatformServices& services, QWidget* parent)
    : QMainWindow(parent), maze_(maze), services_(services)
{
    setObjectName(QStringLiteral("MDIMain"));
    setWindowTitle(Caption);
    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    mdiArea->setBackground(palette().brush(QPalette::Dark)); // the application workspace
    setCentralWidget(mdiArea);
    createMenu();
    resize(467, 345 + menuBar()->sizeHint().height());
}

void MDIMain::createMenu()
{
    mnuContorol = menuBar()->addMenu(QStringLiteral("コントロール(&C)"));
    mnuContorol->setObjectName(QStringLiteral("mnuContorol"));
    mnuEdit =
        mnuContorol->addAction(QStringLiteral("迷路Editor(&E)"), this, &MDIMain::mnuEdit_Click);
    mnuPlay =
        mnuContorol->addAction(QStringLiteral("迷路Player(&P)"), this, &MDIMain::mnuPlay_Click);
    mnuBou = mnuContorol->addSeparator();
    mnuEnd = mnuContorol->addAction(QStringLiteral("終了(&Q)"), this, &MDIMain::mnuEnd_Click);
    mnuHelp = menuBar()->addAction(QStringLiteral("ヘルプ"), this, &MDIMain::mnuHelp_Click);
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuPlay->setObjectName(QStringLiteral("mnuPlay"));
    mnuBou->setObjectName(QStringLiteral("mnuBou"));
    mnuEnd->setObjectName(QStringLiteral("mnuEnd"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
}

template <typename Form> void MDIMain::showChild(QPointer<QMdiSubWindow>& slot)
{
    if (QMdiSubWindow* open = openChild(slot)) {
        mdiArea->setActiveSubWindow(open);
        return;
    }
    auto* form = new Form(maze_, services_);
    if constexpr (requires { form->Form_Load(); })
        form->Form_Load(); // the window's opening steps
    auto* sub = new QMdiSubWindow(mdiArea, ChildFlags);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWidget(form);
    sub->setWindowIcon(windowIcon());
    sub->setFixedSize(sub->sizeHint());
    offerOnlyMoveAndClose(sub);
    mdiArea->addSubWindow(sub);
    sub->move(0, 0);
    slot = sub;
    sub->show();
    mdiArea->setActiveSubWindow(sub);
    form->setFocus();
}

void MDIMain::closeChild(QPointer<QMdiSubWindow>& slot)
{
    if (QMdiSubWindow* sub = openChild(slot))
        sub->close();
    slot = nullptr;
}

void MDIMain::mnuEdit_Click()
{
    showChild<frmEdit>(editSub_);
    closeChild(playSub_);
}

void MDIMain::mnuPlay_Click()
{
    showChild<frmPlay>(playSub_);
    closeChild(editSub_);
}

void MDIMain::mnuEnd_Click()
{
    emit endRequested();
}

void MDIMain::mnuHelp_Click()
{
    services_.help.showHelp(this, HelpFile, HelpService::HelpContents);
}

frmEdit* MDIMain::editor() const
{
    QMdiSubWindow* sub = openChild(editSub_);
    return sub ? qobject_cast<frmEdit*>(sub->widget()) : nullptr;
}

frmPlay* MDIMain::player() const
{
    QMdiSubWindow* sub = openChild(playSub_);
    return sub ? qobject_cast<frmPlay*>(sub->widget()) : nullptr;
}

void MDIMain::closeEvent(QCloseEvent* event)
{
    closeChild(playSub_);
    closeChild(editSub_);
    event->accept();
}

} // namespace orvane
