#include "ProfileTestFixture.h"

#include "support/Errors.h"

#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace {

using OptionDialog = ProfileFixture;

TEST_F(OptionDialog, AddCountsFirstProposesTheNextNumberAndCancelStillAdds) {
    StartUp();
    Dialogs.InputAnswers = {"Mine"};
    Form->btnAddClick();
    EXPECT_EQ(Entries(Form->cbbCustomProfile), QStringList{"Mine"});
    EXPECT_EQ(Form->cbbCustomProfile->currentText(), "Mine");
    Form->btnDelClick();

    Dialogs.InputCancels = {true};
    Form->btnAddClick();
    EXPECT_EQ(Dialogs.Prompts, QStringList(2, "Plese input a name"));
    EXPECT_EQ(Dialogs.PromptDefaults, QStringList({"UserProfileInfo1", "UserProfileInfo2"}));
    EXPECT_EQ(ConfigBytes("UserProfileCount.ini"), "\r\n[count]\r\ncount=2\r\n");
    EXPECT_EQ(ConfigBytes("UserProfileInfo.ini"),
              "\r\n\r\n\r\n[UserProfileInfo2]\r\nUserProfileInfo2=1|4|2|5|1|2\r\n");
    EXPECT_EQ(Form->cbbCustomProfile->currentText(), "UserProfileInfo2");
    // Nothing is loaded and the main list waits for OK.
    EXPECT_EQ(Profile.count(), 5);
}

TEST_F(OptionDialog, AddUnderAnExistingNameOverwritesItsValue) {
    WriteProfiles("\r\n[Old]\r\nOld=0|0|0|0|0|0\r\n\r\n[Z]\r\nZ=0|0|0|0|0|0\r\n");
    StartUp();
    Dialogs.InputAnswers = {"Old"};
    Form->btnAddClick();
    EXPECT_EQ(CommonLib->ReadConfigValue("UserProfileInfo.ini", "Old"), "1|4|2|5|1|2");
    EXPECT_EQ(Form->cbbCustomProfile->currentText(), "Z");
}

TEST_F(OptionDialog, SaveOfATypedNameAddsItAtTheEndWithoutCounting) {
    WriteProfiles("\r\n[A]\r\nA=0|0|0|0|0|0\r\n");
    StartUp();
    Form->cbbVideoSize->setCurrentIndex(-1);
    Form->cbbCustomProfile->setCurrentIndex(0);
    QTest::keyClicks(Form->cbbCustomProfile->lineEdit(), "Trip");
    // Typing selects no entry and loads nothing.
    EXPECT_EQ(Form->cbbCustomProfile->currentIndex(), -1);
    EXPECT_EQ(Form->cbbCustomProfile->currentText(), "ATrip");
    EXPECT_EQ(Form->cbbVideoSize->currentIndex(), -1);
    Form->btnSaveClick();
    EXPECT_EQ(Entries(Form->cbbCustomProfile), QStringList({"A", "ATrip"}));
    EXPECT_EQ(Form->cbbCustomProfile->currentIndex(), 1);
    EXPECT_EQ(CommonLib->ReadConfigValue("UserProfileInfo.ini", "ATrip"), "-1|4|2|5|1|2");
    EXPECT_FALSE(QFile::exists(ConfigPath("UserProfileCount.ini")));
    EXPECT_TRUE(Dialogs.Prompts.isEmpty());
}

// A typed name that equals a stored profile's stays a typed name when the
// field is left, however: nothing is loaded over the user's settings.
TEST_F(OptionDialog, TypedNameOfAStoredProfileLoadsNothingWhenTheFieldIsLeft) {
    const struct {
        const char* Way;
        std::function<void(TfrmOption&)> Leave;
        QString Travel, Trip; // stored values afterwards
    } cases[] = {
        {"Save clicked", [](TfrmOption& f) { QTest::mouseClick(f.btnSave, Qt::LeftButton); },
         "0|4|2|5|1|2", ""},
        {"Tab, then Save clicked",
         [](TfrmOption& f) {
             QTest::keyClick(f.cbbCustomProfile, Qt::Key_Tab);
             QTest::mouseClick(f.btnSave, Qt::LeftButton);
         },
         "0|4|2|5|1|2", ""},
        {"Add clicked", [](TfrmOption& f) { QTest::mouseClick(f.btnAdd, Qt::LeftButton); },
         "1|4|2|5|1|2", "0|4|2|5|1|2"},
        {"Delete clicked", [](TfrmOption& f) { QTest::mouseClick(f.btnDel, Qt::LeftButton); }, "",
         ""},
        {"Enter", [](TfrmOption& f) { QTest::keyClick(f.cbbCustomProfile, Qt::Key_Return); },
         "1|4|2|5|1|2", ""},
    };
    for (const auto& c : cases) {
        WriteProfiles("\r\n[Travel]\r\nTravel=1|4|2|5|1|2\r\n");
        Form = std::make_unique<TfrmOption>();
        StartUp();
        Form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        // Video Size one up with the keys, to 160x112; then the name typed.
        Form->cbbVideoSize->setFocus();
        QTest::keyClick(Form->cbbVideoSize, Qt::Key_Up);
        QTest::mouseClick(Form->cbbCustomProfile->lineEdit(), Qt::LeftButton);
        QTest::keyClicks(Form->cbbCustomProfile, "Travel");
        Dialogs.InputAnswers = {"Trip"};
        c.Leave(*Form);
        EXPECT_EQ(Settings().first(), "160x112") << c.Way;
        EXPECT_EQ(CommonLib->ReadConfigValue("UserProfileInfo.ini", "Travel"), c.Travel) << c.Way;
        EXPECT_EQ(CommonLib->ReadConfigValue("UserProfileInfo.ini", "Trip"), c.Trip) << c.Way;
    }
}

