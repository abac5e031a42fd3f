// The window kit: key codes, the status bar and the wording of file problems.

#include "Appearance.h"
#include "Language.h"
#include "MazeFileMessages.h"
#include "PictureBox.h"
#include "StatusBar.h"
#include "VirtualKeys.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProcess>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTest>

#include <cerrno>

using namespace orvane;

class TestUiKit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyAppearance(); }

    void keyDown_data();
    void keyDown();
    void statusTextShowsWhole();
    void fileMessages_data();
    void fileMessages();
    void languageChoice_data();
    void languageChoice();
    // A new icon per title-bar paint filled the pixmap cache.
    void titleBarIconsMadeOnce()
    {
        // As a title bar asks: with a palette, for a glyph in its text colour.
        QStyleOptionTitleBar option;
        option.palette = QApplication::palette();
        const QStyle* style = QApplication::style();
        QCOMPARE(style->standardIcon(QStyle::SP_TitleBarCloseButton, &option).cacheKey(),
                 style->standardIcon(QStyle::SP_TitleBarCloseButton, &option).cacheKey());
    }
};

void TestUiKit::keyDown_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("autoRepeat");
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<int>("shift");
    QTest::newRow("left") << int(Qt::Key_Left) << Qt::KeyboardModifiers() << false << 37 << 0;
    QTest::newRow("up") << int(Qt::Key_Up) << Qt::KeyboardModifiers() << false << 38 << 0;
    QTest::newRow("right, repeated")
        << int(Qt::Key_Right) << Qt::KeyboardModifiers() << true << 39 << 0;
    QTest::newRow("shift+down") << int(Qt::Key_Down) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                << false << 40 << 1;
    QTest::newRow("ctrl+alt+left")
        << int(Qt::Key_Left) << (Qt::ControlModifier | Qt::AltModifier) << false << 37 << 6;
    QTest::newRow("space") << int(Qt::Key_Space) << Qt::KeyboardModifiers() << false << 32 << 0;
    QTest::newRow("shift+a") << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::ShiftModifier) << false
                             << 65 << 1;
    QTest::newRow("7") << int(Qt::Key_7) << Qt::KeyboardModifiers() << false << 55 << 0;
    QTest::newRow("enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers() << false << 13 << 0;
    QTest::newRow("escape") << int(Qt::Key_Escape) << Qt::KeyboardModifiers() << false << 27 << 0;
    QTest::newRow("f5") << int(Qt::Key_F5) << Qt::KeyboardModifiers() << false << 116 << 0;
    QTest::newRow("yen") << int(Qt::Key_yen) << Qt::KeyboardModifiers() << false << 0xDC << 0;
    QTest::newRow("keypad 7") << int(Qt::Key_7) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                              << false << 0x67 << 0;
    QTest::newRow("henkan") << int(Qt::Key_Henkan) << Qt::KeyboardModifiers() << false << 0x1C << 0;
    QTest::newRow("no code of its own")
        << int(Qt::Key_Eacute) << Qt::KeyboardModifiers() << false << 0xFF << 0;
}

void TestUiKit::keyDown()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, autoRepeat);
    QFETCH(int, keyCode);
    QFETCH(int, shift);
    PictureBox box(nullptr, Qt::black);
    QSignalSpy spy(&box, &PictureBox::keyDown);
    QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(), autoRepeat);
    QCoreApplication::sendEvent(&box, &press);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy[0][0].toInt(), keyCode);
    QCOMPARE(spy[0][1].toInt(), shift);
}

