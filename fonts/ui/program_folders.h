// Where the program finds a folder of files it ships (its fonts, its help):
// beside the program, in the installed share/quilm, at the top of a build
// tree the program sits in (wherever that was copied), and last where this
// build wrote it.
#pragma once

#include <QString>
#include <QStringList>

namespace quilm::ui {

// The candidate folders named `name`, in the order they are tried;
// `built` is the folder this build wrote.
QStringList program_folder_candidates(const QString& name, const QString& built);

}  // namespace quilm::ui
