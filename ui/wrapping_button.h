#pragma once

#include <QPushButton>

namespace plicora {

// A push button whose caption wraps at word boundaries, centred, when it is wider than the
// button: the window buttons are sized for two-line captions.
class WrappingButton : public QPushButton {
    Q_OBJECT

public:
    WrappingButton(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace plicora
