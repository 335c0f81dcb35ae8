#include "media/OpenSourceDialog.h"

#include "support/Dialogs.h"

namespace {

struct TFilterEntry {
    const char* Shown;
    const char* Patterns;
};

constexpr TFilterEntry FilterEntries[] = {
    {"Supported Files",
     "*.3gp;*.mp4;*.m4v;*.mpeg;*.3g2;*.mpg;*.avi;*.asf;*.mov;*.wmv;*.flv;*.swf;*.rm;*.rmvb;*.vob;"},
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
QString DialogFilter(const TFilterEntry& entry) {
    const QString patterns = QString(entry.Patterns).split(';', Qt::SkipEmptyParts).join(' ');
    return QString(entry.Shown) + " (" + patterns + ")";
}

} // namespace

QStringList TOpenSourceDialog::Filters() {
    QStringList filters;
    for (const TFilterEntry& entry : FilterEntries)
        filters << DialogFilter(entry);
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
