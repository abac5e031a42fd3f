#include "DialogFolders.h"
#include "FileFilter.h"
#include "GenerateDialog.h"
#include "GenerateMessages.h"
#include "HelpViewer.h"
#include "HelpWindow.h"
#include "QtFileDialogService.h"
#include "QtGenerateDialogService.h"
#include "QtHelpService.h"
#include "QtMessageBoxService.h"
#include "RealPlatformServices.h"
#include "generate/Reach.h"
#include "support/FakeServices.h"
#include "support/WindowTexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMap>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>

#include <functional>

using namespace orvane;
using namespace orvane::test;

namespace {

constexpr int PollMs = 10;
constexpr int LoadTimeoutMs = 5000;

const QString MazeFilter = QStringLiteral("迷路ファイル(*.mdt)|*.mdt");
const QUrl ResourceContents(QStringLiteral("qrc:/orvane/help/index.html"));

// Runs `step` inside the event loop of the first visible modal widget of type
// T. The returned timer is still polling while no such widget has appeared.
template <typename T> QPointer<QTimer> whenModal(std::function<void(T*)> step)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(PollMs);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, step] {
        auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        step(modal);
    });
    timer->start();
    return timer;
}

void stopWaiting(QPointer<QTimer> timer)
{
    delete timer.data();
}

// A dialog's outcome as text, for comparisons.
QString outcome(const std::optional<QString>& chosen)
{
    return chosen.value_or(QStringLiteral("<cancelled>"));
}

// The entries the dialog's file list shows, sorted, once they match
// `expected` or the directory has had time to load.
QStringList listedEntries(QFileDialog* dialog, const QStringList& expected)
{
    auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
    if (!view)
        return {QStringLiteral("<no list view>")};
    auto entries = [view] {
        QStringList names;
        const QModelIndex root = view->rootIndex();
        for (int row = 0; row < view->model()->rowCount(root); ++row)
            names << view->model()->index(row, 0, root).data().toString();
        names.sort();
        return names;
    };
    static_cast<void>(QTest::qWaitFor([&] { return entries() == expected; }, LoadTimeoutMs));
    return entries();
}

QStringList comboTexts(QFileDialog* dialog)
{
    QStringList texts;
    if (auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
    return texts;
}

void writeFile(const QString& path, const QByteArray& bytes = "x")
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QString readResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// Every href and src of a page, as written.
QStringList references(const QString& html)
{
    static const QRegularExpression Reference(QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"]*)\""));
    QStringList found;
    for (auto it = Reference.globalMatch(html); it.hasNext();)
        found << it.next().captured(1);
    return found;
}

QSet<QString> anchorNames(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    QSet<QString> names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            for (const QString& name : it.fragment().charFormat().anchorNames())
                names.insert(name);
    return names;
}

// A point inside the first link to `href` in the browser, scrolled into view.
QPoint linkPosition(QTextBrowser* browser, const QString& href)
{
    QTextDocument* document = browser->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() != href || fragment.length() < 2)
                continue;
            QTextCursor cursor(document);
            cursor.setPosition(fragment.position() + 1);
            browser->setTextCursor(cursor);
            browser->ensureCursorVisible();
            return browser->cursorRect(cursor).center();
        }
    }
    return {-1, -1};
}

// The document's languages, as folders of the compiled-in copy: Japanese, English.
const QStringList HelpLanguages{QString(), QStringLiteral("en/")};

// The pages of one language, named from the document's folder.
QStringList helpPages(const QString& language)
{
    QStringList pages = QDir(HelpViewer::ResourceFolder + u'/' + language)
                            .entryList({QStringLiteral("*.html")}, QDir::Files);
    for (QString& page : pages)
        page.prepend(language);
    return pages;
}

} // namespace

class TestServices : public QObject {
    Q_OBJECT

private slots:
    // Settings (the dialogs' own and the program's) go to a test folder.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        // Every dialog starts in dir; the settings are kept apart from it.
        settings =
            std::make_unique<QSettings>(config.filePath("orvane.conf"), QSettings::IniFormat);
        settings->clear();
        settings->sync();
        folders = std::make_unique<DialogFolders>(
            *settings, DialogPlaces{dir->path(), dir->path(), dir->path()});
    }
    void cleanup() { QTRY_VERIFY(!QApplication::activeModalWidget()); }

    void filterTranslation_data();
    void filterTranslation();
    void openDialog_data();
    void openDialog();
    void dialogFolders_data();
    void dialogFolders();
    void dialogsStartInLastFolder();
    void saveDialog_data();
    void saveDialog();

    void messageBox_data();
    void messageBox();

    void generateDialog_data();
    void generateDialog();
    void generateDefaultsMet();
    void generateDialogOffersNearest();

    void helpResolvesDocumentName_data();
    void helpResolvesDocumentName();
    void helpSearchOrder_data();
    void helpSearchOrder();
    void helpFoldersOfProgram_data();
    void helpFoldersOfProgram();
    void helpOpensOneNonModalWindow();
    void helpInEnglish();
    void helpFollowsLink();
    void helpIsToolWindowBesideChild();
    void helpReportsUnknownName_data();
    void helpReportsUnknownName();
    void helpServiceCommands_data();
    void helpServiceCommands();
    void helpLinksResolve_data();
    void helpLinksResolve();
    void helpPagesReachableFromContents_data();
    void helpPagesReachableFromContents();
    void realServicesOpenHelp();

