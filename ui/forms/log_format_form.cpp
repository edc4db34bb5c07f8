#include "ui/forms/log_format_form.h"

#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace navbin::ui {

namespace {

struct Row {
  const char* name;
  const char* example;
  const char* meaning;
  const char* format;
  const char* packet;
};

constexpr Row kRows[] = {
    {"Time of Week", "166117.00", "GPS time of week (s)", "%.2f", "0x42, 0x4A, 0x83, or 0x84"},
    {"Bias", "392800.977228", "Clock bias (ns)", "%f", "0x4A, 0x83, or 0x84"},
    {"Bias Rate", "283.328094", "Clock bias rate (ppb)", "%f", "0x43 or 0x56"},
    {"SV **", "142", "Weakest SV of a channel, 12 channels", "%d", "0x5C"},
    {"Signal Level", "11.8", "Its signal level (AMU), 12 channels", "%0.1f", "0x5C"},
    {"Latitude", "37.386533", "Latitude (degrees)", "%f", "0x4A or 0x84"},
    {"Longitude", "-122.004851", "Longitude (degrees)", "%f", "0x4A or 0x84"},
    {"Altitude", "12.800000", "Altitude (m)", "%f", "0x4A or 0x84"},
    {"X", "-2693855.250000", "ECEF X (m)", "%f", "0x42 or 0x83"},
    {"Y", "-4297186.500000", "ECEF Y (m)", "%f", "0x42 or 0x83"},
    {"Z", "3854388.750000", "ECEF Z (m)", "%f", "0x42 or 0x83"},
    {"Velocity East", "0.000000", "East velocity (m/s)", "%f", "0x56"},
    {"Velocity North", "0.000000", "North velocity (m/s)", "%f", "0x56"},
    {"Velocity Up", "0.000000", "Up velocity (m/s)", "%f", "0x56"},
    {"Velocity X", "0.000000", "ECEF X velocity (m/s)", "%f", "0x43"},
    {"Velocity Y", "0.000000", "ECEF Y velocity (m/s)", "%f", "0x43"},
    {"Velocity Z", "0.000000", "ECEF Z velocity (m/s)", "%f", "0x43"},
    {"Receiver Mode", "116", "Receiver mode", "%d", "0x6D (byte 0)"},
    {"Health", "0", "Receiver health", "%d", "0x46 (byte 0)"},
    {"Error Code 1", "1", "Error code 1", "%d", "0x46 (byte 1)"},
    {"Error Code 2", "2", "Error code 2", "%d", "0x4B (byte 1)"},
    {"DGPS Mode", "2", "DGPS mode", "%d", "0x82"},
    {"PDOP", "2.3", "Position dilution of precision", "%.1f", "0x6D"},
    {"HDOP", "1.2", "Horizontal dilution of precision", "%.1f", "0x6D"},
    {"VDOP", "2.0", "Vertical dilution of precision", "%.1f", "0x6D"},
    {"TDOP", "1.4", "Time dilution of precision", "%.1f", "0x6D"},
};

constexpr const char* kNotes[] = {
    "Notes:  Data is written as space-delimited text. Each set is written on one line.",
    "Data is written in the order shown above.",
    "** The SV shown above is SV 14.  The number 128 is added to show that the SV is currently "
    "being used in the fix.",
};

}  // namespace

TForm_LogFormat::TForm_LogFormat(QWidget* parent)
    : FormWindow("Form_LogFormat", "Data Logging Formats", parent) {
  auto* layout = new QVBoxLayout(this);
  const int rows = int(std::size(kRows));
  StringGrid_Format = new QTableWidget(rows, 5, this);
  StringGrid_Format->setObjectName("StringGrid_Format");
  StringGrid_Format->setHorizontalHeaderLabels(
      {"Name", "Example", "Data Meaning", "Format", "NavBin Packet"});
  StringGrid_Format->verticalHeader()->hide();
  StringGrid_Format->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid_Format->setSelectionMode(QAbstractItemView::NoSelection);
  for (int r = 0; r < rows; ++r) {
    const char* cells[] = {kRows[r].name, kRows[r].example, kRows[r].meaning, kRows[r].format,
                           kRows[r].packet};
    for (int c = 0; c < 5; ++c) StringGrid_Format->setItem(r, c, new QTableWidgetItem(cells[c]));
  }
  StringGrid_Format->resizeColumnsToContents();
  StringGrid_Format->setMinimumSize(620, 420);
  layout->addWidget(StringGrid_Format);
  for (const char* note : kNotes) {
    auto* label = new QLabel(note, this);
    label->setWordWrap(true);
    layout->addWidget(label);
  }
  fixSize();
}

}  // namespace navbin::ui
