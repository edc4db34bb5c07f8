#pragma once
// "Open Recording...": a recording chosen through the prompter and read into
// a model, with a progress bar that a long file shows and can cancel.

#include <QWidget>
#include <memory>

#include "protocol/presentation/prompter.h"
#include "shell/recording_model.h"

namespace navbin::ui {

// The recording at `path`; null after a message box saying why it could not
// be read, or when cancelled.
std::unique_ptr<shell::RecordingModel> LoadRecording(QWidget* parent, reports::Prompter& prompter,
                                                     const std::string& path);
// The file chooser's request for a recording.
reports::FileRequest RecordingRequest();
// "<caption> - <file name>".
QString RecordingTitle(const QString& caption, const std::string& path);

}  // namespace navbin::ui