private:
    QString path(const QString& name) const { return dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> dir; // fresh for every test
    QTemporaryDir config;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<DialogFolders> folders;
};

// ---- file dialog --------------------------------------------------------

void TestServices::filterTranslation_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("descriptions"); // what the dialog's type list shows
    QTest::addColumn<QStringList>("patterns");     // of the first filter, as Qt applies them
    QTest::addColumn<QString>("suffix");

    QTest::newRow("maze") << MazeFilter << QStringList{"迷路ファイル(*.mdt)"}
                          << QStringList{"*.mdt"} << "mdt";
    QTest::newRow("music") << "Midiファイル(*.mid)|*.mid" << QStringList{"Midiファイル(*.mid)"}
                           << QStringList{"*.mid"} << "mid";
    QTest::newRow("pattern list") << "画像|*.bmp;*.dib" << QStringList{"画像"}
                                  << QStringList{"*.bmp", "*.dib"} << "bmp";
    QTest::newRow("blanks around patterns") << "画像 | *.bmp ; *.dib ;" << QStringList{"画像"}
                                            << QStringList{"*.bmp", "*.dib"} << "bmp";
    QTest::newRow("two pairs") << "迷路|*.mdt|すべて|*.*" << QStringList{"迷路", "すべて"}
                               << QStringList{"*.mdt"} << "mdt";
    QTest::newRow("description only")
        << "すべてのファイル" << QStringList{"すべてのファイル"} << QStringList{"*"} << "";
    QTest::newRow("pattern only") << "|*.mdt" << QStringList{"*.mdt"} << QStringList{"*.mdt"}
                                  << "mdt";
    QTest::newRow("trailing bar") << "迷路|*.mdt|" << QStringList{"迷路"} << QStringList{"*.mdt"}
                                  << "mdt";
    QTest::newRow("wildcard extension")
        << "A|*.md?" << QStringList{"A"} << QStringList{"*.md?"} << "";
    QTest::newRow("name pattern") << "A|maze*" << QStringList{"A"} << QStringList{"maze*"} << "";
    QTest::newRow("double extension")
        << "A|*.tar.gz" << QStringList{"A"} << QStringList{"*.tar.gz"} << "tar.gz";
    QTest::newRow("parentheses in description")
        << "迷路 (旧形式) (*.mdt)|*.mdt" << QStringList{"迷路 (旧形式) (*.mdt)"}
        << QStringList{"*.mdt"} << "mdt";
}

// The translated filter as a real QFileDialog reads it.
void TestServices::filterTranslation()
{
    QFETCH(QString, text);
    QFETCH(QStringList, descriptions);
    QFETCH(QStringList, patterns);
    QFETCH(QString, suffix);

    const QList<FileFilter> filters = parseFileFilter(text);
    QCOMPARE(filters.size(), descriptions.size());
    QStringList nameFilters;
    for (const FileFilter& f : filters)
        nameFilters << qtNameFilter(f);

    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(nameFilters);
    QCOMPARE(comboTexts(&dialog), descriptions);
    auto* model = dialog.findChild<QFileSystemModel*>();
    QVERIFY(model);
    QCOMPARE(model->nameFilters(), patterns);
    QCOMPARE(defaultSuffix(filters.first()), suffix);
}

void TestServices::openDialog_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QStringList>("types");

    QTest::newRow("maze") << MazeFilter << QStringList{"SHOUT.MDT", "one.mdt", "sub"}
                          << QStringList{"迷路ファイル(*.mdt)"};
    QTest::newRow("music") << "Midiファイル(*.mid)|*.mid" << QStringList{"song.mid", "sub"}
                           << QStringList{"Midiファイル(*.mid)"};
    QTest::newRow("pattern list") << "色々|*.mid;*.txt"
                                  << QStringList{"notes.txt", "song.mid", "sub"}
                                  << QStringList{"色々"};
}

