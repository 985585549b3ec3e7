#pragma once
// Registers the views of the results windows with the form host.

namespace quenchel {

class QtFormHost;

void RegisterReportViews(QtFormHost& host);

}  // namespace quenchel