void TestUiKit::statusTextShowsWhole()
{
    // A status bar of the layouts' 17 pixels shows its text uncut.
    QWidget window;
    window.resize(497, 408);
    StatusBar bar(&window);
    bar.setGeometry(0, 391, 497, 17);
    bar.setPanelText(QStringLiteral("準備中です gjpqy"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(bar.geometry(), QRect(0, 391, 497, 17));
    const QLabel* panel = bar.panel();
    QVERIFY(bar.rect().contains(panel->geometry()));
    QVERIFY2(panel->contentsRect().height() >= panel->fontMetrics().height(),
             qPrintable(QStringLiteral("%1 pixels for text %2 high")
                            .arg(panel->contentsRect().height())
                            .arg(panel->fontMetrics().height())));

    // A text longer than the bar ends in "…" and reads whole in the tooltip
    // (before what the tooltip told) and by its accessible name.
    const QString whole = QStringLiteral("80 回調べても、注文どおりの迷路は見つかりませんでした。"
                                         "いちばん近かったのは難しさ 3 の迷路です。");
    bar.setPanelText(whole, QStringLiteral("more"));
    QVERIFY(panel->text().endsWith(u'…'));
    QVERIFY(panel->fontMetrics().horizontalAdvance(panel->text()) <= panel->contentsRect().width());
    QCOMPARE(panel->toolTip(), whole + QStringLiteral("\nmore"));
    QCOMPARE(QAccessible::queryAccessibleInterface(&bar)->text(QAccessible::Name), whole);
    bar.setPanelText(QStringLiteral("short"));
    QCOMPARE(panel->text(), "short");
    QCOMPARE(panel->toolTip(), QString());
}

void TestUiKit::fileMessages_data()
{
    using Kind = MazeFileProblem::Kind;
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("systemError");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("expected");
    const int read = int(MazeFileError::Operation::Read);
    const int write = int(MazeFileError::Operation::Write);
    QTest::newRow("missing")
        << read << int(Kind::NotFound) << 0 << 0 << false
        << "迷路ファイル「/m/a.mdt」を読み込めません。\nファイルが見つかりません。";
    QTest::newRow("write failed")
        << write << int(Kind::WriteFailed) << 0 << ENOSPC << false
        << "迷路ファイル「/m/a.mdt」を保存できません。\n書き込みに失敗しま"
           "した (ディスクの空き領域が足りません)。";
    QTest::newRow("damaged")
        << read << int(Kind::TextPastEnd) << 3 << 0 << false
        << "ファイル「/m/a.mdt」は迷路ファイルではないか、壊れています。\n題名の長さがファイルの"
           "残りより長くなっています。";
    QTest::newRow("missing, English")
        << read << int(Kind::NotFound) << 0 << 0 << true
        << "The maze file “/m/a.mdt” cannot be loaded.\nThe file does not exist.";
    QTest::newRow("write failed, English")
        << write << int(Kind::WriteFailed) << 0 << ENOSPC << true
        << "The maze file “/m/a.mdt” cannot be saved.\nWriting failed (not enough free space "
           "on the disk).";
    QTest::newRow("may be damaged, English")
        << write << int(Kind::MayBeDamaged) << 0 << EIO << true
        << "The maze file “/m/a.mdt” cannot be saved.\nWriting failed (an input/output error "
           "occurred) and the old contents could not be put back. “/m/a.mdt” may be damaged. "
           "A copy of its old contents is kept in “/d/recovered/a-1.mdt”.";
}

void TestUiKit::fileMessages()
{
    QFETCH(int, operation);
    QFETCH(int, kind);
    QFETCH(int, first);
    QFETCH(int, systemError);
    QFETCH(bool, english);
    QFETCH(QString, expected);
    const Translations translations(english ? UiLanguage::English : UiLanguage::Japanese);
    MazeFileError error;
    error.operation = MazeFileError::Operation(operation);
    error.path = QStringLiteral("/m/a.mdt");
    error.problem.kind = MazeFileProblem::Kind(kind);
    error.problem.first = first;
    error.problem.systemError = systemError;
    error.problem.detail = QStringLiteral("/d/recovered/a-1.mdt"); // named by some kinds only
    QCOMPARE(mazeFileMessage(error), expected);
}

void TestUiKit::languageChoice_data()
{
    QTest::addColumn<QString>("language"); // LANGUAGE
    QTest::addColumn<QString>("lang");     // LANG
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const char* language, const char* lang, const char* is) {
        QTest::newRow(name) << language << lang << is;
    };
    row("no settings", "", "", "Japanese");
    row("C", "", "C", "Japanese");
    row("ja_JP", "", "ja_JP.UTF-8", "Japanese");
    row("en_US", "", "en_US.UTF-8", "English");
    row("de_DE", "", "de_DE.UTF-8", "English");
    row("LANGUAGE=ja, LANG=en_US", "ja", "en_US.UTF-8", "Japanese");
    row("Japanese before English", "de:ja:en", "de_DE.UTF-8", "Japanese");
}

// The choice as the program makes it, in a process of its own under each
// environment: Qt reads the settings once per process.
void TestUiKit::languageChoice()
{
    QFETCH(QString, language);
    QFETCH(QString, lang);
    QFETCH(QString, expected);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        env.remove(QString::fromLatin1(name));
    if (!language.isEmpty())
        env.insert(QStringLiteral("LANGUAGE"), language);
    if (!lang.isEmpty())
        env.insert(QStringLiteral("LANG"), lang);
    QProcess probe;
    probe.setProcessEnvironment(env);
    probe.start(QStringLiteral(ORVANE_LANGUAGE_PROBE), QStringList());
    QVERIFY(probe.waitForFinished());
    QCOMPARE(QString::fromLatin1(probe.readAllStandardOutput()).trimmed(), expected);
}

QTEST_MAIN(TestUiKit)
#include "tst_uikit.moc"
