#pragma once

#include "LevelList.h"

#include <QDialog>

class QLabel;
class QTreeView;

namespace orvane {

// The level list's window: the folder, how many of its mazes are solved,
// the list, and why the chosen file cannot be read where it cannot. Enter or
// a double click chooses a maze; Esc closes.
class LevelListWindow : public QDialog {
    Q_OBJECT
public:
    static QString caption();

    // The list of no folder yet, its bests looked up in `records`.
    explicit LevelListWindow(LevelList::RecordLookup records, QWidget* parent = nullptr);

    LevelList& list() { return list_; }

    // Makes the row of a file the current one.
    void select(const QString& file);

    QLabel* lblFolder;
    QLabel* lblCount;
    QLabel* lblLeftOut; // shown for a folder with more files than the list holds
    QTreeView* lstMazes;
    QLabel* lblProblem; // shown for a file that cannot be read

signals:
    // A maze that can be read was chosen.
    void chosen(const QString& file);

protected:
    bool event(QEvent* event) override;

private:
    void choose(const QModelIndex& index);
    void showCurrent();
    void showFolder();
    void showCount();
    // Tells the list which rows are in view.
    void tellRowsShown();

    LevelList& list_; // the window's own
};

} // namespace orvane
