#pragma once

#include <QString>

class QTreeWidget;

// Profiles, command line, preview control and batch driving. Declared once
// here; each operation is defined in the folder of the subsystem it belongs to.
class TCustomProc {
public:
    TCustomProc();

    // ---- Profiles and the options dialog (profiles/)


    // ---- Source folder (profiles/)


    // ---- Job list (media/)


    // ---- Preview playback (media/)


    // ---- Command line (convert/)


    // ---- Batch (convert/)


};
