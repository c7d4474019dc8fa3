#pragma once

#include <QSizeF>
#include <QWidget>

class QLabel;

namespace plicora {

// The preview's paper: the two sides of a sheet side by side under their titles, or two facing
// pages, as large as the space given allows with their proportions kept. Each is white paper
// with a thin black frame whatever the desktop's colours, as it will print.
class SheetView : public QWidget {
    Q_OBJECT

public:
    explicit SheetView(QWidget* parent);

    // Shows the sides of a sheet, each `side` points (its proportions matter).
    void showSides(QSizeF side);
    // Shows two facing pages together, `spread` points.
    void showSpread(QSizeF spread);

    // The pictures' labels: a sheet's two sides, and two facing pages.
    QLabel* front() const { return front_; }
    QLabel* back() const { return back_; }
    QLabel* spread() const { return spread_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // The pictures changed size and are to be drawn again.
    void resized();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void place();

    QLabel* frontTitle_;
    QLabel* backTitle_;
    QLabel* front_;
    QLabel* back_;
    QLabel* spread_;
    QSizeF side_{842, 595};
    QSizeF shape_{842, 595}; // of the spread, while it shows
    bool spreadShown_ = false;
};

} // namespace plicora
