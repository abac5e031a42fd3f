#pragma once

#include "Language.h"
#include "PlatformServices.h"

#include <QObject>
#include <QStringList>
#include <QUrl>

#include <memory>

namespace orvane {

class HelpWindow;

// Finds the help document a help file name stands for and shows it in one
// non-modal help window. The program's document is asked for as "Orvane.hlp"
// (any letter case); it is the folder whose contents page is index.html,
// looked for in the search folders in order.
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

    // The help window, once a document was shown.
    HelpWindow* window() const { return window_.get(); }

private:
    void reportMissing(QWidget* parent, const QString& helpFile);

    MessageBoxService& messages_;
    QStringList folders_;
    std::unique_ptr<HelpWindow> window_;
};

} // namespace orvane
