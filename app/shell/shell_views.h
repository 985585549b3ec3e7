#pragma once
// The views of the small shared dialogs.

namespace quenchel {

class QtFormHost;

// Registers the text and number prompts, the question, the about box, the time picker
// and the date picker. The flash notice is no form: hand ShowFlashNotice (flash_view.h)
// to QtDialogs::SetFlashPresenter.
void RegisterShellViews(QtFormHost& host);

}  // namespace quenchel