// A real dialog lists only matching files (and folders), shows the
// description once, and returns the chosen file's full path.
void TestServices::openDialog()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, listed);
    QFETCH(QStringList, types);

    for (const char* name :
         {"one.mdt", "SHOUT.MDT", "song.mid", "notes.txt", "mdt", "one.mdt.bak", "sub.mdt.txt~"})
        writeFile(path(QString::fromUtf8(name)));
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("sub")));
    const QString chosen = listed.first();

    QtFileDialogService service(*folders);
    QStringList seenEntries;
    QStringList seenTypes;
    bool modal = false;
    whenModal<QFileDialog>([&](QFileDialog* dialog) {
        modal = dialog->isModal();
        seenTypes = comboTexts(dialog);
        seenEntries = listedEntries(dialog, listed);
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(chosen);
        static_cast<QDialog*>(dialog)->accept(); // protected in QFileDialog
    });
    const std::optional<QString> result =
        service.showOpen(nullptr, filter, {FileDialogUse::LoadMaze});

    QVERIFY(modal);
    QCOMPARE(seenTypes, types);
    QCOMPARE(seenEntries, listed);
    QCOMPARE(outcome(result), path(chosen));
}

void TestServices::dialogFolders_data()
{
    QTest::addColumn<QStringList>("chosen"); // earlier choices: "load /m/a.mdt", ...
    QTest::addColumn<FileDialogUse>("use");
    QTest::addColumn<QString>("currentFile");
    QTest::addColumn<QString>("start");
    const auto row = [](const char* name, const QStringList& chosen, FileDialogUse use,
                        const char* currentFile, const char* start) {
        QTest::newRow(name) << chosen << use << QString(currentFile) << QString(start);
    };
    const auto load = FileDialogUse::LoadMaze, save = FileDialogUse::SaveMaze,
               music = FileDialogUse::ChooseMusic;

    // The pack is not writable; /gone is not there.
    row("first run: load from the pack", {}, load, "", "/pack");
    row("first run: save to documents", {}, save, "", "/docs");
    row("after a load: load there", {"load /m/a.mdt"}, load, "", "/m");
    row("after a sample: save to documents", {"load /pack/a.mdt"}, save, "", "/docs");
    row("after a save: load there", {"load /m/a.mdt", "save /w/b.mdt"}, load, "", "/w");
    row("after a save: save there", {"save /w/b.mdt", "load /m/a.mdt"}, save, "", "/w");
    row("saved last to a folder now unwritable", {"save /pack/b.mdt"}, save, "", "/docs");
    row("last folder gone", {"load /gone/a.mdt"}, load, "", "/pack");
    row("music with a file: its folder", {"load /m/a.mdt"}, music, "/w/a.mid", "/w");
    row("music without a file: the pack", {"load /m/a.mdt"}, music, "", "/pack");
    row("music named but not found: the pack", {}, music, "C:\\MIDI\\A.MID", "/pack");
    row("music choices not remembered", {"music /w/a.mid"}, load, "", "/pack");
}

// The start folder of a dialog in a later run, after the choices of this one.
void TestServices::dialogFolders()
{
    QFETCH(QStringList, chosen);
    QFETCH(FileDialogUse, use);
    QFETCH(QString, currentFile);
    QFETCH(QString, start);

    // A music name not found beside the maze is no path from the working folder.
    const QSet<QString> existing{"/pack", "/docs", "/home", "/m", "/w", QDir::currentPath()};
    const FolderChecks checks{[&](const QString& f) { return existing.contains(f); },
                              [](const QString& f) { return f != "/pack"; }};
    const DialogPlaces places{"/pack", "/docs", "/home"};
    const QMap<QString, FileDialogUse> uses{{"load", FileDialogUse::LoadMaze},
                                            {"save", FileDialogUse::SaveMaze},
                                            {"music", FileDialogUse::ChooseMusic}};
    DialogFolders run(*settings, places, checks);
    for (const QString& choice : chosen)
        run.chosen({uses[choice.section(' ', 0, 0)]}, choice.section(' ', 1));

    QSettings again(config.filePath("orvane.conf"), QSettings::IniFormat);
    QCOMPARE(DialogFolders(again, places, checks).startFolder({use, currentFile}), start);
}

// Cancel is told apart from a choice; the next dialog starts in the folder
// DialogFolders gives after the last chosen maze, and a cancelled one does not
// move it.
void TestServices::dialogsStartInLastFolder()
{
    const QString sub = path(QStringLiteral("sub"));
    QVERIFY(QDir().mkpath(sub));
    writeFile(sub + QStringLiteral("/inner.mdt"));
    QtFileDialogService service(*folders);

    whenModal<QFileDialog>([](QFileDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
            ->setText(QStringLiteral("sub/inner.mdt"));
        static_cast<QDialog*>(dialog)->accept();
    });
    const FileDialogPurpose load{FileDialogUse::LoadMaze};
    QCOMPARE(outcome(service.showOpen(nullptr, MazeFilter, load)),
             sub + QStringLiteral("/inner.mdt"));

    for (int round = 0; round < 2; ++round) {
        QString startedIn;
        whenModal<QFileDialog>([&startedIn](QFileDialog* dialog) {
            startedIn = dialog->directory().absolutePath();
            dialog->selectFile(QStringLiteral("inner.mdt"));
            dialog->reject();
        });
        QCOMPARE(outcome(service.showOpen(nullptr, MazeFilter, load)), outcome(std::nullopt));
        QCOMPARE(startedIn, sub);
    }
}

