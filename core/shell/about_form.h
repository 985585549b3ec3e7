#pragma once
// The about box: the product name as caption, name and version as heading, and the
// release date.

#include <string>
#include <string_view>

#include "platform/form_host.h"
#include "shell/product.h"

namespace quenchel {

class About1 final : public Form {
 public:
  static constexpr std::string_view kFormName = "About1";

  std::string_view FormName() const override { return kFormName; }

  std::string Caption() const { return std::string(kProductName); }
  std::string Heading() const { return std::string(kProductName) + std::string(kVersion); }
  std::string BuildDate() const { return "Build Date: " + std::string(kReleaseDate); }

  ModalResult OKClick() const noexcept { return ModalResult::OK; }
};

}  // namespace quenchel
