#pragma once

#include "core/page.h"

#include <QObject>

namespace plicora {

// Lets a PDF file dropped anywhere on a window open the booklet window for it, preset to the
// window's layout; every other drop goes on as before.
class PdfDropTarget : public QObject {
    Q_OBJECT

public:
    // Watches `window` and the controls it holds now; owned by the window.
    PdfDropTarget(QWidget* window, Mode mode);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Mode mode_;
};

} // namespace plicora
