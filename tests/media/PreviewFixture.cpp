#include "PreviewFixture.h"

#include "support/Controls.h"
#include "support/EventPump.h"
#include "support/Globals.h"
#include "support/Timing.h"

#include <QDeadlineTimer>
#include <QFile>

void PreviewTest::SetUp() {
    TPreviewGraph::AudioOutput = "null";
    Timing().TrackerMs = 100;
    Timing().CursorHideMs = 50;
    CustomProc->Playing = false;
    CommonLib->CurrentFile.clear();

    Window.resize(600, 400);
    List = new TJobListView(Jobs, &Window);
    List->setGeometry(0, 200, 600, 200);
    Media = new QWidget(&Window);
    Media->setGeometry(14, 15, 260, 158);
    Video = new TVideoWindow(Media);
    Video->setGeometry(2, 2, 256, 154);
    Logo = new QWidget(Media);
    Logo->setGeometry(2, 2, 256, 154);
    Bar = new TTrimBar(&Window);
    Bar->move(15, 174);
    CurTime = new QLabel("00:00:00", &Window);
    PlayState = new QProgressBar(&Window);

    Controls.Main.dxTreeSourceFileInfo = List;
    JobListModel = &Jobs;
    Controls.Main.pnlCurTime = CurTime;
    Controls.Main.pbPlayState = PlayState;
    Controls.Main.panLogo = Logo;
    Area = std::make_unique<TPreviewArea>(Video, Bar);
    Window.show();
}

void PreviewTest::TearDown() {
    Area.reset();
    JobListModel = nullptr;
    CustomProc->Playing = false;
    CommonLib->CurrentFile.clear();
}

void PreviewTest::AddRow(const QString& path, const QString& duration, const QString& start,
                         const QString& end) {
    const QString last = end.isEmpty() ? duration : end;
    Jobs.AddRow({"True", path, "1 KB", duration, start, last, last});
}

void PreviewTest::Select(std::initializer_list<int> rows) {
    List->clearSelection();
    for (const int i : rows)
        List->selectionModel()->select(Jobs.index(i, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

bool PreviewTest::WaitFor(const std::function<bool()>& condition, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        PumpingSleep(10);
    }
    return true;
}

QString PreviewTest::LogText() const {
    QFile log(Folder.Path() + "log.txt");
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}
