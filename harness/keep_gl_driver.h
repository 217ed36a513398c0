#pragma once

// Mesa unloads its driver when SDL closes the display; allocations the driver never freed
// then have no module name and LeakSanitizer cannot tell them from ours. Keeping the
// driver loaded for the life of the process keeps them attributable (and reachable).
//
// Pins every GL driver module loaded now (found through the loader, wherever the system keeps
// its drivers); call it while the GL context exists, before SDL_Quit. Returns how many it
// pinned: 0 after a GL context has been made means the driver was not recognised.
int KeepGlDriverLoaded();
