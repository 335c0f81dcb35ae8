#pragma once

#include <QObject>
#include <QStringList>

#include <array>

// The lists of a conversion choice. The first six are the fields of a
// profile string, in field order; aspect ratio and volume gain only the
// user sets.
enum class TChoiceList {
    VideoSize,
    FrameRate,
    VideoBitrate,
    AudioBitrate,
    Channels,
    SampleRate,
    AspectRatio,
    VolumeGain,
    OutputType,
    Profile,
    CustomProfile,
};
inline constexpr int ProfileFieldCount = 6;
inline constexpr int ChoiceListCount = int(TChoiceList::CustomProfile) + 1;

// What the next conversion makes: the main window's output type and
// profile, the eight advanced settings, the custom profile of the options
// dialog and the output folder. Each list holds its entries and the
// selected position (-1 for none); the windows show it and publish the
// user's changes into it, and the command line reads it whether the
// dialog is open or not.
class TConversionChoice : public QObject {
    Q_OBJECT
public:
    const QStringList& Entries(TChoiceList list) const;
    int Position(TChoiceList list) const;
    // The selected entry's text; empty with no selection.
    QString SelectedText(TChoiceList list) const;
    // Replaces the entries and selects the position.
    void Fill(TChoiceList list, const QStringList& entries, int position);
    // A position outside the entries leaves the list without selection.
    void Select(TChoiceList list, int position);

    // The name in the custom-profile field: the selected entry's, or one
    // the user typed (then no entry is selected).
    QString CustomProfileName() const { return TypedName; }
    void NameCustomProfile(const QString& name);

    // Only the video type has a picture to size and pace.
    bool VideoOptionsEnabled() const { return VideoEnabled; }
    void EnableVideoOptions(bool enabled);

    QString OutputFolder() const { return Folder; }
    void SetOutputFolder(const QString& folder);

signals:
    void ListChanged(TChoiceList list);
    void CustomProfileNamed();
    void VideoOptionsEnabledChanged(bool enabled);

private:
    struct TList {
        QStringList Entries;
        int Position = -1;
    };
    std::array<TList, ChoiceListCount> Lists;
    QString TypedName;
    bool VideoEnabled = true;
    QString Folder;

    TList& At(TChoiceList list) { return Lists[size_t(list)]; }
    const TList& At(TChoiceList list) const { return Lists[size_t(list)]; }
};

// The choice in use: the program's own unless a test set another.
TConversionChoice& Choice();
// Replaces the choice (tests); nullptr restores the program's own. Gives
// the replacement in use before.
TConversionChoice* SetChoice(TConversionChoice* choice);
