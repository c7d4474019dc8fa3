#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <ostream>

// Lets GoogleTest print Qt strings in its failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace plicora::testing {

// What a modal message box showed, when one was shown.
struct MessageSeen {
    bool shown = false;
    QString title;
    QString text;
    int buttonCount = 0;
    bool hasIcon = false;
};

// Runs `action` and presses OK on the message box it opens, if any.
MessageSeen answerMessageBox(const std::function<void()>& action);

// The visible top-level windows, by object name.
QStringList visibleWindows();

// The window shown with this object name, or nullptr.
QWidget* visibleWindow(const QString& name);

// Destroys the windows closed with Qt::WA_DeleteOnClose.
void deleteClosedWindows();

} // namespace plicora::testing
