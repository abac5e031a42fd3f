// The player window's controls as the stored layout places them (twips).

#include "frmPlay.h"

#include "IntervalTimer.h"
#include "MusicDevice.h"
#include "PictureBox.h"
#include "Placement.h"
#include "PlatformServices.h"
#include "StatusBar.h"
#include "Twips.h"

#include <QPushButton>

namespace orvane {
namespace {

// The viewport's dark blue, 0x00400000 as 0x00BBGGRR.
constexpr QColor ViewportBlue(0, 0, 0x40);

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect rect,
                    bool enabled)
{
    auto* b = place(new QPushButton(caption, parent), name, rect);
    b->setEnabled(enabled);
    b->setAutoDefault(false);
    return b;
}

} // namespace

void frmPlay::createControls()
{
    picBack = place(new PictureBox(this, ViewportBlue, PictureBox::Border::FixedSingle), "picBack",
                    rectFromTwips(0, 0, 7680, 7680));
    QPalette white = picBack->palette(); // text drawn on the viewport is white
    white.setColor(QPalette::WindowText, Qt::white);
    picBack->setPalette(white);
    picMap = place(new PictureBox(picBack->clientArea(), Qt::black), "picMap",
                   rectFromTwips(0, 0, 7680, 7680));
    picMap->setCursor(Qt::ArrowCursor);
    picBack->setAccessibleName(tr("迷路の表示"));
    picMap->setAccessibleName(tr("マップ"));

    comLoad = button(this, "comLoad", tr("読み込み"), rectFromTwips(8040, 120, 1455, 375), true);
    comPlay = button(this, "comPlay", tr("プレイ"), rectFromTwips(8040, 600, 1455, 375), false);
    comStop = button(this, "comStop", tr("中止"), rectFromTwips(8040, 1080, 1455, 375), false);

    picChrSet =
        place(new PictureBox(this, Qt::white), "picChrSet", rectFromTwips(8040, 1800, 1440, 960));
    picChrSet->setPicture(chips_.sheet());
    picChrSet->hide();
    picChrSetMask = place(new PictureBox(this, Qt::black), "picChrSetMask",
                          rectFromTwips(8280, 2040, 1440, 960));
    picChrSetMask->setPicture(chips_.mask());
    picChrSetMask->hide();

    tim1 = new IntervalTimer(this);
    tim1->setObjectName(QStringLiteral("tim1"));
    MMC1 = services_.music.createMusicDevice();
    MMC1->setObjectName(QStringLiteral("MMC1"));

    STB1 = place(new StatusBar(this), "STB1", rectFromTwips(0, 7695, 9765, 255));

    // The viewport holds the focus when the window opens; Tab leaves it out.
    picBack->setFocusPolicy(Qt::ClickFocus);
    picMap->setFocusPolicy(Qt::StrongFocus);
}

void frmPlay::setTabOrder()
{
    QWidget* const order[] = {picBack, picMap, comLoad, comPlay, comStop};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace orvane
