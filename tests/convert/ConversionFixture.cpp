#include "ConversionFixture.h"

#include "support/Globals.h"

#include <QFile>

TConversionFixture::TConversionFixture()
    : AppFolder(Folder.MakeFolder("my app")), AppFolderGuard(AppFolder) {
    QFile::copy(BuildAppFolder() + "ravlin", AppFolder + "ravlin");
    OutputFolder = Folder.Path() + "quenvo";
    Choice.SetOutputFolder(OutputFolder);
    CustomProc->FillProfileLists();
    CustomProc->ApplyProfile();
    JobListModel = &Jobs;
}

void TConversionFixture::SelectNormalQuality(int outputType) {
    Choice.Select(TChoiceList::OutputType, outputType);
    Choice.Select(TChoiceList::Profile, 2);
    CustomProc->ApplyProfile();
}

void TConversionFixture::AddRow(const QString& path, const QString& start, const QString& end) {
    Jobs.AddRow({"True", path, "1 KB", end, start, end, "00:00:00"});
}
