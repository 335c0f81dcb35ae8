#pragma once

#include <QString>

// The application's name on the desktop: its desktop entry is this name
// followed by ".desktop", its icon carries this name, and it owns this name
// on the session bus.
inline const char* const ApplicationId = "org.quenvo.Quenvo";

// Where the application's objects lie on the session bus: its name with the
// dots turned into slashes.
inline QString ApplicationPath() {
    return "/" + QString(ApplicationId).replace('.', '/');
}
