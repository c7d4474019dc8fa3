#include "window_test_support.h"

#include "ui/application_setup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace plicora::testing {

MessageSeen answerMessageBox(const std::function<void()>& action) {
    MessageSeen seen;
    QTimer answer;
    answer.setInterval(0);
    QObject::connect(&answer, &QTimer::timeout, &answer, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = {true, box->windowTitle(), box->text(), static_cast<int>(box->buttons().size()),
                box->icon() != QMessageBox::NoIcon};
        if (const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
            seen.shownLines = qRound(label->heightForWidth(label->width()) /
                                     qreal(QFontMetrics(label->font()).lineSpacing()));
        box->button(QMessageBox::Ok)->click();
    });
    answer.start();
    action();
    return seen;
}

QStringList visibleWindows() {
    QStringList names;
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            names << window->objectName();
    return names;
}

QWidget* visibleWindow(const QString& name) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->objectName() == name)
            return window;
    return nullptr;
}

void deleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool waitUntil(const std::function<bool()>& done, int ms) {
    const QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

} // namespace plicora::testing

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    plicora::setUpApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