void TestServices::saveDialog_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("chosenFilter"); // picked by the user in the type list
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("replace"); // the answer to an overwrite question
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("result"); // empty: cancelled

    const QString twoTypes = QStringLiteral("迷路|*.mdt|音楽|*.mid");
    QTest::newRow("suffix appended") << MazeFilter << 0 << "new" << false << false << "new.mdt";
    QTest::newRow("own suffix kept") << MazeFilter << 0 << "new.dat" << false << false << "new.dat";
    QTest::newRow("first pattern's suffix")
        << "色々|*.mid;*.txt" << 0 << "new" << false << false << "new.mid";
    QTest::newRow("suffix of the chosen type")
        << twoTypes << 1 << "new" << false << false << "new.mid";
    QTest::newRow("overwrite agreed") << MazeFilter << 0 << "old.mdt" << true << true << "old.mdt";
    QTest::newRow("overwrite with appended suffix")
        << MazeFilter << 0 << "old" << true << true << "old.mdt";
    QTest::newRow("overwrite refused") << MazeFilter << 0 << "old" << false << true << "";
}

void TestServices::saveDialog()
{
    QFETCH(QString, filter);
    QFETCH(int, chosenFilter);
    QFETCH(QString, typed);
    QFETCH(bool, replace);
    QFETCH(bool, asked);
    QFETCH(QString, result);

    writeFile(path(QStringLiteral("old.mdt")));
    QtFileDialogService service(*folders);
    bool questionShown = false;
    QPointer<QTimer> question;
    whenModal<QFileDialog>([&](QFileDialog* dialog) {
        question = whenModal<QMessageBox>([&](QMessageBox* box) {
            questionShown = true;
            box->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        for (int i = 0; i < chosenFilter; ++i)
            QTest::keyClick(types, Qt::Key_Down);
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
        static_cast<QDialog*>(dialog)->accept(); // protected in QFileDialog
        if (dialog->isVisible())                 // the user refused to replace the file
            dialog->reject();
    });
    const std::optional<QString> chosen =
        service.showSave(nullptr, filter, {FileDialogUse::SaveMaze});
    stopWaiting(question);

    QCOMPARE(questionShown, asked);
    QCOMPARE(outcome(chosen), result.isEmpty() ? outcome(std::nullopt) : path(result));
}

// ---- message box --------------------------------------------------------

void TestServices::messageBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("givesTitle"); // false: the default argument
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shownTitle");

    QTest::newRow("default title") << "時間切れ" << false << ""
                                   << "ORVANE";
    QTest::newRow("empty title") << "時間切れ" << true << ""
                                 << "ORVANE";
    QTest::newRow("own title") << "スタート位置、またはゴール位置が不正です。" << true
                               << "迷路Editor"
                               << "迷路Editor";
    QTest::newRow("markup is text") << "<b>太字</b> &amp; <br>" << false << ""
                                    << "ORVANE";
    QTest::newRow("title placeholder is text") << "x" << true << "a[*]b[*][*]"
                                               << "a[*]b[*][*]";
}

void TestServices::messageBox()
{
    QFETCH(QString, text);
    QFETCH(bool, givesTitle);
    QFETCH(QString, title);
    QFETCH(QString, shownTitle);

    struct Seen {
        bool shown = false;
        Qt::WindowModality modality = Qt::NonModal;
        QList<QAbstractButton*> buttons;
        QMessageBox::StandardButton okButton = QMessageBox::NoButton;
        QMessageBox::Icon icon = QMessageBox::Warning;
        Qt::TextFormat format = Qt::AutoText;
        QString text;
        QString windowTitle;
    } seen;
    whenModal<QMessageBox>([&seen](QMessageBox* box) {
        seen.shown = true;
        seen.modality = box->windowModality();
        seen.buttons = box->buttons();
        if (!seen.buttons.isEmpty())
            seen.okButton = box->standardButton(seen.buttons.first());
        seen.icon = box->icon();
        if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            seen.format = label->textFormat();
            seen.text = label->text();
        }
        seen.windowTitle = box->windowHandle() ? box->windowHandle()->title() : QString();
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    });

    QtMessageBoxService service;
    if (givesTitle)
        service.show(nullptr, text, title);
    else
        service.show(nullptr, text);

    QVERIFY(seen.shown);
    QCOMPARE(seen.modality, Qt::ApplicationModal);
    QCOMPARE(seen.buttons.size(), 1);
    QCOMPARE(seen.okButton, QMessageBox::Ok);
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.format, Qt::PlainText);
    QCOMPARE(seen.text, text);
    QCOMPARE(seen.windowTitle, shownTitle);
}

