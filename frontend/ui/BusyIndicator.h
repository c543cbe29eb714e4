#pragma once
// The busy indicator: eight frames shown in turn while the checker runs, hidden otherwise.

#include <QLabel>
#include <QPixmap>
#include <array>

namespace quillon {

class BusyIndicator : public QLabel {
    Q_OBJECT

public:
    static constexpr int FRAME_COUNT = 8;

    explicit BusyIndicator(QWidget* parent = nullptr);

    /// Shows the first frame.
    void Start();
    /// Shows the next frame, after the eighth the first again.
    void Advance();
    void Stop();
    int Frame() const { return frame; }

private:
    std::array<QPixmap, FRAME_COUNT> frames;
    int frame = 0;
};

}  // namespace quillon
