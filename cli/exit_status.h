#pragma once
// The exit statuses of quenchel-cli, for scripts that call it.

namespace quenchel {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // a file could not be read or written
inline constexpr int kExitUsage = 2;    // the command line itself was wrong

}  // namespace quenchel
