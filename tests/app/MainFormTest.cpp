#include "app/FrmMainForm.h"
#include "app/ShellTestSupport.h"
#include "convert/FrmConverting.h"
#include "media/JobListView.h"
#include "media/TrimBar.h"
#include "media/VideoWindow.h"
#include "profiles/ConversionChoice.h"
#include "profiles/FrmOption.h"
#include "support/Controls.h"
#include "support/EventPump.h"
#include "support/Globals.h"
#include "support/PictureButton.h"
#include "testsupport/ScriptedDialogs.h"
#include "testsupport/TestFolders.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

struct TPlacedControl {
    const char* Name;
    QWidget* Control;
    QRect Design;
};

QList<TPlacedControl> PlacedControls(const TFrmMainForm& f) {
    return {
        {"imgTitle", f.imgTitle, {0, 0, 713, 65}},
        {"lblTitle", f.lblTitle, {168, 11, 433, 24}},
        {"btnWindowMinimize", f.btnWindowMinimize, {614, 8, 31, 27}},
        {"btnWindowClose", f.btnWindowClose, {648, 8, 31, 27}},
        {"btnHomePage", f.btnHomePage, {406, 63, 48, 41}},
        {"btnEMail", f.btnEMail, {462, 63, 48, 41}},
        {"btnHelp", f.btnHelp, {574, 63, 48, 41}},
        {"btnAbout", f.btnAbout, {630, 63, 48, 41}},
        {"pnlMediaView", f.pnlMediaView, {14, 115, 260, 158}},
        {"cbbOutputFiletype", f.cbbOutputFiletype, {368, 127, 304, 21}},
        {"cbbProfile", f.cbbProfile, {368, 154, 304, 21}},
        {"edtOutputFolder", f.edtOutputFolder, {368, 182, 264, 21}},
        {"btnSelectOutputFolder", f.btnSelectOutputFolder, {643, 180, 29, 26}},
        {"chkShutdown", f.chkShutdown, {288, 215, 270, 17}},
        {"chkShowOutputDirectory", f.chkShowOutputDirectory, {288, 240, 262, 17}},
        {"btnOptions", f.btnOptions, {595, 216, 87, 29}},
        {"Panel1", f.Panel1, {15, 274, 260, 21}},
        {"pbPlayState", f.pbPlayState, {15, 294, 260, 10}},
        {"btnPlay", f.btnPlay, {49, 307, 26, 22}},
        {"btnPause", f.btnPause, {81, 307, 26, 22}},
        {"RzBmpButton1", f.RzBmpButton1, {112, 307, 26, 22}},
        {"pnlCurTime", f.pnlCurTime, {147, 309, 81, 17}},
        {"imgPlayer", f.imgPlayer, {2, 256, 265, 33}},
        {"imgPlay", f.imgPlay, {16, 304, 257, 33}},
        {"dxTreeSourceFileInfo", f.dxTreeSourceFileInfo, {12, 336, 557, 158}},
        {"btnOpenFile", f.btnOpenFile, {576, 332, 108, 38}},
        {"btnRemoveFile", f.btnRemoveFile, {576, 367, 108, 38}},
        {"btnClearFile", f.btnClearFile, {576, 403, 108, 38}},
        {"btnConvert", f.btnConvert, {576, 438, 108, 60}},
    };
}

// A shown main window; its short splash reads the test's resource library.
class ShownMainForm : public ::testing::Test {
protected:
    void SetUp() override {
        form.show();
        ProcessMessages();
    }
    void ResizeTo(QSize size) {
        form.resize(size);
        WaitUntil([&] { return form.size() == size.expandedTo(TFrmMainForm::MinimumSize); }, 2000);
        ProcessMessages();
    }

    TAppFolderGuard Folder{FAKE_TESSO_DIR};
    TQuickSplash Quick;
    TScriptedDialogs Dialogs;
    // Showing the main window fills the options dialog's lists, as at start-up.
    TfrmOption Option;
    TFrmMainForm form;
};

} // namespace

