#pragma once

#include <QColor>
#include <QPushButton>

namespace plicora {

// A push button whose caption wraps at word boundaries, centred, when it is wider than the
// button: the window buttons are sized for two-line captions. Given a face colour, it draws a
// flat face of exactly that colour with raised edges (sunken while pressed), a black caption
// and a dotted focus mark; without one, the style draws it.
class WrappingButton : public QPushButton {
    Q_OBJECT

public:
    WrappingButton(const QString& caption, QWidget* parent, QColor face = {});

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintFace(QPainter& painter) const;

    QColor face_;
};

} // namespace plicora
