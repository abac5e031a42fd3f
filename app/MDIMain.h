#pragma once

#include <QMainWindow>
#include <QPointer>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace orvane {

struct MazeState;
struct PlatformServices;
class frmEdit;
class frmPlay;

// The main window: an MDI area holding at most one of the editor and the
// player, and the menu that switches between them.
class MDIMain : public QMainWindow {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("ORVANE for Win95");
    static inline const QString HelpFile = QStringLiteral("Orvane.hlp");

    MDIMain(MazeState& maze, PlatformServices& services, QWidget* parent = nullptr);

    void mnuEdit_Click();
    void mnuPlay_Click();
    void mnuEnd_Click();
    void mnuHelp_Click();

    // The open child windows, or null.
    frmEdit* editor() const;
    frmPlay* player() const;

    QMdiArea* mdiArea;
    QMenu* mnuContorol;
    QAction* mnuEdit;
    QAction* mnuPlay;
    QAction* mnuBou;
    QAction* mnuEnd;
    QAction* mnuHelp;

signals:
    // The user chose to end the program.
    void endRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenu();
    template <typename Form> void showChild(QPointer<QMdiSubWindow>& slot);
    static void closeChild(QPointer<QMdiSubWindow>& slot);

    MazeState& maze_;
    PlatformServices& services_;
    QPointer<QMdiSubWindow> editSub_;
    QPointer<QMdiSubWindow> playSub_;
};

} // namespace orvane
