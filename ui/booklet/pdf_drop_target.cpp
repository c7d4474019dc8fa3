#include "ui/booklet/pdf_drop_target.h"

#include "ui/booklet/booklet_window.h"

#include <QDropEvent>
#include <QMimeData>
#include <QMimeDatabase>
#include <QWidget>

namespace plicora {
namespace {

// The PDF file a drag carries, when it carries exactly one local PDF; else empty.
QString droppedPdf(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1 ||
        !data->urls().front().isLocalFile())
        return {};
    const QString path = data->urls().front().toLocalFile();
    // By name only: a drag passing over the window must not wait on reading the file.
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    return type.inherits(QStringLiteral("application/pdf")) ? path : QString();
}

} // namespace

PdfDropTarget::PdfDropTarget(QWidget* window, Mode mode) : QObject(window), mode_(mode) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    // Text fields (and the viewports that take their drops) would insert a dropped file's name;
    // a PDF is taken before they see it.
    for (QWidget* control : window->findChildren<QWidget*>())
        control->installEventFilter(this);
}

bool PdfDropTarget::eventFilter(QObject*, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const QString document = droppedPdf(drop->mimeData());
    if (document.isEmpty())
        return false;
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
        openBookletWindow(document, mode_);
    return true;
}

} // namespace plicora
