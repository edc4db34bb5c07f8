#pragma once
// Every message box, Yes/No question and file chooser goes through a
// Prompter: Qt message boxes in the application, scripted answers in tests.

#include <optional>
#include <string>

namespace navbin::reports {

enum class Icon { None, Exclamation, Information, Question, Error };

struct FileRequest {
  std::string filter;       // "Data Files (*.dat)|*.dat|All Files (*.*)|*.*"
  std::string defaultExt;   // ".dat"
  std::string initialName;  // " " for none
  bool forSaving = false;   // the chosen file may not exist yet
  std::string title{};      // the chooser's caption; empty for the toolkit's own
};

// The chooser of the position, almanac and ephemeris files.
inline FileRequest DataFileRequest(bool forSaving) {
  return {"Data Files (*.dat)|*.dat|All Files (*.*)|*.*", ".dat", " ", forSaving};
}

class Prompter {
 public:
  virtual ~Prompter() = default;
  // A modal box with an OK button.
  virtual void message(const std::string& text, const std::string& caption,
                       Icon icon = Icon::None) = 0;
  // A modal Yes/No box; true for Yes.
  virtual bool ask(const std::string& text, const std::string& caption, Icon icon = Icon::None,
                   bool noIsDefault = false) = 0;
  // A file dialog; nothing when the user cancels.
  virtual std::optional<std::string> chooseFile(const FileRequest& request) = 0;
};

}  // namespace navbin::reports
