#include "platform/qt_file_dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>

#include "platform/text_codec.h"

namespace quenchel {

namespace {

QString QtPatterns(const QString& patterns) {
  QStringList listed;
  for (const QString& pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    // "*.*" means every file, also those without a dot in their name.
    const QString trimmed = pattern.trimmed() == QStringLiteral("*.*") ? QStringLiteral("*") : pattern.trimmed();
    if (trimmed.isEmpty() || listed.contains(trimmed)) continue;
    listed << trimmed;
    const QString lower = trimmed.toLower();
    if (lower != trimmed && !listed.contains(lower)) listed << lower;
  }
  return listed.join(QLatin1Char(' '));
}

QString DisplayName(const QString& name) {
  static const QRegularExpression trailingPattern(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
  QString shown = name;
  shown.remove(trailingPattern);
  return shown.trimmed();
}

// Paths travel in the file system's own encoding so that any file name can be opened.
std::string ToPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString FromPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

}  // namespace

QString ToQtFileFilter(std::string_view filter) {
  const QStringList parts = FromCellText(filter).split(QLatin1Char('|'));
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString patterns = QtPatterns(parts[i + 1]);
    if (patterns.isEmpty()) continue;
    const QString name = DisplayName(parts[i]);
    entries << (name.isEmpty() ? patterns : name + QStringLiteral(" (") + patterns + QLatin1Char(')'));
  }
  return entries.join(QStringLiteral(";;"));
}

std::optional<std::string> QtFileDialogs::OpenFile(const FileDialogRequest& request) { return Ask(request, false); }

std::optional<std::string> QtFileDialogs::SaveFile(const FileDialogRequest& request) { return Ask(request, true); }

std::optional<std::string> QtFileDialogs::Ask(const FileDialogRequest& request, bool save) {
  const QString folder = request.initialFolder.empty()
                             ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                             : FromPath(request.initialFolder);
  QFileDialog dialog(parent_, FromCellText(request.title), folder, ToQtFileFilter(request.filter));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(FromCellText(request.defaultExtension));
  if (!request.fileName.empty()) dialog.selectFile(FromPath(request.fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ToPath(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}

}  // namespace quenchel
