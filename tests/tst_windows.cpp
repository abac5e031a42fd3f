// The editor's and the player's controls against the window layouts.

#include "Appearance.h"
#include "ChipDraw.h"
#include "ChipSheet.h"
#include "IntervalTimer.h"
#include "Language.h"
#include "MazeState.h"
#include "MusicDevice.h"
#include "PictureBox.h"
#include "ShapeOutline.h"
#include "StatusBar.h"
#include "UiFonts.h"
#include "frmEdit.h"
#include "frmPlay.h"
#include "support/FakeServices.h"
#include "support/WindowTexts.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTest>

using namespace orvane;
using namespace orvane::test;

namespace {

// The nearest named control above w ("clientArea" is a bordered box's inside).
QString containerOf(const QWidget* w)
{
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        if (!p->objectName().isEmpty() && p->objectName() != QLatin1String("clientArea"))
            return p->objectName();
        if (p->isWindow())
            break;
    }
    return {};
}

QString textOf(const QWidget* w)
{
    if (auto* l = qobject_cast<const QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->text();
    if (auto* e = qobject_cast<const QLineEdit*>(w))
        return e->text();
    if (auto* g = qobject_cast<const QGroupBox*>(w))
        return g->title();
    return {};
}

// Width the control's text needs, beside any indicator and inside any frame.
int neededWidth(const QWidget* w)
{
    const int text = w->fontMetrics().horizontalAdvance(textOf(w));
    const QStyle* style = w->style();
    if (qobject_cast<const QRadioButton*>(w))
        return text + style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    if (qobject_cast<const QCheckBox*>(w))
        return text + style->pixelMetric(QStyle::PM_IndicatorWidth) +
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    if (qobject_cast<const QPushButton*>(w))
        return text + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
    if (auto* l = qobject_cast<const QLabel*>(w))
        return text + 2 * l->frameWidth() + 2 * l->margin();
    return text;
}

// Tab, pressed from the control the window opens with, visits these controls.
void checkTabOrder(QWidget* window, const QList<QWidget*>& expected)
{
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->setFocus();
    for (const QWidget* control : expected) {
        QCOMPARE(QApplication::focusWidget()->objectName(), control->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

// What assistive technology would miss below iface: a control it can focus
// that has no name, a status bar that is none or does not tell its text, a
// corner button it sees.
void walkAccessible(QAccessibleInterface* iface, QStringList& faults)
{
    const QAccessible::State state = iface->state();
    const QString name = iface->text(QAccessible::Name);
    const QString control = iface->object()->objectName();
    if (state.focusable && !state.invisible && name.isEmpty())
        faults << control + QStringLiteral(" has no name");
    if (const auto* bar = qobject_cast<const StatusBar*>(iface->object());
        bar && (iface->role() != QAccessible::StatusBar || name != bar->panelText()))
        faults << control + QStringLiteral(" is no status bar");
    if (control == QLatin1String("Command1") && !state.invisible)
        faults << control + QStringLiteral(" is seen");
    for (int i = 0; i < iface->childCount(); ++i)
        walkAccessible(iface->child(i), faults);
}

// Auto-sized labels and widened buttons may grow to fit their text.
enum Sizing { Exact, AtLeast };

void addControlRows()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<int>("sizing");
    QTest::addColumn<QString>("text");
}

void row(const char* name, const char* container, QRect pixels, const QString& text = {},
         Sizing sizing = Exact)
{
    QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(container) << pixels
                        << int(sizing) << text;
}

void checkControl(QWidget* window)
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, pixels);
    QFETCH(int, sizing);
    QFETCH(QString, text);
    auto* w = window->findChild<QWidget*>(name);
    QVERIFY2(w, qPrintable(name));
    QCOMPARE(containerOf(w), container);
    QCOMPARE(w->pos(), pixels.topLeft());
    if (sizing == Exact) {
        QCOMPARE(w->size(), pixels.size());
    } else {
        QVERIFY(w->width() >= pixels.width() || w->width() >= neededWidth(w));
        QVERIFY(w->height() >= pixels.height());
    }
    QCOMPARE(textOf(w), text);
    if (!text.isEmpty())
        QVERIFY2(neededWidth(w) <= w->width(),
                 qPrintable(QStringLiteral("%1 needs %2 pixels, has %3")
                                .arg(name)
                                .arg(neededWidth(w))
                                .arg(w->width())));
}

// A desktop theme's font, set once the program runs (as platform themes do).
struct DesktopFont {
    DesktopFont() { QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 11)); }
    ~DesktopFont() { QApplication::setFont(UiFonts::uiFont()); }
};

} // namespace

class TestWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyAppearance(); }
    void init()
    {
        maze = std::make_unique<MazeState>();
        fakes = std::make_unique<FakeServices>();
    }

    void editorControl_data();
    void editorControl();
    void editorProperties();
    void editorTabOrder();
    void playerControl_data();
    void playerControl();
    void playerProperties();
    void playerTabOrder();
    void accessibility_data();
    void accessibility();
    void inEnglish_data();
    void inEnglish();
    void redrawInWindows_data();
    void redrawInWindows();
    void pictureBoxPaintsWhatChanged_data();
    void pictureBoxPaintsWhatChanged();
    void pictureBoxKeepsPictureOnResize();

private:
    std::unique_ptr<QWidget> window(bool editor); // the editor or the player

    std::unique_ptr<MazeState> maze;
    std::unique_ptr<FakeServices> fakes;
};

void TestWindows::editorControl_data()
{
    addControlRows();
    row("Label2", "", {8, 8, 118, 12}, "このステージのタイトル", AtLeast);
    row("txtTitle", "", {8, 24, 297, 18});
    row("Label7", "", {312, 8, 41, 17}, "座標");
    row("lblZahyou", "", {312, 24, 33, 17}, "0,0");
    row("picBack", "", {8, 48, 320, 320});
    row("picMap", "picBack", {0, 0, 512, 512});
    row("shpWaku", "picMap", {0, 0, 16, 16});
    row("scrTate", "", {328, 48, 17, 320});
    row("scrYoko", "", {8, 368, 320, 17});
    row("Command1", "", {328, 368, 17, 17});
    row("Label1", "", {352, 48, 97, 17}, "マップチップ");
    row("picChrSet", "", {352, 64, 96, 48});
    row("shpSWaku", "picChrSet", {0, 0, 16, 16});
    row("picChrSetMask", "", {424, -16, 96, 64});
    row("Frame1", "", {352, 120, 137, 113}, "ｻｲｽﾞ(ﾌﾞﾛｯｸ単位)");
    row("Option1", "Frame1", {8, 16, 57, 17}, "32*32");
    row("Option2", "Frame1", {64, 16, 57, 17}, "32*64");
    row("Option3", "Frame1", {8, 40, 57, 17}, "64*32");
    row("Option4", "Frame1", {64, 40, 57, 17}, "64*64");
    row("Option5", "Frame1", {8, 64, 57, 17}, "96*64");
    row("Option6", "Frame1", {64, 64, 57, 17}, "64*96");
    row("Option7", "Frame1", {8, 88, 57, 17}, "96*96");
    row("Option8", "Frame1", {64, 88, 65, 17}, "128*128", AtLeast);
    row("Label3", "", {352, 240, 92, 12}, "制限時間(秒単位)", AtLeast);
    row("txtTime", "", {352, 256, 41, 18}, "60");
    row("chkNoTime", "", {400, 256, 81, 17}, "制限時間無", AtLeast);
    row("Label5", "", {352, 280, 103, 12}, "このステージの音楽", AtLeast);
    row("txtMusic", "", {352, 296, 105, 18});
    row("Command2", "", {464, 296, 33, 17}, "参照");
    row("comFull", "", {352, 320, 145, 25}, "塗りつぶし");
    row("Command3", "", {352, 360, 73, 25}, "保存");
    row("Command4", "", {432, 360, 65, 25}, "読み込み");
    row("stb1", "", {0, 391, 497, 17});
}

