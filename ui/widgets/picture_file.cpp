#include "ui/widgets/picture_file.h"

#include <QFile>
#include <QLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace navbin::ui {
namespace {

bool SavePdf(QWidget& widget, const QString& path) {
  // QPdfWriter reports no failure to open its file; try it first.
  if (QFile probe(path); !probe.open(QIODevice::WriteOnly)) return false;
  QPdfWriter pdf(path);
  pdf.setResolution(96);
  pdf.setPageSize(QPageSize(widget.size(), QPageSize::Point));  // one point a pixel
  pdf.setPageMargins({});
  QPainter painter(&pdf);
  if (!painter.isActive()) return false;
  const double scale = pdf.width() / double(std::max(widget.width(), 1));
  painter.scale(scale, scale);
  widget.render(&painter);
  return painter.end();
}

}  // namespace

bool SaveWidgetPicture(QWidget& widget, const std::string& path) {
  // A window that was never shown has its layout applied first.
  if (widget.layout()) widget.layout()->activate();
  const QString file = QString::fromStdString(path);
  if (file.endsWith(".pdf", Qt::CaseInsensitive)) return SavePdf(widget, file);
  return widget.grab().save(file, "PNG");
}

}  // namespace navbin::ui
