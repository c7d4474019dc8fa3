#pragma once

#include "core/page.h"

#include <QWidget>

namespace plicora {

// A small drawing of the printed sheet: turned over on its short edge (or its long one), then
// folded in the middle, with each half holding one page (four-up) or two, one above the other
// (eight-up). Drawn in the palette's colours, so it reads on dark themes too.
class FoldDrawing : public QWidget {
    Q_OBJECT

public:
    explicit FoldDrawing(QWidget* parent);

    void setMode(Mode mode);
    // How many sheets are folded together, four-up: the first signature's, or the whole stack's.
    void setSheets(int sheets);
    // Whether the printer turns the sheet on its long edge rather than its short one.
    void setLongEdge(bool longEdge);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Mode mode_ = Mode::FourUp;
    int sheets_ = 1;
    bool longEdge_ = false;
};

} // namespace plicora
