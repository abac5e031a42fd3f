// The editor window's controls as the stored layout places them (twips).

#include "frmEdit.h"

#include "Appearance.h"
#include "BoxValidators.h"
#include "CornerButton.h"
#include "PictureBox.h"
#include "Placement.h"
#include "ShapeOutline.h"
#include "StatusBar.h"
#include "Twips.h"
#include "WindowColors.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace orvane {
namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect rect,
              bool sizesToText = false)
{
    QLabel* l = plainLabel(parent, name, text, rect);
    if (sizesToText)
        l->resize(l->sizeHint());
    return l;
}

// The mouse scrolls the map; the keyboard's cursor scrolls it along.
QScrollBar* scrollBar(QWidget* parent, const char* name, Qt::Orientation o, QRect rect,
                      const QString& accessibleName)
{
    auto* s = place(new QScrollBar(o, parent), name, rect);
    s->setRange(0, MapSizes[0].width - frmEdit::ViewportCells);
    s->setSingleStep(1);
    s->setPageStep(frmEdit::ScrollPageCells);
    s->setFocusPolicy(Qt::NoFocus);
    s->setAccessibleName(accessibleName);
    return s;
}

struct SizeButton {
    const char* name;
    const char* caption;
    QRect rect;
};

// Positions inside Frame1.
const SizeButton SizeButtons[] = {
    {"Option1", "32*32", rectFromTwips(120, 240, 855, 255)},
    {"Option2", "32*64", rectFromTwips(960, 240, 855, 255)},
    {"Option3", "64*32", rectFromTwips(120, 600, 855, 255)},
    {"Option4", "64*64", rectFromTwips(960, 600, 855, 255)},
    {"Option5", "96*64", rectFromTwips(120, 960, 855, 255)},
    {"Option6", "64*96", rectFromTwips(960, 960, 855, 255)},
    {"Option7", "96*96", rectFromTwips(120, 1320, 855, 255)},
    {"Option8", "128*128", rectFromTwips(960, 1320, 975, 255)},
};

} // namespace