TEST_F(ShownMainForm, ControlsStandAtTheirDesignPlaces) {
    // The design height is below the minimum: the window opens 8 pixels taller.
    ASSERT_EQ(form.size(), QSize(719, 519));
    const int dy = 519 - 511;
    for (const TPlacedControl& c : PlacedControls(form)) {
        QRect expected = c.Design;
        // The job list stretches down with the window; nothing else moves.
        if (c.Control == form.dxTreeSourceFileInfo)
            expected.setHeight(expected.height() + dy);
        EXPECT_EQ(c.Control->geometry(), expected) << c.Name;
    }
    EXPECT_EQ(form.DSVideoWindowEx1->geometry(), QRect(2, 2, 256, 154));
    EXPECT_EQ(form.panLogo->geometry(), QRect(0, 0, 256, 154));
}

TEST_F(ShownMainForm, ResizingStretchesRowsAndListAndHoldsTheMinimum) {
    ResizeTo({819, 611});
    // The three choice rows and the two check boxes grow to the right, the
    // job list both ways; every button stays inside the window's outline.
    const QList<QWidget*> rightward = {form.cbbOutputFiletype, form.cbbProfile,
                                       form.edtOutputFolder, form.chkShutdown,
                                       form.chkShowOutputDirectory};
    for (const TPlacedControl& c : PlacedControls(form)) {
        QRect expected = c.Design;
        if (rightward.contains(c.Control))
            expected.setWidth(expected.width() + 100);
        if (c.Control == form.dxTreeSourceFileInfo)
            expected.adjust(0, 0, 100, 100);
        EXPECT_EQ(c.Control->geometry(), expected) << c.Name;
    }

    for (const QSize small : {QSize(300, 200), QSize(700, 100), QSize(100, 600)}) {
        ResizeTo(small);
        EXPECT_EQ(form.width(), std::max(small.width(), 686));
        EXPECT_EQ(form.height(), std::max(small.height(), 519));
    }
}

// The window's own wiring, used as a person does: start-up applies "Normal
// Quality", picking a profile or a type applies it, and the Options and
// folder buttons open their dialogs.
TEST_F(ShownMainForm, ChoicesAndButtonsReachTheirHandlers) {
    const auto settings = [this] {
        QStringList texts;
        for (const QComboBox* list :
             {Option.cbbVideoSize, Option.cbbFramerate, Option.cbbVideoBitrate,
              Option.cbbAudioBitrate, Option.cbbAudioChannels, Option.cbbAudioSample})
            texts << list->currentText();
        return texts;
    };
    EXPECT_EQ(form.cbbProfile->currentText(), "Normal Quality");
    EXPECT_EQ(settings(),
              QStringList({"320x240", "25", "768", "128", "2 channels, Stereo", "44100"}));
    // One entry up with the keys: "Acceptable Quality".
    form.cbbProfile->setFocus();
    QTest::keyClick(form.cbbProfile, Qt::Key_Up);
    EXPECT_EQ(settings(),
              QStringList({"320x240", "23.967", "512", "80", "2 channels, Stereo", "32000"}));
    // One type down: AAC, which has no picture.
    form.cbbOutputFiletype->setFocus();
    QTest::keyClick(form.cbbOutputFiletype, Qt::Key_Down);
    EXPECT_FALSE(Option.cbbVideoSize->isEnabled());

    EXPECT_FALSE(Option.isVisible());
    QTest::mouseClick(form.btnOptions, Qt::LeftButton);
    EXPECT_TRUE(Option.isVisible());

    const TTestFolder chosen;
    Dialogs.FolderAnswers = {chosen.Path()};
    QTest::mouseClick(form.btnSelectOutputFolder, Qt::LeftButton);
    EXPECT_EQ(Dialogs.FolderTitles, QStringList{"Please select output folder:"});
    EXPECT_EQ(form.edtOutputFolder->text(), chosen.Path());
    EXPECT_EQ(Choice().OutputFolder(), chosen.Path()); // where the next conversion writes
}

