// The main window shown offscreen over a copy of the ready data folder, with
// a scripted prompter; closed at the end without saving.
#pragma once

#include <QAction>
#include <QApplication>
#include <QToolButton>
#include <memory>

#include "app/ui/main_form.h"
#include "tests/app/ui/ready_data_folder.h"
#include "tests/support/fake_prompter.h"

namespace quilm::ui {

struct ShownWindow {
  test::ReadyDataFolder data;
  test::FakePrompter prompter;
  std::unique_ptr<TMainForm> form;

  ShownWindow() {
    form = std::make_unique<TMainForm>(data.dir.path(), &prompter);
    form->show();
    QApplication::processEvents();
  }
  ~ShownWindow() {
    prompter.answers = {Answer::No};
    form->close();
  }
  QToolButton* button(const char* name) const { return form->findChild<QToolButton*>(name); }
  QAction* action(const char* name) const { return form->findChild<QAction*>(name); }
};

}  // namespace quilm::ui
