#pragma once

// The application's name on the desktop: its desktop entry is this name
// followed by ".desktop", and its icon carries this name.
inline const char* const ApplicationId = "org.quenvo.Quenvo";
