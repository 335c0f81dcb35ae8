#pragma once

#include "QtPrinting.h"
#include "media/JobListModel.h"
#include "profiles/ConversionChoice.h"
#include "testsupport/SeamGuards.h"
#include "testsupport/TestFolders.h"

#include <QStringList>

// A job list and a conversion choice of their own, the choice filled from
// the tables with "Normal Quality" of the MP4 type applied, and an
// application folder of its own (with a space in its path) holding a copy
// of the encoder.
class TConversionFixture {
public:
    TConversionFixture();
    ~TConversionFixture() { JobListModel = nullptr; }

    // Applies the "Normal Quality" preset of an output type.
    void SelectNormalQuality(int outputType);
    // Appends a Job row as the job list makes them.
    void AddRow(const QString& path, const QString& start, const QString& end);
    QStringList LogLines(const QString& containing) const {
        return LogMessages(AppFolder, containing);
    }

    TTestFolder Folder;
    QString AppFolder;
    TAppFolderGuard AppFolderGuard;
    TConversionChoice Choice;
    TStandInGuard<TConversionChoice, SetChoice> ChoiceGuard{&Choice};
    QString OutputFolder; // without the final "/"
    TJobListModel Jobs;
};
