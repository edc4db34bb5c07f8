#pragma once
// Axis tickers of the charts: round values with their unit beside each label,
// and calendar times in UTC.

#include <qcustomplot.h>
#include <QString>

namespace navbin::ui {

class UnitTicker : public QCPAxisTicker {
 public:
  explicit UnitTicker(QString unit) : unit_(std::move(unit)) {}

 protected:
  QString getTickLabel(double tick, const QLocale& locale, QChar formatChar,
                       int precision) override;

 private:
  QString unit_;
};

// A time axis of seconds since 1970 in UTC, labelled with `format`.
QSharedPointer<QCPAxisTickerDateTime> UtcTicker(const QString& format);

}  // namespace navbin::ui
