#include "ui/booklet/sheet_preview.h"

#include "ui/booklet/booklet_process.h"
#include "ui/booklet/pdf_pages.h"
#include "ui/shared/file_path.h"
#include "ui/shared/ui_messages.h"

#include <QFile>

namespace plicora {
SheetPreview::SheetPreview(const QString& engine, QObject* parent)
    : QObject(parent), engine_(engine), process_(new BookletProcess(engine, this)),
      renderer_(new QObject) {
    renderer_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, renderer_, &QObject::deleteLater);
    thread_.start();
    connect(process_, &BookletProcess::succeeded, this,
            [this](const QStringList& paths) { render(paths.value(0)); });
    connect(process_, &BookletProcess::failed, this, &SheetPreview::failed);
}

// The engine stops before its temporary folder goes, and the thread before the window.
SheetPreview::~SheetPreview() {
    process_->cancel();
    thread_.quit();
    thread_.wait();
}

void SheetPreview::request(BookletJob job, QSize side) {
    ++request_;
    side_ = side;
    if (!folder_.isValid()) {
        Q_EMIT failed(QString::fromUtf8(previewFolderMessage));
        return;
    }
    // Each request its own file: the thread may still be reading the one before.
    const QString booklet = folder_.filePath(QStringLiteral("anteprima-%1.pdf").arg(request_));
    // The sheet as it prints with a duplex printer: the backs' file of a manual duplex may start
    // elsewhere, or upside down, so that the printer's own quirks undo it.
    job.output = fileSystemPath(booklet);
    job.separate = job.progress = job.reversedBacks = job.turnedBacks = false;
    process_->start(job);
}

void SheetPreview::render(const QString& booklet) {
    QMetaObject::invokeMethod(
        renderer_,
        [this, booklet, side = side_, request = request_] {
            const QList<QImage> sides = renderPdfPages(engine_, booklet, 2, side);
            QFile::remove(booklet);
            QMetaObject::invokeMethod(
                this, [=, this] { onRendered(request, sides); }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void SheetPreview::onRendered(quint64 request, const QList<QImage>& sides) {
    if (request != request_)
        return; // a sheet asked for before the last request
    if (sides.size() == 2)
        Q_EMIT rendered(sides[0], sides[1]);
    else
        Q_EMIT failed(QString::fromUtf8(previewUnreadableMessage));
}

} // namespace plicora