TEST(MainForm, StartsWithItsTextsAndStatesAndBindsItsControls) {
    TFrmMainForm form;
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form.lblOutputFileTypeName->text(), "Output FileType:");
    EXPECT_EQ(form.lblProfileSettings->text(), "Profile Settings:");
    EXPECT_EQ(form.lblOutputFolderInfo->text(), "Output Folder:");
    EXPECT_EQ(form.edtOutputFolder->text(), QDir::homePath() + "/quenvo");
    EXPECT_TRUE(form.edtOutputFolder->isReadOnly());
    EXPECT_EQ(form.chkShutdown->text(), "Shutdown computer when job is finished.");
    EXPECT_FALSE(form.chkShutdown->isChecked());
    EXPECT_EQ(form.chkShowOutputDirectory->text(), "Show output directory when done");
    EXPECT_TRUE(form.chkShowOutputDirectory->isChecked());
    EXPECT_EQ(form.pnlCurTime->text(), "00:00:00");
    EXPECT_EQ(form.pnlCurTime->font().pixelSize(), 19);
    EXPECT_TRUE(form.lblTitle->font().bold());
    EXPECT_EQ(form.lblTitle->font().pixelSize(), 15);

    QTreeView* list = form.dxTreeSourceFileInfo;
    ASSERT_EQ(list->header()->count(), 7);
    EXPECT_TRUE(list->isColumnHidden(0));
    const QStringList headers = {"File Name",  "File Size", "Duration",
                                 "Start Time", "End Time",  "Cut Time"};
    for (int i = 0; i < headers.size(); ++i)
        EXPECT_EQ(list->model()->headerData(i + 1, Qt::Horizontal).toString(), headers[i]);

    // Every caption ends before the control it names begins.
    for (QLabel* label :
         {form.lblOutputFileTypeName, form.lblProfileSettings, form.lblOutputFolderInfo})
        EXPECT_LE(label->x() + label->fontMetrics().horizontalAdvance(label->text()), 368)
            << label->text().toStdString();

    EXPECT_EQ(Controls.Main.Window, &form);
    EXPECT_EQ(Controls.Main.lblTitle, form.lblTitle);
    EXPECT_EQ(Controls.Main.dxTreeSourceFileInfo, form.dxTreeSourceFileInfo);
    EXPECT_EQ(Controls.Main.panLogo, form.panLogo);
    EXPECT_EQ(Controls.Main.pnlCurTime, form.pnlCurTime);
    EXPECT_EQ(Controls.Main.pbPlayState, form.pbPlayState);
}

TEST(MainForm, PictureButtonsCarryPicturesAndNames) {
    TFrmMainForm form;
    TfrmConverting converting;
    const QList<std::pair<TPictureButton*, QString>> buttons = {
        {converting.btnStop, "Stop"},
        {form.btnOpenFile, "Add"},
        {form.btnRemoveFile, "Remove"},
        {form.btnClearFile, "Clear"},
        {form.btnConvert, "Convert"},
        {form.btnPlay, "Play"},
        {form.btnPause, "Pause"},
        {form.RzBmpButton1, "Stop"},
        {form.btnWindowMinimize, "Minimize"},
        {form.btnWindowClose, "Close"},
        {form.btnHomePage, "Home Page"},
        {form.btnEMail, "E-Mail"},
        {form.btnHelp, "Help"},
        {form.btnAbout, "About"},
        {form.btnOptions, "Options"},
        {form.btnSelectOutputFolder, "Select output folder"},
    };
    for (const auto& [button, name] : buttons) {
        EXPECT_EQ(button->accessibleName(), name);
        EXPECT_EQ(button->toolTip(), name);
        // The artwork is drawn at the size the button takes on the window,
        // for the screens' scale.
        const QPixmap normal = button->CurrentPicture();
        ASSERT_FALSE(normal.isNull()) << name.toStdString();
        EXPECT_EQ(normal.deviceIndependentSize().toSize(), button->size()) << name.toStdString();
        EXPECT_EQ(normal.devicePixelRatio(), qApp->devicePixelRatio()) << name.toStdString();
        button->setDown(true);
        EXPECT_NE(button->CurrentPicture().toImage(), normal.toImage()) << name.toStdString();
        button->setDown(false);
    }
    // Buttons the batch and the preview disable have a picture for that.
    for (TPictureButton* button : {form.btnConvert, form.btnPlay, form.btnOpenFile}) {
        const QImage normal = button->CurrentPicture().toImage();
        button->setEnabled(false);
        EXPECT_NE(button->CurrentPicture().toImage(), normal);
        button->setEnabled(true);
    }
    // The progress window's Stop lights up under the mouse.
    converting.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&converting));
    // QTest places its pointer in the wrong pixels under a scale factor, so
    // the hover is checked at scale 1 (a real pointer lights it at any scale).
    if (qApp->devicePixelRatio() != 1)
        return;
    const QImage normal = converting.btnStop->CurrentPicture().toImage();
    QTest::mouseMove(converting.btnStop);
    EXPECT_NE(converting.btnStop->CurrentPicture().toImage(), normal);
}