void TestWindows::editorControl()
{
    const DesktopFont desktop; // the layout holds all the same
    frmEdit w(*maze, fakes->services());
    checkControl(&w);
}

void TestWindows::editorProperties()
{
    frmEdit w(*maze, fakes->services());
    QCOMPARE(w.windowTitle(), "迷路Editor");
    QCOMPARE(w.size(), QSize(497, 408));
    QCOMPARE(w.minimumSize(), w.maximumSize());

    QVERIFY(!w.Command1->isEnabled());
    QVERIFY(w.Command1->text().isEmpty());
    for (QScrollBar* s : {w.scrTate, w.scrYoko}) {
        QCOMPARE(s->minimum(), 0);
        QCOMPARE(s->maximum(), 12);
        QCOMPARE(s->value(), 0);
        QCOMPARE(QSet<int>({s->singleStep(), s->pageStep()}), QSet<int>({1, 5}));
    }
    QCOMPARE(w.scrTate->orientation(), Qt::Vertical);
    QCOMPARE(w.scrYoko->orientation(), Qt::Horizontal);
    QTest::keyClicks(w.txtTime, "45"); // three characters at most
    QCOMPARE(w.txtTime->text(), "604");
    QVERIFY(!w.txtTime->testAttribute(Qt::WA_InputMethodEnabled));
    QVERIFY(w.txtTitle->text().isEmpty() && w.txtMusic->text().isEmpty());
    QVERIFY(w.Option[0]->isChecked());
    for (size_t i = 1; i < w.Option.size(); ++i)
        QVERIFY(!w.Option[i]->isChecked());
    QVERIFY(!w.chkNoTime->isChecked());
    QCOMPARE(w.Frame1->toolTip(), "サイズを小さくすると、はみ出た部分はカットされます。");
    QCOMPARE(w.lblZahyou->alignment(), Qt::AlignCenter);
    QCOMPARE(w.lblZahyou->frameShape(), QFrame::Box);
    QCOMPARE(w.lblZahyou->backgroundRole(), QPalette::Base);
    QCOMPARE(w.stb1->panelText(), QString());

    QCOMPARE(w.shpWaku->lineColor(), QColor(Qt::white));
    QCOMPARE(w.shpSWaku->lineColor(), QColor(Qt::red));
    QCOMPARE(w.picMap->background(), QColor(Qt::black));
    QCOMPARE(w.picMap->cursor().shape(), Qt::ArrowCursor);
    QImage black(512, 512, QImage::Format_RGB32);
    black.fill(Qt::black);
    QCOMPARE(w.picMap->image(), black);
    // The palette shows chip rows 0 to 2 of the sheet; the mask box is hidden.
    const ChipSheet& chips = ChipSheet::standard();
    QCOMPARE(w.picChrSet->image(), chips.sheet().copy(0, 0, 96, 48));
    QVERIFY(!w.picChrSetMask->isVisibleTo(&w));
    QCOMPARE(w.picChrSetMask->image(), chips.mask());
}

void TestWindows::editorTabOrder()
{
    frmEdit w(*maze, fakes->services());
    // The palette first, then as the window reads and round: the size buttons
    // are one stop, the scroll bars and the corner button none.
    checkTabOrder(&w, {w.picChrSet, w.Option[0], w.txtTime, w.chkNoTime, w.txtMusic, w.Command2,
                       w.comFull, w.Command3, w.Command4, w.txtTitle, w.picMap, w.picChrSet});
}

void TestWindows::playerControl_data()
{
    addControlRows();
    row("picBack", "", {0, 0, 512, 512});
    row("picMap", "picBack", {0, 0, 512, 512});
    row("comLoad", "", {536, 8, 97, 25}, "読み込み");
    row("comPlay", "", {536, 40, 97, 25}, "プレイ");
    row("comStop", "", {536, 72, 97, 25}, "中止");
    row("picChrSet", "", {536, 120, 96, 64});
    row("picChrSetMask", "", {552, 136, 96, 64});
    row("STB1", "", {0, 513, 651, 17});
}