TEST_F(OptionDialog, PickingAnEntryLoadsIt) {
    WriteProfiles("\r\n[Small]\r\nSmall=0|1|0|2|0|0\r\n");
    StartUp();
    Form->cbbCustomProfile->setCurrentIndex(0);
    emit Form->cbbCustomProfile->activated(0);
    EXPECT_EQ(Settings().mid(0, 6),
              QStringList({"160x112", "15", "256", "48", "1 channel, Mono", "22050"}));
}

TEST_F(OptionDialog, DeleteOfTheLastProfileEmptiesListAndField) {
    WriteProfiles("\r\n[Only]\r\nOnly=0|0|0|0|0|0\r\n");
    StartUp();
    Form->cbbCustomProfile->setEditText("Only");
    Form->btnDelClick();
    EXPECT_EQ(Form->cbbCustomProfile->count(), 0);
    EXPECT_EQ(Form->cbbCustomProfile->currentText(), "");
    EXPECT_EQ(ConfigBytes("UserProfileInfo.ini"), "\r\n\r\n");

    // With an empty list a typed name deletes nothing.
    WriteProfiles("\r\n[Kept]\r\nKept=0|0|0|0|0|0\r\n");
    Form->cbbCustomProfile->setEditText("Kept");
    Form->btnDelClick();
    EXPECT_EQ(CommonLib->ReadConfigValue("UserProfileInfo.ini", "Kept"), "0|0|0|0|0|0");
}

TEST_F(OptionDialog, ShowKeepsTypedTextUnselectedOrSelectsTheMainCustomProfile) {
    WriteProfiles("\r\n[A]\r\nA=0|0|0|0|0|0\r\n\r\n[B]\r\nB=0|0|0|0|0|0\r\n");
    StartUp();
    Profile.setCurrentIndex(6);
    Form->cbbCustomProfile->setEditText("A");
    Form->show();
    EXPECT_EQ(Form->cbbCustomProfile->currentIndex(), -1);
    EXPECT_EQ(Form->cbbCustomProfile->currentText(), "A");
    Form->hide();
    Form->cbbCustomProfile->setEditText("");
    Form->show();
    EXPECT_EQ(Form->cbbCustomProfile->currentText(), "B");
    // Showing selects without loading.
    EXPECT_EQ(Settings().first(), "320x240");
}

TEST_F(OptionDialog, CancelAndEscRestoreAllNineSelectionsCloseBoxChangesNothing) {
    WriteProfiles("\r\n[A]\r\nA=0|0|0|0|0|0\r\n");
    StartUp();
    const QList<QComboBox*> lists = {
        Form->cbbVideoSize,       Form->cbbVideoBitrate,  Form->cbbFramerate,
        Form->cbbAspectratio,     Form->cbbAudioBitrate,  Form->cbbAudioSample,
        Form->cbbAudioVolumeGain, Form->cbbAudioChannels, Form->cbbCustomProfile};
    const auto positions = [&] {
        QList<int> at;
        for (const QComboBox* list : lists)
            at << list->currentIndex();
        return at;
    };
    const auto changeAll = [&] {
        for (QComboBox* list : lists)
            list->setCurrentIndex(list->currentIndex() == 0 ? 1 : 0);
    };
    const struct {
        const char* Way;
        std::function<void(TfrmOption&)> Close;
        bool Restores;
    } ways[] = {
        {"Cancel", [](TfrmOption& f) { QTest::mouseClick(f.btnCancel, Qt::LeftButton); }, true},
        {"Esc", [](TfrmOption& f) { QTest::keyClick(&f, Qt::Key_Escape); }, true},
        {"close box", [](TfrmOption& f) { f.close(); }, false},
    };
    for (const auto& w : ways) {
        Form->show();
        const QList<int> shown = positions();
        changeAll();
        const QList<int> changed = positions();
        w.Close(*Form);
        EXPECT_FALSE(Form->isVisible()) << w.Way;
        EXPECT_EQ(positions(), w.Restores ? shown : changed) << w.Way;
    }
}

