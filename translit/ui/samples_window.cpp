#include "translit/ui/samples_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#ifdef QUILM_HAVE_MULTIMEDIA
#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#endif

namespace quilm::ui {
namespace {

constexpr const char* kQuilmFont = "Quilm2010";
constexpr int kButtonsPerRow = 12;

QString quilm_text(std::string_view bytes) {
  QString text;
  for (char c : bytes) text += QChar(static_cast<unsigned char>(c));
  return text;
}

}  // namespace

SamplesWindow::SamplesWindow(std::filesystem::path data_folder, QWidget* parent)
    : QDialog(parent), sound_folder_(std::move(data_folder) / "Sound") {
  setObjectName("SamplesWindow");
  setWindowTitle("Gurmukhi to Roman Transliteration Samples");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      new QLabel("Click on a Punjabi character/word to display the Roman transliteration and hear its pronunciation",
                 this));
  auto* grid = new QGridLayout;
  int index = 0;
  SampleKind previous = SampleKind::Vowel;
  int row = 0, column = 0;
  QFont font(kQuilmFont, 16);
  for (const Sample& sample : transliteration_samples()) {
    if (sample.kind != previous || column == kButtonsPerRow) {
      ++row;
      column = 0;
      previous = sample.kind;
    }
    auto* button = new QPushButton(quilm_text(sample.quilm), this);
    button->setObjectName(QString("Sample%1").arg(index++));
    button->setFont(font);
    connect(button, &QPushButton::clicked, this, [this, &sample] { SampleClick(sample); });
    grid->addWidget(button, row, column++);
  }
  layout->addLayout(grid);
  auto* roman_row = new QHBoxLayout;
  roman_row->addWidget(new QLabel("Roman Transliteration : ", this));
  roman_ = new QLabel(this);
  roman_->setObjectName("RomanLabel");
  roman_row->addWidget(roman_, 1);
  layout->addLayout(roman_row);
  status_ = new QLabel(this);
  status_->setObjectName("SoundStatus");
  layout->addWidget(status_);
  auto* close = new QPushButton("Close", this);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(close);
}

void SamplesWindow::SampleClick(const Sample& sample) {
  if (!sample.roman.empty()) roman_->setText(QString::fromUtf8(sample.roman.data(), sample.roman.size()));
  play(sound_folder_ / sample.sound);
}

void SamplesWindow::play(const std::filesystem::path& file) {
  status_->clear();
  if (!std::filesystem::is_regular_file(file)) {
    status_->setText(QString("The recording %1 is missing.").arg(QString::fromStdString(file.string())));
    return;
  }
#ifdef QUILM_HAVE_MULTIMEDIA
  if (QMediaDevices::defaultAudioOutput().isNull()) {
    status_->setText("There is no sound output on this machine: the recording cannot be played.");
    return;
  }
  if (!player_) {
    player_ = new QMediaPlayer(this);
    audio_ = new QAudioOutput(this);
    player_->setAudioOutput(audio_);
    connect(player_, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error, const QString& why) { status_->setText("Cannot play the recording: " + why); });
  }
  player_->stop();
  player_->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
  player_->play();
#else
  status_->setText("This build of Quilm cannot play sound.");
#endif
}

}  // namespace quilm::ui
