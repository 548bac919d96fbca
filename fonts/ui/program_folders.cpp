#include "fonts/ui/program_folders.h"

#include <QCoreApplication>
#include <QDir>

namespace quilm::ui {
namespace {

// The program sits at most this deep in a build tree (build/app/ui/quilm,
// build/fonts/ui/quilm-render).
constexpr int kBuildTreeDepth = 3;

}  // namespace

QStringList program_folder_candidates(const QString& name, const QString& built) {
  const QDir program(QCoreApplication::applicationDirPath());
  QStringList candidates{program.filePath(name), program.filePath("../share/quilm/" + name)};
  QDir up = program;
  for (int level = 0; level < kBuildTreeDepth && up.cdUp(); ++level) candidates << up.filePath(name);
  candidates << built;
  return candidates;
}

}  // namespace quilm::ui
