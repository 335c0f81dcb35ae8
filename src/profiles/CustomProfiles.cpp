#include "profiles/ConfigFiles.h"
#include "profiles/ConversionChoice.h"
#include "profiles/IniFiles32.h"
#include "support/CommonLib.h"
#include "support/CustomProc.h"
#include "support/Dialogs.h"
#include "support/Globals.h"

#include <algorithm>

namespace {

// The selected positions of the six profile lists ("-1" for none), in the
// order of a profile string.
QString CurrentProfileString() {
    QStringList fields;
    for (int f = 0; f < ProfileFieldCount; ++f)
        fields << QString::number(Choice().Position(TChoiceList(f)));
    return fields.join('|');
}

// A name the profile file can hold and give back as it was: its header
// line ends at "]" and at a line break, its value line's key at "=", and
// both lose the blanks at their ends. Any other name is refused with a box.
bool StorableName(const QString& name) {
    const bool storable =
        !name.contains(']') && !name.contains('=') &&
        std::none_of(name.begin(), name.end(),
                     [](QChar c) { return c.category() == QChar::Other_Control; }) &&
        (name.isEmpty() || (name.front() > ' ' && name.back() > ' '));
    if (!storable)
        CommonLib->ShowMessageBox("A profile name can't hold a line break, \"]\" or \"=\", nor "
                                  "begin or end with a blank. Please choose another name.",
                                  1);
    return storable;
}

} // namespace

void TCustomProc::AddCustomProfile() const {
    TIniFile32 profiles(ConfigFilePath(ProfileFile));
    int number;
    {
        // The counter only grows; it is written before the prompt so that a
        // missing Config folder fails before anything is asked.
        TIniFile32 counter(ConfigFilePath(ProfileCountFile));
        number = counter.ReadInteger("count", "count", 0) + 1;
        counter.WriteInteger("count", "count", number);
    }
    const QString proposed = "UserProfileInfo" + QString::number(number);
    QString name = proposed;
    if (!Dialogs().InputText(ApplicationTitle, "Plese input a name", name, 255))
        name = proposed;
    if (StorableName(name))
        profiles.WriteString(name, name, CurrentProfileString());
}

void TCustomProc::SaveCustomProfile() const {
    const QString name = Choice().CustomProfileName();
    if (StorableName(name))
        TIniFile32(ConfigFilePath(ProfileFile)).WriteString(name, name, CurrentProfileString());
}

void TCustomProc::DeleteCustomProfile() const {
    const TConversionChoice& choice = Choice();
    if (!choice.Entries(TChoiceList::CustomProfile).isEmpty())
        TIniFile32(ConfigFilePath(ProfileFile)).EraseSection(choice.CustomProfileName());
}