// ---- generator dialog -----------------------------------------------------

void TestServices::generateDialog_data()
{
    QTest::addColumn<QSize>("selection"); // invalid: none, the first size button's
    QTest::addColumn<int>("keys");        // 0: aims at the grade
    QTest::addColumn<int>("grade");
    QTest::addColumn<int>("traps");
    QTest::addColumn<QString>("seed"); // null: the one shown at first
    QTest::addColumn<bool>("refused");
    QTest::newRow("a selection too small") << QSize(4, 9) << 0 << 3 << 0 << QString() << true;
    QTest::newRow("more keys than the map holds") << QSize() << 5000 << 3 << 0 << QString() << true;
    QTest::newRow("more traps than the map holds")
        << QSize() << 0 << 3 << 5000 << QString() << true;
    QTest::newRow("no seed") << QSize() << 0 << 3 << 0 << QString("") << true;
    QTest::newRow("keys, traps and a seed typed")
        << QSize() << 20 << 3 << 1 << QString("18446744073709551615") << false;
    QTest::newRow("a grade in the selection, the seed shown")
        << QSize(12, 7) << 0 << 1 << 0 << QString() << false;
}

// The reason shows in the words orvane-mdt uses and OK is disabled while the
// fields make a refused request; OK returns the request with the seed shown.
void TestServices::generateDialog()
{
    QFETCH(QSize, selection);
    QFETCH(int, keys);
    QFETCH(int, grade);
    QFETCH(int, traps);
    QFETCH(QString, seed);
    QFETCH(bool, refused);

    GenerateDefaults defaults;
    defaults.request.seed = 99;
    defaults.request.title = "t";
    generate::Request expected = defaults.request;
    if (selection.isValid())
        defaults.selection =
            expected.size = {int16_t(selection.width()), int16_t(selection.height())};
    else
        expected.size = MapSizes[0];
    expected.keys = keys;
    expected.grade = grade;
    expected.traps = traps;
    bool seedOk = seed.isNull();
    if (!seed.isNull())
        expected.seed = seed.toULongLong(&seedOk);

    QString shown;
    bool okEnabled = true;
    whenModal<GenerateDialog>([&](GenerateDialog* dialog) {
        (keys ? dialog->keysChoice : dialog->gradeChoice)->setChecked(true);
        dialog->keysBox->setValue(keys);
        dialog->gradeBox->setValue(grade);
        dialog->trapsBox->setValue(traps);
        if (!seed.isNull())
            dialog->seedBox->setText(seed);
        shown = dialog->problemLabel->text();
        okEnabled = dialog->okButton->isEnabled();
        dialog->accept();
        QTRY_VERIFY(!dialog->isGenerating());
        if (dialog->isVisible())
            dialog->reject();
    });
    const std::optional<GeneratedMaze> made =
        QtGenerateDialogService().askForMaze(nullptr, defaults);
    const generate::Request* answer = made ? &made->request : nullptr;

    QCOMPARE(okEnabled, !refused);
    QCOMPARE(answer != nullptr, !refused);
    if (seedOk)
        QCOMPARE(shown, requestProblemText(expected, generate::checkRequest(expected),
                                           FieldNaming::Labels));
    QCOMPARE(shown.isEmpty(), !refused);
    if (!answer)
        return;
    QCOMPARE(answer->size, expected.size);
    QCOMPARE(answer->keys, keys);
    QCOMPARE(answer->grade, grade);
    QCOMPARE(answer->traps, traps);
    QCOMPARE(answer->slack, std::optional(generate::DefaultSlack));
    QCOMPARE(answer->seed, expected.seed);
    QCOMPARE(answer->title, expected.title);
}

// The defaults on a 19 x 19 selection after requests beyond its reach make
// one it meets.
void TestServices::generateDefaultsMet()
{
    generate::Request last;
    last.size = {64, 64};
    last.grade = 5;
    last.traps = 12;
    MazeHeader map;
    map.MapWidth = map.MapHeight = 64;
    for (const int keys : {0, 900}) {
        last.keys = keys;
        const generate::Request r = generateDefaults(last, map, MapSize{19, 19}, 1).request;
        QVERIFY(!generate::checkRequest(r) && !generate::checkReach(r));
        QVERIFY(generate::generateMaze(r).maze);
    }
}

