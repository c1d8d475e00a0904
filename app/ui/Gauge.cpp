#include "app/ui/Gauge.h"

#include <algorithm>

namespace tw {

Gauge::Gauge(QWidget* parent) : QProgressBar(parent) {
    setTextVisible(true);
    setFormat(QStringLiteral("%p%"));
    setAlignment(Qt::AlignCenter);
    Show();
}

void Gauge::SetMaxValue(int max) {
    max_ = std::max(0, max);
    progress_ = std::clamp(progress_, 0, max_);
    Show();
}

void Gauge::SetProgress(int value) {
    progress_ = std::clamp(value, 0, max_);
    Show();
}

void Gauge::Show() {
    if (max_ == 0) {
        setRange(0, 1);
        setValue(0);
    } else {
        setRange(0, max_);
        setValue(progress_);
    }
}

} // namespace tw
