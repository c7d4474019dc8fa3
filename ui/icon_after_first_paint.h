#pragma once

#include <QObject>

namespace plicora {

// Gives the application its window icon, at every size, once the first window has been painted:
// decoding the icon's images before then would delay what the user sees first.
class IconAfterFirstPaint : public QObject {
    Q_OBJECT

public:
    // Watches the application's events; it deletes itself once the icon is set.
    IconAfterFirstPaint();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace plicora
