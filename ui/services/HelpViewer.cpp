#include "HelpViewer.h"

#include "HelpPlacement.h"
#include "HelpWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QTimer>

namespace orvane {

HelpViewer::HelpViewer(MessageBoxService& messages, QStringList searchFolders)
    : messages_(messages), folders_(std::move(searchFolders))
{
}

HelpViewer::~HelpViewer()
{
    if (window_ && !window_->parent())
        delete window_;
}

QStringList HelpViewer::defaultFolders(UiLanguage language)
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QStringList folders{
        programDir.filePath(QStringLiteral("help")),
        QDir::cleanPath(programDir.filePath(QStringLiteral(ORVANE_HELP_FROM_PROGRAM))),
        ResourceFolder,
    };
    if (language == UiLanguage::Japanese)
        return folders;
    QStringList english;
    for (const QString& folder : folders)
        english << QDir(folder).filePath(EnglishFolder);
    return english + folders;
}

QUrl HelpViewer::resolve(const QString& helpFile) const
{
    if (helpFile.compare(DocumentName, Qt::CaseInsensitive) != 0)
        return {};
    for (const QString& folder : folders_) {
        const QString page = QDir(folder).filePath(ContentsPage);
        if (!QFileInfo(page).isFile())
            continue;
        if (page.startsWith(u':'))
            return QUrl(QStringLiteral("qrc") + page);
        return QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath());
    }
    return {};
}

void HelpViewer::showContents(QWidget* parent, const QString& helpFile)
{
    const QUrl contents = resolve(helpFile);
    if (contents.isEmpty()) {
        reportMissing(parent, helpFile);
        return;
    }
    attachTo(parent ? parent->window() : nullptr);
    window_->showContents(contents);
}

HelpWindow* HelpViewer::window() const
{
    return window_;
}

void HelpViewer::attachTo(QWidget* owner)
{
    const Qt::WindowFlags flags = owner ? Qt::Tool : Qt::Window;
    if (!window_)
        window_ = new HelpWindow(owner, flags);
    else if (window_->parentWidget() != owner)
        window_->setParent(owner, flags); // hides it
    if (window_->isVisible())
        return; // where the user keeps it
    const QScreen* screen = owner ? owner->screen() : window_->screen();
    if (!screen)
        return;
    window_->setGeometry(helpWindowPlace(screen->availableGeometry(),
                                         owner ? childWindowsOf(owner) : QRect(),
                                         HelpWindow::InitialSize));
}

void HelpViewer::reportMissing(QWidget* parent, const QString& helpFile)
{
    const QString text = tr("ヘルプファイル「%1」が見つかりません。").arg(helpFile);
    // Queued, so that the caller never waits on the modal box.
    QTimer::singleShot(0, this, [this, guardedParent = QPointer<QWidget>(parent), text] {
        messages_.show(guardedParent.data(), text);
    });
}

} // namespace orvane
