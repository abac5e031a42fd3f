#pragma once

#include <QUrl>
#include <QWidget>

class QAction;
class QTextBrowser;

namespace orvane {

// The help viewer's top-level window: the document in a QTextBrowser with
// contents, back and forward buttons. Closing it only hides it, and it never
// keeps the program running on its own.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    static QString fallbackTitle();
    static constexpr QSize InitialSize{640, 560};

    explicit HelpWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::Window);

    // Shows `contents` and brings the window to the front; the contents
    // button returns to it.
    void showContents(const QUrl& contents);

    QTextBrowser* browser() const { return browser_; }

private:
    void updateTitle();

    QTextBrowser* browser_;
    QAction* contentsAction_;
    QUrl contents_;
};

} // namespace orvane
