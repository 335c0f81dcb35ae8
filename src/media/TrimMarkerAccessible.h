#pragma once

// Screen readers reach each trim marker as a slider whose value is the
// seconds it stands for, from 0 to the row's length; setting the value
// moves the marker as a drag does. Installed once, by the first marker.
void InstallTrimMarkerAccessible();
