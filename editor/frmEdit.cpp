#include "frmEdit.h"

#include "PictureBox.h"
#include "VirtualKeys.h"
#include "edit/Paint.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace orvane {
namespace {

// The Button argument of the pointer handlers.
int buttonState(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? MouseButton::Left : 0) |
           (buttons & Qt::RightButton ? MouseButton::Right : 0) |
           (buttons & Qt::MiddleButton ? MouseButton::Middle : 0);
}

using Handler = void (frmEdit::*)();
constexpr std::array<Handler, MapSizes.size()> OptionClicks{
    &frmEdit::Option1_Click, &frmEdit::Option2_Click, &frmEdit::Option3_Click,
    &frmEdit::Option4_Click, &frmEdit::Option5_Click, &frmEdit::Option6_Click,
    &frmEdit::Option7_Click, &frmEdit::Option8_Click,
};

} // namespace

frmEdit::frmEdit(MazeState& maze, PlatformServices& services, QWidget* parent)
    : MazeWindow(maze, services, Caption, ClientSize, parent)
{
    createControls();
    setTabOrder();
    attachMap(*picMap, *stb1, [this](int width, int height) {
        // A map smaller than the view needs no scrolling.
        scrTate->setMaximum(std::max(height - ViewportCells, 0));
        scrYoko->setMaximum(std::max(width - ViewportCells, 0));
    });
    setFocusProxy(picChrSet);
    connectHandlers();
}

void frmEdit::connectHandlers()
{
    using Pointer = void (frmEdit::*)(int, int, int, int);
    auto pointer = [this](PictureBox* box, Pointer handler) {
        connect(box, &PictureBox::mouseMoved, this,
                [this, handler](Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, QPoint at) {
                    (this->*handler)(buttonState(buttons), shiftState(keys), at.x(), at.y());
                });
    };
    pointer(picChrSet, &frmEdit::picChrSet_MouseMove);
    pointer(picMap, &frmEdit::picMap_MouseMove);
    connect(picChrSet, &PictureBox::clicked, this, &frmEdit::picChrSet_Click);
    connect(picMap, &PictureBox::clicked, this, &frmEdit::picMap_Click);

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
    connect(txtTime, &QLineEdit::textChanged, this, &frmEdit::txtTime_Change);
    // Also when the load ticks or clears it.
    connect(chkNoTime, &QCheckBox::toggled, this, &frmEdit::chkNoTime_Click);
    connect(Command2, &QPushButton::clicked, this, &frmEdit::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmEdit::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmEdit::Command4_Click);
}

} // namespace orvane
