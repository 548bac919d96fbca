// The "Gurmukhi to Roman Transliteration Samples" window: a button for each
// Gurmukhi letter, vowel and example word (in the Quilm encoding); a click
// shows the Roman spelling the transliteration gives it and plays its
// recording from the Sound folder of the data folder. A missing recording or
// a machine without sound output is said in the window; nothing waits on it.
#pragma once

#include <QDialog>
#include <filesystem>

#include "translit/samples.h"

class QLabel;
class QMediaPlayer;
class QAudioOutput;

namespace quilm::ui {

class SamplesWindow : public QDialog {
  Q_OBJECT
 public:
  explicit SamplesWindow(std::filesystem::path data_folder, QWidget* parent = nullptr);

  QLabel* roman_label() const { return roman_; }
  QLabel* sound_status() const { return status_; }
  // What a click on the sample's button does.
  void SampleClick(const Sample& sample);

 private:
  void play(const std::filesystem::path& file);

  std::filesystem::path sound_folder_;
  QLabel* roman_ = nullptr;
  QLabel* status_ = nullptr;
  QMediaPlayer* player_ = nullptr;
  QAudioOutput* audio_ = nullptr;
};

}  // namespace quilm::ui
