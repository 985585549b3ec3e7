#pragma once
// The views of the competition set-up forms.

namespace quenchel {

class QtFormHost;

// Registers the defaults form and the schedules' fonts form.
void RegisterSetupViews(QtFormHost& host);

}  // namespace quenchel
