#pragma once

#include <QPushButton>

namespace plicora {

// A flat button that reads as a link: no face, and a dotted mark around it when it has the
// keyboard, as the window's other buttons have; Enter presses it as Space does.
class LinkButton : public QPushButton {
    Q_OBJECT

public:
    // A link reading `caption`.
    LinkButton(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace plicora
