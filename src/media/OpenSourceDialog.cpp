#include "media/OpenSourceDialog.h"

#include "media/JobRow.h"
#include "support/Dialogs.h"

namespace {

struct TFilterEntry {
    const char* Shown;
    const char* Patterns;
};

// After "Supported Files", which lists every extension the job list takes.
constexpr TFilterEntry FilterEntries[] = {
    {"3GP, 3G2 Files (*.3gp,*.3g2)", "*.3gp"},
    {"AVI Files (*.avi)", "*.avi"},
    {"ASF Files (*.asf)", "*.asf"},
    {"MOV Files (*.mov)", "*.mov"},
    {"FLV ,SWF Flash Video (*.flv,swf)", "*.flv;*.swf"},
    {"MP4 File (*.mp4,*.m4v)", "*.mp4;*.m4v"},
    {"MPEG Files (*.mpeg,*.mpg)", "*.mpeg;*.mpg"},
    {"RM, RMVB (*.rm,*.rmvb)", "*.rm;*.rmvb"},
    {"VOB Video Files (*.vob)", "*.vob"},
    {"WMV Video Files (*.wmv)", "*.wmv"},
};

// The dialog takes its patterns from the entry's last parentheses, separated
// by spaces, and shows only the text before them.
QString DialogFilter(const QString& shown, const QStringList& patterns) {
    return shown + " (" + patterns.join(' ') + ")";
}

} // namespace

QStringList TOpenSourceDialog::Filters() {
    QStringList supported;
    for (const QString& extension : SourceExtensions())
        supported << "*" + extension;
    QStringList filters{DialogFilter("Supported Files", supported)};
    for (const TFilterEntry& entry : FilterEntries)
        filters << DialogFilter(entry.Shown, QString(entry.Patterns).split(';'));
    return filters;
}

bool TOpenSourceDialog::Execute(const QString& initialFolder) {
    const QStringList chosen = Dialogs().OpenFiles(initialFolder, Filters());
    if (chosen.isEmpty())
        return false;
    Files = chosen;
    FileName = chosen.first();
    return true;
}
