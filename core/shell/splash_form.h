#pragma once
// The welcome screen shown at start-up and from the About menu; it closes itself after
// two seconds.

#include <string>
#include <string_view>

#include "platform/form_host.h"
#include "shell/product.h"

namespace quenchel {

class SplashForm final : public Form {
 public:
  static constexpr std::string_view kFormName = "SplashForm";
  static constexpr std::string_view kCaption = "Welcome";
  static constexpr int kShowMilliseconds = 2000;

  std::string_view FormName() const override { return kFormName; }
  std::string Label() const { return "Welcome to " + std::string(kProductName); }
};

}  // namespace quenchel
