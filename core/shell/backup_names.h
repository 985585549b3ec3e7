#pragma once
// File names of the automatic backup.

#include <string>
#include <string_view>

namespace quenchel {

// The current file's name with its extension replaced by ".BAK" (appended when it has
// none). A name that already ends in ".BAK" gets ".BAK" appended, so the backup can
// never overwrite the file it protects.
std::string BackupFileName(std::string_view currentFileName);

// The competition file name for a restored backup: its ".BAK" extension replaced by
// ".FCR" (any other extension too; appended when it has none).
std::string RestoredFileName(std::string_view backupFileName);

}  // namespace quenchel