void frmEdit::createControls()
{
    Label2 = label(this, "Label2", tr("このステージのタイトル"), rectFromTwips(120, 120, 1770, 180),
                   true);
    txtTitle = place(new QLineEdit(this), "txtTitle", rectFromTwips(120, 360, 4455, 270));
    txtTitle->setValidator(new TitleValidator(txtTitle));
    Label2->setBuddy(txtTitle); // which names it for assistive technology

    Label7 = label(this, "Label7", tr("座標"), rectFromTwips(4680, 120, 615, 255));
    lblZahyou = label(this, "lblZahyou", QStringLiteral("0,0"), rectFromTwips(4680, 360, 495, 255));
    lblZahyou->setAlignment(Qt::AlignCenter);
    lblZahyou->setFrameStyle(QFrame::Box | QFrame::Plain);
    lblZahyou->setAutoFillBackground(true);
    lblZahyou->setBackgroundRole(WindowColors::WindowBackground);
    lblZahyou->setForegroundRole(WindowColors::WindowText);

    picBack = place(new PictureBox(this, palette().color(WindowColors::WindowBackground)),
                    "picBack", rectFromTwips(120, 720, 4800, 4800));
    picMap = place(new PictureBox(picBack->clientArea(), Qt::black), "picMap",
                   rectFromTwips(0, 0, 7680, 7680));
    picMap->setCursor(Qt::ArrowCursor);
    picMap->setAccessibleName(tr("マップ"));
    picMap->setAccessibleValue(lblZahyou->text());
    shpWaku = place(new ShapeOutline(picMap, Qt::white), "shpWaku", rectFromTwips(0, 0, 240, 240));

    scrTate = scrollBar(this, "scrTate", Qt::Vertical, rectFromTwips(4920, 720, 255, 4800),
                        tr("縦スクロールバー"));
    scrYoko = scrollBar(this, "scrYoko", Qt::Horizontal, rectFromTwips(120, 5520, 4800, 255),
                        tr("横スクロールバー"));
    Command1 = place(new CornerButton(this), "Command1", rectFromTwips(4920, 5520, 255, 255));

    Label1 = label(this, "Label1", tr("マップチップ"), rectFromTwips(5280, 720, 1455, 255));
    // The palette box is three chip rows high: the sheet's fourth row never shows.
    picChrSet =
        place(new PictureBox(this, Qt::white), "picChrSet", rectFromTwips(5280, 960, 1440, 720));
    picChrSet->setPicture(chips_.sheet());
    Label1->setBuddy(picChrSet);
    shpSWaku =
        place(new ShapeOutline(picChrSet, Qt::red), "shpSWaku", rectFromTwips(0, 0, 240, 240));
    picChrSetMask = place(new PictureBox(this, Qt::black), "picChrSetMask",
                          rectFromTwips(6360, -240, 1440, 960));
    picChrSetMask->setPicture(chips_.mask());
    picChrSetMask->hide();

    Frame1 = place(new QGroupBox(tr("ｻｲｽﾞ(ﾌﾞﾛｯｸ単位)"), this), "Frame1",
                   rectFromTwips(5280, 1800, 2055, 1695));
    Frame1->setToolTip(tr("サイズを小さくすると、はみ出た部分はカットされます。"));
    for (size_t i = 0; i < Option.size(); ++i) {
        const SizeButton& b = SizeButtons[i];
        Option[i] = place(new QRadioButton(QString::fromLatin1(b.caption), Frame1), b.name, b.rect);
    }
    Option[0]->setChecked(true);
    growToFitText(Option[7]); // "128*128", the widest, at the frame's right

    Label3 =
        label(this, "Label3", tr("制限時間(秒単位)"), rectFromTwips(5280, 3600, 1380, 180), true);
    txtTime = place(new QLineEdit(QStringLiteral("60"), this), "txtTime",
                    rectFromTwips(5280, 3840, 615, 270));
    txtTime->setValidator(new TimeBoxValidator(txtTime, TimeBoxMaxLength));
    txtTime->setAttribute(Qt::WA_InputMethodEnabled, false);
    Label3->setBuddy(txtTime);
    chkNoTime = place(new QCheckBox(tr("制限時間無"), this), "chkNoTime",
                      rectFromTwips(6000, 3840, 1215, 255));
    growToFitText(chkNoTime);

    Label5 =
        label(this, "Label5", tr("このステージの音楽"), rectFromTwips(5280, 4200, 1545, 180), true);
    txtMusic = place(new QLineEdit(this), "txtMusic", rectFromTwips(5280, 4440, 1575, 270));
    Label5->setBuddy(txtMusic);
    Command2 =
        place(new QPushButton(tr("参照"), this), "Command2", rectFromTwips(6960, 4440, 495, 255));
    // Its text may be as short as "..." in a translation.
    Command2->setAccessibleName(tr("音楽ファイルを参照"));
    Command2->setToolTip(tr("音楽ファイルを選ぶ"));
    comFull = place(new QPushButton(tr("塗りつぶし"), this), "comFull",
                    rectFromTwips(5280, 4800, 2175, 375));
    Command3 =
        place(new QPushButton(tr("保存"), this), "Command3", rectFromTwips(5280, 5400, 1095, 375));
    Command4 = place(new QPushButton(tr("読み込み"), this), "Command4",
                     rectFromTwips(6480, 5400, 975, 375));

    stb1 = place(new StatusBar(this), "stb1", rectFromTwips(0, 5865, 7455, 255));

    for (QPushButton* b : {Command2, comFull, Command3, Command4})
        b->setAutoDefault(false);
    // The map and the palette take the keyboard, and show when they have it.
    for (PictureBox* p : {picMap, picChrSet}) {
        p->setFocusPolicy(Qt::StrongFocus);
        p->setShowsFocus(true);
    }
}

void frmEdit::setTabOrder()
{
    // As the window reads, top left to bottom right.
    QList<QWidget*> order{txtTitle, picMap, picChrSet};
    for (QRadioButton* o : Option)
        order << o;
    order << txtTime << chkNoTime << txtMusic << Command2 << comFull << Command3 << Command4;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace orvane
