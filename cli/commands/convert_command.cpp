#include "commands/convert_command.h"

#include "console_dialogs.h"
#include "error_keeping_writer.h"
#include "exit_status.h"
#include "file/atomic_file.h"
#include "file/competition_file.h"
#include "store/competition.h"

namespace quenchel {

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
