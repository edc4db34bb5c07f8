#include "ui/forms/settings_file_form.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "ui/widgets/colours.h"

namespace navbin::ui {

namespace {
enum Column { kGroup, kOutcome, kDifferences };
}  // namespace

TForm_SettingsFile::TForm_SettingsFile(QWidget* parent)
    : FormWindow("Form_SettingsFile", "Receiver Settings", parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->setSpacing(8);
  Label_File = new QLabel(this);
  Label_File->setObjectName("Label_File");
  layout->addWidget(Label_File);

  ListView_Groups = new QTreeWidget(this);
  ListView_Groups->setObjectName("ListView_Groups");
  ListView_Groups->setHeaderLabels({"Group", "Outcome", "Differences (file -> receiver)"});
  ListView_Groups->setRootIsDecorated(false);
  ListView_Groups->setSelectionMode(QAbstractItemView::NoSelection);
  ListView_Groups->setColumnWidth(kGroup, 150);
  ListView_Groups->setColumnWidth(kOutcome, 90);
  ListView_Groups->setMinimumSize(560, 300);
  layout->addWidget(ListView_Groups);

  auto* bottom = new QHBoxLayout;
  Label_Summary = new QLabel(this);
  Label_Summary->setObjectName("Label_Summary");
  bottom->addWidget(Label_Summary, 1);
  Button_Close = new QPushButton("&Close", this);
  Button_Close->setObjectName("Button_Close");
  connect(Button_Close, &QPushButton::clicked, this, &QWidget::hide);
  bottom->addWidget(Button_Close);
  layout->addLayout(bottom);
}

reports::Colour TForm_SettingsFile::OutcomeColour(config::GroupOutcome outcome) {
  using config::GroupOutcome;
  switch (outcome) {
    case GroupOutcome::Sent:
      return reports::Colour::Yellow;
    case GroupOutcome::Confirmed:
    case GroupOutcome::Read:
      return reports::Colour::Lime;
    case GroupOutcome::Refused:
      return reports::Colour::Red;
    case GroupOutcome::NoAnswer:
      return reports::Colour::Gray;
    case GroupOutcome::Waiting:
      break;
  }
  return reports::Colour::Window;
}

void TForm_SettingsFile::setFile(const QString& what, const QString& path) {
  Label_File->setText(what + " " + path);
  ListView_Groups->clear();
  Label_Summary->clear();
}

// The row of `group`, moved to `index` (made there when there is none).
QTreeWidgetItem* TForm_SettingsFile::rowAt(int index, const QString& group) {
  const auto found = ListView_Groups->findItems(group, Qt::MatchExactly, kGroup);
  QTreeWidgetItem* row = found.isEmpty() ? new QTreeWidgetItem(QStringList{group}) : found.front();
  if (ListView_Groups->indexOfTopLevelItem(row) != index) {
    if (!found.isEmpty())
      ListView_Groups->takeTopLevelItem(ListView_Groups->indexOfTopLevelItem(row));
    ListView_Groups->insertTopLevelItem(index, row);
  }
  return row;
}

void TForm_SettingsFile::showResults(const std::vector<config::GroupResult>& results) {
  for (std::size_t i = 0; i < results.size(); ++i) {
    const config::GroupResult& r = results[i];
    QTreeWidgetItem* row = rowAt(static_cast<int>(i), QString::fromStdString(r.group));
    row->setText(kOutcome,
                 QString::fromUtf8(config::OutcomeText(r.outcome).data(),
                                   static_cast<qsizetype>(config::OutcomeText(r.outcome).size())));
    const reports::Colour colour = OutcomeColour(r.outcome);
    row->setBackground(kOutcome, colour == reports::Colour::Window
                                     ? QBrush()
                                     : QBrush(ToQColor(colour, palette())));
    if (r.differences.empty()) continue;
    QStringList lines;
    for (const config::Difference& d : r.differences) lines << QString::fromStdString(d.line());
    row->setText(kDifferences, lines.join("; "));
  }
}

void TForm_SettingsFile::showDifferences(const std::vector<config::Difference>& differences) {
  for (int i = 0; i < ListView_Groups->topLevelItemCount(); ++i) {
    QTreeWidgetItem* row = ListView_Groups->topLevelItem(i);
    QStringList lines;
    for (const config::Difference& d : differences) {
      if (QString::fromStdString(d.field).startsWith(row->text(kGroup) + ".")) {
        lines << QString::fromStdString(d.line());
      }
    }
    row->setText(kDifferences, lines.isEmpty() ? QString("none") : lines.join("; "));
  }
}

}  // namespace navbin::ui