// A screen reader can name every button of the windows.
// What a screen reader says a control is: the text of the label that names
// it, or its own name; a list's current entry alone names nothing.
QString SpokenName(QAccessibleInterface* control) {
    for (const auto& [label, relation] : control->relations(QAccessible::Label))
        if (!label->text(QAccessible::Name).isEmpty())
            return label->text(QAccessible::Name);
    const QString name = control->text(QAccessible::Name);
    if (control->role() == QAccessible::ComboBox && name == control->text(QAccessible::Value))
        return {};
    return name;
}

// Walks a window's accessible tree as a screen reader does; every control a
// person works with must have a name, and one named by a label carries the
// label's text without the colon.
void ExpectNamedControls(QAccessibleInterface* node, const QString& window, int& controls) {
    static const QList<QAccessible::Role> interactive = {
        QAccessible::PushButton, QAccessible::CheckBox,     QAccessible::RadioButton,
        QAccessible::ComboBox,   QAccessible::EditableText, QAccessible::Slider,
        QAccessible::SpinBox,    QAccessible::ProgressBar,  QAccessible::List,
        QAccessible::Tree,       QAccessible::Table};
    const QAccessible::Role role = node->role();
    if (interactive.contains(role)) {
        ++controls;
        const QRect at = node->rect();
        EXPECT_FALSE(SpokenName(node).isEmpty())
            << window.toStdString() << ": role " << role << " at " << at.x() << "," << at.y();
        const auto labels = node->relations(QAccessible::Label);
        if (!labels.isEmpty() && node->object()) {
            QString text = labels.first().first->text(QAccessible::Name).trimmed();
            text.chop(text.endsWith(':') ? 1 : 0);
            EXPECT_EQ(static_cast<QWidget*>(node->object())->accessibleName(), text.trimmed());
        }
        // Rows and entries speak their own texts.
        if (role == QAccessible::ComboBox || role == QAccessible::List ||
            role == QAccessible::Tree || role == QAccessible::Table)
            return;
    }
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* child = node->child(i))
            ExpectNamedControls(child, window, controls);
}

TEST(MainForm, EveryControlOfTheWindowsHasAName) {
    TFrmMainForm form;
    TfrmConverting converting;
    TfrmOption options;
    for (QWidget* window : {static_cast<QWidget*>(&form), static_cast<QWidget*>(&converting),
                            static_cast<QWidget*>(&options)}) {
        int controls = 0;
        const QString name = window->metaObject()->className();
        ExpectNamedControls(QAccessible::queryAccessibleInterface(window), name, controls);
        EXPECT_GT(controls, 2) << name.toStdString();
    }
    // The preview area and the trim bar, which a reader passes on the way
    // to the markers.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.pnlMediaView)->text(QAccessible::Name),
              "Preview");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.Panel1)->text(QAccessible::Name),
              "Segment");
}

TEST(PictureButton, StatesWithoutPicturesShowTheNormalOne) {
    QPixmap normal(10, 10), hot(10, 10);
    normal.fill(Qt::red);
    hot.fill(Qt::green);
    TPictureButton button("Test");
    button.SetPictures(normal, hot, {});
    button.setDown(true);
    EXPECT_EQ(button.CurrentPicture().toImage(), normal.toImage());
    button.setDown(false);
    button.setEnabled(false);
    EXPECT_EQ(button.CurrentPicture().toImage(), normal.toImage());
}
