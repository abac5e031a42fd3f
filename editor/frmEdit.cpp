#include "frmEdit.h"

#include "BoxValidators.h"
#include "EditorSession.h"
#include "MapTools.h"
#include "MazeState.h"
#include "PictureBox.h"
#include "RouteOverlay.h"
#include "ShapeOutline.h"
#include "VirtualKeys.h"
#include "edit/Paint.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>

namespace orvane {
namespace {

using Handler = void (frmEdit::*)();
constexpr std::array<Handler, MapSizes.size()> OptionClicks{
    &frmEdit::Option1_Click, &frmEdit::Option2_Click, &frmEdit::Option3_Click,
    &frmEdit::Option4_Click, &frmEdit::Option5_Click, &frmEdit::Option6_Click,
    &frmEdit::Option7_Click, &frmEdit::Option8_Click,
};

} // namespace

frmEdit::frmEdit(MazeState& maze, PlatformServices& services, QWidget* parent)
    : MazeWindow(maze, services, caption(), ClientSize, parent),
      ownSession_(std::make_unique<EditorSession>(maze)), session_(*ownSession_)
{
    setUp();
}

frmEdit::frmEdit(MazeState& maze, PlatformServices& services, EditorSession& session,
                 QWidget* parent)
    : MazeWindow(maze, services, caption(), ClientSize, parent), session_(session)
{
    setUp();
}

frmEdit::~frmEdit()
{
    releaseHistory();
}

void frmEdit::setUp()
{
    createControls();
    setTabOrder();
    attachMap(*picMap, *stb1, [this](int width, int height) { fitScrollBars(width, height); });
    setOpeningFocus(picChrSet);
    routeOverlay_ = new RouteOverlay(picMap, chips());
    routeOverlay_->stackUnder(shpWaku);
    setUpWalks();
    session_.attach(mapCanvas(), [this] { return currentPlace(); });
    connectHandlers();
    connectKeys();
    // The map's pointer and keys go to its handlers through the tools.
    connectTools();
    describeZoom();
    // Once the window shows, and whenever the session has more to tell.
    connect(&session_, &EditorSession::noticePending, this, &frmEdit::showNotices,
            Qt::QueuedConnection);
    QTimer::singleShot(0, this, &frmEdit::showNotices);
}

void frmEdit::windowClosing()
{
    releaseHistory();
}

void frmEdit::releaseHistory()
{
    // The session outlives this window: it keeps the maze as it stands and
    // draws on this map no more.
    session_.detach(mapCanvas());
}

EditorPlace frmEdit::currentPlace() const
{
    return {maze_.SelectedChip, maze_.ChipCol, maze_.ChipRow, int16_t(scrYoko->value()),
            int16_t(scrTate->value())};
}

void frmEdit::connectKeys()
{
    const auto key = [this](QKeySequence keys, void (frmEdit::*action)(), bool inTextBoxes) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, action, inTextBoxes] {
            // The text boxes keep these keys for the text typed in them.
            if (inTextBoxes || !qobject_cast<QLineEdit*>(QApplication::focusWidget()))
                (this->*action)();
        });
    };
    key(QKeySequence(Qt::CTRL | Qt::Key_Z), &frmEdit::undo, false);
    key(QKeySequence(Qt::CTRL | Qt::Key_Y), &frmEdit::redo, false);
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &frmEdit::redo, false);
    key(QKeySequence(Qt::Key_F5), &frmEdit::requestTestPlay, true);
    key(QKeySequence(Qt::Key_F6), &frmEdit::toggleCheck, true);
    key(QKeySequence(Qt::Key_F7), &frmEdit::toggleWalks, true);
    key(QKeySequence(Qt::SHIFT | Qt::Key_F7), &frmEdit::toggleRuns, true);
}

void frmEdit::connectHandlers()
{
    connect(picChrSet, &PictureBox::mouseMoved, this,
            [this](Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, QPoint at) {
                picChrSet_MouseMove(buttonState(buttons), shiftState(keys), at.x(), at.y());
            });
    connect(picChrSet, &PictureBox::clicked, this, &frmEdit::picChrSet_Click);
    connect(picChrSet, &PictureBox::keyDown, this, &frmEdit::picChrSet_KeyDown);

    // Choosing the button that is already chosen redraws nothing.
    for (size_t i = 0; i < Option.size(); ++i)
        connect(Option[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                (this->*OptionClicks[i])();
        });
    connect(comFull, &QPushButton::clicked, this, &frmEdit::comFull_Click);
    // The map follows the thumb while it is dragged, and every other move.
    connect(scrTate, &QScrollBar::valueChanged, this, &frmEdit::scrTate_Change);
    connect(scrTate, &QScrollBar::sliderMoved, this, &frmEdit::scrTate_Scroll);
    connect(scrYoko, &QScrollBar::valueChanged, this, &frmEdit::scrYoko_Change);
    connect(scrYoko, &QScrollBar::sliderMoved, this, &frmEdit::scrYoko_Scroll);

    connect(txtTitle, &QLineEdit::textChanged, this, &frmEdit::txtTitle_Change);
    connect(txtTitle, &QLineEdit::inputRejected, this, [this] {
        if (const auto* v = qobject_cast<const TitleValidator*>(txtTitle->validator()))
            titleRefused(v->refused());
    });
    connect(txtTime, &QLineEdit::textChanged, this, &frmEdit::txtTime_Change);
    // Also when the load ticks or clears it.
    connect(chkNoTime, &QCheckBox::toggled, this, &frmEdit::chkNoTime_Click);
    connect(Command2, &QPushButton::clicked, this, &frmEdit::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmEdit::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmEdit::Command4_Click);

    EditHistory& history = session_.history;
    connect(&history, &EditHistory::applied, this, &frmEdit::showChange);
    connect(&history, &EditHistory::changed, this, &frmEdit::mazeEdited);
    for (QObject* box : std::initializer_list<QObject*>{txtTitle, txtTime, chkNoTime, picChrSet})
        box->installEventFilter(this);
}

} // namespace orvane
