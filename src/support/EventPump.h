#pragma once

// Waits on the user-interface thread never freeze the windows: they keep
// their length but serve window events while they pass.

// Lets pending window events run once.
void ProcessMessages();

// Waits ms milliseconds while serving window events.
void PumpingSleep(int ms);