void TestWindows::playerControl()
{
    const DesktopFont desktop;
    frmPlay w(*maze, fakes->services());
    checkControl(&w);
}

void TestWindows::playerProperties()
{
    frmPlay w(*maze, fakes->services());
    QCOMPARE(w.windowTitle(), "迷路Player");
    QCOMPARE(w.size(), QSize(651, 530));
    QVERIFY(w.comLoad->isEnabled());
    QVERIFY(!w.comPlay->isEnabled());
    QVERIFY(!w.comStop->isEnabled());
    QCOMPARE(w.tim1->Interval(), 0);
    QVERIFY(w.MMC1);
    QCOMPARE(fakes->music.last(), w.MMC1.get());
    QVERIFY(fakes->music.last()->log.isEmpty());
    QCOMPARE(w.picBack->background(), QColor(0, 0, 0x40));
    QCOMPARE(w.picBack->borderWidth(), 1);
    QCOMPARE(w.picBack->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(w.picMap->background(), QColor(Qt::black));
    QCOMPARE(w.picMap->image().size(), QSize(512, 512));
    QVERIFY(!w.picChrSet->isVisibleTo(&w) && !w.picChrSetMask->isVisibleTo(&w));
    QCOMPARE(w.picChrSet->image(), ChipSheet::standard().sheet());
    QCOMPARE(w.picChrSetMask->image(), ChipSheet::standard().mask());
}

void TestWindows::playerTabOrder()
{
    frmPlay w(*maze, fakes->services());
    w.comPlay->setEnabled(true);
    w.comStop->setEnabled(true);
    // The viewport first, then round without it.
    checkTabOrder(&w, {w.picBack, w.picMap, w.comLoad, w.comPlay, w.comStop, w.picMap});
}

void TestWindows::accessibility_data()
{
    QTest::addColumn<bool>("editor");
    QTest::newRow("editor") << true;
    QTest::newRow("player") << false;
}

std::unique_ptr<QWidget> TestWindows::window(bool editor)
{
    if (editor)
        return std::make_unique<frmEdit>(*maze, fakes->services());
    return std::make_unique<frmPlay>(*maze, fakes->services());
}

void TestWindows::accessibility()
{
    QFETCH(bool, editor);
    const std::unique_ptr<QWidget> w = window(editor);
    w->show();
    w->findChild<StatusBar*>()->setPanelText(QStringLiteral("残り27秒"));
    QStringList faults;
    walkAccessible(QAccessible::queryAccessibleInterface(w.get()), faults);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral(", "))));
}

void TestWindows::inEnglish_data()
{
    accessibility_data();
}

// With the English catalogue no text is Japanese, and every text fits its
// control where the layout places it.
void TestWindows::inEnglish()
{
    QFETCH(bool, editor);
    const Translations english(UiLanguage::English);
    QVERIFY(english.complete());
    const std::unique_ptr<QWidget> w = window(editor);
    const QStringList japanese = japaneseTexts(w.get());
    QVERIFY2(japanese.isEmpty(), qPrintable(japanese.join(u'\n')));
    for (const QWidget* c : w->findChildren<const QWidget*>()) {
        if (!textOf(c).isEmpty() && !qobject_cast<const QLineEdit*>(c))
            QVERIFY2(neededWidth(c) <= c->width(),
                     qPrintable(QStringLiteral("%1 \"%2\" needs %3 pixels, has %4")
                                    .arg(c->objectName(), textOf(c))
                                    .arg(neededWidth(c))
                                    .arg(c->width())));
    }
}

void TestWindows::redrawInWindows_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("scrollX");
    QTest::addColumn<int>("scrollY");
    QTest::newRow("64 x 96") << 64 << 96 << 44 << 76;
    QTest::newRow("128 x 128") << 128 << 128 << 108 << 108;
    QTest::newRow("smaller than the view") << 10 << 12 << 0 << 0;
}

