#pragma once

#include "profiles/ChoiceBinding.h"
#include "profiles/FrmOption.h"
#include "support/Globals.h"
#include "testsupport/ScriptedDialogs.h"
#include "testsupport/SeamGuards.h"
#include "testsupport/TestFolders.h"
#include "testsupport/WindowGuards.h"

#include <QComboBox>
#include <QFile>
#include <gtest/gtest.h>

// A fresh installation in a temporary application folder, a conversion
// choice of its own, the main window's two lists as standalone widgets
// showing it and a real options dialog.
class ProfileFixture : public ::testing::Test {
protected:
    TTestFolder App;
    TAppFolderGuard FolderGuard{App.Path()};
    TControlsGuard ControlsGuard;
    TConversionChoice Choice;
    TStandInGuard<TConversionChoice, SetChoice> ChoiceGuard{&Choice};
    QComboBox OutputType, Profile;
    TScriptedDialogs Dialogs;
    std::unique_ptr<TfrmOption> Form;

    void SetUp() override {
        App.MakeFolder("Config");
        ShowChoiceList(&OutputType, TChoiceList::OutputType);
        ShowChoiceList(&Profile, TChoiceList::Profile);
        Form = std::make_unique<TfrmOption>();
    }

    QString ConfigPath(const QString& name) const { return App.Path() + "Config/" + name; }
    QByteArray ConfigBytes(const QString& name) const {
        QFile file(ConfigPath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void WriteProfiles(const QByteArray& content) const {
        App.WriteFile("Config/UserProfileInfo.ini", content);
    }

    // The selected texts of size, frame rate, video bitrate, audio bitrate,
    // channels, sample rate, aspect ratio and volume.
    QStringList Settings() const {
        QStringList texts;
        for (const QComboBox* list :
             {Form->cbbVideoSize, Form->cbbFramerate, Form->cbbVideoBitrate, Form->cbbAudioBitrate,
              Form->cbbAudioChannels, Form->cbbAudioSample, Form->cbbAspectratio,
              Form->cbbAudioVolumeGain})
            texts << list->currentText();
        return texts;
    }
    QList<bool> VideoListsEnabled() const {
        return {Form->cbbVideoSize->isEnabled(), Form->cbbFramerate->isEnabled(),
                Form->cbbVideoBitrate->isEnabled(), Form->cbbAspectratio->isEnabled()};
    }
    void StartUp() const {
        CustomProc->FillProfileLists();
        CustomProc->ApplyProfile();
    }
    // The user picks an entry of a main-window list.
    void Pick(QComboBox& list, int index) const {
        list.setCurrentIndex(index);
        CustomProc->ApplyProfile();
    }
    QStringList Entries(const QComboBox* list) const {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
        return texts;
    }
};
