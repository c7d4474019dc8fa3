#pragma once

#include <QObject>

#include <functional>

namespace plicora {

// Runs work once the first window has been painted: whatever the first picture on the screen
// doesn't need (decoding the icon's images, loading Qt's translations) would only delay it.
class AfterFirstPaint : public QObject {
    Q_OBJECT

public:
    // Watches the application's events for the first paint; it deletes itself once `work` ran.
    explicit AfterFirstPaint(std::function<void()> work);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> work_;
};

} // namespace plicora