void TestWindows::redrawInWindows()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, scrollX);
    QFETCH(int, scrollY);
    maze->grid.at(3, 2) = {FirstFloor, ArrowRight};
    maze->header.GoalX = 4;

    frmEdit edit(*maze, fakes->services());
    edit.RedrawMapEdit(int16_t(width), int16_t(height));
    QCOMPARE(edit.picMap->size(), QSize(width * 16, height * 16));
    QCOMPARE(edit.scrYoko->maximum(), scrollX);
    QCOMPARE(edit.scrTate->maximum(), scrollY);
    QCOMPARE(edit.stb1->panelText(), QString());
    QVERIFY(!edit.isBusy());
    QCOMPARE(edit.cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(maze->header.MapWidth, width);

    // The player draws the same picture.
    frmPlay play(*maze, fakes->services());
    play.RedrawMapPlay(int16_t(width), int16_t(height));
    QCOMPARE(play.picMap->image(), edit.picMap->image());
    QVERIFY(!play.isBusy());
    QCOMPARE(play.STB1->panelText(), QString());

    QImage expected(width * 16, height * 16, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            DrawChip(expected, ChipSheet::standard(), x, y, 0,
                     x == 3 && y == 2 ? FloorRow : WallRow);
    DrawChip(expected, ChipSheet::standard(), 3, 2, 3, ItemRow);
    DrawChip(expected, ChipSheet::standard(), 0, 0, StartMarker.column, StartMarker.row);
    DrawChip(expected, ChipSheet::standard(), 4, 0, GoalMarker.column, GoalMarker.row);
    QCOMPARE(play.picMap->image(), expected);
}

namespace {

// Records the regions of the paint events a widget gets.
class PaintSpy : public QObject {
public:
    explicit PaintSpy(QWidget* w) { w->installEventFilter(this); }
    QList<QRegion> regions;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            regions << static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

} // namespace

void TestWindows::pictureBoxPaintsWhatChanged_data()
{
    QTest::addColumn<bool>("bordered");
    QTest::newRow("no border") << false;
    QTest::newRow("single border") << true;
}

void TestWindows::pictureBoxPaintsWhatChanged()
{
    QFETCH(bool, bordered);
    PictureBox box(nullptr, Qt::black,
                   bordered ? PictureBox::Border::FixedSingle : PictureBox::Border::None);
    box.resize(100, 80);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    PaintSpy spy(&box);

    box.Refresh(); // nothing drawn: nothing painted
    QVERIFY(spy.regions.isEmpty());

    box.markDirty(DrawChip(box.image(), ChipSheet::standard(), 2, 1, 3, WallRow));
    box.markDirty(DrawChip(box.image(), ChipSheet::standard(), 3, 1, 3, WallRow));
    box.Refresh();
    const int b = bordered ? 1 : 0;
    QCOMPARE(spy.regions, QList<QRegion>{QRegion(32 + b, 16 + b, 32, 16)});
    const QImage shown = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.copy(32 + b, 16 + b, 32, 16), box.image().copy(32, 16, 32, 16));
    QCOMPARE(QColor(shown.pixel(40 + b, 40 + b)), QColor(Qt::black));
}

void TestWindows::pictureBoxKeepsPictureOnResize()
{
    PictureBox box(nullptr, QColor(0, 0, 0x40));
    box.resize(32, 32);
    DrawChip(box.image(), ChipSheet::standard(), 1, 1, 2, FloorRow);
    const QImage before = box.image();
    box.resize(64, 48); // hidden: the picture follows all the same
    QCOMPARE(box.image().size(), QSize(64, 48));
    QCOMPARE(box.image().copy(0, 0, 32, 32), before);
    QCOMPARE(box.image().pixel(50, 40), qRgb(0, 0, 0x40));
    box.resize(16, 16);
    QCOMPARE(box.image(), before.copy(0, 0, 16, 16));
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
