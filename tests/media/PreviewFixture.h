#pragma once

#include "media/JobListModel.h"
#include "media/JobListView.h"
#include "media/PreviewArea.h"
#include "media/TrimBar.h"
#include "media/VideoWindow.h"
#include "testsupport/SeamGuards.h"
#include "testsupport/TestFolders.h"
#include "testsupport/WindowGuards.h"

#include <QLabel>
#include <QProgressBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// The main window's preview controls as standalone widgets, bound into
// Controls.Main, with a job list bound as the main window's and a temporary
// application folder for the log. Sound is off and the timers are short.
class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Appends a row "True", path, size, duration, start, end, cut.
    void AddRow(const QString& path, const QString& duration, const QString& start = "00:00:00",
                const QString& end = QString());
    void Select(std::initializer_list<int> rows);
    QString Text(int row, int column) const { return Jobs.Text(row, column); }
    // Serves window events until the condition holds or timeoutMs passes.
    static bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 5000);
    QString LogText() const;

    TTestFolder Folder;
    TAppFolderGuard FolderGuard{Folder.Path()};
    TTimingGuard TimingGuard;
    TControlsGuard ControlsGuard;
    TJobListModel Jobs;
    QWidget Window;
    TJobListView* List = nullptr;
    QLabel* CurTime = nullptr;
    QProgressBar* PlayState = nullptr;
    QWidget* Media = nullptr;
    TVideoWindow* Video = nullptr;
    QWidget* Logo = nullptr;
    TTrimBar* Bar = nullptr;
    std::unique_ptr<TPreviewArea> Area;
};
