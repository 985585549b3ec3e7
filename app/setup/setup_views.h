#pragma once
// The views of the competition set-up forms.

namespace quenchel {

class QtFormHost;

// Registers the defaults form, the schedules' fonts form and the list inspection view.
void RegisterSetupViews(QtFormHost& host);

}  // namespace quenchel
