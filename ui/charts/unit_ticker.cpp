#include "ui/charts/unit_ticker.h"

namespace navbin::ui {

QString UnitTicker::getTickLabel(double tick, const QLocale& locale, QChar formatChar,
                                 int precision) {
  const QString number = QCPAxisTicker::getTickLabel(tick, locale, formatChar, precision);
  return unit_.isEmpty() ? number : number + ' ' + unit_;
}

QSharedPointer<QCPAxisTickerDateTime> UtcTicker(const QString& format) {
  auto ticker = QSharedPointer<QCPAxisTickerDateTime>::create();
  ticker->setDateTimeSpec(Qt::UTC);
  ticker->setDateTimeFormat(format);
  return ticker;
}

}  // namespace navbin::ui