TEST_F(OptionDialog, OkRefreshesTheMainListToNormalQualityAndKeepsSettings) {
    StartUp();
    Pick(Profile, 4);
    Form->show();
    Form->cbbFramerate->setCurrentIndex(0);
    Form->btnAddClick();
    const QStringList edited = Settings();
    Form->btnApplyClick();
    EXPECT_FALSE(Form->isVisible());
    EXPECT_EQ(Entries(&Profile).mid(5), QStringList{"UserProfileInfo1"});
    EXPECT_EQ(Profile.currentText(), "Normal Quality");
    EXPECT_EQ(Settings(), edited);
    // What the next conversion reads.
    EXPECT_EQ(Choice.SelectedText(TChoiceList::FrameRate), "14.985");
}

TEST_F(OptionDialog, MissingConfigFolderFailsAddBeforeThePromptAndLeavesTheDialog) {
    WriteProfiles("\r\n[A]\r\nA=0|0|0|0|0|0\r\n");
    StartUp();
    Form->show();
    Form->cbbCustomProfile->setEditText("typed");
    ASSERT_TRUE(QDir(App.Path() + "Config").removeRecursively());
    EXPECT_THROW(Form->btnAddClick(), EQuenvoError);
    EXPECT_TRUE(Dialogs.Prompts.isEmpty());
    EXPECT_EQ(Entries(Form->cbbCustomProfile), QStringList{"A"});
    EXPECT_EQ(Form->cbbCustomProfile->currentText(), "typed");
    EXPECT_THROW(Form->btnSaveClick(), EQuenvoError);
    EXPECT_EQ(Entries(Form->cbbCustomProfile), QStringList{"A"});
    EXPECT_FALSE(QDir(App.Path() + "Config").exists());

    // Clicked, the failure shows in the top-level box and the click returns:
    // nothing unwinds through the button's signal.
    QTest::mouseClick(Form->btnSave, Qt::LeftButton);
    ASSERT_EQ(Dialogs.Messages.size(), 1);
    EXPECT_EQ(Dialogs.Messages[0].Icon, TMsgIcon::Error);
    EXPECT_TRUE(Dialogs.Messages[0].Text.startsWith("Cannot create file \"" + App.Path()))
        << Dialogs.Messages[0].Text.toStdString();
    EXPECT_EQ(Entries(Form->cbbCustomProfile), QStringList{"A"});
    EXPECT_TRUE(Form->isVisible());
}

// A name whose header or value line the file can't give back as it was is
// refused at Add and at Save with a box; the file stays as it was.
TEST_F(OptionDialog, NamesTheFileCantGiveBackAreRefusedAtAddAndSave) {
    const QByteArray stored = "\r\n[Travel]\r\nTravel=1|4|2|5|1|2\r\n";
    for (const QString& name : {QString("Trip\n[Travel]"), QString("a]b"), QString("x=y"),
                                QString(" Travel"), QString("Travel "), QString("\tTrip")}) {
        WriteProfiles(stored);
        Form = std::make_unique<TfrmOption>();
        StartUp();
        Form->show();
        Dialogs.Messages.clear();
        Dialogs.InputAnswers = {name};
        QTest::mouseClick(Form->btnAdd, Qt::LeftButton);
        Form->cbbCustomProfile->setEditText(name);
        QTest::mouseClick(Form->btnSave, Qt::LeftButton);
        EXPECT_EQ(ConfigBytes("UserProfileInfo.ini"), stored) << name.toStdString();
        EXPECT_EQ(Dialogs.MessageTexts(),
                  QStringList(2, "A profile name can't hold a line break, \"]\" or \"=\", nor "
                                 "begin or end with a blank. Please choose another name."))
            << name.toStdString();
        EXPECT_EQ(Entries(Form->cbbCustomProfile), QStringList{"Travel"});
    }
}

TEST_F(OptionDialog, LayoutOfTheDialog) {
    EXPECT_EQ(Form->windowTitle(), "Options");
    EXPECT_EQ(Form->size(), QSize(476, 260));
    EXPECT_TRUE(Form->btnApply->isDefault());
    EXPECT_TRUE(Form->cbbCustomProfile->isEditable());
    EXPECT_FALSE(Form->cbbVideoSize->isEditable());
    EXPECT_EQ(Controls.Option.Window, Form.get());
    // Two columns of four rows inside the group box; OK left of Cancel.
    EXPECT_LT(Form->cbbVideoSize->x(), Form->cbbAudioBitrate->x());
    EXPECT_EQ(Form->cbbVideoSize->y(), Form->cbbAudioBitrate->y());
    EXPECT_LT(Form->cbbFramerate->y(), Form->cbbAspectratio->y());
    EXPECT_EQ(Form->cbbAspectratio->y(), Form->cbbAudioChannels->y());
    EXPECT_LT(Form->btnApply->x(), Form->btnCancel->x());
    EXPECT_TRUE(Form->rect().contains(Form->btnCancel->geometry()));
    EXPECT_TRUE(Form->grpAdvOptions->geometry().contains(
        Form->cbbAudioChannels->geometry().translated(Form->grpAdvOptions->pos())));
}

} // namespace