// A request no maze meets: the run shows itself, the dialog stays with the
// whole outcome, wrapped, and the nearest maze can be taken.
void TestServices::generateDialogOffersNearest()
{
    GenerateDefaults defaults;
    defaults.selection = defaults.request.size = {19, 19};
    defaults.request.grade = 3;
    defaults.request.seed = 2;
    const generate::Outcome expected = generate::generateMaze(defaults.request);
    QVERIFY(!expected.maze && expected.nearest);
    const QString warning = requestProblemText(
        defaults.request, generate::checkReach(defaults.request), FieldNaming::Labels);

    whenModal<GenerateDialog>([&](GenerateDialog* dialog) {
        const auto closed = qScopeGuard([dialog] { dialog->hide(); }); // also on a failure
        QCOMPARE(dialog->problemText(), warning);
        dialog->okButton->click();
        QVERIFY(dialog->isGenerating() && dialog->progressBar->isVisible());
        QCOMPARE(dialog->cursor().shape(), Qt::BusyCursor);
        QVERIFY(!dialog->okButton->isEnabled() && !dialog->gradeChoice->isEnabled());
        QTRY_VERIFY(!dialog->isGenerating());
        QVERIFY(dialog->isVisible() && !dialog->progressBar->isVisible());
        QCOMPARE(dialog->problemText(),
                 closestTryText(defaults.request, expected) + '\n' + warning);
        QLabel* line = dialog->problemLabel;
        QVERIFY(line->height() >= line->heightForWidth(line->width()));
        QVERIFY(dialog->rect().contains(QRect(line->mapTo(dialog, QPoint()), line->size())));
        QVERIFY(dialog->useNearestButton->isVisible());
        dialog->useNearestButton->click();
    });
    const std::optional<GeneratedMaze> made =
        QtGenerateDialogService().askForMaze(nullptr, defaults);
    QVERIFY(made && made->nearest);
    QVERIFY(made->maze->grid == expected.nearest->grid);
    QCOMPARE(made->measures.grade, expected.measures.grade);
}

// ---- help viewer --------------------------------------------------------

void TestServices::helpResolvesDocumentName_data()
{
    QTest::addColumn<QString>("helpFile");
    QTest::addColumn<QUrl>("contents");

    QTest::newRow("as the menu asks") << "Orvane.hlp" << ResourceContents;
    QTest::newRow("letter case ignored") << "ORVANE.HLP" << ResourceContents;
    QTest::newRow("other document") << "Other.hlp" << QUrl();
    QTest::newRow("other extension") << "Orvane.chm" << QUrl();
    QTest::newRow("no name") << "" << QUrl();
}

// With nothing installed beside the test program, the compiled-in copy serves.
void TestServices::helpResolvesDocumentName()
{
    QFETCH(QString, helpFile);
    QFETCH(QUrl, contents);

    FakeMessageBox messages;
    HelpViewer viewer(messages);
    QCOMPARE(viewer.resolve(helpFile), contents);
}

void TestServices::helpSearchOrder_data()
{
    // Each folder: 0 missing, 1 holding other pages only, 2 holding a contents page.
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("found"); // "first", "second" or "compiled-in"

    QTest::newRow("first wins") << 2 << 2 << "first";
    QTest::newRow("second") << 1 << 2 << "second";
    QTest::newRow("after a missing folder") << 0 << 2 << "second";
    QTest::newRow("compiled-in") << 1 << 1 << "compiled-in";
    QTest::newRow("nothing on disk") << 0 << 0 << "compiled-in";
}

void TestServices::helpSearchOrder()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QString, found);

    const QStringList names{QStringLiteral("first"), QStringLiteral("second")};
    const QList<int> kinds{first, second};
    for (int i = 0; i < names.size(); ++i) {
        if (kinds[i] == 0)
            continue;
        QVERIFY(QDir(dir->path()).mkdir(names[i]));
        writeFile(path(names[i] + QStringLiteral("/editor.html")));
        if (kinds[i] == 2)
            writeFile(path(names[i] + QStringLiteral("/index.html")));
    }

    FakeMessageBox messages;
    HelpViewer viewer(messages, {path(names[0]), path(names[1]), HelpViewer::ResourceFolder});
    const QUrl expected = found == QStringLiteral("compiled-in")
                              ? ResourceContents
                              : QUrl::fromLocalFile(path(found + QStringLiteral("/index.html")));
    QCOMPARE(viewer.resolve(QStringLiteral("Orvane.hlp")), expected);
}

void TestServices::helpFoldersOfProgram_data()
{
    QTest::addColumn<bool>("beside");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("english"); // the installed folder also has en/

    QTest::newRow("beside the program") << true << false << false;
    QTest::newRow("installed layout") << false << true << false;
    QTest::newRow("beside wins") << true << true << false;
    QTest::newRow("English before any Japanese") << true << true << true;
}

