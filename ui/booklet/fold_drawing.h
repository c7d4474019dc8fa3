#pragma once

#include "core/page.h"

#include <QWidget>

namespace plicora {

// A small drawing of how the printed stack folds: fronts up, the left half folded under the right,
// page 1 (four-up) or pages 1 and 2, one above the other (eight-up), ending on the cover; below,
// the folded stack as thick as the sheets folded together. A booklet opening from the right is
// drawn the other way round. Drawn in the palette's colours, so it reads on dark themes too.
class FoldDrawing : public QWidget {
    Q_OBJECT

public:
    explicit FoldDrawing(QWidget* parent);

    void setMode(Mode mode);
    // Whether the booklet opens from the right: its right half then folds under the left.
    void setRightToLeft(bool rightToLeft);
    // How many sheets are folded together: the first signature's, or the whole stack's.
    void setSheets(int sheets);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Mode mode_ = Mode::FourUp;
    int sheets_ = 1;
    bool rightToLeft_ = false;
};

} // namespace plicora
