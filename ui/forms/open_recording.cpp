#include "ui/forms/open_recording.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProgressDialog>

namespace navbin::ui {

std::unique_ptr<shell::RecordingModel> LoadRecording(QWidget* parent, reports::Prompter& prompter,
                                                     const std::string& path) {
  QProgressDialog progress("Reading " + QString::fromStdString(path) + "...", "Cancel", 0, 1000,
                           parent);
  progress.setObjectName("Progress_Recording");
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(500);  // only long files show it
  auto model = std::make_unique<shell::RecordingModel>();
  const bool read = model->load(path, [&](std::uint64_t done, std::uint64_t size) {
    if (size > 0) progress.setValue(static_cast<int>(std::min(done, size) * 1000 / size));
    QCoreApplication::processEvents();
    return !progress.wasCanceled();
  });
  progress.reset();
  if (read) return model;
  if (!progress.wasCanceled()) {
    prompter.message("Could not read " + model->error() + ".", "Open Recording",
                     reports::Icon::Exclamation);
  }
  return nullptr;
}

reports::FileRequest RecordingRequest() {
  return {"Recordings (*.nvb)|*.nvb|All Files (*.*)|*.*", ".nvb", " ", false, "Open Recording"};
}

QString RecordingTitle(const QString& caption, const std::string& path) {
  return caption + " - " + QFileInfo(QString::fromStdString(path)).fileName();
}

}  // namespace navbin::ui
