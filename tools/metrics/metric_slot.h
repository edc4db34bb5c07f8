#pragma once
// One series of a family, there only while it has a value: a gauge appears
// at its first value and goes away when cleared; a counter follows a count
// kept elsewhere.

#include <cstdint>
#include <utility>

#include <prometheus/counter.h>
#include <prometheus/family.h>
#include <prometheus/gauge.h>

namespace navbin::tools::metrics {

class GaugeSlot {
 public:
  GaugeSlot(prometheus::Family<prometheus::Gauge>& family, prometheus::Labels labels)
      : family_(&family), labels_(std::move(labels)) {}
  ~GaugeSlot() { clear(); }
  GaugeSlot(const GaugeSlot&) = delete;
  GaugeSlot& operator=(const GaugeSlot&) = delete;

  void set(double value) {
    if (!gauge_) gauge_ = &family_->Add(labels_);
    gauge_->Set(value);
  }
  void clear() {
    if (gauge_) family_->Remove(gauge_);
    gauge_ = nullptr;
  }

 private:
  prometheus::Family<prometheus::Gauge>* family_;
  prometheus::Labels labels_;
  prometheus::Gauge* gauge_ = nullptr;
};

class CounterSlot {
 public:
  CounterSlot(prometheus::Family<prometheus::Counter>& family, const prometheus::Labels& labels)
      : family_(&family), counter_(&family.Add(labels)) {}
  ~CounterSlot() { family_->Remove(counter_); }
  CounterSlot(const CounterSlot&) = delete;
  CounterSlot& operator=(const CounterSlot&) = delete;

  // The count kept elsewhere is now `total`; one that went back (its keeper
  // started again) counts on from there.
  void follow(std::uint64_t total) {
    counter_->Increment(static_cast<double>(total >= last_ ? total - last_ : total));
    last_ = total;
  }

 private:
  prometheus::Family<prometheus::Counter>* family_;
  prometheus::Counter* counter_;
  std::uint64_t last_ = 0;
};

}  // namespace navbin::tools::metrics
