#pragma once
// The views of the printing windows.

namespace quenchel {

class QtFormHost;

// Registers the print preview.
void RegisterPrintViews(QtFormHost& host);

}  // namespace quenchel
