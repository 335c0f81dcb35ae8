#pragma once

#include "QtPrinting.h"
#include "media/JobListModel.h"
#include "media/JobListView.h"
#include "profiles/ConversionChoice.h"
#include "testsupport/RecordingDesktop.h"
#include "testsupport/ScriptedDialogs.h"
#include "testsupport/SeamGuards.h"
#include "testsupport/TestFolders.h"
#include "testsupport/WindowGuards.h"

#include <QCheckBox>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

// Standalone controls bound where the main window would bind its own, a
// conversion choice of its own filled from the tables with "Normal Quality"
// of the MP4 type applied, and an application folder of its own (with a
// space in its path) holding a copy of the encoder.
class TConversionFixture {
public:
    TConversionFixture();
    ~TConversionFixture() { JobListModel = nullptr; }

    // Applies the "Normal Quality" preset of an output type.
    void SelectNormalQuality(int outputType);
    // Appends a Job row as the job list makes them.
    void AddRow(const QString& path, const QString& start, const QString& end);
    QStringList LogLines(const QString& containing) const;

    TTestFolder Folder;
    QString AppFolder;
    TAppFolderGuard AppFolderGuard;
    TControlsGuard ControlsGuard;
    TConversionChoice Choice;
    TStandInGuard<TConversionChoice, SetChoice> ChoiceGuard{&Choice};
    QString OutputFolder; // without the final "/"
    QWidget Main;
    QCheckBox* chkShutdown;
    QCheckBox* chkShowOutputDirectory;
    TJobListModel* Jobs;
    TJobListView* List;
};
