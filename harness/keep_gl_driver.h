#pragma once

// Mesa unloads its driver when SDL closes the display; allocations the driver never freed
// then have no module name and LeakSanitizer cannot tell them from ours. Keeping the
// driver loaded for the life of the process keeps them attributable (and reachable).
void KeepGlDriverLoaded();
