#include "HelpWindow.h"

#include <QAction>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace orvane {

QString HelpWindow::fallbackTitle()
{
    return tr("ORVANE ヘルプ");
}

HelpWindow::HelpWindow(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), browser_(new QTextBrowser(this)),
      contentsAction_(new QAction(tr("目次"), this))
{
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(fallbackTitle());

    browser_->setOpenExternalLinks(true);
    browser_->setFrameShape(QFrame::NoFrame);

    auto* backAction = new QAction(tr("戻る"), this);
    auto* forwardAction = new QAction(tr("進む"), this);
    backAction->setShortcut(QKeySequence::Back);
    forwardAction->setShortcut(QKeySequence::Forward);
    backAction->setEnabled(false);
    forwardAction->setEnabled(false);

    auto* closeAction = new QAction(this);
    closeAction->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(closeAction, &QAction::triggered, this, &QWidget::close);
    addAction(closeAction);

    auto* toolBar = new QToolBar(this);
    toolBar->addAction(contentsAction_);
    toolBar->addAction(backAction);
    toolBar->addAction(forwardAction);

    connect(contentsAction_, &QAction::triggered, this, [this] { browser_->setSource(contents_); });
    connect(backAction, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forwardAction, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, backAction, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forwardAction, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::updateTitle);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(browser_);
    resize(InitialSize);
}

void HelpWindow::showContents(const QUrl& contents)
{
    contents_ = contents;
    browser_->setSource(contents);
    show();
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void HelpWindow::updateTitle()
{
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? fallbackTitle() : title);
}

} // namespace orvane
