#pragma once

#include <QProgressBar>

namespace tw {

// The download gauge: a range from 0 to a maximum, drawn as a percentage. A
// value is clamped to the range; with a maximum of 0 the bar stays empty
// (Qt would show its busy animation instead).
class Gauge : public QProgressBar {
    Q_OBJECT
public:
    explicit Gauge(QWidget* parent = nullptr);
    int MaxValue() const { return max_; }
    int Progress() const { return progress_; }
    void SetMaxValue(int max);
    void SetProgress(int value);

private:
    void Show();
    int max_ = 100;
    int progress_ = 0;
};

} // namespace tw
