#pragma once

#include "core/page.h"

#include <QWidget>

namespace plicora {

// A small drawing of the printed sheet: turned over on its short edge, then folded in the middle,
// with each half holding one page (four-up) or two, one above the other (eight-up); the right
// half laid over the left, or for a booklet opening from the right the left over the right. Drawn
// in the palette's colours, so it reads on dark themes too.
class FoldDrawing : public QWidget {
    Q_OBJECT

public:
    explicit FoldDrawing(QWidget* parent);

    void setMode(Mode mode);
    // Whether the booklet opens from the right: its left half is then laid over the right.
    void setRightToLeft(bool rightToLeft);
    // How many sheets are folded together, four-up: the first signature's, or the whole stack's.
    void setSheets(int sheets);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Mode mode_ = Mode::FourUp;
    int sheets_ = 1;
    bool rightToLeft_ = false;
};

} // namespace plicora
