// An editor whose work is kept in the folder given: paints cell (5, 7) with
// floor 1, says "kept" once that is on the disk, then waits to be killed.

#include "EditorSession.h"
#include "FakeServices.h"
#include "MazeState.h"
#include "WorkKeeper.h"
#include "frmEdit.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>

using namespace orvane;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    auto maze = std::make_unique<MazeState>();
    test::FakeServices fakes;
    EditorSession session(*maze, app.arguments().value(1));
    frmEdit editor(*maze, fakes.services(), session);
    editor.Form_Load();
    editor.picChrSet_MouseMove(0, 0, 0, 16); // floor 1
    editor.picChrSet_Click();
    editor.picMap_MouseMove(0, 0, 5 * 16, 7 * 16);
    editor.picMap_Click();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QFile::exists(session.keeper()->file()) &&
            session.keeper()->waitForWrites(std::chrono::milliseconds(0))) {
            std::puts("kept");
            std::fflush(stdout);
            poll.stop();
        }
    });
    poll.start(20);
    return app.exec();
}