// The default folders, relative to this test program's own folder.
void TestServices::helpFoldersOfProgram()
{
    QFETCH(bool, beside);
    QFETCH(bool, installed);
    QFETCH(bool, english);

    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString besideDir = programDir.filePath(QStringLiteral("help"));
    const QString shareRoot = QDir::cleanPath(programDir.filePath(QStringLiteral("../share")));
    const QString installedDir = shareRoot + QStringLiteral("/doc/orvane/help");
    QVERIFY2(!QFileInfo::exists(besideDir) && !QFileInfo::exists(shareRoot),
             "leftovers of an earlier run");
    auto removeFolders = qScopeGuard([&] {
        QDir(besideDir).removeRecursively();
        QDir(shareRoot).removeRecursively();
    });
    if (beside) {
        QVERIFY(QDir().mkpath(besideDir));
        writeFile(besideDir + QStringLiteral("/index.html"));
    }
    if (installed) {
        QVERIFY(QDir().mkpath(installedDir));
        writeFile(installedDir + QStringLiteral("/index.html"));
        QVERIFY(QDir().mkpath(installedDir + QStringLiteral("/en")));
        writeFile(installedDir + QStringLiteral("/en/index.html"));
    }

    FakeMessageBox messages;
    HelpViewer viewer(
        messages, HelpViewer::defaultFolders(english ? UiLanguage::English : UiLanguage::Japanese));
    const QString expected =
        english ? installedDir + QStringLiteral("/en/index.html")
                : (beside ? besideDir : installedDir) + QStringLiteral("/index.html");
    QCOMPARE(viewer.resolve(QStringLiteral("Orvane.hlp")), QUrl::fromLocalFile(expected));
}

void TestServices::helpInEnglish()
{
    const Translations english(UiLanguage::English);
    FakeServices fakes;
    HelpViewer viewer(fakes.messageBox, HelpViewer::defaultFolders(UiLanguage::English));
    viewer.showContents(nullptr, QStringLiteral("Orvane.hlp"));
    HelpWindow* window = viewer.window();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("ORVANE Help - Contents"));
    QCOMPARE(japaneseTexts(window), QStringList());
    QVERIFY(!hasJapanese(window->browser()->toPlainText()));
}

void TestServices::helpOpensOneNonModalWindow()
{
    FakeServices fakes;
    HelpViewer viewer(fakes.messageBox);
    QVERIFY(!viewer.window());

    viewer.showContents(nullptr, QStringLiteral("Orvane.hlp"));
    HelpWindow* window = viewer.window();
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(window->isWindow());
    QCOMPARE(window->windowModality(), Qt::NonModal);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose));
    QCOMPARE(window->browser()->source(), ResourceContents);
    QCOMPARE(window->windowTitle(), QStringLiteral("ORVANE ヘルプ - 目次"));
    QVERIFY(window->browser()->toPlainText().contains(QStringLiteral("迷路Editor")));

    // Room above for its title bar, however it lands.
    const QRect screen = window->screen()->availableGeometry();
    QVERIFY(window->geometry().top() >= screen.top() + 32);
    QVERIFY(screen.contains(window->geometry()));

    // Closed by the user (Esc), then asked for again from another page: the
    // same window comes back on the contents page.
    window->browser()->setSource(QUrl(QStringLiteral("player.html")));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window->browser(), Qt::Key_Escape);
    QVERIFY(!window->isVisible());
    viewer.showContents(nullptr, QStringLiteral("orvane.hlp"));
    QCOMPARE(viewer.window(), window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->browser()->source(), ResourceContents);
    QCOMPARE(QApplication::topLevelWidgets().count(window), 1);
    QVERIFY(fakes.messageBox.messages.isEmpty());
}

void TestServices::helpFollowsLink()
{
    FakeMessageBox messages;
    HelpViewer viewer(messages);
    viewer.showContents(nullptr, HelpViewer::DocumentName);
    HelpWindow* window = viewer.window();
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTextBrowser* browser = window->browser();

    const QString href = QStringLiteral("editor.html");
    const QPoint at = linkPosition(browser, href);
    QCOMPARE(browser->anchorAt(at), href);
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);

    QTRY_COMPARE(browser->source(), QUrl(QStringLiteral("qrc:/orvane/help/editor.html")));
    QCOMPARE(window->windowTitle(), QStringLiteral("ORVANE ヘルプ - 迷路Editor"));
    QVERIFY(browser->toPlainText().contains(QStringLiteral("塗りつぶし")));
    QVERIFY(browser->isBackwardAvailable());
}

// Asked for from inside a main window, the help stays above it and opens
// where its child window is not.
void TestServices::helpIsToolWindowBesideChild()
{
    FakeMessageBox messages;
    HelpViewer viewer(messages);
    QMdiArea main;
    main.resize(780, 560);
    QMdiSubWindow* child = main.addSubWindow(new QWidget);
    child->setGeometry(0, 0, 300, 200);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    viewer.showContents(child->widget(), HelpViewer::DocumentName);
    HelpWindow* window = viewer.window();
    QCOMPARE(window->parentWidget(), &main);
    QCOMPARE(window->windowType(), Qt::Tool);
    QVERIFY(!window->geometry().intersects(QRect(child->mapToGlobal(QPoint(0, 0)), child->size())));
}

