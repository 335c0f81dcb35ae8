#include "profiles/ConversionChoice.h"
#include "support/Seam.h"

namespace {

TConversionChoice programChoice;
TSeam<TConversionChoice> seam(programChoice);

} // namespace

const QStringList& TConversionChoice::Entries(TChoiceList list) const {
    return At(list).Entries;
}

int TConversionChoice::Position(TChoiceList list) const {
    return At(list).Position;
}

QString TConversionChoice::SelectedText(TChoiceList list) const {
    const TList& l = At(list);
    return l.Position >= 0 ? l.Entries[l.Position] : QString();
}

void TConversionChoice::Fill(TChoiceList list, const QStringList& entries, int position) {
    TList& l = At(list);
    if (l.Entries == entries) {
        Select(list, position);
        return;
    }
    l.Entries = entries;
    l.Position = -1;
    Select(list, position);
    if (l.Position == -1)
        emit ListChanged(list); // the entries changed even if no selection did
}

void TConversionChoice::Select(TChoiceList list, int position) {
    TList& l = At(list);
    if (position < 0 || position >= l.Entries.size())
        position = -1;
    if (list == TChoiceList::CustomProfile)
        NameCustomProfile(position >= 0 ? l.Entries[position] : QString());
    if (l.Position == position)
        return;
    l.Position = position;
    emit ListChanged(list);
}

void TConversionChoice::NameCustomProfile(const QString& name) {
    if (TypedName == name)
        return;
    TypedName = name;
    emit CustomProfileNamed();
}

void TConversionChoice::EnableVideoOptions(bool enabled) {
    if (VideoEnabled == enabled)
        return;
    VideoEnabled = enabled;
    emit VideoOptionsEnabledChanged(enabled);
}

void TConversionChoice::SetOutputFolder(const QString& folder) {
    Folder = folder;
}

TConversionChoice& Choice() {
    return seam.Get();
}

TConversionChoice* SetChoice(TConversionChoice* choice) {
    return seam.Set(choice);
}
