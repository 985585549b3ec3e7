#include "platform/clock.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace quenchel {

LocalDateTime SystemClock::Now() const {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

std::string FormatDate(const LocalDateTime& when) {
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), "%02d/%02d/%04d", when.day, when.month, when.year);
  return text.data();
}

std::string FormatDateTime(const LocalDateTime& when) {
  std::array<char, 48> text{};
  std::snprintf(text.data(), text.size(), "%02d/%02d/%04d %02d:%02d:%02d", when.day, when.month, when.year,
                when.hour, when.minute, when.second);
  return text.data();
}

}  // namespace quenchel
