#include "commands/convert_command.h"

#include "console_dialogs.h"
#include "exit_status.h"
#include "file/atomic_file.h"
#include "file/competition_file.h"
#include "store/competition.h"

namespace quenchel {

namespace {

// Keeps the reason of a failed write: the writer's own message only says that saving
// failed, and on the command line the cause (a missing folder, no permission) matters.
class ErrorKeepingWriter final : public FileWriter {
 public:
  explicit ErrorKeepingWriter(FileWriter& inner) : inner_(inner) {}

  WriteResult WriteWholeFile(const std::string& path, std::string_view bytes) override {
    WriteResult result = inner_.WriteWholeFile(path, bytes);
    if (!result.ok) error_ = result.error;
    return result;
  }
  const std::string& Error() const noexcept { return error_; }

 private:
  FileWriter& inner_;
  std::string error_;
};

}  // namespace

int RunConvertCommand(const ConvertRequest& request, std::ostream& err) {
  ConsoleDialogs dialogs(err, request.upgrade);
  Competition competition;
  if (!OpenCompetition(competition, request.input, request.structure, dialogs)) return kExitFailure;

  ErrorKeepingWriter keeping(DefaultFileWriter());
  if (SaveCompetitionFile(competition, request.output, dialogs, keeping) != 1) {
    if (!keeping.Error().empty()) err << "quenchel-cli convert: " << keeping.Error() << '\n';
    return kExitFailure;
  }
  return kExitSuccess;
}

}  // namespace quenchel
