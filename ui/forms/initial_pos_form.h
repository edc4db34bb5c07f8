#pragma once
// The initial position dialog: a starting position for the receiver, typed
// or read from a position file, approximate or exact, LLA or ECEF. Choosing a
// mode and "&From File" go to handlers the application gives.

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "ui/forms/config_dialog.h"
#include "ui/widgets/radio_group.h"

namespace navbin::ui {

class TForm_InitialPos : public ConfigDialog {
  Q_OBJECT
 public:
  explicit TForm_InitialPos(QWidget* parent);

  void setModeHandler(std::function<void(int mode)> handler) { modeChosen_ = std::move(handler); }
  void setFileHandler(std::function<void()> handler) { fromFile_ = std::move(handler); }

  void RadioGroup_PosModeClick(int mode);
  void Button_FileClick();

  RadioGroup* RadioGroup_PosMode = nullptr;
  QGroupBox* GroupBox_LLA = nullptr;
  QLineEdit* Edit_Lat = nullptr;
  QLineEdit* Edit_Lon = nullptr;
  QLineEdit* Edit_Alt = nullptr;
  QPushButton* Button_File1 = nullptr;
  QGroupBox* GroupBox_ECEF = nullptr;
  QLineEdit* Edit_X = nullptr;
  QLineEdit* Edit_Y = nullptr;
  QLineEdit* Edit_Z = nullptr;
  QPushButton* Button_File2 = nullptr;

 private:
  struct EditRow {
    reports::ControlName name;
    const char* label;
    const char* unit;
  };
  // A group of three labelled edits and a "&From File" button.
  QGroupBox* buildGroup(reports::ControlName name, const QString& title, QLineEdit** edits,
                        const EditRow (&rows)[3], QPushButton** button,
                        reports::ControlName buttonName);
  std::function<void(int)> modeChosen_;
  std::function<void()> fromFile_;
};

}  // namespace navbin::ui