void TestServices::helpReportsUnknownName_data()
{
    QTest::addColumn<QString>("helpFile");
    QTest::newRow("other document") << "Other.hlp";
    QTest::newRow("no name") << "";
    QTest::newRow("with a folder") << "C:/ORVANE/Orvane.hlp";
}

// The viewer reports it itself, after the caller has returned.
void TestServices::helpReportsUnknownName()
{
    QFETCH(QString, helpFile);

    FakeMessageBox messages;
    HelpViewer viewer(messages);
    QWidget parent;
    viewer.showContents(&parent, helpFile);
    QVERIFY(messages.messages.isEmpty());
    QTRY_COMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages[0].parent, &parent);
    QCOMPARE(messages.messages[0].text,
             QStringLiteral("ヘルプファイル「%1」が見つかりません。").arg(helpFile));
    QCOMPARE(messages.messages[0].title, MessageBoxService::DefaultTitle);
    QVERIFY(!viewer.window());
}

void TestServices::helpServiceCommands_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("opens");

    QTest::newRow("contents") << int(HelpService::HelpContents) << true;
    QTest::newRow("other command") << 1 << false;
}

void TestServices::helpServiceCommands()
{
    QFETCH(int, command);
    QFETCH(bool, opens);

    FakeMessageBox messages;
    QtHelpService service(messages, UiLanguage::Japanese);
    service.showHelp(nullptr, HelpViewer::DocumentName, command);
    QCOMPARE(service.viewer().window() != nullptr, opens);
    if (opens)
        QVERIFY(service.viewer().window()->isVisible());
    QCoreApplication::processEvents();
    QVERIFY(messages.messages.isEmpty());
}

void TestServices::helpLinksResolve_data()
{
    QTest::addColumn<QString>("page");
    for (const QString& language : HelpLanguages) {
        const QStringList pages = helpPages(language);
        QVERIFY(pages.contains(language + HelpViewer::ContentsPage));
        for (const QString& page : pages)
            QTest::newRow(qPrintable(page)) << page;
    }
}

// Every link and reference of a page names a file of the document, and an
// anchor that exists in it; nothing points outside the document.
void TestServices::helpLinksResolve()
{
    QFETCH(QString, page);

    const QUrl pageUrl(QStringLiteral("qrc:/orvane/help/") + page);
    const QString html = readResource(HelpViewer::ResourceFolder + u'/' + page);
    QVERIFY(!html.isEmpty());
    const QStringList refs = references(html);
    QVERIFY(!refs.isEmpty());
    for (const QString& ref : refs) {
        const QUrl target = pageUrl.resolved(QUrl(ref));
        QVERIFY2(target.scheme() == QStringLiteral("qrc"), qPrintable(ref));
        const QString file = u':' + target.path();
        QVERIFY2(QFileInfo(file).isFile(), qPrintable(ref));
        if (target.hasFragment())
            QVERIFY2(anchorNames(readResource(file)).contains(target.fragment()), qPrintable(ref));
    }
}

void TestServices::helpPagesReachableFromContents_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : HelpLanguages)
        QTest::newRow(qPrintable(language.isEmpty() ? QStringLiteral("ja") : language.chopped(1)))
            << language;
}

// Each language's pages are reached from its own contents page.
void TestServices::helpPagesReachableFromContents()
{
    QFETCH(QString, language);

    const QString contents = language + HelpViewer::ContentsPage;
    QSet<QString> reached{contents};
    QStringList queue{contents};
    while (!queue.isEmpty()) {
        const QString page = queue.takeFirst();
        for (const QString& ref :
             references(readResource(HelpViewer::ResourceFolder + u'/' + page))) {
            const QString target = QUrl(page).resolved(QUrl(ref)).path();
            if (target.endsWith(QStringLiteral(".html")) && !reached.contains(target)) {
                reached.insert(target);
                queue << target;
            }
        }
    }
    const QStringList pages = helpPages(language);
    QCOMPARE(QSet<QString>(pages.begin(), pages.end()), reached);
}

// The program's bundle, as the main window's help command uses it.
void TestServices::realServicesOpenHelp()
{
    FakeMusicFactory music;
    RealPlatformServices real(music, UiLanguage::Japanese);
    PlatformServices& services = real.services();
    QCOMPARE(&services.music, static_cast<MusicDeviceFactory*>(&music));

    services.help.showHelp(nullptr, QStringLiteral("Orvane.hlp"), HelpService::HelpContents);
    HelpWindow* window = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<HelpWindow*>(widget); help && help->isVisible())
            window = help;
    QVERIFY(window);
    QCOMPARE(window->browser()->source(), ResourceContents);
}

QTEST_MAIN(TestServices)
#include "tst_services.moc"
