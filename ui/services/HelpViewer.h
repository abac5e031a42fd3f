#pragma once

#include "Language.h"
#include "PlatformServices.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QUrl>

namespace orvane {

class HelpWindow;

// Finds the help document a help file name stands for and shows it in one
// non-modal help window. The program's document is asked for as "Orvane.hlp"
// (any letter case); it is the folder whose contents page is index.html,
// looked for in the search folders in order. Asked for from a window, the
// help is a tool window of it: it stays above it, and opens beside the
// window's child windows rather than over them.
class HelpViewer : public QObject {
    Q_OBJECT
public:
    static inline const QString DocumentName = QStringLiteral("Orvane.hlp");
    static inline const QString ContentsPage = QStringLiteral("index.html");
    static inline const QString ResourceFolder = QStringLiteral(":/orvane/help");
    static inline const QString EnglishFolder = QStringLiteral("en");

    // `messages` reports a help file that cannot be found.
    explicit HelpViewer(MessageBoxService& messages,
                        QStringList searchFolders = defaultFolders(UiLanguage::Japanese));
    ~HelpViewer() override;

    // help/ beside the executable, the package's documentation folder as
    // installed (../share/doc/orvane/help from games/), then the copy compiled
    // into the program, which serves where documentation is left out. In
    // English the en/ of each comes before them all.
    static QStringList defaultFolders(UiLanguage language);

    // The contents page of the document `helpFile` names, or an empty url.
    QUrl resolve(const QString& helpFile) const;

    // Shows the contents page of `helpFile` and returns at once. A name that
    // resolves to nothing is reported in a message box after this returns.
    void showContents(QWidget* parent, const QString& helpFile);

    // The help window, once a document was shown. It belongs to the window
    // it was last asked for from, or to this viewer.
    HelpWindow* window() const;

private:
    void reportMissing(QWidget* parent, const QString& helpFile);
    // Makes the help window a tool window of `owner` (or a window of its own
    // without one) and, when it is not open, puts it in its place.
    void attachTo(QWidget* owner);

    MessageBoxService& messages_;
    QStringList folders_;
    QPointer<HelpWindow> window_;
};

} // namespace orvane
